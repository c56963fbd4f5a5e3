// Command bytes of the supported radio model.
//
// Every exchange opens with a program-mode command: three lead bytes and a
// four-byte model code.  Radios of identification variants 0 and 2 answer
// model code A, radios of variant 1 model code B.  The older editors open
// with their own eight-byte legacy command instead.  These bytes belong to
// the radio model, not to the protocol: to support another model, change
// this table and nothing else.
#pragma once

#include <array>
#include <cstdint>

#include "program_state.h"

namespace brel::link {

struct RadioModelCommands {
  std::array<std::uint8_t, 3> leadBytes;
  std::array<std::uint8_t, 4> modelCodeA;  // identification variants 0 and 2
  std::array<std::uint8_t, 4> modelCodeB;  // identification variant 1
  std::array<std::uint8_t, 8> legacyCommand;  // 7-byte legacy program-mode command + 0x02
};

// The protocol's bytes, the same for every model.
inline constexpr std::uint8_t kIdentRequest = 0x02;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kReadCommand = 0x53;   // 'S'
inline constexpr std::uint8_t kWriteCommand = 0x58;  // 'X', also the header of a read reply

// The Brel Pro series.
inline constexpr RadioModelCommands kBrelProCommands{
    {0x50, 0x52, 0x4F},                                // "PRO"
    {0x47, 0x52, 0x41, 0x4D},                          // "GRAM"
    {0x47, 0x52, 0x41, 0x42},                          // "GRAB"
    {0x50, 0x52, 0x47, 0x4C, 0x45, 0x47, 0x59, 0x02},  // "PRGLEGY", 0x02
};

// The first line every alignment write sends, to 0x0CF0, ahead of the
// alignment rows: twelve constant bytes of ours (the line's last four bytes
// go as 0).  Like the commands above they belong to the radio model; set
// them to your radio's before writing a real radio's alignment.
inline constexpr std::array<std::uint8_t, 12> kAlignFixedBlock{
    0x42, 0x52, 0x50, 0x41, 0x44, 0x4A,  // "BRPADJ"
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// The program-mode command of an identification variant followed by the
// identification request: what HandshakeCmd elements 0..7 hold.
std::array<std::uint8_t, 8> ProgramModeCommand(int identVariant,
                                               const RadioModelCommands& model = kBrelProCommands);

// HandshakeCmd elements 0..7 := ProgramModeCommand(identVariant).
void LoadHandshakeCommand(ProgramState& state, int identVariant = 0,
                          const RadioModelCommands& model = kBrelProCommands);

}  // namespace brel::link
