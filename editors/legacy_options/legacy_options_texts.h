// The older option windows' captions and messages, Chinese first.
#pragma once

#include "bilingual.h"

namespace brel::legacy_options {

struct Caption {
  const char* control;  // "" for the window title
  Bilingual text;
};

// What loading gives the window title and its controls.
inline constexpr Caption kCaptions[] = {
    {"", {"可选参数编辑", "Optional Features"}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_Write", {"写  入", "Write"}},
    {"Command_def", {"默 认", "Default"}},
    {"Command_save", {"保  存", "Save"}},
    {"Command_open", {"打  开", "Open"}},
    {"Command_close", {"关  闭", "Close"}},
    {"Label_Tot", {"发射超时定时器（秒）", "Time Out Timer(TOT)[S]"}},
    {"Label_Sql", {"静噪电平", "Squelch Level"}},
    {"Label_voice", {"操作提示语音", "Voice Annunciation"}},
    {"Frame_Mode", {"当前工作模式", "Work Mode"}},
    {"Option_freq", {"频率", "Frequency "}},
    {"Option_chann", {"信道", "Channel"}},
    {"Label_Cht", {"信道数", "CHT"}},
    {"Frame_band", {"当前工作频段", "Work Band"}},
    {"Option_band_a", {"A 频段", "A Band"}},
    {"Option_band_b", {"B 频段", "B Bans"}},
    {"Check_tdr", {"启动双守", "TDR"}},
    {"Frame_Chann", {"信道模式下", "Channel Mode"}},
    {"Check_chann_menu", {"菜单设置", "Menu"}},
    {"Check_chann_init", {"复位操作", "Reset"}},
    {"Check_chann_syn", {"同步显示", "Synchr"}},
    {"Label_MDF_A", {"A 段信道显示方式", "A Channel Disp Way"}},
    {"Label_MDF_B", {"B 段信道显示方式", "B Channel Disp Way"}},
    {"Label_Stdtmf", {"DTMF侧音", "DTMF-ST"}},
    {"Label_Vox", {"声控发射", "VOX"}},
    {"Label_Abr", {"自动背光", "ABR"}},
    {"Label_Ring", {"振铃时间", "Ring_Time"}},
    {"Label_Scan_rev", {"扫描方式", "Scan_Rev"}},
    {"Label_ptt_id", {"PTT_ID", "PTT_ID"}},
    {"Label_Ptt_Lt", {"发ID延迟", "PTT_Delay"}},
    {"Check_Lock", {"键盘锁", "K_Lock"}},
    {"Check_Autolk", {"自动锁", "Auto Lock"}},
    {"Check_bcl", {"遇忙禁发", "BCL"}},
    {"Check_Beep", {"哔声", "Beep"}},
    {"Label_save", {"省电模式", "Save"}},
    {"Check_comp", {"压扩", "Comp"}},
    {"Check_radio", {"FM 调频收音机允许使用", "FM Radio Enabled"}},
    {"Check_ANI", {"身份码开关", "ANI"}},
    {"Check_Alarm_Sound", {"报警时本机是否发出报警声", "Alarm Sound"}},
    {"Check_alarm_Veskold", {"报警时是否兼容Vesk系列旧版", "Alarm Compatible With Vesk"}},
    {"Label_TX_Band", {"双守启动后发射选择", "TX Band Under TDR Star"}},
    {"Label_PF1", {"侧键自定义", "PF1"}},
    {"Label_PF2", {"顶键自定义", "PF2"}},
    {"Label_wt_led", {"守侯背光", "Wait Back Light"}},
    {"Label_rx_led", {"接收背光", "RX Back Light"}},
    {"Label_tx_led", {"发射背光", "TX Back Light"}},
    {"Label_MODE_PASS", {"模式切换密码", "Mode Change Password"}},
    {"Label_rf", {"接收从", "RX From"}},
    {"Label_rt", {"到", "to"}},
    {"Label_tt", {"到", "to"}},
    {"Label_tf", {"发射从", "TX From"}},
    {"Frame_A", {"Ａ段频率模式", "A Band Frequency Mode"}},
    {"Label_Freq_a", {"当前频率", "Frequency"}},
    {"Label_Freq_b", {"当前频率", "Frequency"}},
    {"Label_Txp_a", {"发射功率", "TX Power"}},
    {"Label_txp_b", {"发射功率", "TX Power"}},
    {"Label_r_ctdcs_a", {"接收哑音", "RX QT/DQT"}},
    {"Label_r_ctdcs_b", {"接收哑音", "RX QT/DQT"}},
    {"Label_t_ctdcs_a", {"发射哑音", "TX QT/DQT"}},
    {"Label_t_ctdcs_b", {"发射哑音", "TX QT/DQT"}},
    {"Label_wn_a", {"信道带宽", "W/N"}},
    {"Label_wn_b", {"信道带宽", "W/N"}},
    {"Label_sft_d_a", {"频差方向", "SFT_D"}},
    {"Label_sft_d_b", {"频差方向", "SFT_D"}},
    {"Label_step_a", {"步进频率", "Step Frequency"}},
    {"Label_step_b", {"步进频率", "Step Frequency"}},
    {"Label_scr_a", {"保密通话", "Scrambler"}},
    {"Label_scr_b", {"保密通话", "Scrambler"}},
    {"Label_Optsig_a", {"可选信令", "Optional Signal"}},
    {"Label_OptSig_b", {"可选信令", "Optional Signal"}},
    {"Label_S_info_a", {"信令编码", "Signal Code"}},
    {"Label_S_info_b", {"信令编码", "Signal Code"}},
    {"Label_Spmute_a", {"信令关系", "Speak Mute"}},
    {"Label_Spmute_b", {"信令关系", "Speak Mute"}},
    {"Frame_B", {"Ｂ段频率模式", "B Band Frequency Mode"}},
};

// Typed-field refusals.
inline constexpr Bilingual kChannelTotalRange{"信道数在 1 - 128 之间选择", "Channel select from 1 to 128 ."};
inline constexpr Bilingual kVfoFrequencyRange{"当前工作频率超出范围 ！", "Over the range of Work frequency ."};
inline constexpr Bilingual kPasswordLength{"效验码的有效长度为 6 位 ！", "Password length is 6 digit."};
inline constexpr Bilingual kPasswordRange{" 效验码的有效数字为 000000 - 999999 ",
                                          "  Available Password from 000000 to 999999 "};
inline constexpr Bilingual kRxLowerBelowLimit{
    "下限接收频率不可小于本机最低工作频率",
    "Receive frequency of lower limit can't less than the lowest of work frequency. "};
inline constexpr Bilingual kRxLowerAboveUpper{
    "下限接收频率不可大于上限接收频率",
    "Receive frequency of lower limit can't more than receive frequency of upper limit."};
inline constexpr Bilingual kRxUpperAboveLimit{
    "上限接收频率不可大于本机最高工作频率",
    "Receive frequency of upper limit can't more than the highest of work frequency. "};
inline constexpr Bilingual kRxUpperBelowLower{
    "上限接收频率不可小于下限接收频率",
    "Receive frequency of upper limit can't less than receive frequency of lower limit."};
inline constexpr Bilingual kTxLowerAboveUpper{
    "下限发射频率不可大于上限发射频率",
    "Transmit frequency of lower limit can't more than transmit frequency of upper limit."};
inline constexpr Bilingual kTxLowerBelowReceive{
    "下限发射频率不可小于下限接收频率",
    "Transmit frequency of lower limit can't less than receive frequency of lower limit's."};
inline constexpr Bilingual kTxUpperAboveReceive{
    "上限发射频率不可大于上限接收频率",
    "Transmit frequency of upper limit can't more than receive frequency of upper limit."};
inline constexpr Bilingual kTxUpperBelowLower{
    "上限发射频率不可小于下限发射频率",
    "Transmit frequency of upper limit can't less than transmit frequency of lower limit. "};

// The exchange.
inline constexpr Bilingual kReadDoneLabel{"可选参数读出正常 ！", "Read optional parameters in gear. "};
inline constexpr Bilingual kReadDoneMessage{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};
inline constexpr Bilingual kWriteDoneMessage{"向对讲机写入可选参数完毕 ！",
                                             "Complete writing optional parameters to the transceiver."};
inline constexpr Bilingual kWriteDoneLabel{"可选参数写入完毕 ！", "Complete writing optional parameters "};

// The option file.
inline constexpr Bilingual kFileLoaded{"可选参数从文件调入成功 ！", "Succeed fold the optional parameters from file."};
inline constexpr Bilingual kFileSaved{"可选参数保存完毕 ！", "Complete storing optional parameters."};

}  // namespace brel::legacy_options
