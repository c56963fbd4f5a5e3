// The texts of the windows that talk to the radio, in both languages.
#pragma once

#include <string>

#include "bilingual.h"

namespace brel::link::texts {

// Port opening failures.
inline constexpr Bilingual kPortError{"通讯端口打开错误，请正确设置通讯端口 ！",
                                      "Communication port is error, please setting right communication port . ！"};
inline constexpr Bilingual kPortErrorShort{"通讯端口打开错误，请正确设置通讯端口 ！", "Communication Port Open Error ！"};

// Status panel 2.
inline constexpr Bilingual kPanelConnecting{"正在与对讲机进行连接...", "Connecting with transceiver... "};
inline constexpr Bilingual kPanelLinkOk{"与对讲机连接正常", "Connect well with radio."};
inline constexpr Bilingual kPanelDataLinkOk{"与对讲机数据通讯正常", "Connect well with radio."};
inline constexpr Bilingual kPanelFault{"联机故障 ！", "Communication fault."};

// Read and write dialogs.
inline constexpr Bilingual kLabelConnecting{"正在与对讲机联络 ！", "Connecting with transceiver. "};
inline constexpr Bilingual kLabelFault{"与对讲机通讯故障 ！", "Communication fault."};
inline constexpr Bilingual kFailConnect{"与对讲机联络失败 ！", "Fail connect with transceiver."};
inline constexpr Bilingual kLabelReadDone{"对讲机数据读出正常 ！", "Read Signal parameters in gear. "};
inline constexpr Bilingual kReadDone{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};
inline constexpr Bilingual kLabelWriteDone{"参数写入完毕 ！", "Complete writing parameters "};
inline constexpr Bilingual kWriteDone{"向对讲机写入参数完毕 ！", "Complete writing parameters to the transceiver."};

// "Reading 3 Data Block"
std::string ReadingBlockText(int languageFlag, int block);
// "Writing  0  Data Block"
std::string WritingBlockText(int languageFlag, int block);
// "Channel 5that Receiving or transmitting frequency  out of frequency limitation range "
std::string OutOfBandText(int languageFlag, int channelNumber);
// A cell of the image that cannot be sent as one byte.
std::string BadCellText(int languageFlag, int address, int value);

// Captions.
inline constexpr Bilingual kReadCaption{"从对讲机读取数据", "Read Data From Radio"};
inline constexpr Bilingual kWriteCaption{"写数据到对讲机", "Write Data to Radio"};
inline constexpr Bilingual kReadButton{"读取", "Read"};
inline constexpr Bilingual kWriteButton{"写入", "Write"};
inline constexpr Bilingual kCancelButton{"取消", "Cancel"};
inline constexpr Bilingual kHelpButton{"帮助", "Help"};
inline constexpr Bilingual kSetupCaption{"通讯端口设置", "Communication Port Setup"};
inline constexpr Bilingual kSetupFrame{"端口设置", "Port Setup"};
inline constexpr Bilingual kSetupOk{"确 定", "Confirm"};
inline constexpr Bilingual kSetupCancel{"取 消", "Cancel"};

}  // namespace brel::link::texts
