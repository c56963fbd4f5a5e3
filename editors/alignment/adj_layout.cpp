#include "adj_layout.h"

#include <algorithm>

namespace brel::adj {
namespace {

constexpr const char* kV0 = "VHF0                     136 - 174";
constexpr const char* kU0 = "UHF0                     200 - 260";
constexpr const char* kU1 = "UHF1                     400 - 520";
constexpr const char* kF136 = " 136 - 174  MHZ ";
constexpr const char* kF200 = " 200 - 260  MHZ ";
constexpr const char* kF400 = " 400 - 520  MHZ ";

constexpr std::array<std::uint8_t, 4> kR136{0x01, 0x36, 0x01, 0x74};
constexpr std::array<std::uint8_t, 4> kR240{0x02, 0x40, 0x02, 0x50};  // narrower than the band
constexpr std::array<std::uint8_t, 4> kR400{0x04, 0x00, 0x05, 0x20};

}  // namespace

const std::array<AdjVariant, kVariantCount> AdjVariantTable{{
    {"Option_B14", "136 - 174 / 400 - 520", {136, 400}, {174, 520}, kR136, kR400, true, kV0, kU1, kF136, kF400,
     true, true, 25, 13},
    {"Option_B12", "136 - 174 / 200 - 260", {136, 200}, {174, 260}, kR136, kR240, true, kV0, kU0, kF136, kF200,
     true, true, 13, 7},
    {"Option_B11", "136 - 174 ", {136, 136}, {174, 174}, kR136, kR136, false, kV0, kV0, kF136, kF136, true, false,
     25, 13},
    {"Option_B22", "200 - 260", {200, 200}, {260, 260}, kR240, kR240, false, kU0, kU0, kF200, kF200, false, true,
     13, 7},
    {"Option_b44", "400 - 520", {400, 400}, {520, 520}, kR400, kR400, false, kU1, kU1, kF400, kF400, false, true,
     25, 13},
}};

const AdjVariant& VariantAt(int variant) {
  return AdjVariantTable[static_cast<std::size_t>(std::clamp(variant, 0, kVariantCount - 1))];
}

const std::array<AdjPageInfo, kPageCount> AdjPages{{
    {"发射功率（高）", "Adj_Txp_High", "发射功率调整（高功率）", "Frame_Frame", ""},
    {"发射功率（低）", "Adj_Txp_Low", "发射功率调整（低功率）", "Frame_Frame", ""},
    {"静噪等级", "Adj_Sql_Leve", "静噪等级调整", "Frame_Sql", "静噪等级"},
    {"调制、音量", "Adj_Dev_Leve", "调制度、输出音量调整", "Frame_Dev", "调制、音量"},
    {"频率范围", "Adj_Other", "频率范围", "Frame_Other", "频率范围限制"},
}};

std::string Band0PointLabel(const AdjVariant& v, int i) {
  if (i == 13) return "174MHZ";
  return std::to_string(v.lower[0] + 3 * i) + "MHZ";
}

std::string Band1PointLabel(const AdjVariant& v, int i) { return std::to_string(v.lower[1] + 5 * i) + "MHZ"; }

std::string SqlOffsetVhfLabel(int i) { return std::to_string(130 + 5 * i); }

std::string SqlOffsetUhfLabel(const AdjVariant& v, int i) {
  return std::to_string(100 * (v.lower[1] / 100) + 10 * i);
}

bool Band0PointMarked(const AdjVariant& v, int i) { return v.lower[0] + 3 * i >= v.upper[0]; }

}  // namespace brel::adj
