// The FM editor's captions and messages, Chinese first.
#pragma once

#include "bilingual.h"

namespace brel::fm::texts {

inline constexpr Bilingual kCaption{"FM 收音机频道编辑", "FM Radio Information"};
inline constexpr Bilingual kRangeFm{" FM 收音频率范围", "the range of FM Frequency"};
inline constexpr Bilingual kTo{"到", "TO"};
inline constexpr Bilingual kRangeA{" A 段频率范围 ", "the range of A band Frequency "};
inline constexpr Bilingual kRangeB{" B 段频率范围 ", "the range of B band Frequency "};
inline constexpr Bilingual kMhz{"MHZ", "MHZ"};
inline constexpr Bilingual kRead{"读 取", "Read"};
inline constexpr Bilingual kWrite{"写  入", "Write"};
inline constexpr Bilingual kClear{"清  除", "Clear"};
inline constexpr Bilingual kSave{"保  存", "Save"};
inline constexpr Bilingual kOpen{"打  开", "Open"};
inline constexpr Bilingual kClose{"关  闭", "Close"};
// The grid's column format: "^" centres a column, "|" separates columns.
inline constexpr Bilingual kGridFormat{"^FM 频 道 号|^  接  收  频  率 (MHZ)  |^     电    台    名    称    ",
                                       "^FM  Channel|^ Receive Frequency (MHZ)|^ FM Station Name  "};

// Cell and box checks.
inline constexpr Bilingual kFreqOutOfRange{"接收频率超出范围 ！", "Over the range of receive frequency ."};
inline constexpr Bilingual kNameTooLong{"信道名称的字符个数最大为 6 位 ！", "The letter of channel name max 6 bit . "};
inline constexpr Bilingual kALowerOutOfRange{" A 段下限频率超出范围 ！", "Over the range of A band lower limit frequency ."};
inline constexpr Bilingual kAUpperOutOfRange{" A 段上限频率超出范围 ！", "Over the range of A band upper limit frequency ."};
inline constexpr Bilingual kBLowerOutOfRange{" B 段下限频率超出范围 ！", "Over the range of B band lower limit frequency ."};
inline constexpr Bilingual kBUpperOutOfRange{" B 段上限频率超出范围 ！", "Over the range of B band upper limit frequency ."};
inline constexpr Bilingual kLowerAboveUpper{"下限频率不可大于上限频率！",
                                            "The lower limit frequency can not bigger than the upper limit ."};
inline constexpr Bilingual kUpperBelowLower{"上限频率不可小于下限频率！",
                                            "The upper limit frequency can not small than the upper limit ."};
inline constexpr Bilingual kClearRefused{"正在进行读写操作,请勿进行清除操作 ！,", "Read-write operating，don't clear operate .,"};

// Transfer.
inline constexpr Bilingual kReadDone{" FM 收音机参数读出正常 ！", "Read FM Radio parameters in gear. "};
inline constexpr Bilingual kWriteDoneMessage{"向对讲机写入信令参数完毕 ！",
                                             "Complete writing Signal parameters to the transceiver."};
inline constexpr Bilingual kWriteDone{"信令参数写入完毕 ！", "Complete writing Signal parameters "};

// File.
inline constexpr Bilingual kFileLoaded{"信道参数从文件调入成功 ！", "Succeed fold the channel parameter from file."};
inline constexpr Bilingual kStoring{"正在保存信道参数。。。", "Storing channel parameter parameter..."};
inline constexpr Bilingual kStored{"保存信道参数正常 ！", "Store channel parameter in gear."};
inline constexpr Bilingual kStoredMessage{"信道参数保存完毕 ！", "Complete storing channel parameter."};

}  // namespace brel::fm::texts
