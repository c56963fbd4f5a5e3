#include "frm_option.h"

#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "address_map.h"
#include "image_file.h"
#include "option_texts.h"
#include "plain_widgets.h"

namespace brel::options {
namespace {

// The key rules judge ASCII characters; any other is one they refuse.
char Ascii(char32_t typed) { return typed < 128 ? static_cast<char>(typed) : '\x7F'; }

// Captions of the labels and boxes, English / Chinese.
struct Caption {
  const char* name;
  Bilingual text;
};
const Caption kCaptions[] = {
    {"Label_Tot", {"发射超时定时器（秒）", "Time Out Timer(TOT)[S]"}},
    {"Label_Sql", {"静噪电平", "Squelch Level"}},
    {"Label_Abr", {"自动背光", "ABR"}},
    {"Label_voice", {"操作提示语音", "Voice Annunciation"}},
    {"Label_Vox", {"声控发射", "VOX"}},
    {"Check_Autolk", {"声控发射允许", "VOX Enable"}},
    {"Check_radio", {"FM 调频收音机允许使用", "FM Radio Enabled"}},
    {"Check_Alarm_Sound", {"报警时本机是否发出报警声", "Alarm Sound"}},
    {"Label_Alarm_mode", {"报警模式", "Alarm Mode"}},
    {"Label_roger", {"发射结束提示音", "Roger"}},
    {"Check_tdr", {"启动双守", "TDR"}},
    {"Label_save", {"省电模式", "Save"}},
    {"Label_Scan_rev", {"扫描方式", "Scan_Rev"}},
    {"Check_Beep", {"哔声", "Beep"}},
    {"Label_ptt_id", {"PTT_ID", "PTT_ID"}},
    {"Check_Lock", {"键盘锁", "K_Lock"}},
    {"Label_Ptt_Lt", {"发ID延迟", "PTT_Delay"}},
    {"Check_bcl", {"遇忙禁发", "BCL"}},
    {"Label_Stdtmf", {"DTMF侧音", "DTMF-ST"}},
    {"Label_ste", {"尾音消除", "Tail noise Clear "}},
    {"Label_rp_ste", {"过中继尾音消除(ms)", "Pass Repert noise Clear(ms)"}},
    {"Label_Rpt_RL", {"过中继尾音检测(ms)", "Pass Repert noise(ms)"}},
    {"Label_TX_Band", {"过中继台证实开关", "TX Under BDR Star"}},
    {"Label_ponmsg", {"开机显示方式", "Power On Disp"}},
    {"Label_wt_led", {"守侯背光", "Wait Back Light"}},
    {"Label_rx_led", {"接收背光", "RX Back Light"}},
    {"Label_tx_led", {"发射背光", "TX Back Light"}},
    {"Option_freq", {"频率", "Frequency "}},
    {"Option_chann", {"信道", "Channel"}},
    {"Label_Cht", {"信道数", "CHT"}},
    {"Check_chann_menu", {"菜单设置", "Menu"}},
    {"Check_chann_init", {"复位操作", "Reset"}},
    {"Check_chann_syn", {"同步显示", "Synchr"}},
    {"Label_MDF_A", {"A 段信道显示方式", "A Channel Disp Way"}},
    {"Label_MDF_B", {"B 段信道显示方式", "B Channel Disp Way"}},
};

// The rows of a VFO frame: label, caption, then the control of A and of B.
struct VfoRow {
  const char* labelA;
  const char* labelB;
  Bilingual caption;
};
const VfoRow kVfoRows[] = {
    {"Label_Freq_a", "Label_Freq_b", {"当前频率", "Frequency"}},
    {"Label_Band_A", "Label_Band_B", {"频段", "Band"}},
    {"Label_Range_A", "Label_Range_B", {"频率范围", "Freq Range"}},
    {"Label_Txp_a", "Label_txp_b", {"发射功率", "TX Power"}},
    {"Label_r_ctdcs_a", "Label_r_ctdcs_b", {"接收哑音", "RX QT/DQT"}},
    {"Label_t_ctdcs_a", "Label_t_ctdcs_b", {"发射哑音", "TX QT/DQT"}},
    {"Label_wn_a", "Label_wn_b", {"信道带宽", "W/N"}},
    {"Label_step_a", "Label_step_b", {"步进频率", "Step Frequency"}},
    {"Label_sft_d_a", "Label_sft_d_b", {"频差方向", "SFT_D"}},
    {"Label_Offset_A", "Label_Offset_B", {"频差频率", "Offset"}},
    {"Label_S_info_a", "Label_S_info_b", {"信令编码", "Signal Code"}},
    {"Label_Optsig_a", "Label_OptSig_b", {"可选信令", "Optional Signal"}},
    {"Label_Spmute_a", "Label_Spmute_b", {"信令关系", "Speak Mute"}},
};

constexpr Bilingual kMhz{"MHZ", "MHZ"};  // the unit labels keep their caption

constexpr double kRow = 360;  // twips from one settings row to the next
constexpr double kRightColumn = 3375;  // twips: the width of the right-hand frames

// The option file: the whole image in use.
constexpr int kFileLastRow = addr::kLastImageRowInUse;

EditorParts OptionParts() {
  EditorParts parts;
  parts.fileRequests = RequestPair::OptionsAndSignalling;
  parts.savedLabel = kFileSavedLabel;
  return parts;
}

}  // namespace

frm_option::frm_option(AppContext& context)
    : EditorWindow(context, FormId::frm_option, OptionParts()), editor_(context.state, context.messages) {
  for (const Caption& c : kCaptions) captions_.emplace(c.name, c.text);
  build();
  transfer_ = adoptTransfer(std::make_unique<OptionTransfer>(linkContext(), transferView()));
}

frm_option::~frm_option() = default;

void frm_option::place(QWidget* w, double left, double top, double width, double height) {
  w->setGeometry(twipsRect(left, top, width, height));
}

QGroupBox* frm_option::frame(const char* name, double left, double top, double width, double height, bool hidden) {
  auto* box = new QGroupBox(this);
  box->setObjectName(name);
  place(box, left, top, width, height);
  if (hidden) box->hide();
  widgets_[name] = box;
  return box;
}

QLabel* frm_option::label(QWidget* parent, const char* name, const Bilingual& caption, double left, double top,
                          double width, bool hidden) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  place(l, left, top + 30, width, 255);
  if (hidden) l->hide();
  captions_.emplace(name, caption);
  widgets_[name] = l;
  return l;
}

void frm_option::leaveRule(QWidget* widget, std::function<void()> leave) {
  onFocusOut(widget, [leave = std::move(leave)](Qt::FocusReason reason) {
    if (reason != Qt::PopupFocusReason) leave();
  });
}

void frm_option::combo(QWidget* parent, const std::string& name, double left, double top, double width,
                       bool editable) {
  PlainList& list = editor_.list(name);
  auto* box = new QComboBox(parent);
  box->setObjectName(Q(name));
  box->setEditable(editable);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(16);
  place(box, left, top, width);
  if (!list.visible()) box->hide();
  widgets_[name] = box;
  if (!editable) {
    BindList(box, list);
    DropTypedKeys(box);
    return;
  }
  // A tone list: typed text is filtered, taken when the list is left.
  BindTypedList(box, list, {.keys = [](char32_t typed) -> char32_t {
    return static_cast<unsigned char>(ToneKey(Ascii(typed)));
  }});
  leaveRule(box, [this, &list] { editor_.ToneLostFocus(list); });
}

void frm_option::checkBox(QWidget* parent, const std::string& name, const Bilingual& caption, double left,
                          double top, double width) {
  PlainCheckBox& check = editor_.check(name);
  auto* box = new QCheckBox(parent);
  box->setObjectName(Q(name));
  place(box, left, top, width);
  if (!check.visible()) box->hide();
  captions_.emplace(name, caption);
  widgets_[name] = box;
  BindCheck(box, check);
}

void frm_option::radio(QWidget* parent, const std::string& name, const Bilingual& caption, double left, double top,
                       double width) {
  auto* button = new QRadioButton(parent);
  button->setObjectName(Q(name));
  place(button, left, top, width);
  captions_.emplace(name, caption);
  widgets_[name] = button;
  BindOption(button, editor_.option(name));
}

void frm_option::lineEdit(QWidget* parent, const std::string& name, double left, double top, double width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(Q(name));
  place(edit, left, top, width);
  widgets_[name] = edit;
  if (name == "Text_chann_total") {
    BindText(edit, editor_.channelTotal());
    leaveRule(edit, [this] { editor_.Text_chann_total_LostFocus(); });
    return;
  }
  OptionEditor::Vfo& vfo = name == "Text_Freq_a" || name == "Text_Range_A" ? editor_.vfoA() : editor_.vfoB();
  if (name.rfind("Text_Range", 0) == 0) {
    BindText(edit, vfo.range);
    return;
  }
  BindText(edit, vfo.freq, {.keys = [&vfo](char32_t typed) -> char32_t {
    return FrequencyKey(vfo.freq.text(), Ascii(typed)) == 0 ? 0 : typed;
  }});
  leaveRule(edit, [this, &vfo] { editor_.FrequencyLostFocus(vfo); });
}

void frm_option::build() {
  // The layout's small dialog font, so every caption fits its place.
  QFont small = font();
  small.setPointSizeF(8);
  setFont(small);

  // Shown: two columns of two frames.
  QGroupBox* f1 = frame("Frame1", 120, 120, 3855, 2175, false);
  label(f1, "Label_Tot", captions_.at("Label_Tot"), 120, 240, 2220);
  combo(f1, "Combo_tot", 2400, 240, 1335);
  label(f1, "Label_Sql", captions_.at("Label_Sql"), 120, 240 + kRow, 2220);
  combo(f1, "Combo_sql", 2400, 240 + kRow, 1335);
  label(f1, "Label_Abr", captions_.at("Label_Abr"), -240, 240 + kRow, 2220, true);
  combo(f1, "Combo_abr", 2400, 240 + kRow, 1335);
  label(f1, "Label_voice", captions_.at("Label_voice"), 120, 240 + 2 * kRow, 2220);
  combo(f1, "Combo_voice", 2400, 240 + 2 * kRow, 1335);
  label(f1, "Label_Vox", captions_.at("Label_Vox"), 120, 240 + 3 * kRow, 2220);
  combo(f1, "Combo_vox", 2400, 240 + 3 * kRow, 1335);
  checkBox(f1, "Check_Autolk", captions_.at("Check_Autolk"), 120, 240 + 4 * kRow, 3615);

  // The right column is a little wider than the radio's own layout, so that
  // its longest caption and a list holding "1000" both fit our fonts.
  QGroupBox* f6 = frame("Frame6", 4200, 120, kRightColumn, 2295, false);
  checkBox(f6, "Check_radio", captions_.at("Check_radio"), 120, 240, 3015);
  checkBox(f6, "Check_Alarm_Sound", captions_.at("Check_Alarm_Sound"), 120, 240 + kRow, 3015);
  label(f6, "Label_Alarm_mode", captions_.at("Label_Alarm_mode"), 120, 240 + 2 * kRow, 1200);
  combo(f6, "Combo_AL_Mode", 1440, 240 + 2 * kRow, 1695);
  label(f6, "Label_roger", captions_.at("Label_roger"), 120, 240 + 3 * kRow, 1200);
  combo(f6, "Combo_roger", 1440, 240 + 3 * kRow, 1695);
  checkBox(f6, "Check_tdr", captions_.at("Check_tdr"), 120, 240 + 4 * kRow, 1200);
  combo(f6, "Combo_pri", 1440, 240 + 4 * kRow, 1695);

  QGroupBox* f5 = frame("Frame5", 120, 2400, 3855, 2415, false);
  label(f5, "Label_save", captions_.at("Label_save"), 120, 240, 1200);
  combo(f5, "Combo_save", 1440, 240, 1200);
  label(f5, "Label_Scan_rev", captions_.at("Label_Scan_rev"), 120, 240 + kRow, 1200);
  combo(f5, "Combo_sc_rev", 1440, 240 + kRow, 1200);
  checkBox(f5, "Check_Beep", captions_.at("Check_Beep"), 2760, 240 + kRow, 1000);
  label(f5, "Label_ptt_id", captions_.at("Label_ptt_id"), 120, 240 + 2 * kRow, 1200);
  combo(f5, "Combo_ptt_id", 1440, 240 + 2 * kRow, 1200);
  checkBox(f5, "Check_Lock", captions_.at("Check_Lock"), 2760, 240 + 2 * kRow, 1000);
  label(f5, "Label_Ptt_Lt", captions_.at("Label_Ptt_Lt"), 120, 240 + 3 * kRow, 1200);
  combo(f5, "Combo_ptt_lt", 1440, 240 + 3 * kRow, 1200);
  checkBox(f5, "Check_bcl", captions_.at("Check_bcl"), 2760, 240 + 3 * kRow, 1000);
  label(f5, "Label_Stdtmf", captions_.at("Label_Stdtmf"), 120, 240 + 4 * kRow, 3615);
  combo(f5, "Combo_dtmfst", 120, 240 + 5 * kRow, 3615);

  QGroupBox* band = frame("Frame_band", 4200, 2640, kRightColumn, 2175, false);
  const char* const bandRows[][2] = {{"Label_ste", "Combo_ste"},
                                     {"Label_rp_ste", "Combo_Rp_Ste"},
                                     {"Label_Rpt_RL", "Combo_RPT_RL"},
                                     {"Label_TX_Band", "Combo_Tdr_ab"}};
  for (int r = 0; r < 4; ++r) {
    label(band, bandRows[r][0], captions_.at(bandRows[r][0]), 120, 300 + r * kRow, 2325);
    combo(band, bandRows[r][1], 2445, 300 + r * kRow, 855);
  }
  // Stored hidden below and left of the frame's edge.
  const char* const hiddenRows[][2] = {{"Label_ponmsg", "Combo_ponmsg"},
                                       {"Label_wt_led", "Combo_wt_led"},
                                       {"Label_rx_led", "Combo_rx_led"},
                                       {"Label_tx_led", "Combo_tx_led"}};
  for (int r = 0; r < 4; ++r) {
    label(band, hiddenRows[r][0], captions_.at(hiddenRows[r][0]), -720, 2400 + (r % 2) * 120, 1800, true);
    combo(band, hiddenRows[r][1], 1200, 2400 + (r % 2) * 120, 855);
  }

  // Stored hidden: work mode, channel mode and the two VFOs.
  QGroupBox* mode = frame("Frame_Mode", 10800, 5640, 3855, 855, true);
  radio(mode, "Option_freq", captions_.at("Option_freq"), 120, 360, 1000);
  radio(mode, "Option_chann", captions_.at("Option_chann"), 1200, 360, 1000);
  label(mode, "Label_Cht", captions_.at("Label_Cht"), 2280, 360, 600);
  lineEdit(mode, "Text_chann_total", 2940, 360, 800);

  QGroupBox* chann = frame("Frame_Chann", 10920, 6720, 3855, 1575, true);
  checkBox(chann, "Check_chann_menu", captions_.at("Check_chann_menu"), 120, 240, 1150);
  checkBox(chann, "Check_chann_init", captions_.at("Check_chann_init"), 1320, 240, 1150);
  auto* syn = new QCheckBox(chann);  // no handler: it edits nothing
  syn->setObjectName("Check_chann_syn");
  place(syn, 2520, 240, 1200);
  syn->hide();
  widgets_["Check_chann_syn"] = syn;
  label(chann, "Label_MDF_A", captions_.at("Label_MDF_A"), 120, 240 + kRow, 1800);
  combo(chann, "Combo_MDF_A", 1980, 240 + kRow, 1755);
  label(chann, "Label_MDF_B", captions_.at("Label_MDF_B"), 120, 240 + 2 * kRow, 1800);
  combo(chann, "Combo_MDF_B", 1980, 240 + 2 * kRow, 1755);

  buildVfoFrame(frame("Frame_A", 10320, 7920, 3015, 4455, true), editor_.vfoA());
  buildVfoFrame(frame("Frame_B", 11040, 720, 3015, 4455, true), editor_.vfoB());

  auto button = [this](const char* name, double left, double top) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    place(b, left, top, 855, 495);
    widgets_[name] = b;
    return b;
  };
  defaultButton_ = button("Command_def", 4560, 5040);
  closeButton_ = button("Command_close", 6240, 5040);
  readButton_ = button("Command_read", 4320, 8520);
  writeButton_ = button("Command_Write", 5760, 8520);
  readButton_->hide();
  writeButton_->hide();
  connect(defaultButton_, &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(closeButton_, &QPushButton::clicked, this, [this] { Command_close_Click(); });
  connect(readButton_, &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(writeButton_, &QPushButton::clicked, this, [this] { Command_Write_Click(); });

  place(progressBar(), 120, 7920, 7575, 495);
  widgets_["ProgressBar1"] = progressBar();
  place(statusLabel(), 7800, 8040, 2415, 255);
  widgets_["Label_tr_count"] = statusLabel();
}

void frm_option::buildVfoFrame(QGroupBox* f, OptionEditor::Vfo& v) {
  const bool a = v.which == 'A';
  const char* const controls[][2] = {
      {"Text_Freq_a", "Text_Freq_b"},         {"Combo_Band_A", "Combo_Band_B"},
      {"Text_Range_A", "Text_Range_B"},       {"Combo_txp_a", "Combo_txp_b"},
      {"Combo_r_ctdcs_a", "Combo_r_ctdcs_b"}, {"Combo_t_ctdcs_a", "Combo_t_ctdcs_b"},
      {"Combo_wn_a", "Combo_wn_b"},           {"Combo_step_a", "Combo_step_b"},
      {"Combo_sft_d_a", "Combo_sft_d_b"},     {"Combo_Offset_A", "Combo_offset_b"},
      {"Combo_S_info_a", "Combo_S_info_b"},   {"Combo_Optsig_a", "Combo_OptSig_b"},
      {"Combo_Spmute_a", "Combo_Spmute_b"},
  };
  for (int r = 0; r < 13; ++r) {
    const double top = 240 + r * 320;
    const VfoRow& row = kVfoRows[r];
    const std::string name = controls[r][a ? 0 : 1];
    label(f, a ? row.labelA : row.labelB, row.caption, 120, top, 1100);
    if (name.rfind("Text_", 0) == 0)
      lineEdit(f, name, 1260, top, 1200);
    else
      combo(f, name, 1260, top, 1600, name.find("ctdcs") != std::string::npos);
  }
  label(f, a ? "Label28" : "Label33", kMhz, 2500, 240, 450);
  label(f, a ? "Label3" : "Label4", kMhz, 2500, 240 + 9 * 320, 450);
  v.range.viewChanged();
}

QWidget* frm_option::widget(const std::string& name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

void frm_option::setCaptions() {
  setWindowTitle(qtext(kWindowCaption));
  for (const auto& [name, caption] : captions_) {
    QWidget* w = widget(name);
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(qtext(caption));
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(qtext(caption));
  }
  const std::pair<const char*, Bilingual> frames[] = {{"Frame_band", kFrameBandCaption},
                                                      {"Frame_Mode", kFrameModeCaption},
                                                      {"Frame_Chann", kFrameChannCaption},
                                                      {"Frame_A", kFrameACaption},
                                                      {"Frame_B", kFrameBCaption}};
  for (const auto& [name, caption] : frames) static_cast<QGroupBox*>(widget(name))->setTitle(qtext(caption));
  defaultButton_->setText(qtext(kDefaultCaption));
  closeButton_->setText(qtext(kCloseCaption));
  readButton_->setText(qtext(kReadCaption));
  writeButton_->setText(qtext(kWriteCaption));
}

void frm_option::loadHandling() {
  setCaptions();
  const QSize main = host().mainWindowSize();
  placeCentred(QSize(static_cast<int>(main.width() / 2.0), static_cast<int>(main.height() / 1.7)));
  editor_.Form_Load();
  resetProgress();
  watchActivation([this] { Form_Activate(); });
}

void frm_option::unloadHandling() {
  EditorWindow::unloadHandling();
  editor_.Form_Unload();
}

void frm_option::Form_Activate() { editor_.Form_Activate(); }

void frm_option::Command_def_Click() {
  if (refuseChange()) return;
  resetProgress();
  editor_.RestoreDefaults();
}

void frm_option::Command_read_Click() {
  transfer_->read();
}

void frm_option::Command_Write_Click() {
  transfer_->write();
}

void frm_option::Command_close_Click() {
  if (!queryUnload()) return;
  FormHost& forms = host();
  if (!forms.unloadForm(FormId::frm_option)) return;
  // The option file's dialogs go with the window.
  forms.unloadForm(FormId::Form_open_menu);
  forms.unloadForm(FormId::Form_save_menu);
}

FileRead frm_option::readFile(const std::string& path) {
  return ReadTableRowsInto(state().MemImage, 0, kFileLastRow, path);
}

std::optional<std::string> frm_option::writeFile(const std::string& path) {
  return SaveTableRows(state().MemImage, 0, kFileLastRow, path);
}

}  // namespace brel::options

namespace brel {
void RegisterOptionEditor(FormHost& host) {
  host.registerForm(
      FormId::frm_option, [](AppContext& context) -> Form* { return new options::frm_option(context); },
      WindowData::MemoryImage);  // it edits the memory image
}
}  // namespace brel
