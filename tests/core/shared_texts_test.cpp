#include "shared_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "text_chars.h"

namespace brel {
namespace {

TEST(SharedTexts, EnglishAndChineseAreChosenByTheLanguageFlag) {
  ProgramState state;
  state.LanguageFlag = 0;
  SetLanguageTexts(state);
  EXPECT_EQ(state.ConfirmText, "Confirm");
  EXPECT_EQ(state.SysInfoText, "System Information(&S)...");
  EXPECT_EQ(state.DecodeResponseNames,
            (std::array<std::string, 4>{"0.None", "1.Alert", "2.Transpond", "3.Alert+Transpond"}));
  EXPECT_EQ(state.DecodeFunctionNames,
            (std::array<std::string, 9>{"0.Open Speak", "1.Primary Caller ID", "2.Secondary Caller ID", "3.Monitor",
                                        "4.Inspection ", "5.Emergency", "6.Stun", "7.Kill", "8.Revive"}));
  EXPECT_NE(state.AboutTexts[0].find("Velmor"), std::string::npos);
  EXPECT_NE(state.AboutTexts[0].find("Brel Pro"), std::string::npos);
  EXPECT_NE(state.AboutTexts[1].find("2009-2016"), std::string::npos);
  EXPECT_EQ(TextCharacterCount(state.AboutTexts[3]), 251u);
  const ProgramState english = state;

  for (std::int16_t flag : {std::int16_t{-1}, std::int16_t{1}, std::int16_t{7}}) {
    state.LanguageFlag = flag;
    SetLanguageTexts(state);
    EXPECT_EQ(state.ConfirmText, "确定") << flag;
    EXPECT_EQ(state.SysInfoText, "系统信息(&S)...");
    EXPECT_EQ(state.DecodeResponseNames, (std::array<std::string, 4>{"0.无", "1.提醒", "2.回复", "3.提醒并回"}));
    EXPECT_EQ(state.DecodeFunctionNames,
              (std::array<std::string, 9>{"0.通话", "1.主叫", "2.被叫", "3.监听", "4.巡查", "5.报警", "6.遥晕",
                                          "7.遥毙", "8.开机"}));
    EXPECT_NE(state.AboutTexts[0].find("Zarn/Drav 系列"), std::string::npos);
    EXPECT_EQ(TextCharacterCount(state.AboutTexts[3]), 85u);
  }

  // Back to English: every text as it was.
  state.LanguageFlag = 0;
  SetLanguageTexts(state);
  EXPECT_EQ(state.AboutTexts, english.AboutTexts);
  EXPECT_EQ(state.DecodeFunctionNames, english.DecodeFunctionNames);
  EXPECT_EQ(state.DecodeResponseNames, english.DecodeResponseNames);
}

TEST(SharedTexts, DecodeFunctionNameIsEmptyOutsideTheList) {
  ProgramState state;
  SetLanguageTexts(state);
  EXPECT_EQ(DecodeFunctionName(state, 0), "0.Open Speak");
  EXPECT_EQ(DecodeFunctionName(state, 8), "8.Revive");
  EXPECT_EQ(DecodeFunctionName(state, 9), "");
  EXPECT_EQ(DecodeFunctionName(state, -1), "");
}

}  // namespace
}  // namespace brel
