// Captions and messages of the optional features window.
#pragma once

#include "bilingual.h"

namespace brel::options {

inline constexpr Bilingual kWindowCaption{"可选参数编辑", "Optional Features"};

// Buttons: the Chinese captions differ in their blanks on purpose.
inline constexpr Bilingual kDefaultCaption{"默 认", "Default"};
inline constexpr Bilingual kCloseCaption{"关  闭", "Close"};
inline constexpr Bilingual kReadCaption{"读 取", "Read"};
inline constexpr Bilingual kWriteCaption{"写  入", "Write"};

// Frames.  The work-band frame has no Chinese caption.
inline constexpr Bilingual kFrameBandCaption{"", "Work Band"};
inline constexpr Bilingual kFrameModeCaption{"当前工作模式", "Work Mode"};
inline constexpr Bilingual kFrameChannCaption{"信道模式下", "Channel Mode"};
inline constexpr Bilingual kFrameACaption{"Ａ段频率模式", "A Band Frequency Mode"};
inline constexpr Bilingual kFrameBCaption{"Ｂ段频率模式", "B Band Frequency Mode"};

// Messages.
inline constexpr Bilingual kChannelTotalText{"信道数在 1 - 128 之间选择", "Channel select from 1 to 128 ."};
inline constexpr Bilingual kFrequencyTooLongText{"频率超出范围 ！", "Over the range of  frequency ."};
// Shown in Chinese whatever the language.
inline constexpr Bilingual kFrequencyOutOfBandText{"当前工作频率超出范围 ！", "当前工作频率超出范围 ！"};
inline constexpr Bilingual kFileSavedLabel{"保存参数正常 ！", "Store  parameter in gear."};

// Own exchange.
inline constexpr Bilingual kLabelReadDone{"可选参数读出正常 ！", "Read optional parameters in gear. "};
inline constexpr Bilingual kWriteDoneText{"向对讲机写入可选参数完毕 ！",
                                          "Complete writing optional parameters to the transceiver."};
inline constexpr Bilingual kLabelWriteDone{"可选参数写入完毕 ！", "Complete writing optional parameters "};

}  // namespace brel::options
