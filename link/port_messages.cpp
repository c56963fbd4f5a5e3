#include "port_messages.h"

#include <grp.h>
#include <sys/stat.h>

#include "link_texts.h"

namespace brel::link {

std::string DeviceGroupName(const std::string& devicePath) {
  struct stat info {};
  if (devicePath.empty() || ::stat(devicePath.c_str(), &info) != 0) return {};
  if (const struct group* entry = ::getgrgid(info.st_gid)) return entry->gr_name;
  return std::to_string(info.st_gid);
}

Message PortOpenMessage(int languageFlag, PortMessageStyle style, const OpenResult& result,
                        const std::string& group) {
  const bool shortStyle = style == PortMessageStyle::Short;
  Message message = Warn(static_cast<std::int16_t>(languageFlag), shortStyle ? kTitlePromptUpper : kTitlePromptLower,
                         shortStyle ? texts::kPortErrorShort : texts::kPortError);
  if (result.status == OpenStatus::PermissionDenied) {
    const std::string owner = group.empty() ? std::string("dialout") : group;
    if (languageFlag != 0) {
      message.text += "\n\n没有权限打开 " + result.device + "。请把当前用户加入拥有该设备的用户组 " + owner +
                      "（sudo usermod -aG " + owner + " 用户名），然后注销并重新登录。";
    } else {
      message.text += "\n\nThis user may not open " + result.device + ". Add the user to the group that owns it, " +
                      owner + " (sudo usermod -aG " + owner + " USERNAME), then log out and in again.";
    }
  }
  return message;
}

}  // namespace brel::link
