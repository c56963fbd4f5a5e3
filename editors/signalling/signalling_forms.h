// Registers the two-tone and five-tone windows with the host.  No menu or
// toolbar command opens them; MDImain::LoadTwoToneEditor and
// LoadFiveToneEditor do.
#pragma once

#include "form.h"

namespace brel {
void RegisterSignallingEditors(FormHost& host);
}  // namespace brel
