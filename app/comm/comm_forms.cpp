#include "comm_forms.h"

#include "form_setup.h"
#include "transfer_dialog.h"

namespace brel {

void RegisterCommForms(FormHost& host) {
  host.registerForm(FormId::Form_Comm_Read, [](AppContext& c) -> Form* { return new Form_Comm_Read(c); });
  host.registerForm(FormId::Form_Comm_Write, [](AppContext& c) -> Form* { return new Form_Comm_Write(c); });
  host.registerForm(FormId::Form_setup, [](AppContext& c) -> Form* { return new Form_setup(c); });
}

}  // namespace brel
