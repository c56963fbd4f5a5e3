// The five-tone editor without its window: the area's layout and codecs, the
// window's controls as plain state, and every rule the window applies.
//
// The area, radio 0x2000..0x28FF, staged in ProgramState::FiveToneImage (row
// r = radio 0x2000 + 16 r):
//   rows 0..63    the tone tables (frequency low and high bytes, period low
//                 and high bytes; row = table * 16 + standard, column = digit),
//                 always from the program's own tables
//   rows 64..78   standard s: period in 10 ms, group tone, repeat tone
//   rows 80..94   encode code k+1: frames 1..3 (5 digit bytes each), byte 15
//                 the standard; row 95 unnamed
//   rows 96..110  its transpond code; row 111 the four encode delays
//   rows 112..126 decode code k+1, as the encode codes; row 127 unnamed
//   rows 128..142 its reply code, the functions of frames 1..3 (bytes 5..7)
//                 and the option bytes (8..13); row 143 the decode settings
// A digit byte is 0..15 for "0".."F", 0xFF for none.  The bytes no field
// names are 0xFF.
//
// Edits stay in the window's working copy; EncodeFiveTone rebuilds the
// staging rows from it before a write or a file save, and a read or an
// opened file is shown through DecodeFiveTone.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "bilingual.h"
#include "plain_controls.h"
#include "program_state.h"
#include "text_grid.h"
#include "ui_ports.h"

namespace brel::signalling {

inline constexpr int kFiveToneRowCount = 144;
inline constexpr int kStandardRow = 64;
inline constexpr int kEncodeGroupRow = 80;
inline constexpr int kTranspondGroupRow = 96;
inline constexpr int kDecodeGroupRow = 112;
inline constexpr int kActionGroupRow = 128;
// A read covers the area from the standards on (0x2400..0x28FF).
inline constexpr int kFiveToneReadFirstRow = kStandardRow;
inline constexpr int kFiveToneReadBytes = (kFiveToneRowCount - kFiveToneReadFirstRow) * 16;

inline constexpr int kStandardCount = 15;
inline constexpr int kCodeLength = 5;

// Grid columns.
inline constexpr int kStdColumns = 4;     // name, period, group tone, repeat tone
inline constexpr int kFiveEncodeColumns = 6;  // number, frames 1..3, transpond, standard
inline constexpr int kFiveDecodeColumns = 9;  // number, standard, (frame, function) x 3, transpond

// The nine option boxes of a frame, in their bit order: DISP, LED, CTRL,
// ALERT (bits 0..3 of the action byte), then the digit positions 1..5 (bits
// 0..4 of the group-call byte).
inline constexpr int kOptionKinds = 9;
inline constexpr int kActionKinds = 4;

std::string DigitToChar(int value);             // "0".."F"; a blank for 16..255
std::uint8_t CharToDigit(const std::string& text);  // 0..15, else 255
// A tone symbol a code may hold.
bool IsCodeChar(char32_t c);

struct FiveToneSheet {
  grid::TextGrid standards{kStandardCount + 1, kStdColumns, 1, 1};       // MSF_Chann
  grid::TextGrid encode{kStandardCount + 1, kFiveEncodeColumns, 1, 1};   // MSF_Encode
  grid::TextGrid decode{kStandardCount + 1, kFiveDecodeColumns, 1, 1};   // MSF_Decode
  PlainList Combo_stxh;
  std::array<std::string, 16> Label_freq;
  PlainList Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Enc_ys4;
  PlainList Combo_Dec_Res_Time, Combo_Dec_Back_Time;
  PlainCheckBox Check_Dec_back, Check_Dec_Bcl;
  bool label8Enabled = false;
  // options[f][kind]: frame f (0..2), box kind 0..8 (see kOptionKinds).
  std::array<std::array<PlainCheckBox, kOptionKinds>, 3> options;
  std::string decodeFrameCaption;  // Frame_Dec_xx
  std::array<std::array<std::int16_t, 61>, 17> DecodeOptionBytes{};
  int SelectedDecodeEntry = 0;
  bool OptionBoxesLoading = false;
};

class FiveToneEditor {
 public:
  FiveToneEditor(ProgramState& state, MessageSink& messages, FiveToneSheet& sheet);

  FiveToneSheet& sheet() { return sheet_; }
  grid::GridRules& standardRules() { return standardRules_; }
  grid::GridRules& encodeRules() { return encodeRules_; }
  grid::GridRules& decodeRules() { return decodeRules_; }

  // Opening: headings, the stored states of the reply options, InitFiveTone,
  // the option frame's caption.
  void load();
  // Lists and defaults of the three pages (also the Default button): rows 1
  // and 15 of the encode and decode grids, two option bytes, the standards;
  // other rows keep their texts.  Entry 1 is selected, shown and named.
  void InitFiveTone();
  void LoadDefaultStandards();
  void ShowStandardTones();
  void FillReplyTimeLists();

  // A read or an opened file: the area's 1280 bytes from 0x2400.
  void DecodeFiveTone(std::span<const std::uint8_t> fromStandards);
  // The staging rows into the window (after a file has been opened).
  void showStagedSet();
  // Rebuilds the 144 staging rows from the window.
  void EncodeFiveTone();

  void ShowDecodeOptions(int entry);
  void StoreDecodeOptions(int entry);
  // Makes `entry` (0..14) the selected decode entry: its options shown and
  // the option frame named after it.
  void selectEntry(int entry);
  void decodePageShown() { selectEntry(0); }

 private:
  class StandardRules : public grid::GridRules {
   public:
    explicit StandardRules(FiveToneEditor& editor) : e_(editor) {}
    grid::CellEditor editorFor(int row, int col) const override;
    std::vector<std::string> choices(int row, int col) const override;
    bool commit(int row, int col, const std::string& text) override;
    void clicked(int row, int col) override;

   private:
    FiveToneEditor& e_;
  };
  class EncodeRules : public grid::GridRules {
   public:
    explicit EncodeRules(FiveToneEditor& editor) : e_(editor) {}
    grid::CellEditor editorFor(int row, int col) const override;
    std::vector<std::string> choices(int row, int col) const override;
    void edited(int row, int col, const std::string& text) override;
    bool commit(int row, int col, const std::string& text) override;
    void doubleClicked(int row, int col) override;

   private:
    FiveToneEditor& e_;
  };
  class DecodeRules : public grid::GridRules {
   public:
    explicit DecodeRules(FiveToneEditor& editor) : e_(editor) {}
    grid::CellEditor editorFor(int row, int col) const override;
    std::vector<std::string> choices(int row, int col) const override;
    void edited(int row, int col, const std::string& text) override;
    bool commit(int row, int col, const std::string& text) override;
    void clicked(int row, int col) override;
    void doubleClicked(int row, int col) override;

   private:
    FiveToneEditor& e_;
  };

  void warn(const Bilingual& text) const;
  // The leave rule of a code cell: false (after saying why) when `text` is
  // neither empty nor five tone symbols.
  bool codeAccepted(const std::string& text) const;
  void replyOptionsChanged();

  ProgramState& state_;
  MessageSink& messages_;
  FiveToneSheet& sheet_;
  StandardRules standardRules_{*this};
  EncodeRules encodeRules_{*this};
  DecodeRules decodeRules_{*this};
};

}  // namespace brel::signalling
