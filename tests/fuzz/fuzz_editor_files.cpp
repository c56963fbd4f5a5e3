// Any bytes as a file opened in each editor that keeps files of its own: the
// Optional Features window (option file), the two older option windows, the
// FM, two-tone, five-tone and alignment editors.  The file goes to the real
// window (offscreen, hosted as the program hosts it) the way its Open dialog
// hands it over, and the window's poll takes it.  The window takes the file
// exactly when its reader does; a refused file is refused with a reason and
// changes nothing; a taken one is shown on every page, and showing it changes
// nothing more, without a crash or undefined behaviour.
//
// The input: one byte choosing the window, one byte for the program's
// standing (bit 0 the language, the rest the alignment band variant), then
// the file.
#include <gtest/gtest.h>  // hosted_windows.h checks with it

#include <QApplication>
#include <QTabBar>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <unistd.h>

#include "adj_layout.h"
#include "frm_2tone.h"
#include "frm_5tone.h"
#include "frm_adj_mod.h"
#include "frm_adj_txp.h"
#include "frm_fm.h"
#include "frm_option.h"
#include "fm_file.h"
#include "fuzz_check.h"
#include "hosted_windows.h"
#include "image_file.h"
#include "numtext.h"
#include "signalling_file.h"
#include "signalling_forms.h"

using namespace brel;

namespace {

const std::string& FilePath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / Concat({"brel-fuzz-editor-files-", std::to_string(::getpid()), ".dat"}))
          .string();
  return path;
}

constexpr FormId kWindows[] = {FormId::frm_option, FormId::frm_Adj_Mod, FormId::frm_Adj_Tune, FormId::frm_FM,
                               FormId::frm_2tone,  FormId::frm_5tone,   FormId::frm_Adj_Txp};

class Editors : public test::HostedWindows {
 public:
  Editors() {
    RegisterOptionEditor(host);
    RegisterLegacyOptionEditors(host);
    RegisterFmEditor(host);
    RegisterSignallingEditors(host);
    RegisterAlignmentEditor(host);
  }

  // What one input leaves goes before the next: its window, the program's
  // standing and what was said.
  void reset() {
    closeAll();
    state = ProgramState{};
    messages.shown.clear();
    panels.panels.clear();
  }

  // One poll of the window's file requests, as its timer (or, for the option
  // window, which runs none, its owner) gives it.
  void poll(Form& window) {
    if (auto* options = dynamic_cast<options::frm_option*>(&window)) options->PollFileRequests();
    runFor(FileRequestPoller::kIntervalMs * link::kMs);
    QCoreApplication::processEvents();
  }

  // Every page of the window, painted.
  void showEveryPage(Form& window) {
    auto* tabs = window.findChild<QTabBar*>("TabStrip1");
    const int pages = tabs != nullptr ? tabs->count() : 1;
    for (int page = 0; page < pages; ++page) {
      if (tabs != nullptr) tabs->setCurrentIndex(page);
      QCoreApplication::processEvents();
      (void)window.grab();
    }
  }
};

// Opens the file in `window`, whose file fills `data` and is read by `read`
// (into a copy, as a check apart from the window).  `shownAsRead`: the
// window keeps what it took as the file had it (the option window writes
// back what its lists cannot show).
template <typename Table>
void OpenIn(Editors& e, Form& window, FileRequest request, const Table& data,
            const std::function<std::optional<std::string>(Table&)>& read, bool shownAsRead) {
  Table expected = data;
  const bool readable = !read(expected).has_value();
  const Table before = data;
  const std::size_t said = e.messages.texts().size();

  PostFileRequest(e.state, request, FilePath(), window.windowToken());
  e.poll(window);
  FUZZ_REQUIRE(RequestFlag(e.state, request) == 0, "the window takes the file its dialog chose");
  FUZZ_REQUIRE(e.messages.texts().size() > said, "the window says what became of the file");
  if (!readable) {
    FUZZ_REQUIRE(data == before, "a refused file changes nothing");
    e.showEveryPage(window);
    return;
  }
  if (shownAsRead) FUZZ_REQUIRE(data == expected, "the window holds the file as read");
  const Table taken = data;
  e.showEveryPage(window);
  FUZZ_REQUIRE(data == taken, "showing the file changes nothing");
}

// One application and one main window for the whole run, made on the first
// input: building them for every input kept fuzzing to a few inputs a
// second.  They are deleted at exit, before Qt's own globals: a static
// application would go after them and crash, and one never deleted would
// leave the font caches to the leak check.  Exit runs hooks and static
// destructors in the reverse order of their making, so the hook is
// registered only once every window has been loaded and shown in both
// languages: what Qt sets up lazily for them is made before the hook and so
// goes after it.
class World {
 public:
  static Editors& editors() {
    static World* const world = new World;
    static const int registered = std::atexit([] { delete world; });
    (void)registered;
    return world->editors_;
  }

 private:
  World() : app_((UseOffscreen(), argc_), argv_) {
    editors_.mainWindow.show();
    for (const std::int16_t language : {0, 1}) {  // as an input sets it
      for (const FormId id : kWindows) {
        editors_.reset();
        editors_.state.LanguageFlag = language;
        if (Form* window = editors_.host.loadForm(id)) editors_.showEveryPage(*window);
      }
    }
    editors_.reset();
  }

  static void UseOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  }

  static inline int argc_ = 1;
  static inline char name_[] = "fuzz_editor_files";
  static inline char* argv_[] = {name_, nullptr};
  QApplication app_;
  Editors editors_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Editors& e = World::editors();
  fuzz::InputReader in(data, size);
  const std::uint8_t which = in.byte();
  const std::uint8_t standing = in.byte();
  const std::string_view file = in.rest();
  {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    FUZZ_REQUIRE(out.good(), "the file is written");
  }

  const FormId id = kWindows[which % std::size(kWindows)];

  e.reset();
  e.state.LanguageFlag = standing & 1;
  e.state.AdjBandVariant = static_cast<std::int16_t>((standing >> 1) % adj::kVariantCount);
  Form* window = e.host.loadForm(id);
  FUZZ_REQUIRE(window != nullptr, "the window loads");
  QCoreApplication::processEvents();

  ProgramState& s = e.state;
  switch (id) {
    case FormId::frm_option:
      OpenIn<MemoryImage>(
          e, *window, FileRequest::FileOpen, s.MemImage,
          [](MemoryImage& image) { return LoadTableRows(image, 0, addr::kLastImageRowInUse, FilePath()); }, false);
      break;
    case FormId::frm_Adj_Mod:
    case FormId::frm_Adj_Tune: {
      auto& form = dynamic_cast<legacy_options::frm_Adj_Mod*>(window)->editor();
      OpenIn<OptionStageTable>(
          e, *window, FileRequest::FileOpen, form.image(),
          [](OptionStageTable& rows) { return LoadTableRows(rows, 0, 11, FilePath()); }, true);
      break;
    }
    case FormId::frm_FM:
      OpenIn<FmStageTable>(
          e, *window, FileRequest::AdjOpen, s.FmStageRows,
          [](FmStageTable& rows) { return fm::LoadFmParamFile(rows, FilePath()); }, true);
      break;
    case FormId::frm_2tone:
      OpenIn<TwoToneStageTable>(
          e, *window, FileRequest::FileOpen, s.TwoToneImage,
          [](TwoToneStageTable& rows) { return signalling::LoadSignalFile(rows, FilePath()); }, true);
      break;
    case FormId::frm_5tone:
      OpenIn<FiveToneStageTable>(
          e, *window, FileRequest::FileOpen, s.FiveToneImage,
          [](FiveToneStageTable& rows) { return signalling::LoadSignalFile(rows, FilePath()); }, true);
      break;
    default:
      OpenIn<AdjTable>(
          e, *window, FileRequest::AdjOpen, s.AdjImage,
          [](AdjTable& image) { return LoadTableRows(image, 0, adj::kEditedRows - 1, FilePath()); }, true);
      break;
  }
  std::filesystem::remove(FilePath());
  return 0;
}
