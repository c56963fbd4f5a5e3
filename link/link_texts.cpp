#include "link_texts.h"

#include <cstdio>

namespace brel::link::texts {

std::string ReadingBlockText(int languageFlag, int block) {
  const std::string n = std::to_string(block);
  return languageFlag != 0 ? "正在读取 " + n + " 数据块" : "Reading " + n + " Data Block";
}

std::string WritingBlockText(int languageFlag, int block) {
  const std::string n = std::to_string(block);
  return languageFlag != 0 ? "正在写入  " + n + "  数据块" : "Writing  " + n + "  Data Block";
}

std::string OutOfBandText(int languageFlag, int channelNumber) {
  const std::string n = std::to_string(channelNumber);
  return languageFlag != 0 ? "信道 " + n + " 中的接收或发射频率超出频率限制范围"
                           : "Channel " + n + "that Receiving or transmitting frequency  out of frequency limitation range ";
}

std::string BadCellText(int languageFlag, int address, int value) {
  char where[16];
  std::snprintf(where, sizeof where, "0x%04X", static_cast<unsigned>(address) & 0xFFFFu);
  const std::string v = std::to_string(value);
  return languageFlag != 0
             ? std::string("存储数据错误：地址 ") + where + " 的值 " + v + " 不在 0 - 255 之间，没有向对讲机写入任何数据 ！"
             : std::string("Memory data error: the value ") + v + " at address " + where +
                   " is not a byte (0 to 255). Nothing was written to the transceiver.";
}

}  // namespace brel::link::texts
