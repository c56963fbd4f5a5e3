// The DTMF area's digit code and its conversions, and the tables that say
// which bytes each control of the DTMF editor owns.
//
// A DTMF character is one byte: "0".."9" are 0..9, "*" 11, "#" 12,
// "A".."D" 13..16, 0xFF an empty position.  A code is five such bytes, first
// character at the lowest address; a code whose first byte is 0xFF is empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "address_map.h"
#include "bilingual.h"

namespace brel::dtmf {

inline constexpr int kNoCharacter = 0xFF;

// One character (or any text) to its digit code: exact comparison of the
// whole text, "a".."d" read as "A".."D"; anything else, the empty text and a
// blank included, gives 0xFF.
int TextToDigitCode(std::string_view ch);
// 0..9, 11..16 to their character; every other value to the empty text.
std::string DigitCodeToText(int code);
// Five codes in address order; positions that show nothing leave no gap.
std::string DigitsToText(int c0, int c1, int c2, int c3, int c4);

// The nine code fields, in the order of this table everywhere.
enum class CodeField { XC, JT, BJ, YY, YB, KJ, MID, SID, Ani };
inline constexpr int kCodeFieldCount = 9;

struct CodeFieldDef {
  const char* control;  // the text box's name
  int address;          // first of its five bytes
  bool sixthEmpties;    // a sixth typed digit starts the field anew (else it is dropped)
};

inline constexpr std::array<CodeFieldDef, kCodeFieldCount> kCodeFields{{
    {"Text_XC", addr::DTMF_INSPECT, false},
    {"Text_JT", addr::DTMF_MONITOR, false},
    {"Text_BJ", addr::DTMF_ALARM, false},
    {"Text_YY", addr::DTMF_STUN, false},
    {"Text_YB", addr::DTMF_KILL, false},
    {"Text_KJ", addr::DTMF_REVIVE, false},
    {"Text_MID", addr::DTMF_MASTER_ID, false},
    {"Text_SID", addr::DTMF_VICE_ID, false},
    {"Text_Ani", addr::DTMF_ANI, true},
}};

inline const CodeFieldDef& Def(CodeField f) { return kCodeFields[static_cast<std::size_t>(f)]; }

// The check boxes that each own one bit of a flag byte.  The rights boxes
// Check_M(k) and Check_S(k) own bit k of the master and vice rights.
enum class FlagBox { RX, Tx, PttP, PttS, M0, M1, M2, M3, M4, S0, S1, S2, S3, S4 };
inline constexpr int kFlagBoxCount = 14;
inline constexpr int kRightsCount = 5;

struct FlagBoxDef {
  const char* control;
  int address;
  std::uint8_t mask;
};

inline constexpr std::array<FlagBoxDef, kFlagBoxCount> kFlagBoxes{{
    {"Check_RX", addr::DTMF_STATE, 0x01},
    {"Check_Tx", addr::DTMF_STATE, 0x02},
    {"Check_Ptt_P", addr::DTMF_PTT_ID, 0x01},
    {"Check_Ptt_S", addr::DTMF_PTT_ID, 0x02},
    {"Check_M(0)", addr::DTMF_MASTER_RIGHTS, 0x01},
    {"Check_M(1)", addr::DTMF_MASTER_RIGHTS, 0x02},
    {"Check_M(2)", addr::DTMF_MASTER_RIGHTS, 0x04},
    {"Check_M(3)", addr::DTMF_MASTER_RIGHTS, 0x08},
    {"Check_M(4)", addr::DTMF_MASTER_RIGHTS, 0x10},
    {"Check_S(0)", addr::DTMF_VICE_RIGHTS, 0x01},
    {"Check_S(1)", addr::DTMF_VICE_RIGHTS, 0x02},
    {"Check_S(2)", addr::DTMF_VICE_RIGHTS, 0x04},
    {"Check_S(3)", addr::DTMF_VICE_RIGHTS, 0x08},
    {"Check_S(4)", addr::DTMF_VICE_RIGHTS, 0x10},
}};

inline const FlagBoxDef& Def(FlagBox b) { return kFlagBoxes[static_cast<std::size_t>(b)]; }
inline FlagBox MasterRight(int k) { return static_cast<FlagBox>(static_cast<int>(FlagBox::M0) + k); }
inline FlagBox ViceRight(int k) { return static_cast<FlagBox>(static_cast<int>(FlagBox::S0) + k); }

// The time lists: entry i stands for 50 + 10 * i ms, "50" .. "2000".
inline constexpr int kTimeEntries = 196;

// The group-call list offers these (no "D").
inline constexpr std::array<const char*, 5> kGroupCallEntries{"*", "#", "A", "B", "C"};

}  // namespace brel::dtmf
