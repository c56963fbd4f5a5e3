#include "form_registry.h"

#include "main_forms.h"

namespace brel {

// Each window library adds its registration here as it becomes part of the
// program; a menu item or toolbar button whose window is not registered
// stays greyed.
void RegisterAllForms(FormHost& host) {
  RegisterMainForms(host);
}

}  // namespace brel
