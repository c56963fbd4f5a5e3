// Every window the program registers, in both languages, shows every caption
// whole: its title, label, button, check box and option button texts, frame
// titles, every entry of every list closed and dropped down, the lists a grid
// lays over its cells, grid headings and tab texts, measured in the font the
// program itself uses.
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
};

TEST_P(EveryWindow, ShowsEveryCaptionWhole) {
  if (GetParam().chinese) window().Language_chn_Click();
  else window().Language_eng_Click();
  ASSERT_EQ(state().LanguageFlag, GetParam().chinese ? -1 : 0);
  int windows = 0;
  while (std::string(FormName(static_cast<FormId>(windows))) != "?") ++windows;
  const int opened = forEveryRegisteredWindow([](Form* w) {
    std::string cut;
    test::OnEveryTabPage(w, [&](const std::string& page) {
      for (const std::string& c : test::CutCaptions(w)) cut += "\n  " + (page.empty() ? c : page + ": " + c);
    });
    if (!cut.empty()) ADD_FAILURE() << "shown cut:" << cut;
  });
  EXPECT_EQ(opened, windows) << "every window is registered";
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow,
                         ::testing::Values(LanguageCase{"Chinese", true}, LanguageCase{"English", false}),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brel::program_test
