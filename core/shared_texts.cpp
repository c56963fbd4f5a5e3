#include "shared_texts.h"

#include "bilingual.h"

namespace brel {
namespace {

// The About box's four lines: title, rights, designer and the legal warning
// (85 characters in Chinese, 251 in English: the box is laid out for them).
constexpr std::array<Bilingual, 4> kAboutTexts = {{
    {"Velmor Zarn/Drav 系列手持对讲机编程调整软件", "Velmor Brel Pro Series Program Software"},
    {"版权所有 (C) 2009-2016 Velmor", "Copyright (C) 2009-2016 Velmor"},
    {"软件设计：Velmor 软件部", "Designed by the Velmor software department"},
    {"警告：本软件受著作权法及国际条约保护。未经 Velmor 书面许可，擅自复制、传播或销售本软件或其中任何部分，"
     "将承担民事及刑事法律责任，并将在法律允许的最大范围内被追究。",
     "Warning: this program is protected by copyright law and by international treaties. Copying or "
     "distributing this program, or any part of it, without the written consent of Velmor is prohibited and "
     "will be prosecuted to the full extent permitted by law."},
}};

constexpr Bilingual kConfirmText{"确定", "Confirm"};
constexpr Bilingual kSysInfoText{"系统信息(&S)...", "System Information(&S)..."};

constexpr std::array<Bilingual, 4> kDecodeResponseNames = {{
    {"0.无", "0.None"},
    {"1.提醒", "1.Alert"},
    {"2.回复", "2.Transpond"},
    {"3.提醒并回", "3.Alert+Transpond"},
}};

constexpr std::array<Bilingual, 9> kDecodeFunctionNames = {{
    {"0.通话", "0.Open Speak"},
    {"1.主叫", "1.Primary Caller ID"},
    {"2.被叫", "2.Secondary Caller ID"},
    {"3.监听", "3.Monitor"},
    {"4.巡查", "4.Inspection "},
    {"5.报警", "5.Emergency"},
    {"6.遥晕", "6.Stun"},
    {"7.遥毙", "7.Kill"},
    {"8.开机", "8.Revive"},
}};

}  // namespace

void SetLanguageTexts(ProgramState& state) {
  const std::int16_t flag = state.LanguageFlag;
  for (std::size_t i = 0; i < kAboutTexts.size(); ++i) state.AboutTexts[i] = Pick(flag, kAboutTexts[i]);
  state.ConfirmText = Pick(flag, kConfirmText);
  state.SysInfoText = Pick(flag, kSysInfoText);
  for (std::size_t i = 0; i < kDecodeResponseNames.size(); ++i)
    state.DecodeResponseNames[i] = Pick(flag, kDecodeResponseNames[i]);
  for (std::size_t i = 0; i < kDecodeFunctionNames.size(); ++i)
    state.DecodeFunctionNames[i] = Pick(flag, kDecodeFunctionNames[i]);
}

std::string DecodeFunctionName(const ProgramState& state, int index) {
  if (index < 0 || index >= static_cast<int>(state.DecodeFunctionNames.size())) return {};
  return state.DecodeFunctionNames[static_cast<std::size_t>(index)];
}

}  // namespace brel
