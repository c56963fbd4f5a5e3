// Every window the program registers, in both languages, shows every caption
// whole: its title, label, button, check box and option button texts, frame
// titles, every entry of every list closed and dropped down, the lists a grid
// lays over its cells, grid headings and tab texts, measured in the font the
// program itself uses.
#include <QTabBar>

#include "caption_checks.h"
#include "program_fixture.h"

namespace brel::program_test {
namespace {

struct LanguageCase {
  const char* name;
  bool chinese;
  friend void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.name; }
};

class EveryWindow : public ProgramFixture, public ::testing::WithParamInterface<LanguageCase> {
 protected:
  void SetUp() override {
    // The font the program's entry point chooses, so the texts are measured
    // as they are painted.
    UseFontForChinese(*qApp);
    start();
    // Programmed channels, so that every cell of a channel row gets its list;
    // the channel editor shows them once loaded again.
    for (const RadioChannel& ch : kRadioChannels) {
      for (int i = 0; i < 16; ++i) state().MemImage.at(ch.number - 1, i) = static_cast<std::int16_t>(ch.record[i]);
      for (int i = 0; i < 6; ++i) state().MemImage.at(256 + ch.number - 1, i) = static_cast<std::int16_t>(ch.name[i]);
    }
    ASSERT_TRUE(window().host().unloadForm(FormId::frm_chann, FormHost::UnloadMode::Force));
    test::FlushDeletes();
  }
  // What a window shows, on every page of every tab bar in it.
  static std::vector<std::string> CutOnEveryPage(Form* w) {
    std::vector<std::string> cut = test::CutCaptions(w);
    for (QTabBar* bar : w->findChildren<QTabBar*>()) {
      if (!bar->isVisible()) continue;
      const int first = bar->currentIndex();
      for (int i = 0; i < bar->count(); ++i) {
        if (i == first) continue;
        bar->setCurrentIndex(i);
        QCoreApplication::processEvents();
        for (std::string& c : test::CutCaptions(w)) cut.push_back(bar->tabText(i).toStdString() + ": " + c);
      }
      bar->setCurrentIndex(first);
    }
    return cut;
  }
};

TEST_P(EveryWindow, ShowsEveryCaptionWhole) {
  if (GetParam().chinese) window().Language_chn_Click();
  else window().Language_eng_Click();
  ASSERT_EQ(state().LanguageFlag, GetParam().chinese ? -1 : 0);
  int windows = 0;
  int opened = 0;
  for (int i = 0; std::string(FormName(static_cast<FormId>(i))) != "?"; ++i) {
    const auto id = static_cast<FormId>(i);
    ++windows;
    if (!window().host().isRegistered(id)) continue;
    SCOPED_TRACE(FormName(id));
    Form* w = window().host().loadForm(id);
    ASSERT_NE(w, nullptr);
    QCoreApplication::processEvents();
    ++opened;
    std::string cut;
    for (const std::string& c : CutOnEveryPage(w)) cut += "\n  " + c;
    if (!cut.empty()) ADD_FAILURE() << "shown cut:" << cut;
    ASSERT_TRUE(window().host().unloadForm(id, FormHost::UnloadMode::Force));
    test::FlushDeletes();
  }
  EXPECT_EQ(opened, windows) << "every window is registered";
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow,
                         ::testing::Values(LanguageCase{"Chinese", true}, LanguageCase{"English", false}),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brel::program_test
