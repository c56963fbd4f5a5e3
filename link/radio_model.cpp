#include "radio_model.h"

namespace brel::link {

std::array<std::uint8_t, 8> ProgramModeCommand(int identVariant, const RadioModelCommands& model) {
  const auto& code = identVariant == 1 ? model.modelCodeB : model.modelCodeA;
  return {model.leadBytes[0], model.leadBytes[1], model.leadBytes[2], code[0], code[1], code[2], code[3],
          kIdentRequest};
}

void LoadHandshakeCommand(ProgramState& state, int identVariant, const RadioModelCommands& model) {
  const auto command = ProgramModeCommand(identVariant, model);
  for (std::size_t i = 0; i < command.size(); ++i) state.HandshakeCmd[i] = command[i];
}

}  // namespace brel::link
