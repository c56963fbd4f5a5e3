#include "frm_adj_txp.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMetaObject>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "adj_texts.h"
#include "form_write_password.h"
#include "image_file.h"
#include "radio_charset.h"

namespace brel::adj {
namespace {

QString Indexed(const char* name, int i) { return QString("%1(%2)").arg(name).arg(i); }

// Rows of boxes stand close together, as the pages were drawn.
QGridLayout* CompactGrid(QWidget* frame) {
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(6);
  grid->setContentsMargins(8, 6, 8, 6);
  return grid;
}

// The space a frame's own children take (frames whose children are placed,
// not laid out).
QSize ChildrenExtent(QWidget* frame) {
  QRect used;
  for (QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (!child->isHidden()) used |= child->geometry();
  return QSize(used.right() + 10, used.bottom() + 10);
}

// The key a control's key limit sees: a character or Backspace; other keys
// (arrows, Delete, shortcuts such as Ctrl+A or Ctrl+V) pass untested.
std::optional<char32_t> LimitedKey(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  if (key->key() == Qt::Key_Backspace) return kBackspace;
  const QString text = key->text();
  if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return std::nullopt;
  return static_cast<char32_t>(text.toUcs4().value(0));
}

// The captions of the deviation page's lists, index 0 / index 1.
const char* ListCaption(ListSet set, int k) {
  switch (set) {
    case ListSet::DevVoice: return k == 0 ? "V 段话音调制度" : "U 段话音调制度";
    case ListSet::DevCtcss: return k == 0 ? "V 段模拟哑音" : " U 段模拟哑音";
    case ListSet::DevDcs: return k == 0 ? "V 段数字哑音" : " U 段数字哑音";
    case ListSet::RxVh: return "RDA1846音量粗调";
    case ListSet::RxVl: return "RDA1846音量细调";
    case ListSet::CkBw: return "哑音检测带宽";
    case ListSet::Pre: return k == 0 ? "预加重" : "去加重";
    case ListSet::Hpf: return "话音高通滤波器";
    case ListSet::Lpf: return "语音低通滤波器";
    case ListSet::Batt: break;
  }
  constexpr const char* kBattery[] = {"低电禁发", "低电提示", "显示 2 格", "满格显示", "超压禁发"};
  return kBattery[k];
}

EditorParts AdjParts() {
  EditorParts parts;
  parts.fileRequests = RequestPair::AlignmentFmAndChannels;
  parts.fileTexts = {kFileLoadedText, kFileSavedText, kTitlePromptUpper, kTitlePromptUpper};
  return parts;
}

}  // namespace

frm_Adj_Txp::frm_Adj_Txp(AppContext& context)
    : EditorWindow(context, FormId::frm_Adj_Txp, AdjParts()),
      editor_(context.state, context.messages) {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName("TabStrip1");
  for (const AdjPageInfo& page : AdjPages) {
    const int i = tabs_->addTab(Q(page.tabCaption));
    tabs_->setTabData(i, QString(page.tabKey));
  }

  frameFrame_ = groupBox("Frame_Frame", "", this);
  frameSql_ = groupBox("Frame_Sql", "静噪等级", this);
  frameDev_ = groupBox("Frame_Dev", "调制、音量", this);
  frameOther_ = groupBox("Frame_Other", "频率范围限制", this);
  buildPowerPage();
  buildSquelchPage();
  buildDeviationPage();
  buildOtherPage();

  const std::pair<const char*, const char*> buttons[] = {
      {"Command_read", kReadCaption}, {"Command_Write", kWriteCaption}, {"Command_def", kDefaultCaption},
      {"Command_open", kOpenCaption}, {"Command_save", kSaveCaption},  {"Command_close", kCloseCaption}};
  int left = 300;
  for (const auto& [name, caption] : buttons) {
    auto* b = new QPushButton(Q(caption), this);
    b->setObjectName(name);
    b->setProperty("twipsLeft", left);
    left += 1100;
  }
  // The defaults are not offered in this release.
  button("Command_def")->setEnabled(false);
  connect(button("Command_read"), &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(button("Command_Write"), &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  connect(button("Command_def"), &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(button("Command_open"), &QPushButton::clicked, this, [this] { Command_open_Click(); });
  connect(button("Command_save"), &QPushButton::clicked, this, [this] { Command_save_Click(); });
  connect(button("Command_close"), &QPushButton::clicked, this, [this] { Command_close_Click(); });

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { selectPage(index); });
}

frm_Adj_Txp::~frm_Adj_Txp() {
  // The controls outlive these members by a moment; they are not watched then.
  for (auto& [control, limit] : keyLimits_) control->removeEventFilter(this);
}

// --- building the pages -------------------------------------------------------------------

QGroupBox* frm_Adj_Txp::groupBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QLabel* frm_Adj_Txp::label(const QString& name, const QString& caption, QWidget* parent) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(name);
  return l;
}

QLineEdit* frm_Adj_Txp::addNumberBox(NumberSet set, int i, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(Indexed(NumberSetName(set), i));
  box->setFixedWidth(box->fontMetrics().horizontalAdvance("00000") + 12);
  numbers_[set].push_back(box);
  connect(box, &QLineEdit::textEdited, this, [this, set, i] { numberEdited(set, i); });
  return box;
}

QComboBox* frm_Adj_Txp::addList(ListSet set, int k, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(Indexed(ListSetName(set), k));
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combo->setMinimumContentsLength(3);
  lists_[set].push_back(combo);
  // Lists change by a choice only: typed characters choose nothing.
  keyLimits_[combo] = [](char32_t) { return false; };
  combo->installEventFilter(this);
  connect(combo, &QComboBox::activated, this, [this, set, k](int entry) {
    if (!changeRefused()) editor_.listChosen(set, k, entry);
  });
  return combo;
}

QLineEdit* frm_Adj_Txp::addTextBox(TextField field, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(TextFieldName(field));
  texts_[field] = box;
  keyLimits_[box] = [box, field](char32_t key) { return TextKeyAccepted(field, box->text().toStdString(), key); };
  // Leaving a text box shows what its field now holds.
  leaveRule(box, [this] { ShowAdjPage(); });
  box->installEventFilter(this);
  connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
    if (!changeRefused()) editor_.textEdited(field, text.toStdString());
  });
  return box;
}

void frm_Adj_Txp::buildPowerPage() {
  for (int b = 0; b < 2; ++b) {
    frameB0_[b] = groupBox("", "", frameFrame_);
    frameB0_[b]->setObjectName(Indexed("Frame_B0", b));
  }
  auto* grid0 = CompactGrid(frameB0_[0]);
  for (int i = 0; i < 14; ++i) {
    label1_.push_back(label(Indexed("Label1", i), "", frameB0_[0]));
    grid0->addWidget(label1_.back(), i, 0);
    grid0->addWidget(addNumberBox(NumberSet::Text1, i, frameB0_[0]), i, 1);
  }
  auto* grid1 = CompactGrid(frameB0_[1]);
  for (int i = 0; i < 25; ++i) {
    const int row = i < 15 ? i : i - 15;
    const int col = i < 15 ? 0 : 2;
    labelUhf_.push_back(label(Indexed("Label_UHF", i), "", frameB0_[1]));
    grid1->addWidget(labelUhf_.back(), row, col);
    grid1->addWidget(addNumberBox(NumberSet::Text2, i, frameB0_[1]), row, col + 1);
  }
}

void frm_Adj_Txp::buildSquelchPage() {
  frameSqlVhf_ = groupBox("Frame_SQL_VHF", kSqlVhfCaption, frameSql_);
  frameSqlUhf_ = groupBox("Frame_Sql_UHF", "", frameSql_);
  auto headings = [this](QGridLayout* grid, QWidget* parent, int col) {
    int c = col;
    for (const char* h : {"级别", "打开值", "频点", "补偿值"}) grid->addWidget(label("", Q(h), parent), 0, c++);
  };
  auto* vhf = CompactGrid(frameSqlVhf_);
  headings(vhf, frameSqlVhf_, 0);
  for (int i = 0; i < 10; ++i) {
    vhf->addWidget(label(Indexed("Label_Sql_VHF", i), QString::number(i), frameSqlVhf_), i + 1, 0);
    vhf->addWidget(addNumberBox(NumberSet::SqVhf, i, frameSqlVhf_), i + 1, 1);
    labelSqOffsetVhf_.push_back(label(Indexed("Label_Sq_Offset_Vhf", i), "", frameSqlVhf_));
    vhf->addWidget(labelSqOffsetVhf_.back(), i + 1, 2);
    vhf->addWidget(addNumberBox(NumberSet::SqOffsetVhf, i, frameSqlVhf_), i + 1, 3);
  }
  auto* uhf = CompactGrid(frameSqlUhf_);
  headings(uhf, frameSqlUhf_, 0);
  uhf->addWidget(label("", "频点", frameSqlUhf_), 0, 4);
  uhf->addWidget(label("", "补偿值", frameSqlUhf_), 0, 5);
  for (int i = 0; i < 10; ++i) {
    uhf->addWidget(label(Indexed("Label_Sql_UHF", i), QString::number(i), frameSqlUhf_), i + 1, 0);
    uhf->addWidget(addNumberBox(NumberSet::SqUhf, i, frameSqlUhf_), i + 1, 1);
  }
  for (int i = 0; i < 13; ++i) {
    const int row = i < 10 ? i + 1 : i - 9;
    const int col = i < 10 ? 2 : 4;
    labelSqOffsetUhf_.push_back(label(Indexed("Label_Sq_Offset_UHF", i), "", frameSqlUhf_));
    uhf->addWidget(labelSqOffsetUhf_.back(), row, col);
    uhf->addWidget(addNumberBox(NumberSet::SqOffsetUhf, i, frameSqlUhf_), row, col + 1);
  }
}

void frm_Adj_Txp::buildDeviationPage() {
  auto* page = new QHBoxLayout(frameDev_);
  QGroupBox* tx = groupBox("Frame_Tx", "发射参数", frameDev_);
  QGroupBox* rx = groupBox("Frame_Rx", "接收参数", frameDev_);
  page->addWidget(tx);
  page->addWidget(rx);
  auto* txGrid = CompactGrid(tx);
  auto* rxGrid = CompactGrid(rx);
  auto add = [this](QGridLayout* grid, QWidget* parent, ListSet set, int k, int row, int col) {
    QLabel* caption = label(set == ListSet::CkBw ? Indexed("Label17", k) : QString(), Q(ListCaption(set, k)), parent);
    QComboBox* combo = addList(set, k, parent);
    grid->addWidget(caption, row, col);
    grid->addWidget(combo, row, col + 1);
    if (set == ListSet::CkBw) {
      // The detection bandwidth is never offered.
      caption->hide();
      combo->hide();
    }
  };
  int row = 0;
  for (ListSet set : {ListSet::DevVoice, ListSet::DevCtcss, ListSet::DevDcs}) {
    add(txGrid, tx, set, 0, row, 0);
    add(txGrid, tx, set, 1, row, 2);
    ++row;
  }
  for (ListSet set : {ListSet::Pre, ListSet::Hpf, ListSet::Lpf, ListSet::CkBw}) {
    add(txGrid, tx, set, 0, row++, 0);
  }
  row = 0;
  for (ListSet set : {ListSet::Pre, ListSet::Hpf, ListSet::Lpf, ListSet::CkBw}) add(rxGrid, rx, set, 1, row++, 0);
  rxGrid->addWidget(label("", "宽带输出音量", rx), row, 0);
  rxGrid->addWidget(label("", "窄带输出音量", rx), row++, 2);
  for (ListSet set : {ListSet::RxVh, ListSet::RxVl}) {
    add(rxGrid, rx, set, 0, row, 0);
    add(rxGrid, rx, set, 1, row, 2);
    ++row;
  }
}

void frm_Adj_Txp::buildOtherPage() {
  auto* page = new QGridLayout(frameOther_);

  auto* ranges = new QGroupBox(frameOther_);
  ranges->setObjectName("Frame_Range");
  auto* rangeGrid = CompactGrid(ranges);
  int c = 0;
  for (const char* h : {"频段", "最大工作频率范围(MHZ)", "", "限制工作频率范围(MHZ)", "", "发射允许 "})
    rangeGrid->addWidget(label("", Q(h), ranges), 0, c++);
  for (int b = 0; b < 2; ++b) {
    labelF_[b] = label(b == 0 ? "Label_F0" : "Label_F1", "", ranges);
    rangeGrid->addWidget(labelF_[b], b + 1, 0, 1, 2);
    rangeGrid->addWidget(label("", "从", ranges), b + 1, 2);
    for (int upper = 0; upper < 2; ++upper) {
      auto* box = new QLineEdit(ranges);
      box->setObjectName(Indexed(upper ? "Text_Freq_H" : "Text_Freq_L", b));
      band_[b][upper] = box;
      keyLimits_[box] = [box](char32_t) { return BandKeyAccepted(box->text().toStdString()); };
      leaveRule(box, [this, b, upper] { bandBoxLeft(b, upper != 0); });
      box->installEventFilter(this);
      rangeGrid->addWidget(box, b + 1, upper ? 5 : 3);
    }
    rangeGrid->addWidget(label("", "到", ranges), b + 1, 4);
    checkTx_[b] = new QCheckBox(ranges);
    checkTx_[b]->setObjectName(Indexed("Check_Tx", b));
    checkTx_[b]->setEnabled(false);
    rangeGrid->addWidget(checkTx_[b], b + 1, 6);
  }
  page->addWidget(ranges, 0, 0, 1, 2);

  QGroupBox* variants = groupBox("Frame_Band", "工作频段", frameOther_);
  auto* variantBox = new QVBoxLayout(variants);
  for (int v = 0; v < kVariantCount; ++v) {
    options_[v] = new QRadioButton(Q(AdjVariantTable[static_cast<std::size_t>(v)].caption), variants);
    options_[v]->setObjectName(AdjVariantTable[static_cast<std::size_t>(v)].optionName);
    variantBox->addWidget(options_[v]);
    connect(options_[v], &QRadioButton::clicked, this, [this, v] { optionClicked(v); });
  }
  page->addWidget(variants, 1, 0);

  auto* frame480 = new QGroupBox(frameOther_);
  frame480->setObjectName("Frame_480");
  check480_ = new QCheckBox(Q("480  兆以上允许发射"), frame480);
  check480_->setObjectName("Check_480TX_Stop");
  (new QVBoxLayout(frame480))->addWidget(check480_);
  connect(check480_, &QCheckBox::clicked, this, [this](bool checked) {
    if (!changeRefused()) editor_.check480Clicked(checked);
  });
  page->addWidget(frame480, 2, 0);

  auto* battery = new QGroupBox(frameOther_);
  battery->setObjectName("Frame_Batt");
  auto* batteryGrid = CompactGrid(battery);
  for (int k = 0; k < 5; ++k) {
    batteryGrid->addWidget(label(Indexed("Label_batt", k), Q(ListCaption(ListSet::Batt, k)), battery), k, 0);
    QComboBox* combo = addList(ListSet::Batt, k, battery);
    combo->setEnabled(false);
    batteryGrid->addWidget(combo, k, 1);
  }
  page->addWidget(battery, 1, 1, 2, 1);

  auto textFrame = [this, page](const char* name, const char* caption, std::initializer_list<TextField> fields,
                                int row, int col) {
    QGroupBox* frame = groupBox(name, Q(caption), frameOther_);
    auto* layout = CompactGrid(frame);
    int i = 0;
    for (TextField f : fields) {
      if (f == TextField::PasswordUser) layout->addWidget(label("Label_User", "用户密码", frame), 0, i);
      if (f == TextField::PasswordSuper) layout->addWidget(label("Label_Super", "超级密码", frame), 0, i);
      layout->addWidget(addTextBox(f, frame), 1, i++);
    }
    page->addWidget(frame, row, col);
    return frame;
  };
  // The power-on text and the passwords are kept but never shown.
  textFrame("Frame_PON", "开机自定显示字符", {TextField::PonU, TextField::PonD}, 3, 0)->hide();
  textFrame("Frame_Info", "本机厂方信息", {TextField::Info0, TextField::Info1}, 3, 0);
  textFrame("Frame_PassWord", "读写频密码设置", {TextField::PasswordUser, TextField::PasswordSuper}, 4, 0)->hide();
  textFrame("Frame_Ver", "本机软件版本号", {TextField::SoftVer}, 3, 1);
  texts_.at(TextField::SoftVer)->setEnabled(false);
}

// --- load, layout and display -----------------------------------------------------------------

void frm_Adj_Txp::loadHandling() {
  const QSize main = host().mainWindowSize();
  size_ = QSize(static_cast<int>(main.width() / 1.48), static_cast<int>(main.height() / 1.2));
  tabs_->setGeometry(twipsX(300), twipsY(150), size_.width() - twipsX(600), twipsY(400));
  editor_.load();
  resetProgress();
  LayoutAdjForVariant();
  {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(0);
  }
  selectPage(0);
  // The window's frame and title bar come on top of what the pages need.
  placeCentred(size_.expandedTo(neededSize() + QSize(16, 40)));
  startFilePolling();
}

void frm_Adj_Txp::LayoutAdjForVariant() {
  const AdjVariant& v = editor_.variant();
  for (int i = 0; i < kVariantCount; ++i) {
    const QSignalBlocker block(options_[i]);
    options_[i]->setChecked(i == state().AdjBandVariant);
  }
  frameB0_[0]->setTitle(Q(v.frameB0));
  frameB0_[1]->setTitle(Q(v.frameB1));
  frameSqlUhf_->setTitle(Q(v.frameB1));
  labelF_[0]->setText(Q(v.labelF0));
  labelF_[1]->setText(Q(v.labelF1));
  for (int upper = 0; upper < 2; ++upper) band_[1][upper]->setEnabled(v.band1RangeEnabled);

  for (int i = 0; i < 14; ++i) {
    label1_[static_cast<std::size_t>(i)]->setText(Q(Band0PointLabel(v, i)));
    QLineEdit* box = numberBox(NumberSet::Text1, i);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Band0PointMarked(v, i) ? palette.color(QPalette::HighlightedText)
                                                            : this->palette().color(QPalette::Base));
    box->setPalette(palette);
    box->setProperty("marked", Band0PointMarked(v, i));
  }
  for (int i = 0; i < 25; ++i) {
    labelUhf_[static_cast<std::size_t>(i)]->setText(Q(Band1PointLabel(v, i)));
    const bool shown = i < v.band1PowerPoints;
    labelUhf_[static_cast<std::size_t>(i)]->setVisible(shown);
    numberBox(NumberSet::Text2, i)->setVisible(shown);
  }

  frameB0_[0]->setVisible(v.band0Shown);
  frameSqlVhf_->setVisible(v.band0Shown);
  frameB0_[1]->setVisible(v.band1Shown);
  frameSqlUhf_->setVisible(v.band1Shown);

  for (int i = 0; i < 10; ++i) labelSqOffsetVhf_[static_cast<std::size_t>(i)]->setText(Q(SqlOffsetVhfLabel(i)));
  for (int i = 0; i < 13; ++i) {
    labelSqOffsetUhf_[static_cast<std::size_t>(i)]->setText(Q(SqlOffsetUhfLabel(v, i)));
    const bool shown = i < v.band1CompPoints;
    labelSqOffsetUhf_[static_cast<std::size_t>(i)]->setVisible(shown);
    numberBox(NumberSet::SqOffsetUhf, i)->setVisible(shown);
  }

  fitFrames();

  for (ListSet set : kListSets) {
    QStringList entries;
    for (const std::string& e : ListEntries(set)) entries << Q(e);
    for (QComboBox* combo : lists_.at(set)) {
      const QSignalBlocker block(combo);
      combo->clear();
      combo->addItems(entries);
      combo->setCurrentIndex(-1);
    }
  }
}

void frm_Adj_Txp::fitFrames() {
  const AdjVariant& v = editor_.variant();
  for (QGroupBox* f : {frameB0_[0], frameB0_[1], frameSqlVhf_, frameSqlUhf_}) f->adjustSize();
  // Band 1 stands right of band 0, or in its place when the radio has no
  // band 0; never over it.
  const int top = twipsY(400);
  frameB0_[0]->move(twipsX(300), top);
  frameSqlVhf_->move(twipsX(300), top);
  frameB0_[1]->move(v.band0Shown ? std::max(twipsX(2600), frameB0_[0]->geometry().right() + 8) : twipsX(300), top);
  frameSqlUhf_->move(v.band0Shown ? std::max(twipsX(4000), frameSqlVhf_->geometry().right() + 8) : twipsX(300), top);

  // The page frames have their given sizes, or more where their fields need it.
  const QPoint at(twipsX(300), twipsY(600));
  const double w = size_.width();
  const double h = size_.height();
  frameFrame_->setGeometry(QRect(at, QSize(static_cast<int>(w / 1.1), static_cast<int>(w / 2)).expandedTo(ChildrenExtent(frameFrame_))));
  frameSql_->setGeometry(QRect(at, QSize(static_cast<int>(w / 1.1), static_cast<int>(h / 2)).expandedTo(ChildrenExtent(frameSql_))));
  frameDev_->setGeometry(QRect(at, QSize(static_cast<int>(w / 1.6), static_cast<int>(h / 1.8)).expandedTo(frameDev_->sizeHint())));
  frameOther_->setGeometry(QRect(at, QSize(static_cast<int>(w / 1.4), static_cast<int>(h / 2)).expandedTo(frameOther_->sizeHint())));

  // Progress and buttons below the tallest page.
  int bottom = 0;
  for (QGroupBox* f : {frameFrame_, frameSql_, frameDev_, frameOther_}) bottom = std::max(bottom, f->geometry().bottom());
  const int progressTop = bottom + twipsY(200);
  progressBar()->setGeometry(twipsX(300), progressTop, static_cast<int>(w / 2), twipsY(300));
  statusLabel()->setGeometry(static_cast<int>(w / 2) + twipsX(600), progressTop, static_cast<int>(w / 3), twipsY(300));
  const int buttonTop = progressTop + twipsY(500);
  for (QPushButton* b : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
    b->setGeometry(twipsX(b->property("twipsLeft").toInt()), buttonTop, twipsX(1000), twipsY(400));

  // A window already shown grows when a variant needs more room.
  if (QWidget* frame = parentWidget(); frame != nullptr && isVisible()) {
    const QSize grow = (neededSize() - size()).expandedTo(QSize(0, 0));
    if (grow.width() > 0 || grow.height() > 0) frame->resize(frame->size() + grow);
  }
}

QSize frm_Adj_Txp::neededSize() const {
  int right = 0;
  for (QGroupBox* f : {frameFrame_, frameSql_, frameDev_, frameOther_}) right = std::max(right, f->geometry().right());
  const QPushButton* last = findChild<QPushButton*>("Command_close");
  return QSize(std::max(right, last->geometry().right()) + twipsX(300), last->geometry().bottom() + twipsY(300));
}

void frm_Adj_Txp::selectPage(int page) {
  if (page < 0 || page >= kPageCount) return;
  if (!editor_.selectTab(tabs_->tabData(page).toString().toStdString())) return;
  const AdjPageInfo& info = AdjPages[static_cast<std::size_t>(page)];
  setWindowTitle(Q(info.windowCaption));
  if (page < 2) frameFrame_->setTitle(Q(info.windowCaption));
  frameFrame_->setVisible(page < 2);
  frameSql_->setVisible(page == 2);
  frameDev_->setVisible(page == 3);
  frameOther_->setVisible(page == 4);
  ShowAdjPage();
}

void frm_Adj_Txp::showList(ListSet set, int k) {
  QComboBox* combo = list(set, k);
  const ListShown shown = ShowList(state().AdjImage, set, k);
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(shown.entry);
  combo->setPlaceholderText(shown.entry < 0 ? Q(shown.text) : QString());
}

void frm_Adj_Txp::ShowAdjPage() {
  const AdjTable& image = state().AdjImage;
  const int page = editor_.AdjPage;
  for (NumberSet set : kNumberSets) {
    if (!NumberOnPage(set, page)) continue;
    for (int i = 0; i < NumberSetSize(set); ++i) {
      const Cell cell = NumberCell(set, i, page);
      numberBox(set, i)->setText(QString::number(image.at(cell.row, cell.col)));
    }
  }
  if (page == 3) {
    for (ListSet set : kListSets)
      if (set != ListSet::Batt)
        for (int k = 0; k < 2; ++k) showList(set, k);
  }
  if (page == 4) {
    for (int b = 0; b < 2; ++b) {
      for (int upper = 0; upper < 2; ++upper) band_[b][upper]->setText(Q(ShowBandLimit(image, b, upper != 0)));
      checkTx_[b]->setChecked(ShowCheckTx(image, b));
    }
    check480_->setChecked(ShowCheck480(image));
    for (int k = 0; k < 5; ++k) showList(ListSet::Batt, k);
    for (TextField field : kTextFields) texts_.at(field)->setText(Q(ShowText(image, field)));
  }
}

// --- user edits ------------------------------------------------------------------------------------

bool frm_Adj_Txp::changeRefused() {
  if (!refuseChange()) return false;
  LayoutAdjForVariant();
  ShowAdjPage();
  return true;
}

void frm_Adj_Txp::numberEdited(NumberSet set, int i) {
  if (changeRefused()) return;
  QLineEdit* box = numberBox(set, i);
  if (auto reset = editor_.numberEdited(set, i, box->text().toStdString())) {
    box->setText(Q(*reset));
    if (box->isVisible()) box->setFocus();
  }
}

void frm_Adj_Txp::bandBoxLeft(int band, bool upper) {
  QLineEdit* box = bandBox(band, upper);
  // Only what the user typed is checked and stored.
  if (!box->isModified() || changeRefused()) return;
  std::array<std::array<std::string, 2>, 2> texts;
  for (int b = 0; b < 2; ++b)
    for (int u = 0; u < 2; ++u) texts[static_cast<std::size_t>(b)][static_cast<std::size_t>(u)] = band_[b][u]->text().toStdString();
  const AdjEditor::BandOutcome out = editor_.bandLimitLeft(band, upper, texts);
  if (!out.accepted) {
    box->setText(Q(out.resetText));
    // The shown limit is checked and stored when the box is left again.
    box->setModified(true);
    box->setFocus();
    return;
  }
  if (out.copyToBand1)
    for (int u = 0; u < 2; ++u) band_[1][u]->setText(band_[0][u]->text());
  for (int b = 0; b < 2; ++b)
    for (int u = 0; u < 2; ++u) band_[b][u]->setModified(false);
}

void frm_Adj_Txp::optionClicked(int variant) {
  if (changeRefused()) return;
  editor_.applyBandVariant(variant);
  LayoutAdjForVariant();
  ShowAdjPage();
}

bool frm_Adj_Txp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto limit = keyLimits_.find(watched);
    if (limit != keyLimits_.end()) {
      const auto key = LimitedKey(static_cast<QKeyEvent*>(event));
      if (key && (!limit->second(*key) || changeRefused())) return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void frm_Adj_Txp::leaveRule(QWidget* box, std::function<void()> left) {
  onFocusOut(box, [this, left = std::move(left)](Qt::FocusReason) {
    // A message shown while leaving takes the focus again: one leave at a time.
    if (leaving_) return;
    leaving_ = true;
    left();
    leaving_ = false;
  });
}

// --- commands -------------------------------------------------------------------------------------

AdjTransfer* frm_Adj_Txp::ensureTransfer() {
  if (!transfer_)
    transfer_ = adoptTransfer(std::make_unique<AdjTransfer>(linkContext(), transferView()));
  return transfer_;
}

void frm_Adj_Txp::Command_read_Click() {
  ensureTransfer()->read();
}

void frm_Adj_Txp::Command_Write_Click() {
  ensureTransfer()->write();
}

void frm_Adj_Txp::Command_def_Click() {
  if (refuseChange()) return;
  resetProgress();
  BuildAdjDefaults(state(), SystemClock());
  editor_.loadDefaults();
  ShowAdjPage();
}

void frm_Adj_Txp::LoadAdjDefaults2() {
  if (refuseChange()) return;
  resetProgress();
  BuildAdjDefaults2(state());
  editor_.loadDefaults();
  ShowAdjPage();
}

void frm_Adj_Txp::Command_open_Click() { showFileDialog(FormId::Form_open_adj); }
void frm_Adj_Txp::Command_save_Click() { showFileDialog(FormId::Form_save_adj); }

void frm_Adj_Txp::Command_close_Click() { host().unloadForm(formId()); }

void frm_Adj_Txp::unloadHandling() {
  EditorWindow::unloadHandling();
  host().unloadForm(FormId::Form_open_adj);
  host().unloadForm(FormId::Form_save_adj);
}

FileRead frm_Adj_Txp::readFile(const std::string& path) {
  return ReadTableRowsInto(state().AdjImage, 0, kEditedRows - 1, path);
}

std::optional<std::string> frm_Adj_Txp::writeFile(const std::string& path) {
  return SaveTableRows(state().AdjImage, 0, kEditedRows - 1, path);
}

}  // namespace brel::adj

namespace brel {

void RegisterAlignmentEditor(FormHost& host) {
  host.registerForm(FormId::frm_Adj_Txp, [](AppContext& context) { return new adj::frm_Adj_Txp(context); });
  host.registerForm(FormId::Form_Write_PassWord,
                    [](AppContext& context) { return new adj::Form_Write_PassWord(context); });
}

}  // namespace brel
