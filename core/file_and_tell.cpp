#include "file_and_tell.h"

namespace brel {

namespace {
void Tell(ProgramState& state, MessageSink& messages, const Bilingual& title, const std::string& text) {
  messages.show(Message{Pick(state.LanguageFlag, title), text, MessageIcon::Warning});
}
}  // namespace

bool OpenFileAndTell(ProgramState& state, MessageSink& messages, const std::string& path, const FileReader& read,
                     const std::function<bool()>& commitEdits, const std::function<void()>& shown,
                     const FileTexts& texts) {
  const std::int16_t language = state.LanguageFlag;
  const FileRead file = read(path);
  if (file.refused) {
    Tell(state, messages, texts.refusedTitle, ParamFileNotLoadedText(language, path, *file.refused));
    return false;
  }
  if (commitEdits && !commitEdits()) return false;
  if (file.apply) file.apply();
  if (shown) shown();
  Tell(state, messages, texts.doneTitle, Pick(language, texts.loaded));
  return true;
}

bool SaveFileAndTell(ProgramState& state, MessageSink& messages, const std::string& path, const FileWriter& write,
                     const FileTexts& texts, const std::function<void(bool saved)>& done) {
  const std::int16_t language = state.LanguageFlag;
  if (const std::optional<std::string> error = write(path)) {
    if (done) done(false);
    Tell(state, messages, texts.refusedTitle, ParamFileNotSavedText(language, path, *error));
    return false;
  }
  if (done) done(true);
  Tell(state, messages, texts.doneTitle, Pick(language, texts.saved));
  return true;
}

FileRead ReadImageFileInto(MemoryImage& image, const std::string& path) {
  return ReadTableRowsInto(image, addr::kImageFileFirstRow, addr::kImageFileLastRow, path);
}

}  // namespace brel
