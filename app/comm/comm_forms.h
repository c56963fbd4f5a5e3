// The read, write and port dialogs of the main window.
#pragma once

#include "form.h"

namespace brel {

// Registers Form_Comm_Read, Form_Comm_Write and Form_setup with the host.
// The windows need the context's link services; without them they do not load.
void RegisterCommForms(FormHost& host);

}  // namespace brel
