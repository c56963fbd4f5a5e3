// The DTMF editor's texts in both languages: captions and messages.
#pragma once

#include "bilingual.h"

namespace brel::dtmf {

// Captions, in the order the window sets them.
struct Caption {
  const char* control;  // "" for the window itself
  Bilingual text;
};

inline constexpr Caption kCaptions[] = {
    {"", {"DTMF 编解码参数编辑", "DTMF Encode/Decode "}},
    {"Frame_encode", {"DTMF 编码", "DTMF Encode"}},
    {"Label_encode_xh", {"编码码组", "Number"}},
    {"Label_tx_encode", {"发送编码", " Code "}},
    {"Label_dtmf_ontime", {"发送DTMF码时码持续时间（MS）", "DTMF Speed (On Time)"}},
    {"Label_dtmf_offtime", {"发送DTMF码时码间断时间（MS）", "DTMF Speed (Off Time)"}},
    {"Label_Group_code", {"群呼码", "Group Code"}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_Write", {"写  入", "Write"}},
    {"Command_def", {"默 认", "Default"}},
    {"Command_close", {"关  闭", "Close"}},
    {"Frame_ANI_Code", {"本机 ID 码", "ANI Code"}},
    {"Check_Ptt_P", {"PTT按下发送", "Press PTT to Send"}},
    {"Check_Ptt_S", {"PTT松开发送", "Release PTT to Send"}},
    {"Frame_State", {"本机状态", "State"}},
    {"Check_RX", {"接收禁止", "RX Disable"}},
    {"Check_Tx", {"发射禁止", "TX Disable"}},
    {"Frame_Decode", {"DTMF 解码", "DTMF Decode"}},
    {"Label_xc", {"巡 查 码", "Inspection"}},
    {"Label_jt", {"监 听 码", "Monitor"}},
    {"Label_bj", {"报 警 码", "Alarm"}},
    {"Label_yy", {"遥 晕 码", "Stun"}},
    {"Label_yb", {"遥 毙 码", "Kill"}},
    {"Label_kj", {"开 机 码", "Revive"}},
    {"Frame_Ctrl", {"控制ID码及控制权限", "Control ID code and control right"}},
    {"Label_xcjtyyybkj_2", {"", "Inspection             Stun                 Revive "}},
    {"Label_xcjtyyybkj_1",
     {" 巡查      监听     遥晕     遥毙      开机 ", "            Monitor                  Kill      "}},
    {"Check_Ctrl_En", {"接受主副ID控制", "Function Control by master and vice ID code"}},
    {"Label_PID", {"主控ID码", "Master Control ID"}},
    {"Label_SID", {"副控ID码", "Vice Control ID"}},
};

// Code field checks.
inline constexpr Bilingual kRangeText{"该码组位数的有效范围为 3 - 5 位 ！", " The Group Digits range is 3 - 5 Bits."};
inline constexpr Bilingual kLengthText{"码组位数最大为 5 位 ！", "Group Digits Max 5 Bits."};
inline constexpr Bilingual kCharactersText{"码组字符只能是 0 - 9 或 * # A B C D  ！",
                                           "Groupdigits only by 0 to 9 and* # A B C D."};
// The code check's own title, with a double-quote character at its end.
inline constexpr Bilingual kTitleCodeCheck{"操作提示", "Operate Prompt\""};

// The window's own exchange.
inline constexpr Bilingual kLabelReadDone{"信令参数读出正常 ！", "Read Signal parameters in gear. "};
inline constexpr Bilingual kWriteDone{"向对讲机写入信令参数完毕 ！", "Complete writing Signal parameters to the transceiver."};
inline constexpr Bilingual kLabelWriteDone{"信令参数写入完毕 ！", "Complete writing Signal parameters "};

}  // namespace brel::dtmf
