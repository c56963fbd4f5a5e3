// Registers the main window's own child windows: the model dialog and the
// About box.
#pragma once

#include "form.h"
#include "platform.h"

namespace brel {

void RegisterMainForms(FormHost& host, SysInfoPlatform sysInfo = DesktopSysInfoPlatform());

}  // namespace brel
