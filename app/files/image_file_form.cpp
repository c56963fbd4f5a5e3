#include "image_file_form.h"

namespace brel {

namespace {
void Tell(AppContext& context, const Bilingual& title, const std::string& text) {
  context.messages.show(Message{Pick(context.state.LanguageFlag, title), text, MessageIcon::Warning});
}
}  // namespace

bool OpenFileAndTell(AppContext& context, const std::string& path, const FileReader& read,
                     const std::function<bool()>& commitEdits, const std::function<void()>& shown,
                     const FileTexts& texts) {
  const std::int16_t language = context.state.LanguageFlag;
  const FileRead file = read(path);
  if (file.refused) {
    Tell(context, texts.refusedTitle, ParamFileNotLoadedText(language, path, *file.refused));
    return false;
  }
  if (commitEdits && !commitEdits()) return false;
  if (file.apply) file.apply();
  if (shown) shown();
  Tell(context, texts.doneTitle, Pick(language, texts.loaded));
  return true;
}

bool SaveFileAndTell(AppContext& context, const std::string& path, const FileWriter& write, const FileTexts& texts,
                     const std::function<void(bool saved)>& done) {
  const std::int16_t language = context.state.LanguageFlag;
  if (const std::optional<std::string> error = write(path)) {
    if (done) done(false);
    Tell(context, texts.refusedTitle, ParamFileNotSavedText(language, path, *error));
    return false;
  }
  if (done) done(true);
  Tell(context, texts.doneTitle, Pick(language, texts.saved));
  return true;
}

FileRead ReadImageFileInto(MemoryImage& image, const std::string& path) {
  ParamReadResult read = ReadImageFileValues(path);
  if (!read.ok()) return FileRead::Refused(std::move(read.error));
  return FileRead::Ready([&image, values = std::move(read.values)] { ApplyImageFileValues(values, image); });
}

}  // namespace brel
