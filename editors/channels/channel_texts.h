// The channel editor's own texts, in both languages, exactly as the window
// shows them (blanks, full-width marks and all).
#pragma once

#include <array>

#include "bilingual.h"

namespace brel::chann {

// --- captions ---------------------------------------------------------------
inline constexpr Bilingual kWindowCaption{"信道参数编辑", "Channel Information"};
inline constexpr Bilingual kReadCaption{"读 取", "Read"};
inline constexpr Bilingual kWriteCaption{"写 入", "Write"};
inline constexpr Bilingual kClearCaption{"清 除", "Clear"};
inline constexpr Bilingual kDefaultCaption{"出厂值", "Default"};
inline constexpr Bilingual kCloseCaption{"关 闭", "Close"};

// Column headings, every one centred in the grid.
inline constexpr std::array<Bilingual, 13> kHeadings{{
    {"信道号", "Channel"},
    {" 工作频段 ", "  Band  "},
    {"接收频率(MHZ)", "RX Frequency"},
    {"发射频率(MHZ)", "TX Frequency"},
    {"QT/DQT 解码", "CTCSS/DCS Dec"},
    {"QT/DQT 编码", "CTCSS/DCS Enc"},
    {"发射功率", "TX Power"},
    {"信道带宽", " W/N "},
    {"PTT-ID", "PTT-ID"},
    {"繁忙锁定", "BusyLock"},
    {"扫描添加", "Scan_Add"},
    {"信令码", "SigCode"},
    {"信 道 名 称", "CH-Name"},
}};

// --- edit messages (title: kTitlePromptLower unless noted) ------------------
inline constexpr Bilingual kRxOutOfRangeText{"接收频率超出范围 ！", "Over the range of receive frequency ."};
inline constexpr Bilingual kRxFirstText{"请先输入接收频率 ！", "Please input the receive frequency in advance."};
inline constexpr Bilingual kTxOutOfRangeText{"发射频率超出范围 ！", "Over the range of transmit frequency ."};
// Shown under kTitlePromptUpper.
inline constexpr Bilingual kNameTooLongText{"信道名称的字符个数最大为 6 位 ！", "The letter of channel name max 6 bit . "};

// --- window messages ----------------------------------------------------------
inline constexpr Bilingual kClearRefusedText{"正在进行读写操作,请勿进行清除操作 ！,",
                                             "Read-write operating，don't clear operate .,"};

// --- the window's own transfer ----------------------------------------------------
inline constexpr Bilingual kWritingLabel{"正在写入  ", "Writeing  "};
inline constexpr Bilingual kWritingLabelTail{"  信道", "  Channel"};
inline constexpr Bilingual kWriteDoneText{"向对讲机写入数据完毕 ！", "Complete writing the data to transceiver."};
inline constexpr Bilingual kWriteDoneLabel{"信道数据写入完毕 ！", "Channel Data Writed ！"};
inline constexpr Bilingual kReadDoneText{"从对讲机中读取数据完毕 ！", "Complete reading data from the transceiver."};
inline constexpr Bilingual kReadDoneLabel{"信道数据读出正常 ！", "Read Channel Data is Ok ！"};

// --- the window's own file procedures ----------------------------------------------
inline constexpr Bilingual kFileSavingLabel{"正在保存参数。。。", "Storing parameter parameter..."};
inline constexpr Bilingual kFileSavedLabel{"保存参数正常 ！", "Store  parameter in gear."};

}  // namespace brel::chann
