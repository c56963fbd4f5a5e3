#include "channel_codec.h"

#include <algorithm>

#include "address_map.h"
#include "frequency_codec.h"
#include "numtext.h"
#include "text_chars.h"
#include "tone_code.h"
#include "tone_tables.h"

namespace brel::chann {
namespace {

std::string FrequencyText(const MemoryImage& image, int row, int first) {
  return BcdToFrequencyText(ByteAt(image, row, first), ByteAt(image, row, first + 1), ByteAt(image, row, first + 2),
                            ByteAt(image, row, first + 3));
}

void EraseRow(MemoryImage& image, int row) {
  for (int c = 0; c < 16; ++c) image.at(row, c) = kErased;
}

bool IsNameCharacter(int byte) { return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z'); }

}  // namespace

int RecordRow(int channel) { return addr::ChannelRecordRow(channel); }
int NameRow(int channel) { return addr::ChannelNameRow(channel); }

int ByteAt(const MemoryImage& image, int row, int col) { return image.at(row, col) & 0xFF; }

int ShownChannelCount(const ProgramState& state) {
  return std::clamp(static_cast<int>(state.ChannelTotal), 0, kMaxChannels);
}

std::string ToneCodeText(const ProgramState& state, int lo, int hi, bool trimDcs) {
  const ToneCode tone = DecodeTone(lo, hi, ToneOffRule::Channel);
  switch (tone.kind) {
    case ToneCode::Kind::Off: return "OFF";
    case ToneCode::Kind::Dcs: {
      // Numbers past the list show nothing.
      if (!tone.IsListedDcs()) return "";
      const std::string& entry = state.ToneList[static_cast<std::size_t>(ToneListIndexOfDcs(tone.value))];
      return trimDcs ? TrimBlanks(entry) : entry;
    }
    case ToneCode::Kind::Ctcss:
      // A high byte from 0x80 up is no tone the radio knows, so it shows nothing.
      return hi >= 0x80 ? "" : CtcssText(tone.value);
  }
  return "";
}

std::pair<int, int> CtcssToneBytes(double hz) {
  const auto tenths = static_cast<int>(RoundHalfEven(hz * 10));
  return {tenths % 256, tenths / 256};
}

void DecodeChannel(ChannelEditContext& ctx, int n) {
  const MemoryImage& image = ctx.state.MemImage;
  ChannelGrid& grid = ctx.grid;
  const int row = RecordRow(n);
  const RecordBytes record(image, row);
  auto toneText = [&](int col, bool trimDcs) {
    const int lo = ChannelFieldOf(col).offset;
    return ToneCodeText(ctx.state, record.get(lo), record.get(lo + 1), trimDcs);
  };

  if (record.get(kRxFreqByte) == kErased) {
    grid.setCell(n, kColRxFreq, "");
    grid.setCell(n, kColTxFreq, "");
    EraseChannel(ctx, n);
    return;
  }
  grid.setCell(n, kColRxFreq, FrequencyText(image, row, kRxFreqByte));
  grid.setCell(n, kColRxTone, toneText(kColRxTone, false));
  if (record.get(kTxFreqByte) == kErased) {
    grid.setCell(n, kColTxFreq, "");
    grid.setCell(n, kColTxTone, "");
  } else {
    grid.setCell(n, kColTxFreq, FrequencyText(image, row, kTxFreqByte));
    grid.setCell(n, kColTxTone, toneText(kColTxTone, true));
  }
  grid.setCell(n, kColBand, "VHF/UHF ");
  for (const ChannelField& f : kChannelRecordFields)
    if (f.field.kind == FieldKind::List) grid.setCell(n, f.column, ChoiceText(record, f.field));
}

std::vector<std::string> ChannelChoiceTexts(int col) {
  std::vector<std::string> texts;
  for (const ChannelField& f : kChannelRecordFields)
    if (f.column == col)
      for (const Choice& choice : f.field.choices) texts.emplace_back(choice.text);
  return texts;
}

void StoreChannelChoice(MemoryImage& image, int channel, int col, int position) {
  const RecordBytes record(image, RecordRow(channel));
  for (const ChannelField& f : kChannelRecordFields)
    if (f.column == col && f.field.kind == FieldKind::List) Encode(record, f.field, position);
}

void ShowChannel(ChannelEditContext& ctx, int n) {
  DecodeChannel(ctx, n);
  const MemoryImage& image = ctx.state.MemImage;
  const int row = NameRow(n);
  std::string name;
  if (ByteAt(image, row, 0) != kErased) {
    // Bytes outside the name's character set close up rather than leave gaps.
    for (int k = 0; k < kNameLength; ++k) {
      const int byte = ByteAt(image, row, k);
      if (IsNameCharacter(byte)) name.push_back(static_cast<char>(byte));
    }
  }
  ctx.grid.setCell(n, kColName, name);
}

void NewChannelDefaults(ChannelEditContext& ctx, int n) {
  static const char* const kCells[] = {"OFF", "OFF", "HIGH", "W", "OFF", "OFF", "ON", "1", ""};
  for (int c = kColRxTone; c <= kColName; ++c) ctx.grid.setCell(n, c, kCells[c - kColRxTone]);
  MemoryImage& image = ctx.state.MemImage;
  const int row = RecordRow(n);
  for (int k = kRxToneLo; k <= kPowerByte; ++k) image.at(row, k) = 0;
  image.at(row, kFlagsByte) = 0x44;
  EraseRow(image, NameRow(n));
}

void EraseChannel(ChannelEditContext& ctx, int n) {
  ctx.grid.setCell(n, kColBand, "");
  for (int c = kColRxTone; c <= kColName; ++c) ctx.grid.setCell(n, c, "");
  EraseRow(ctx.state.MemImage, RecordRow(n));
  EraseRow(ctx.state.MemImage, NameRow(n));
}

void EraseChannelData(ChannelEditContext& ctx, int n) {
  for (int c = kColRxFreq; c <= kColName; ++c) ctx.grid.setCell(n, c, "");
  EraseRow(ctx.state.MemImage, RecordRow(n));
  EraseRow(ctx.state.MemImage, NameRow(n));
}

void Sub_InPut(MemoryImage& image, std::string_view text, int row, int col) {
  if (text == "FF") {
    image.at(row, col) = kErased;
    image.at(row, col + 1) = kErased;
    return;
  }
  const double v = TextToNumber(text);
  if (!(v > 0 && v < 255)) return;
  const auto [lo, hi] = CtcssToneBytes(v);
  image.at(row, col) = static_cast<std::int16_t>(lo);
  image.at(row, col + 1) = static_cast<std::int16_t>(hi);
}

std::string StripBlanks(std::string_view text) { return text == " " ? std::string() : std::string(text); }

std::string Cov_i2b(int value) { return HexByteText(value) + ' '; }

std::string DecodeNameReplyOld(const std::array<int, 6>& values) {
  if (values[0] == 0xFF) return "";
  std::string_view sign;
  std::string text;
  for (int v : values) {
    if (v >= 0 && v <= 9) text.push_back(static_cast<char>('0' + v));
    else if (v >= 17 && v <= 37) text.push_back(static_cast<char>('A' + v - 17));
    else if (v >= 48 && v <= 250) text += Latin1ToUtf8(static_cast<std::uint8_t>(v));
    else if (v == 251) sign = "+";
    else if (v == 253) sign = "-";
  }
  return Concat({sign, text});
}

std::vector<std::pair<int, std::string>> WalkNameRepliesOld(const ReplyTable& replies, int firstRow, int lastRow,
                                                            int channelTotal) {
  std::vector<std::pair<int, std::string>> names;
  for (int k = firstRow; k <= lastRow; ++k) {
    const int address = (replies.at(k, 2) & 0xFF) * 256 + (replies.at(k, 3) & 0xFF);
    const int firstChannel = (address - addr::kChannelNameBase) / 16 + 1;
    for (int i = 0; i < 4; ++i) {
      const int channel = firstChannel + i;
      if (channel < 1 || channel > channelTotal) continue;
      std::array<int, 6> values{};
      for (int j = 0; j < 6; ++j) values[static_cast<std::size_t>(j)] = replies.at(k, 5 + 16 * i + j) & 0xFF;
      names.emplace_back(channel, DecodeNameReplyOld(values));
    }
  }
  return names;
}

}  // namespace brel::chann
