// The alignment window's and the password dialog's texts, exactly as they
// are shown.  Captions of the alignment window are the same in both
// languages; its messages follow the language flag.
#pragma once

#include "bilingual.h"

namespace brel::adj {

// --- alignment window buttons -------------------------------------------------
inline constexpr const char* kReadCaption = "读  取";
inline constexpr const char* kWriteCaption = "写  入";
inline constexpr const char* kDefaultCaption = "默认值";
inline constexpr const char* kOpenCaption = "打  开";
inline constexpr const char* kSaveCaption = "保  存";
inline constexpr const char* kCloseCaption = "关  闭";

// --- field messages -------------------------------------------------------------
// The number boxes' message is Chinese in both languages, information icon.
inline constexpr const char* kNumberRangeText = " 输入数字范围为 0 - 255 ！";
inline constexpr const char* kNumberRangeTitle = "操作提示";
inline constexpr Bilingual kLowerBelowBandText{
    "下限频率不可小于该频段最低工作频率",
    "Receive frequency of lower limit can't less than the lowest of work frequency. "};
inline constexpr Bilingual kLowerAboveUpperText{
    "下限频率不可大于该频段上限频率",
    "Receive frequency of lower limit can't more than receive frequency of upper limit."};
inline constexpr Bilingual kUpperAboveBandText{
    "上限频率不可大于该频段最大工作频率",
    "Receive frequency of upper limit can't more than the highest of work frequency. "};
inline constexpr Bilingual kUpperBelowLowerText{
    "上限频率不可小于该频段下限频率",
    "Receive frequency of lower limit can't more than receive frequency of upper limit."};

// --- transfer ------------------------------------------------------------------------
inline constexpr Bilingual kReadDoneLabel{"调整参数读出正常 ！", "Read optional parameters in gear. "};
inline constexpr Bilingual kReadDoneText{"从对讲机中读取调整数据完毕 ！", "Complete reading the data from transceiver."};
inline constexpr Bilingual kWriteDoneText{"调整参数写入完毕 ！", "Complete writing optional parameters to the transceiver."};
inline constexpr Bilingual kWriteDoneLabel{"调整参数写入完毕 ！", "Complete writing optional parameters "};

// --- file ------------------------------------------------------------------------------
inline constexpr Bilingual kFileLoadedText{"调整参数从文件调入成功 ！", "Succeed fold the optional parameters from file."};
inline constexpr Bilingual kFileSavedText{"调整参数保存完毕 ！", "Complete storing optional parameters."};

// --- password dialog ---------------------------------------------------------------
inline constexpr Bilingual kPasswordCaption{"修改密码", "Modify PassWord"};
inline constexpr Bilingual kOldPasswordLabel{"原密码", "Old PassWord"};
inline constexpr Bilingual kNewPasswordLabel{"新密码", "New PassWord"};
inline constexpr Bilingual kConfirmPasswordLabel{"确认新密码", "Confirm PassWord"};
inline constexpr Bilingual kModifyCaption{"修改", "Modify"};
inline constexpr Bilingual kPasswordCloseCaption{"关闭", "Close"};
inline constexpr Bilingual kPasswordMismatchText{"密码不一致", "Password is not consistent ."};
inline constexpr Bilingual kOldPasswordWrongText{"原密码错误，禁止写入", "Old PassWord Error, Writeing Stop"};
inline constexpr Bilingual kPasswordChangedText{"密码修改成功 ", "PassWord Modify Success ! "};

}  // namespace brel::adj
