#include "form_registry.h"

#include "comm_forms.h"
#include "file_dialogs.h"
#include "frm_dtmf.h"
#include "frm_adj_txp.h"
#include "frm_chann.h"
#include "frm_adj_mod.h"
#include "frm_fm.h"
#include "frm_option.h"
#include "main_forms.h"
#include "signalling_forms.h"

namespace brel {

// Every window of the program; a menu item or toolbar button whose window is
// not registered stays greyed.
void RegisterAllForms(FormHost& host) {
  RegisterMainForms(host);
  RegisterCommForms(host);
  RegisterFileForms(host);
  RegisterChannelEditor(host);
  RegisterOptionEditor(host);
  RegisterDtmfEditor(host);
  RegisterAlignmentEditor(host);
  RegisterFmEditor(host);
  RegisterLegacyOptionEditors(host);
  RegisterSignallingEditors(host);
}

}  // namespace brel
