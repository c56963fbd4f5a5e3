// Every child window of the program, registered with the main window's host.
#pragma once

#include "form.h"

namespace brel {

void RegisterAllForms(FormHost& host);

}  // namespace brel
