// The two-tone and five-tone windows' texts, Chinese and English.
#pragma once

#include "bilingual.h"

namespace brel::signalling::texts {

// --- shared by both windows ---------------------------------------------------
inline constexpr Bilingual kRead{"读 取", "Read"};
inline constexpr Bilingual kWrite{"写  入", "Write"};
inline constexpr Bilingual kDefault{"默 认", "Default"};
inline constexpr Bilingual kSave{"保  存", "Save"};
inline constexpr Bilingual kOpen{"打  开", "Open"};
inline constexpr Bilingual kClose{"关  闭", "Close"};
inline constexpr Bilingual kTabEncode{"编码", "Encode"};
inline constexpr Bilingual kTabDecode{"解码", "Decode"};

// The validation messages carry "Operate Prompt" and a double quote.
inline constexpr Bilingual kTitleQuoted{"操作提示", "Operate Prompt\""};

// Transfer.
inline constexpr Bilingual kReadDoneLabel{"信令参数读出正常 ！", "Read Signal parameters in gear. "};
inline constexpr Bilingual kReadDoneMessage{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};
inline constexpr Bilingual kWriteDoneMessage{"向对讲机写入信令参数完毕 ！",
                                             "Complete writing Signal parameters to the transceiver."};
inline constexpr Bilingual kWriteDoneLabel{"信令参数写入完毕 ！", "Complete writing Signal parameters "};

// Files.
inline constexpr Bilingual kFileLoaded{"信令参数从文件调入成功 ！", "Succeed fold the Signal parameters from file."};
inline constexpr Bilingual kFileSaved{"信令参数保存完毕 ！", "Complete storing Signal parameters."};

// --- two-tone window ----------------------------------------------------------
inline constexpr Bilingual kTwoCaption{"2 TONE 编解码参数编辑", "2 TONE"};
inline constexpr Bilingual kTwoFrameEncode{"2 TONE 编码", "2 TONE Encode"};
inline constexpr Bilingual kTwoFrameDecode{"2 TONE 解码", "2 TONE Decode"};
inline constexpr Bilingual kLabel1st{"发送第 1 个频率时间长度（MS）", "1st Tone Duration(MS)"};
inline constexpr Bilingual kLabel2nd{"发送第 2 个频率时间长度（MS）", "2nd Tone Duration(MS)"};
inline constexpr Bilingual kLabelGap{"前后两个频率的间隔时长 （MS）", "Gap of Tone (MS)"};
inline constexpr Bilingual kLabelA{"A 音（HZ）", "A Tone( HZ )"};
inline constexpr Bilingual kLabelB{"B 音（HZ）", "B Tone( HZ )"};
inline constexpr Bilingual kLabelC{"C 音（HZ）", "C Tone( HZ )"};
inline constexpr Bilingual kLabelD{"D 音（HZ）", "D Tone( HZ )"};
inline constexpr Bilingual kTwoLabelReset{"复位时间（MS）", "Reset_Time (MS)"};
inline constexpr Bilingual kTwoFrameDecXx{" 1 解码信息两音频率", " 1 Decode 2 Tone Frequency"};
// After the entry number.
inline constexpr Bilingual kTwoEntrySuffix{" 解码信息两音频率", " Decode 2 Tone Frequency"};
inline constexpr Bilingual kTwoEncodeHeader{"^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ",
                                            "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)"};
inline constexpr Bilingual kTwoDecodeHeader{
    "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 式  |^提示|^解码4|^   "
    "响 应 方 式  |^提示",
    "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   |^Alert|^Dec_4|^   "
    "Response   |^Alert"};
inline constexpr Bilingual kFrequencyRange{"频率范围在 300.0 HZ - 3000.0 HZ 之间  ！", "Frequency range 300Hz to 3000Hz"};

// --- five-tone window ---------------------------------------------------------
inline constexpr Bilingual kFiveCaption{"5音信令编解码参数编辑", "5 Tone Encode/Decode "};
inline constexpr Bilingual kTabStandard{"标准", "Standard"};
inline constexpr Bilingual kFrameStd{"5 TONE 标准频率", "5 TONE Standard Frequency"};
inline constexpr Bilingual kLabelStdName{"标准名称", "Standard Name"};
inline constexpr Bilingual kFiveFrameEncode{"5 TONE 编码", "5 Tone Encode"};
inline constexpr Bilingual kLabelEncYs1{"发送第1组码前的延迟时间（MS）", "Delay 1 (MS) "};
inline constexpr Bilingual kLabelEncYs2{"发送第2组码前的延迟时间（MS）", "Delay 2 (MS) "};
inline constexpr Bilingual kLabelEncYs3{"发送第3组码前的延迟时间（MS）", "Delay 3 (MS) "};
inline constexpr Bilingual kLabelEncYs4{"各组码第1个音的拓展时长（MS）", "First Digit Extend Length (MS)"};
inline constexpr Bilingual kFiveFrameDecode{"5 TONE 解码", "5 Tone Decode"};
inline constexpr Bilingual kFiveFrameDecXx{" 1 信息码各组编码成功解码后执行操作  ",
                                           "Execute after Code 1 Decode Succeeded   "};
inline constexpr Bilingual kLabelF1{"帧 1", "Frame 1"};
inline constexpr Bilingual kLabelF2{"帧 2", "Frame 2"};
inline constexpr Bilingual kLabelF3{"帧 3", "Frame 3"};
inline constexpr Bilingual kLabelDisp{"屏幕显示", "DISP"};
inline constexpr Bilingual kLabelLed{"指示灯", "LED"};
inline constexpr Bilingual kLabelCtrl{"控制输出", "CTRL"};
inline constexpr Bilingual kLabelTishi{"提示音", "ALERT"};
inline constexpr Bilingual kFiveLabelReset{"复位时间（MS）", "Reset Time(ms)"};
inline constexpr Bilingual kStdHeader{"^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 ",
                                      "^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone "};
inline constexpr Bilingual kFiveEncodeHeader{"^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^ 确 认 码 |^使用标准",
                                             "^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Transpond |^ Standard "};
inline constexpr Bilingual kFiveDecodeHeader{
    "^信息码|^使用标准|^ 第1帧解码 |^ 功    能 |^ 第2帧解码 |^ 功    能 |^ 第3帧解码 |^ 功    能 |^ 回复码 ",
    "^Code|^Standard|^Frame1|^          Function       |^Frame2|^     Function    |^Frame3|^    Function   "
    "|^Transpond"};
inline constexpr Bilingual kEncodeDigits{"编码位数为 5 位 ！", "Encode Digit is 5 Bits."};
inline constexpr Bilingual kDecodeDigits{"解码位数为 5 位 ！", "Decode Digit is 5 Bits."};
inline constexpr Bilingual kGroupDigits{"码组字符只能是 0 - 9 或 A - F  ！", "Group Digits only by 0 to 9 and A to F."};
// The stored captions of the hidden reply options.
inline constexpr const char* kCheckDecBack = "所有帧成功解码后回复";
inline constexpr const char* kCheckDecBcl = "信道空闲时回复";
inline constexpr const char* kLabel8 = "回复延迟时间（MS）";

}  // namespace brel::signalling::texts
