#include "form_type.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bilingual.h"
#include "model_table.h"
#include "numtext.h"
#include "platform.h"

namespace brel {

namespace {

constexpr Bilingual kCaption{"机型选择", "Model Select"};
constexpr Bilingual kEnter{"确 定", "Confirm"};
constexpr Bilingual kCancel{"取 消", "Cancel"};
constexpr Bilingual kLabel1{"机  型", "Model"};
constexpr double kRaiseTwips = 500;
constexpr int kListedTypes = 1;  // the list offers type 0 only


}  // namespace

std::string ModelLimitsText(std::int16_t lower, std::int16_t upper) {
  return NumberToText(lower) + "MHZ  " + "-  " + NumberToText(upper) + "MHZ";
}

std::string ModelNamePart(const std::string& name, int first) {
  const std::string trimmed = TrimBlanks(name);
  const std::size_t start = static_cast<std::size_t>(first - 1);
  return start >= trimmed.size() ? std::string() : trimmed.substr(start, 4);
}

Form_type::Form_type(AppContext& context) : Form(context, FormId::Form_type) {
  // Stored captions; the load replaces them.
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName("Frame1");
  Label1 = new QLabel(QStringLiteral("机  型："), Frame1);
  Label1->setObjectName("Label1");
  Combo_type = new QComboBox(Frame1);
  Combo_type->setObjectName("Combo_type");
  Combo_type->setEditable(true);
  Combo_type->setInsertPolicy(QComboBox::NoInsert);
  Combo_type->setCompleter(nullptr);
  Combo_type->lineEdit()->installEventFilter(this);
  Label_VHF = new QLabel(Frame1);
  Label_VHF->setObjectName("Label_VHF");
  Label_UHF = new QLabel(Frame1);
  Label_UHF->setObjectName("Label_UHF");
  Text_VHF = new QLineEdit(Frame1);
  Text_VHF->setObjectName("Text_VHF");
  Text_UHF = new QLineEdit(Frame1);
  Text_UHF->setObjectName("Text_UHF");
  Command_enter = new QPushButton(QStringLiteral("确 定"), this);
  Command_enter->setObjectName("Command_enter");
  Command_Cancel = new QPushButton(QStringLiteral("取 消"), this);
  Command_Cancel->setObjectName("Command_Cancel");
  for (QLabel* label : {Label1, Label_VHF, Label_UHF}) label->setTextFormat(Qt::PlainText);

  auto* grid = new QGridLayout(Frame1);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Combo_type, 0, 1);
  grid->addWidget(Label_VHF, 1, 0);
  grid->addWidget(Text_VHF, 1, 1);
  grid->addWidget(Label_UHF, 2, 0);
  grid->addWidget(Text_UHF, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command_enter);
  buttons->addWidget(Command_Cancel);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Frame1);
  outer->addLayout(buttons);

  connect(Combo_type, &QComboBox::currentIndexChanged, this, &Form_type::Combo_type_Click);
  connect(Combo_type->lineEdit(), &QLineEdit::textEdited, this, &Form_type::Combo_type_Change);
  connect(Command_enter, &QPushButton::clicked, this, &Form_type::Command_enter_Click);
  connect(Command_Cancel, &QPushButton::clicked, this, &Form_type::Command_Cancel_Click);
}

void Form_type::loadHandling() {
  setWindowTitle(qtext(kCaption));
  Command_enter->setText(qtext(kEnter));
  Command_Cancel->setText(qtext(kCancel));
  Label1->setText(qtext(kLabel1));

  const QSize client = host().clientSize();
  placeCentred(QSize(static_cast<int>(client.width() / 2.5), static_cast<int>(client.height() / 2.5)),
               twipsY(kRaiseTwips));

  {
    const QSignalBlocker quiet(Combo_type);
    Combo_type->clear();
    for (int i = 0; i < kListedTypes; ++i) Combo_type->addItem(Q(state().ModelNames[i]));
    Combo_type->setCurrentIndex(-1);
  }
  // Selecting the entry shows it, as a user's choice would.
  Combo_type->setCurrentIndex(state().ModelIndex);
  const int k = Combo_type->currentIndex();
  if (k >= 0) applyTypeLimits(k);
}

void Form_type::applyTypeLimits(int type) {
  const auto& row = state().ModelBandTable.at(static_cast<std::size_t>(type));
  state().VhfLower = row[0];
  state().VhfUpper = row[1];
  state().UhfLower = row[2];
  state().UhfUpper = row[3];
}

void Form_type::Combo_type_Click(int index) {
  if (index < 0 || index >= static_cast<int>(state().ModelNames.size())) return;
  const std::string& name = state().ModelNames[static_cast<std::size_t>(index)];
  const auto& row = state().ModelBandTable[static_cast<std::size_t>(index)];
  Label_VHF->setText(Q(ModelNamePart(name, 1)));
  Label_UHF->setText(Q(ModelNamePart(name, 6)));
  Text_VHF->setText(Q(ModelLimitsText(row[0], row[1])));
  Text_UHF->setText(Q(ModelLimitsText(row[2], row[3])));
}

void Form_type::Combo_type_Change() {
  // Only a paste or a deletion gets here (typed keys are dropped): the
  // text goes, and with it the selection.
  Combo_type->setFocus();
  Combo_type->setCurrentIndex(-1);
  Combo_type->setEditText(QString());
}

bool Form_type::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Combo_type->lineEdit() && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Every key that would type a character is dropped; keys without text
    // (arrows, Delete) keep their usual meaning.
    if (!key->text().isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return true;
  }
  return Form::eventFilter(watched, event);
}

void Form_type::Command_enter_Click() {
  int k = Combo_type->currentIndex();
  // With the selection gone (its text pasted over or deleted) the current
  // type stays in force.
  if (k < 0) k = state().ModelIndex;
  applyTypeLimits(k);
  state().ModelIndex = static_cast<std::int16_t>(k);
  context().panels.setPanelText(7, LowBandPanelText(state()));
  context().panels.setPanelText(8, HighBandPanelText(state()));
  host().unloadForm(FormId::Form_type);
}

void Form_type::Command_Cancel_Click() { host().unloadForm(FormId::Form_type); }

}  // namespace brel
