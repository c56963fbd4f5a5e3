#include "frm_adj_mod.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "file_dialogs.h"
#include "image_file.h"
#include "legacy_options_texts.h"
#include "plain_widgets.h"

namespace brel::legacy_options {
namespace {

struct Group {
  const char* frame;  // "" for none
  double left, top, width, height;
  std::vector<std::vector<const char*>> rows;  // members left to right, rows top to bottom
};

// The window's frames and their members, places in twips.  The columns sit
// close together so the two narrow ones have room for their longest entries.
const Group kGroups[] = {
    {"Frame1", 120, 120, 3855, 1455,
     {{"Label_Tot", "Combo_tot"}, {"Label_Sql", "Combo_sql_le"}, {"Label_voice", "Combo_voice"}}},
    {"Frame_Mode", 120, 1680, 3855, 735, {{"Option_freq", "Option_chann", "Label_Cht", "Text_chann_total"}}},
    {"Frame_band", 120, 2520, 3855, 735, {{"Option_band_a", "Option_band_b", "Check_tdr"}}},
    {"Frame_Chann", 120, 3360, 3855, 1575,
     {{"Check_chann_menu", "Check_chann_init", "Check_chann_syn"},
      {"Label_MDF_A", "Combo_MDF_A"},
      {"Label_MDF_B", "Combo_MDF_B"}}},
    {"Frame5", 120, 4920, 3855, 2895,
     {{"Label_Stdtmf", "Combo_dtmfst"},
      {"Label_Vox", "Combo_vox", "Check_Lock"},
      {"Label_Abr", "Combo_abr", "Check_Autolk"},
      {"Label_Ring", "Combo_ring", "Check_bcl"},
      {"Label_Scan_rev", "Combo_sc_rev", "Check_Beep"},
      {"Label_ptt_id", "Combo_ptt_id", "Check_comp"},
      {"Label_Ptt_Lt", "Combo_ptt_lt", "Label_save", "Combo_save"}}},
    {"Frame_A", 4020, 120, 3075, 4815,
     {{"Label_Freq_a", "Text_Freq_a", "Label28"},
      {"Label_Txp_a", "Combo_txp_a"},
      {"Label_r_ctdcs_a", "Combo_r_ctdcs_a"},
      {"Label_t_ctdcs_a", "Combo_t_ctdcs_a"},
      {"Label_wn_a", "Combo_wn_a"},
      {"Label_step_a", "Combo_step_a"},
      {"Label_scr_a", "Combo_scr_a"},
      {"Label_sft_d_a", "Combo_sft_d_a", "Combo_Offset_A"},
      {"Label_Optsig_a", "Combo_Optsig_a"},
      {"Label_Spmute_a", "Combo_Spmute_a"},
      {"Label_S_info_a", "Combo_S_info_a"}}},
    {"Frame4", 4020, 4920, 3075, 2895,
     {{"Label_TX_Band", "Combo_Tdr_ab"},
      {"Label_PF1", "Combo_pf1"},
      {"Label_PF2", "Combo_pf2"},
      {"Label_wt_led", "Combo_wt_led"},
      {"Label_rx_led", "Combo_rx_led"},
      {"Label_tx_led", "Combo_tx_led"},
      {"Label_MODE_PASS", "Text_menu_pwd"}}},
    {"Frame_B", 7140, 120, 3075, 4815,
     {{"Label_Freq_b", "Text_Freq_b", "Label33"},
      {"Label_txp_b", "Combo_txp_b"},
      {"Label_r_ctdcs_b", "Combo_r_ctdcs_b"},
      {"Label_t_ctdcs_b", "Combo_t_ctdcs_b"},
      {"Label_wn_b", "Combo_wn_b"},
      {"Label_step_b", "Combo_step_b"},
      {"Label_scr_b", "Combo_scr_b"},
      {"Label_sft_d_b", "Combo_sft_d_b", "Combo_offset_b"},
      {"Label_OptSig_b", "Combo_OptSig_b"},
      {"Label_Spmute_b", "Combo_Spmute_b"},
      {"Label_S_info_b", "Combo_S_info_b"}}},
    {"Frame6", 7140, 4920, 3075, 1815, {{"Check_ANI"}, {"Check_Alarm_Sound"}, {"Check_radio"}, {"Check_alarm_Veskold"}}},
    {"Frame2", 7140, 6720, 3075, 1095,
     {{"Label_rf", "Text_pvfo_d0", "Label_rt", "Text_pvfo_d1", "Label4"},
      {"Label_tf", "Text_pvfo_t0", "Label_tt", "Text_pvfo_t1", "Label8"}}},
};

// The room a frame keeps between its edges and its rows, each side.
constexpr double kFramePad = 60;

const char* const kButtons[] = {"Command_read", "Command_Write", "Command_def",
                                "Command_save", "Command_open",  "Command_close"};
constexpr double kButtonLefts[] = {720, 2280, 3840, 5400, 7080, 8520};

bool Starts(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

// How much of a row a member takes.
double Weight(const std::string& name) {
  if (name == "Label28" || name == "Label33" || name == "Label4" || name == "Label8" || Starts(name, "Label_rt") ||
      Starts(name, "Label_tt"))
    return 1.2;
  if (Starts(name, "Label_")) return 4;
  if (Starts(name, "Combo_")) return 5;
  return 4.5;
}

// Members that show a caption of their own rather than a value.
bool IsCaption(const std::string& name) {
  return Starts(name, "Label") || Starts(name, "Check_") || Starts(name, "Option_");
}

bool LeftAligned(const std::string& name) {
  for (const char* n : {"Label_ptt_id", "Label_rf", "Label_rt", "Label_tf", "Label_tt", "Label4", "Label8", "Label28",
                        "Label33"})
    if (name == n) return true;
  return false;
}

// The option file: stage rows 0..11, told with this window's own texts.
constexpr int kFileLastRow = 11;

EditorParts AdjModParts() {
  EditorParts parts;
  parts.fileRequests = RequestPair::OptionsAndSignalling;
  parts.fileTexts = FileTexts{kFileLoaded, kFileSaved, kTitlePromptUpper, kTitlePromptUpper};
  return parts;
}

}  // namespace

frm_Adj_Mod::frm_Adj_Mod(AppContext& context, FormId id)
    : EditorWindow(context, id, AdjModParts()),
      editor_(context.state, context.messages, id == FormId::frm_Adj_Tune ? Instance::Tune : Instance::Mod) {
  build();
  bindControls();
  transfer_ = adoptTransfer(std::make_unique<LegacyOptionsTransfer>(linkContext(), transferView(), editor_.image()));
}

frm_Adj_Mod::~frm_Adj_Mod() = default;

QWidget* frm_Adj_Mod::widget(const std::string& name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

void frm_Adj_Mod::build() {
  // The layout's small dialog font, as in the other option window.
  QFont small = font();
  small.setPointSizeF(8);
  setFont(small);
  setFixedSize(twipsX(12270), twipsY(9240));
  for (const Group& g : kGroups) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(g.frame);
    frame->setGeometry(twipsRect(g.left, g.top, g.width, g.height));
    widgets_[g.frame] = frame;
    const double rowHeight = (g.height - 300) / static_cast<double>(g.rows.size());
    for (std::size_t r = 0; r < g.rows.size(); ++r) {
      const auto& row = g.rows[r];
      double total = 0;
      for (const char* m : row) total += Weight(m);
      double left = kFramePad;
      const double top = 240 + rowHeight * static_cast<double>(r) + std::max(0.0, (rowHeight - 300) / 2);
      for (const char* m : row) {
        const std::string name = m;
        const double width = (g.width - 2 * kFramePad) * Weight(name) / total;
        const QRect place = twipsRect(left, top, width - 60, 300);
        left += width;
        QWidget* w = nullptr;
        if (Starts(name, "Label")) {
          auto* l = new QLabel(frame);
          l->setAlignment((LeftAligned(name) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
          if (name == "Label4" || name == "Label8" || name == "Label28" || name == "Label33") l->setText("MHZ");
          w = l;
        } else if (Starts(name, "Combo_")) {
          w = new QComboBox(frame);  // a typed list (BindTypedList)
        } else if (Starts(name, "Check_")) {
          w = new QCheckBox(frame);
        } else if (Starts(name, "Option_")) {
          w = new QRadioButton(frame);
        } else {
          auto* e = new QLineEdit(frame);
          e->setAlignment(Starts(name, "Text_Freq") ? Qt::AlignLeft : Qt::AlignHCenter);
          w = e;
        }
        w->setObjectName(Q(name));
        w->setGeometry(place);
        widgets_[name] = w;
      }
    }
  }
  progressBar()->setGeometry(twipsRect(120, 7920, 7575, 495));
  statusLabel()->setGeometry(twipsRect(7800, 8040, 2415, 255));
  for (int i = 0; i < 6; ++i) {
    auto* b = new QPushButton(this);
    b->setObjectName(kButtons[i]);
    b->setGeometry(twipsRect(kButtonLefts[i], 8520, 855, 495));
    widgets_[kButtons[i]] = b;
  }
}

void frm_Adj_Mod::bindControls() {
  auto button = [this](const char* name, void (frm_Adj_Mod::*handler)()) {
    connect(static_cast<QPushButton*>(widget(name)), &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
  };
  button("Command_read", &frm_Adj_Mod::Command_read_Click);
  button("Command_Write", &frm_Adj_Mod::Command_Write_Click);
  button("Command_def", &frm_Adj_Mod::Command_def_Click);
  button("Command_save", &frm_Adj_Mod::Command_save_Click);
  button("Command_open", &frm_Adj_Mod::Command_open_Click);
  button("Command_close", &frm_Adj_Mod::Command_close_Click);

  for (const LegacyOptionsEditor::NamedControl& c : editor_.controls()) {
    QWidget* w = widget(c.name);
    switch (c.kind) {
      case LegacyOptionsEditor::Kind::List: {
        auto* combo = static_cast<QComboBox*>(w);
        PlainList& list = *static_cast<PlainList*>(c.control);
        BindTypedList(combo, list,
                      {.edited = [this, &list](const std::string& text) { editor_.listEdited(list, text); }});
        // Every key that types a character (backspace and Enter included);
        // the Delete and arrow keys type none.  The user's keys reach the
        // box, which hands them to its field past the field's watchers; a
        // key sent to the field itself is seen there.  Either way, once.
        const auto typed = [this, &list](const QKeyEvent& key) {
          if (!key.text().isEmpty() && key.key() != Qt::Key_Delete) editor_.keyPressed(list);
          return false;
        };
        WatchKeys(combo, typed);
        WatchKeys(combo->lineEdit(), typed);
        break;
      }
      case LegacyOptionsEditor::Kind::CheckBox:
        BindCheck(static_cast<QCheckBox*>(w), *static_cast<PlainCheckBox*>(c.control));
        break;
      case LegacyOptionsEditor::Kind::OptionButton:
        BindOption(static_cast<QRadioButton*>(w), *static_cast<PlainOptionButton*>(c.control));
        break;
      case LegacyOptionsEditor::Kind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(w);
        TypedField field{};
        for (int f = 0; f <= static_cast<int>(TypedField::TxUpper); ++f)
          if (c.name == LegacyOptionsEditor::FieldName(static_cast<TypedField>(f))) field = static_cast<TypedField>(f);
        BindText(edit, *static_cast<PlainTextBox*>(c.control));
        onFocusOut(edit, [this, field](Qt::FocusReason reason) { fieldLeft(field, reason); });
        c.control->focusRequested = [this, edit] {
          // The field a refusal brings the focus back from is not checked
          // for that move: two refused fields would hand it back and forth.
          const bool outer = !refocusing_;
          refocusing_ = true;
          edit->setFocus(Qt::OtherFocusReason);
          if (outer) refocusing_ = false;
        };
        break;
      }
    }
  }
}

void frm_Adj_Mod::fieldLeft(TypedField field, Qt::FocusReason reason) {
  if (refocusing_) return;
  // Leaving for another window, a list's pop-up or a message box is no
  // move within the window; a click on one of the window's buttons leaves
  // the check to that button, which runs it first.
  const bool toButton = qobject_cast<QPushButton*>(QApplication::focusWidget()) != nullptr &&
                        QApplication::focusWidget()->parentWidget() == this;
  if (LostToAnotherWindow(reason) || (reason == Qt::MouseFocusReason && toButton)) return;
  editor_.LostFocus(field);
}

void frm_Adj_Mod::setCaptions() {
  for (const Caption& caption : kCaptions) {
    const QString t = qtext(caption.text);
    if (caption.control[0] == '\0') {
      setWindowTitle(t);
      continue;
    }
    QWidget* w = widget(caption.control);
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(t);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(t);
  }
}

// Each frame keeps its place; within a row a caption takes the width its
// text needs in the current language and font, and the fields share the
// rest by their weights.  Where that leaves a field too narrow to show a
// short value, the captions give up the difference in proportion.
void frm_Adj_Mod::fitRows() {
  const int gap = twipsX(60);
  for (const Group& g : kGroups) {
    const int inner = twipsX(g.width - 2 * kFramePad);
    for (const auto& row : g.rows) {
      int captions = 0;
      int fieldCount = 0;
      bool lists = false;
      double fieldWeight = 0;
      for (const char* m : row) {
        if (IsCaption(m)) {
          captions += widget(m)->sizeHint().width() + gap;
        } else {
          ++fieldCount;
          fieldWeight += Weight(m);
          lists = lists || Starts(m, "Combo_");
        }
      }
      if (fieldCount == 0) continue;
      // A lone list keeps room for a short entry beside its arrow.
      const int leastField = twipsX(fieldCount == 1 && lists ? 900 : 600);
      const int fields = std::max(inner - captions - fieldCount * gap, fieldCount * leastField);
      const double squeeze = captions > 0 ? std::min(1.0, double(inner - fields - fieldCount * gap) / captions) : 1.0;
      int left = twipsX(kFramePad);
      for (const char* m : row) {
        QWidget* w = widget(m);
        const int width = IsCaption(m) ? static_cast<int>((w->sizeHint().width() + gap) * squeeze) - gap
                                       : static_cast<int>(fields * Weight(m) / fieldWeight);
        w->setGeometry(left, w->y(), width, w->height());
        // A caption cut short still shows how it begins.
        auto* l = qobject_cast<QLabel*>(w);
        if (l != nullptr && squeeze < 1.0) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        left += width + gap;
      }
    }
  }
}

void frm_Adj_Mod::loadHandling() {
  setCaptions();
  fitRows();
  const QSize main = host().mainWindowSize();
  placeCentred(QSize(static_cast<int>(main.width() / 1.48f), static_cast<int>(main.height() / 1.15f)));
  editor_.Form_Load();
  resetProgress();
  startFilePolling();
  watchActivation([this] { Form_Activate(); });
}

void frm_Adj_Mod::Form_Activate() { editor_.Form_Activate(); }

void frm_Adj_Mod::Command_read_Click() {
  if (!editor_.runPendingCheck() || refuseWhileBusy(busy())) return;
  transfer_->read();
}

void frm_Adj_Mod::Command_Write_Click() {
  if (!editor_.runPendingCheck() || refuseWhileBusy(busy())) return;
  editor_.CollectAdjModForm();
  transfer_->write();
}

void frm_Adj_Mod::Command_def_Click() {
  if (!editor_.runPendingCheck() || refuseChange()) return;
  resetProgress();
  editor_.RestoreDefaults();
}

void frm_Adj_Mod::Command_save_Click() {
  if (editor_.runPendingCheck()) showFileDialog(FormId::Form_save_menu);
}

void frm_Adj_Mod::Command_open_Click() {
  if (editor_.runPendingCheck()) showFileDialog(FormId::Form_open_menu);
}

void frm_Adj_Mod::Command_close_Click() {
  if (!editor_.runPendingCheck() || !queryUnload()) return;
  FormHost& forms = host();
  const WindowToken token = windowToken();
  // Only the option-file dialogs this window showed go with it.
  for (FormId dialog : {FormId::Form_open_menu, FormId::Form_save_menu})
    if (auto* shown = dynamic_cast<RequestFileDialog*>(forms.form(dialog)); shown && shown->requester() == token)
      forms.unloadForm(dialog);
  forms.unloadForm(formId());
}

FileRead frm_Adj_Mod::readFile(const std::string& path) {
  return ReadTableRowsInto(editor_.image(), 0, kFileLastRow, path);
}

std::optional<std::string> frm_Adj_Mod::writeFile(const std::string& path) {
  editor_.CollectAdjModForm();
  return SaveTableRows(editor_.image(), 0, kFileLastRow, path);
}

}  // namespace brel::legacy_options

namespace brel {
void RegisterLegacyOptionEditors(FormHost& host) {
  for (FormId id : {FormId::frm_Adj_Mod, FormId::frm_Adj_Tune})
    host.registerForm(id, [id](AppContext& context) -> Form* { return new legacy_options::frm_Adj_Mod(context, id); });
}
}  // namespace brel
