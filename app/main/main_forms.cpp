#include "main_forms.h"

#include "form_type.h"
#include "frm_about.h"

namespace brel {

void RegisterMainForms(FormHost& host, SysInfoPlatform sysInfo) {
  host.registerForm(FormId::Form_type, [](AppContext& context) { return new Form_type(context); });
  host.registerForm(FormId::frmAbout,
                    [sysInfo](AppContext& context) { return new frmAbout(context, sysInfo); });
}

}  // namespace brel
