#include "startup_link.h"

#include "radio_model.h"
#include "startup.h"  // the link's StartupIdentification

namespace brel {

StartupLink StartupLinkOver(link::StartupIdentification& ident) {
  StartupLink steps;
  steps.loadHandshake = [](ProgramState& state) { link::LoadHandshakeCommand(state, 0); };
  steps.probePorts = [&ident](ProgramState&) { return ident.probePorts(); };
  steps.closeProbedPort = [&ident] { ident.closeProbedPort(); };
  steps.startIdentification = [&ident] { ident.start(); };
  return steps;
}

}  // namespace brel
