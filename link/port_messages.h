// What a window says when its port does not open.
#pragma once

#include <string>

#include "bilingual.h"
#include "serial_port.h"
#include "ui_ports.h"

namespace brel::link {

// The two wordings the windows use (the English title is spelt two ways too).
enum class PortMessageStyle {
  Silent,  // the main window's probe and identification say nothing
  Prompt,  // "Communication port is error, ..." under "Operate prompt"
  Short,   // "Communication Port Open Error ！" under "Operate Prompt"
};

// The group that owns a device file ("dialout"), or "" when it cannot be told.
std::string DeviceGroupName(const std::string& devicePath);

// The message for a failed opening.  A device that exists but may not be
// opened gets a second paragraph that says so and how to cure it.
Message PortOpenMessage(int languageFlag, PortMessageStyle style, const OpenResult& result,
                        const std::string& group);

}  // namespace brel::link
