#include "image_file_form.h"

#include "image_file.h"

namespace brel {

namespace {
void Tell(AppContext& context, const std::string& text) {
  context.messages.show(Message{Pick(context.state.LanguageFlag, kTitlePromptLower), text, MessageIcon::Warning});
}
}  // namespace

bool LoadImageFileInto(AppContext& context, const std::string& path, const std::function<void()>& commitEdits,
                       const std::function<void()>& applied) {
  ProgramState& state = context.state;
  const ParamReadResult read = ReadImageFileValues(path);
  if (!read.ok()) {
    Tell(context, ParamFileNotLoadedText(state.LanguageFlag, path, read.error));
    return false;
  }
  if (commitEdits) commitEdits();
  ApplyImageFileValues(read.values, state.MemImage);
  if (applied) applied();
  Tell(context, Pick(state.LanguageFlag, kParamFileReadText));
  return true;
}

bool SaveImageRowsTo(AppContext& context, const std::string& path, int lastRow, const std::function<void()>& saved) {
  ProgramState& state = context.state;
  if (auto error = SaveTableRows(state.MemImage, addr::kImageFileFirstRow, lastRow, path)) {
    Tell(context, ParamFileNotSavedText(state.LanguageFlag, path, *error));
    return false;
  }
  if (saved) saved();
  Tell(context, Pick(state.LanguageFlag, kParamFileSavedText));
  return true;
}

}  // namespace brel
