// The engine settings of every window that talks to the radio.
#pragma once

#include "link_engine.h"

namespace brel::link::profiles {

// The byte pause of the paced sender: a little under the 1.04 ms a byte
// takes on the line at 9600 baud, so the line never idles within a frame.
inline constexpr int kBytePauseMs = 1;

EngineProfile MainWindowIdent();   // start-up identification
EngineProfile PortDialogIdent();   // the port dialog's identification
EngineProfile ReadDialog();        // Form_Comm_Read
EngineProfile WriteDialog();       // Form_Comm_Write

// The editors' own exchanges.
EngineProfile OptionEditor();      // frm_option: one-shot, decodes band A
EngineProfile DtmfEditor();        // frm_dtmf: one-shot, decodes nothing
EngineProfile AlignmentEditor();   // frm_Adj_Txp: stepped
EngineProfile PasswordDialog();    // Form_Write_PassWord: stepped, 8-byte command
EngineProfile FmEditor();          // frm_FM: legacy
EngineProfile OlderOptionEditor(); // frm_Adj_Mod, frm_Adj_Tune: legacy
EngineProfile SignallingEditor();  // frm_2tone, frm_5tone: long legacy frame
EngineProfile ChannelEditor();     // frm_chann: one-shot, 2 ms a byte

}  // namespace brel::link::profiles
