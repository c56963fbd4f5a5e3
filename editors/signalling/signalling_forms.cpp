#include "signalling_forms.h"

#include "frm_2tone.h"
#include "frm_5tone.h"

namespace brel {

void RegisterSignallingEditors(FormHost& host) {
  host.registerForm(FormId::frm_2tone, [](AppContext& c) -> Form* { return new signalling::frm_2tone(c); });
  host.registerForm(FormId::frm_5tone, [](AppContext& c) -> Form* { return new signalling::frm_5tone(c); });
}

}  // namespace brel
