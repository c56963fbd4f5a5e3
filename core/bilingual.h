// Every text of the program exists in Chinese and English; the language flag
// (-1 Chinese, 0 English, any non-zero value read as Chinese) picks one.
#pragma once

#include <cstdint>
#include <string>

#include "ui_ports.h"

namespace brel {

struct Bilingual {
  const char* zh;
  const char* en;
};

inline std::string Pick(std::int16_t languageFlag, const Bilingual& text) {
  return languageFlag != 0 ? text.zh : text.en;
}

// Message titles: the English title is spelt two ways across the windows.
inline constexpr Bilingual kTitlePromptLower{"操作提示", "Operate prompt"};
inline constexpr Bilingual kTitlePromptUpper{"操作提示", "Operate Prompt"};

// Builds a warning message in the current language.
inline Message Warn(std::int16_t languageFlag, const Bilingual& title, const Bilingual& text) {
  return Message{Pick(languageFlag, title), Pick(languageFlag, text), MessageIcon::Warning};
}

// Texts shared by every window that talks to the radio.
inline constexpr Bilingual kBusyText{"正在与对讲机进行读写操作 ！", "Read-write operating with transceiver ."};
inline constexpr Bilingual kCloseRefusedText{"正在进行读写操作,请勿关窗口 ！,",
                                             "Read-write operating，don't close the window. ,"};
// The editors' unload handlers use it without the blank before the last comma.
inline constexpr Bilingual kCloseRefusedEditorText{"正在进行读写操作,请勿关窗口 ！,",
                                                   "Read-write operating，don't close the window.,"};

}  // namespace brel
