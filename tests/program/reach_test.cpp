// Every window the program registers, in both languages, on the smallest
// screen the program takes without its warning: every control it shows can
// be brought whole into view, the window as a whole being larger than the
// main window's area or not.
#include "program_fixture.h"
#include "reach_checks.h"

namespace brel::program_test {
namespace {

struct ReachCase {
  const char* name;
  bool chinese;
  int areaHeightLost;  // pixels of the 1024 x 768 screen a desktop keeps
  friend void PrintTo(const ReachCase& c, std::ostream* out) { *out << c.name; }
};

class EveryControl : public ProgramFixture, public ::testing::WithParamInterface<ReachCase> {
 protected:
  void SetUp() override {
    UseFontForChinese(*qApp);
    start();
    // The channel editor loaded at start-up goes, so that it too is loaded
    // into the main window as the case has it.
    ASSERT_TRUE(window().host().unloadForm(FormId::frm_chann, FormHost::UnloadMode::Force));
    test::FlushDeletes();
  }
};

TEST_P(EveryControl, CanBeBroughtIntoView) {
  if (GetParam().chinese) window().Language_chn_Click();
  else window().Language_eng_Click();
  window().resize(1024, 768 - GetParam().areaHeightLost);
  QCoreApplication::processEvents();
  const int opened = forEveryRegisteredWindow([](Form* w) {
    std::string out;
    test::OnEveryTabPage(w, [&](const std::string& page) {
      for (const std::string& o : test::OutOfReach(w)) out += "\n  " + (page.empty() ? o : page + ": " + o);
    });
    if (!out.empty()) ADD_FAILURE() << "out of reach:" << out;
  });
  EXPECT_GT(opened, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Program, EveryControl,
    ::testing::Values(ReachCase{"EnglishWholeScreen", false, 0}, ReachCase{"ChineseWholeScreen", true, 0},
                      // Maximised under a window manager that keeps a title bar
                      // and two panels: some windows are taller than the area.
                      ReachCase{"EnglishUnderTitleAndPanels", false, 100},
                      ReachCase{"ChineseUnderTitleAndPanels", true, 100}),
    [](const ::testing::TestParamInfo<ReachCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brel::program_test
