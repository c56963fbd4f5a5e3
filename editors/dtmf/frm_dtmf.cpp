#include "frm_dtmf.h"

#include <QApplication>

#include "default_contents.h"
#include "dtmf_texts.h"
#include "link_texts.h"
#include "plain_widgets.h"

namespace brel::dtmf {
namespace {

// Layout, in pixels.
constexpr int kRowHeight = 22;
constexpr int kFrameWidth = 560;
constexpr int kEncodeFrameHeight = 384;
constexpr int kRightColumn = 280;

}  // namespace

frm_dtmf::frm_dtmf(AppContext& context)
    : EditorWindow(context, FormId::frm_dtmf), editor_(context.state, context.messages) {
  buildEncodeFrame();
  buildHiddenFrames();

  auto button = [this](const char* name, int left, int top) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(left, top, 85, 28);
    return b;
  };
  const int right = 8 + kFrameWidth;
  defaultButton_ = button("Command_def", right - 2 * 85 - 10, 8 + kEncodeFrameHeight + 4);
  closeButton_ = button("Command_close", right - 85, 8 + kEncodeFrameHeight + 4);
  readButton_ = button("Command_read", right - 2 * 85 - 10, 8 + kEncodeFrameHeight + 36);
  writeButton_ = button("Command_Write", right - 85, 8 + kEncodeFrameHeight + 36);
  readButton_->hide();
  writeButton_->hide();

  progressBar()->setGeometry(8, 8 + kEncodeFrameHeight + 36, 250, 24);
  statusLabel()->setGeometry(8, 8 + kEncodeFrameHeight + 8, 250, 20);

  connect(defaultButton_, &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(closeButton_, &QPushButton::clicked, this, [this] { Command_close_Click(); });
  connect(readButton_, &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(writeButton_, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  transfer_ = adoptTransfer(std::make_unique<DtmfTransfer>(linkContext(), transferView()));
  bindControls();
}

frm_dtmf::~frm_dtmf() = default;

void frm_dtmf::buildEncodeFrame() {
  encodeFrame_ = new QGroupBox(this);
  encodeFrame_->setObjectName("Frame_encode");
  encodeFrame_->setGeometry(8, 4, kFrameWidth, kEncodeFrameHeight);
  encodeFrame_->hide();  // stored hidden; the load handling shows it

  auto label = [](QWidget* parent, const QString& name, int left, int top, int width) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(left, top, width, 18);
    return l;
  };
  label(encodeFrame_, "Label_encode_xh", 12, 22, 70);
  label(encodeFrame_, "Label_tx_encode", 90, 22, 150);
  for (int i = 0; i < addr::kDtmfGroupCount; ++i) {
    const int top = 44 + kRowHeight * i;
    QLabel* number = label(encodeFrame_, QString("Label_xh(%1)").arg(i), 12, top + 1, 50);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new QLineEdit(encodeFrame_);
    edit->setObjectName(QString("Text_tx_Encode(%1)").arg(i));
    edit->setGeometry(90, top, 150, kRowHeight - 2);
    groups_[static_cast<std::size_t>(i)] = edit;
  }

  auto list = [this](const char* name, int top) {
    auto* combo = new QComboBox(encodeFrame_);
    combo->setObjectName(name);
    combo->setGeometry(kRightColumn, top, 120, 24);
    // Drawn with an edit field, which only shows the choice (see BindList).
    combo->setEditable(true);
    combo->setMaxVisibleItems(15);
    return combo;
  };
  label(encodeFrame_, "Label_dtmf_ontime", kRightColumn, 26, 270);
  onTime_ = list("Combo_Enc_ys1", 46);
  label(encodeFrame_, "Label_dtmf_offtime", kRightColumn, 80, 270);
  offTime_ = list("Combo_Enc_ys2", 100);
  label(encodeFrame_, "Label_Group_code", kRightColumn, 134, 270);
  groupCall_ = list("Combo_Enc_qh", 154);
  groupCall_->setEnabled(false);  // stored disabled: the code is shown, never chosen

  aniFrame_ = new QGroupBox(encodeFrame_);
  aniFrame_->setObjectName("Frame_ANI_Code");
  aniFrame_->setGeometry(kRightColumn, 192, 260, 108);
  stateFrame_ = new QGroupBox(encodeFrame_);
  stateFrame_->setObjectName("Frame_State");
  stateFrame_->setGeometry(kRightColumn, 306, 260, 70);
  stateFrame_->hide();

  auto box = [](QWidget* parent, const char* name, int left, int top, int width) {
    auto* b = new QCheckBox(parent);
    b->setObjectName(name);
    b->setGeometry(left, top, width, 20);
    return b;
  };
  auto* ani = new QLineEdit(aniFrame_);
  ani->setObjectName(Def(CodeField::Ani).control);
  ani->setGeometry(12, 24, 120, kRowHeight);
  codes_[static_cast<std::size_t>(CodeField::Ani)] = ani;
  boxes_[static_cast<std::size_t>(FlagBox::PttP)] = box(aniFrame_, Def(FlagBox::PttP).control, 12, 54, 240);
  boxes_[static_cast<std::size_t>(FlagBox::PttS)] = box(aniFrame_, Def(FlagBox::PttS).control, 12, 78, 240);
  boxes_[static_cast<std::size_t>(FlagBox::RX)] = box(stateFrame_, Def(FlagBox::RX).control, 12, 22, 200);
  boxes_[static_cast<std::size_t>(FlagBox::Tx)] = box(stateFrame_, Def(FlagBox::Tx).control, 12, 44, 200);
}

void frm_dtmf::buildHiddenFrames() {
  auto label = [](QWidget* parent, const char* name, int left, int top, int width) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(left, top, width, 18);
    return l;
  };
  auto code = [this](QWidget* parent, CodeField f, int left, int top) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(Def(f).control);
    edit->setGeometry(left, top, 90, kRowHeight);
    codes_[static_cast<std::size_t>(f)] = edit;
  };

  const int decodeTop = 8 + kEncodeFrameHeight + 72;
  decodeFrame_ = new QGroupBox(this);
  decodeFrame_->setObjectName("Frame_Decode");
  decodeFrame_->setGeometry(8, decodeTop, kFrameWidth, 86);
  decodeFrame_->hide();
  const char* const decodeLabels[] = {"Label_xc", "Label_jt", "Label_bj", "Label_yy", "Label_yb", "Label_kj"};
  for (int k = 0; k < 6; ++k) {
    const int left = 12 + 180 * (k % 3);
    const int top = 24 + 30 * (k / 3);
    label(decodeFrame_, decodeLabels[k], left, top + 2, 80);
    code(decodeFrame_, static_cast<CodeField>(k), left + 82, top);
  }

  ctrlFrame_ = new QGroupBox(this);
  ctrlFrame_->setObjectName("Frame_Ctrl");
  ctrlFrame_->setGeometry(8, decodeTop + 92, kFrameWidth, 140);
  ctrlFrame_->hide();
  ctrlEnable_ = new QCheckBox(ctrlFrame_);
  ctrlEnable_->setObjectName("Check_Ctrl_En");
  ctrlEnable_->setGeometry(12, 22, 400, 20);
  label(ctrlFrame_, "Label_xcjtyyybkj_2", 240, 46, 310);
  label(ctrlFrame_, "Label_xcjtyyybkj_1", 240, 62, 310);
  const struct {
    const char* label;
    CodeField field;
    FlagBox first;
    int top;
  } rows[] = {{"Label_PID", CodeField::MID, FlagBox::M0, 84}, {"Label_SID", CodeField::SID, FlagBox::S0, 110}};
  for (const auto& row : rows) {
    label(ctrlFrame_, row.label, 12, row.top + 2, 120);
    code(ctrlFrame_, row.field, 136, row.top);
    for (int k = 0; k < kRightsCount; ++k) {
      const FlagBox b = static_cast<FlagBox>(static_cast<int>(row.first) + k);
      auto* check = new QCheckBox(ctrlFrame_);
      check->setObjectName(Def(b).control);
      check->setGeometry(250 + 60 * k, row.top + 2, 20, 20);
      boxes_[static_cast<std::size_t>(b)] = check;
    }
  }
}

void frm_dtmf::bindControls() {
  for (int i = 0; i < addr::kDtmfGroupCount; ++i) {
    QLineEdit* edit = groups_[static_cast<std::size_t>(i)];
    TypingRules rules;
    rules.keys = [this, i](char32_t ch) {
      editor_.groupKeyPress(i, ch);
      return ch;
    };
    rules.edited = [this, i](const std::string& text) { editor_.groupTextEdited(i, text); };
    BindText(edit, editor_.Text_tx_Encode[static_cast<std::size_t>(i)], std::move(rules));
    onFocusOut(edit, [this, i](Qt::FocusReason reason) {
      if (userMovedFocusWithin(reason)) editor_.leaveGroup(i);
    });
  }
  for (int f = 0; f < kCodeFieldCount; ++f) {
    QLineEdit* edit = codes_[static_cast<std::size_t>(f)];
    const CodeField field = static_cast<CodeField>(f);
    BindText(edit, editor_.code(field), {.keys = [this, field](char32_t ch) {
      return editor_.codeKeyPress(field, ch) ? ch : 0;
    }});
    watchLeave(edit, [this, field] { return editor_.leaveCode(field); });
  }
  for (int b = 0; b < kFlagBoxCount; ++b)
    BindCheck(boxes_[static_cast<std::size_t>(b)], editor_.box(static_cast<FlagBox>(b)));
  BindCheck(ctrlEnable_, editor_.Check_Ctrl_En);
  BindList(onTime_, editor_.Combo_Enc_ys1);
  BindList(offTime_, editor_.Combo_Enc_ys2);
  BindList(groupCall_, editor_.Combo_Enc_qh);
}

void frm_dtmf::loadHandling() {
  state().FormOpenFlags.DtmfFormOpen = -1;
  const QSize main = host().mainWindowSize();
  placeCentred(QSize(static_cast<int>(main.width() / 1.3), static_cast<int>(main.height() / 1.7)));
  encodeFrame_->show();
  setCaptions();
  editor_.FillDtmfCombos();
  for (int k = 0; k < addr::kDtmfGroupCount; ++k)
    findChild<QLabel*>(QString("Label_xh(%1)").arg(k))->setText(QString::number(k + 1));
  editor_.ShowDtmfSettings();

  // Losing the active place to another child window stores what is being
  // typed.
  watchActivation([this] { Form_Activate(); }, [this] { commitPendingEdit(); });
}

void frm_dtmf::setCaptions() {
  const std::int16_t language = state().LanguageFlag;
  const Qt::Alignment idAlignment = language != 0 ? Qt::AlignHCenter : Qt::AlignRight;
  for (const char* name : {"Label_PID", "Label_SID"})
    findChild<QLabel*>(name)->setAlignment(idAlignment | Qt::AlignVCenter);
  for (const Caption& caption : kCaptions) {
    const QString text = Q(Pick(language, caption.text));
    if (caption.control[0] == '\0') {
      setWindowTitle(text);
      continue;
    }
    QWidget* widget = findChild<QWidget*>(caption.control);
    if (auto* l = qobject_cast<QLabel*>(widget)) l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(widget)) b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(widget)) g->setTitle(text);
  }
}

void frm_dtmf::unloadHandling() {
  stopWatchingActivation();
  commitPendingEdit();
  EditorWindow::unloadHandling();
  state().FormOpenFlags.DtmfFormOpen = 0;
}

void frm_dtmf::commitPendingEdit() { editor_.commitPendingEdit(); }

void frm_dtmf::Form_Activate() { editor_.ShowDtmfSettings(); }

void frm_dtmf::Command_def_Click() {
  if (refuseChange()) return;
  LoadDtmfDefaults(state().MemImage);
  editor_.ShowDtmfSettings();
}

void frm_dtmf::Command_close_Click() {
  if (refuseWhileRunning()) return;
  host().unloadForm(FormId::frm_dtmf);
}

void frm_dtmf::Command_read_Click() {
  transfer_->read();
}

void frm_dtmf::Command_Write_Click() {
  if (!busy()) {
    dropPendingRetry();
    commitPendingEdit();  // the radio gets what was typed last
  }
  transfer_->write();
}

bool frm_dtmf::userMovedFocusWithin(Qt::FocusReason reason) const {
  switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
      break;
    default:
      return false;  // a message box, a popup, the window losing the focus, a focus given back
  }
  QWidget* next = QApplication::focusWidget();
  return next != nullptr && isAncestorOf(next);
}

}  // namespace brel::dtmf

namespace brel {
void RegisterDtmfEditor(FormHost& host) {
  host.registerForm(
      FormId::frm_dtmf, [](AppContext& context) -> Form* { return new dtmf::frm_dtmf(context); },
      WindowData::MemoryImage);  // it edits the memory image
}
}  // namespace brel
