// The start-up's link steps carried out by the radio link: the port probe and
// the background identification.
#pragma once

#include "startup_sequence.h"

namespace brel::link {
class StartupIdentification;
}

namespace brel {

// Steps over `ident`, which must outlive the start-up and the identification.
StartupLink StartupLinkOver(link::StartupIdentification& ident);

}  // namespace brel
