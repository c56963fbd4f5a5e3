// Everything the windows of the program share, in one object created at
// start-up and handed to whoever needs it.  Member names are the names of
// the radio's memory map and protocol, so they read like the protocol and
// file descriptions they come from.
//
// Flags are 16-bit integers, -1 for true and 0 for false, because the
// parameter files and option block carry the same convention.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "mem_image.h"

namespace brel {

// -1 while the window is loaded, 0 otherwise.  Thirteen are declared; the
// language switch and the image Open dialog read eight of them.
struct FormOpenFlagSet {
  std::int16_t OptionFormOpen = 0;
  std::int16_t DtmfFormOpen = 0;
  std::int16_t ChannFormOpen = 0;
  std::int16_t SetupFormOpen = 0;
  std::int16_t SaveFileFormOpen = 0;
  std::int16_t OpenFileFormOpen = 0;
  std::int16_t ReadFormOpen = 0;
  std::int16_t WriteFormOpen = 0;
  std::array<std::int16_t, 5> Unused{};  // declared, never set

  void clearAll() { *this = FormOpenFlagSet{}; }
};

struct ProgramState {
  // --- memory image and option working copy --------------------------------
  MemoryImage MemImage;
  std::array<std::int16_t, 257> OptionSettings{};  // 0..63 used
  std::array<std::int16_t, 64> OptionIndex{};      // 0..56 set, 57..63 stay 0
  std::int16_t ChannelTotal = 0;                   // channels in use, 1..128

  // --- language and shared texts --------------------------------------------
  std::int16_t LanguageFlag = 0;  // -1 Chinese, 0 English
  std::array<std::string, 4> AboutTexts;
  std::string ConfirmText;
  std::string SysInfoText;
  std::array<std::string, 4> DecodeResponseNames;
  std::array<std::string, 9> DecodeFunctionNames;

  // --- tone tables ----------------------------------------------------------
  std::vector<std::string> ToneList = std::vector<std::string>(2301);    // 0..260 filled
  std::vector<std::string> QtDqtNames = std::vector<std::string>(2301);  // 0..2210 filled

  // --- five-tone standards (standard 0..15, symbol 0..15) ---------------------
  std::array<std::array<std::string, 16>, 16> ToneFreqText;
  SmallTable ToneFreqLo, ToneFreqHi, TonePeriodLo, TonePeriodHi;
  SmallTable GroupBuf;
  double TonePeriodTickMs = 0;

  // --- alignment image ------------------------------------------------------
  AdjTable AdjImage;
  AdjTable AdjDefaults;
  std::int16_t AdjBandVariant = 0;
  // The password dialog's typed old and new passwords: positions 0..5 hold
  // character codes, blank (32) where the password is shorter.
  std::array<std::int16_t, 17> OldPasswordBuf{};
  std::array<std::int16_t, 17> NewPasswordBuf{};

  // --- FM editor ------------------------------------------------------------
  FmStageTable FmStageRows;  // kept for the whole run, apart from MemImage

  // --- signalling editors: their areas staged for the whole run -------------
  TwoToneStageTable TwoToneImage;
  FiveToneStageTable FiveToneImage;

  // --- older option editors ---------------------------------------------------
  // One stage image per window (frm_Adj_Mod, frm_Adj_Tune), kept for the
  // whole run and never shared with MemImage.
  std::array<OptionStageTable, 2> OptionStageImage{};

  // --- band limits (MHz) ----------------------------------------------------
  // Working limits the channel editor tests against: model table, then every
  // identification.
  double VhfLower = 0, VhfUpper = 0, UhfLower = 0, UhfUpper = 0;
  // Limits the radio reported (0 until an identification or the option
  // editor's band lists set them); the pre-write check reads these.
  double VfoALower = 0, VfoAUpper = 0, VfoBLower = 0, VfoBUpper = 0;
  // The limits exactly as the latest identification frame gave them (band A
  // as VHF, band B as UHF; 0 until one did), whatever the globals above have
  // made of them since: some decodings raise the uppers by 1, the option
  // editor's band lists overwrite them.
  double ReportedVhfLower = 0, ReportedVhfUpper = 0, ReportedUhfLower = 0, ReportedUhfUpper = 0;

  // --- model table ----------------------------------------------------------
  std::int16_t ModelIndex = 0;
  std::array<std::string, 11> ModelNames;
  std::array<std::array<std::int16_t, 5>, 11> ModelBandTable{};

  // --- radio link -----------------------------------------------------------
  std::int16_t PortNumber = 0;      // COM1..COM16
  std::int16_t PortErrorFlag = 0;   // result of the most recent port opening
  std::array<std::uint8_t, 10> HandshakeCmd{};  // 0..6 program-mode command, 7 = 0x02
  std::int16_t IdentFrameType = 0;  // identification variant 0, 1 or 2
  std::uint8_t XferBaseHi = 0, XferBaseLo = 0;
  ReplyTable ReadBuf1;              // one reply per row

  // --- windows and files ----------------------------------------------------
  FormOpenFlagSet FormOpenFlags;
  std::string ParamFileName;
  std::int16_t FileOpenRequest = 0;
  std::int16_t FileSaveRequest = 0;
  std::int16_t AdjOpenRequest = 0;
  std::int16_t AdjSaveRequest = 0;
  // The path each pending request was confirmed with, so an open and a save
  // confirmed before one poll each use their own file.  ParamFileName stays
  // the last confirmed path.
  std::string FileOpenRequestPath;
  std::string FileSaveRequestPath;
  std::string AdjOpenRequestPath;
  std::string AdjSaveRequestPath;
  // The window each pending request is addressed to (0: any poller of its pair).
  std::uint64_t FileOpenRequestWindow = 0;
  std::uint64_t FileSaveRequestWindow = 0;
  std::uint64_t AdjOpenRequestWindow = 0;
  std::uint64_t AdjSaveRequestWindow = 0;
  std::int16_t AreaToggle = 0;  // channel editor's transfer area; reset by read and write
};

}  // namespace brel
