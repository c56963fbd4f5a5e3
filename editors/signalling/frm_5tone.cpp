#include "frm_5tone.h"

#include <QSignalBlocker>

#include "plain_widgets.h"
#include "signalling_file.h"
#include "signalling_texts.h"

namespace brel::signalling {
namespace {

QString Indexed(const char* name, int i) { return QString("%1(%2)").arg(name).arg(i); }

constexpr std::array<const char*, kOptionKinds> kOptionNames{"Check_Disp", "Check_Led", "Check_Kz",
                                                             "Check_Ts",   "Check_zh0", "Check_zh1",
                                                             "Check_zh2",  "Check_zh3", "Check_zh4"};

}  // namespace

frm_5tone::frm_5tone(AppContext& context)
    : SignallingWindow(context, FormId::frm_5tone, kFiveToneExchange, RowsOf(context.state.FiveToneImage)),
      editor_(context.state, context.messages, sheet_) {
  build();
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { pageSelected(index); });
}

frm_5tone::~frm_5tone() { releaseGrids(); }

QComboBox* frm_5tone::list(QWidget* parent, const char* name, PlainList& plain) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  BindList(box, plain);
  return box;
}

void frm_5tone::build() {
  frames_ = {makeFrame("Frame_std"), makeFrame("Frame_encode"), makeFrame("Frame_Decode")};
  QGroupBox* stdFrame = frames_[0];
  QGroupBox* enc = frames_[1];
  QGroupBox* dec = frames_[2];

  standardsGrid_ = makeGrid(stdFrame, "MSF_Chann", sheet_.standards, editor_.standardRules());
  standardLabel_ = makeLabel(stdFrame, "Label_std_name");
  standardList_ = list(stdFrame, "Combo_stxh", sheet_.Combo_stxh);
  connect(standardList_, &QComboBox::currentIndexChanged, this, [this] { showSheet(); });
  for (int i = 0; i < 16; ++i) {
    codeLabels_[static_cast<std::size_t>(i)] = makeLabel(stdFrame, "");
    codeLabels_[static_cast<std::size_t>(i)]->setObjectName(Indexed("Label_code", i));
    codeLabels_[static_cast<std::size_t>(i)]->setText(Q(DigitToChar(i)));
    freqLabels_[static_cast<std::size_t>(i)] = makeLabel(stdFrame, "");
    freqLabels_[static_cast<std::size_t>(i)]->setObjectName(Indexed("Label_freq", i));
  }

  encodeGrid_ = makeGrid(enc, "MSF_Encode", sheet_.encode, editor_.encodeRules());
  PlainList* delayLists[] = {&sheet_.Combo_Enc_ys1, &sheet_.Combo_Enc_ys2, &sheet_.Combo_enc_ys3, &sheet_.Combo_Enc_ys4};
  constexpr std::array<const char*, 4> kDelayNames{"Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3", "Combo_Enc_ys4"};
  constexpr std::array<const char*, 4> kDelayLabels{"Label_enc_ys1", "Label_enc_ys2", "Label_enc_ys3", "Label_enc_ys4"};
  for (std::size_t i = 0; i < delays_.size(); ++i) {
    delays_[i] = list(enc, kDelayNames[i], *delayLists[i]);
    delayLabels_[i] = makeLabel(enc, kDelayLabels[i]);
  }

  decodeGrid_ = makeGrid(dec, "MSF_Decode", sheet_.decode, editor_.decodeRules());
  frameDecXx_ = new QGroupBox(dec);
  frameDecXx_->setObjectName("Frame_Dec_xx");
  constexpr std::array<const char*, 3> kFrameLabels{"Label_F1", "Label_F2", "Label_F3"};
  constexpr std::array<const char*, 4> kKindLabels{"Label_Disp", "Label_led", "Label_ctrl", "Label_Tishi"};
  for (std::size_t f = 0; f < 3; ++f) frameLabels_[f] = makeLabel(frameDecXx_, kFrameLabels[f]);
  for (std::size_t k = 0; k < 4; ++k) kindLabels_[k] = makeLabel(frameDecXx_, kKindLabels[k]);
  for (int d = 0; d < 5; ++d) {
    QLabel* l = makeLabel(frameDecXx_, "");
    l->setObjectName(Indexed("Label_zh", d));
    l->setText(QString::number(d + 1));
    digitLabels_[static_cast<std::size_t>(d)] = l;
  }
  groupLabel_ = makeLabel(frameDecXx_, "Label9");
  groupLabel_->setText(Q("组呼位"));
  groupLabel_->hide();
  for (std::size_t f = 0; f < 3; ++f)
    for (std::size_t k = 0; k < kOptionKinds; ++k) {
      auto* box = new QCheckBox(frameDecXx_);
      box->setObjectName(Indexed(kOptionNames[k], static_cast<int>(f)));
      BindCheck(box, sheet_.options[f][k]);
      options_[f][k] = box;
    }
  resetTime_ = list(dec, "Combo_Dec_Res_Time", sheet_.Combo_Dec_Res_Time);
  resetLabel_ = makeLabel(dec, "Label_Reset_time");
  // The reply options are stored hidden: nothing shows them.
  replyBack_ = new QCheckBox(Q(texts::kCheckDecBack), dec);
  replyBack_->setObjectName("Check_Dec_back");
  BindCheck(replyBack_, sheet_.Check_Dec_back);
  replyBcl_ = new QCheckBox(Q(texts::kCheckDecBcl), dec);
  replyBcl_->setObjectName("Check_Dec_Bcl");
  BindCheck(replyBcl_, sheet_.Check_Dec_Bcl);
  replyTime_ = list(dec, "Combo_Dec_Back_Time", sheet_.Combo_Dec_Back_Time);
  replyLabel_ = makeLabel(dec, "Label8");
  replyLabel_->setText(Q(texts::kLabel8));
  for (QWidget* w : std::initializer_list<QWidget*>{replyBack_, replyBcl_, replyTime_, replyLabel_}) w->hide();
}

void frm_5tone::setCaptions() {
  setWindowTitle(qtext(texts::kFiveCaption));
  {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const Bilingual& tab : {texts::kTabStandard, texts::kTabEncode, texts::kTabDecode}) tabs_->addTab(qtext(tab));
  }
  frames_[0]->setTitle(qtext(texts::kFrameStd));
  frames_[1]->setTitle(qtext(texts::kFiveFrameEncode));
  frames_[2]->setTitle(qtext(texts::kFiveFrameDecode));
  standardLabel_->setText(qtext(texts::kLabelStdName));
  const std::array<Bilingual, 4> delays{texts::kLabelEncYs1, texts::kLabelEncYs2, texts::kLabelEncYs3, texts::kLabelEncYs4};
  for (std::size_t i = 0; i < delays.size(); ++i) delayLabels_[i]->setText(qtext(delays[i]));
  const std::array<Bilingual, 3> frameNames{texts::kLabelF1, texts::kLabelF2, texts::kLabelF3};
  for (std::size_t f = 0; f < 3; ++f) frameLabels_[f]->setText(qtext(frameNames[f]));
  const std::array<Bilingual, 4> kinds{texts::kLabelDisp, texts::kLabelLed, texts::kLabelCtrl, texts::kLabelTishi};
  for (std::size_t k = 0; k < 4; ++k) kindLabels_[k]->setText(qtext(kinds[k]));
  resetLabel_->setText(qtext(texts::kFiveLabelReset));
}

void frm_5tone::layOut() {
  const QSize main = host().mainWindowSize();
  const QSize size(static_cast<int>(main.width() / 1.3), static_cast<int>(main.height() / 1.25));
  placeCentred(size);
  const int margin = twipsX(120);
  const int tabWidth = static_cast<int>(size.width() / 1.03) - 2 * margin;
  tabs_->setGeometry(margin, margin, tabWidth, twipsY(360));
  const int frameTop = margin + twipsY(360) + twipsY(200);
  const int frameHeight = twipsY(6100);
  for (QGroupBox* f : frames_) f->setGeometry(margin, frameTop, tabWidth, frameHeight);
  const int gridTop = twipsY(300);
  const int gridHeight = frameHeight - twipsY(420);

  const int stdWidth = static_cast<int>(tabWidth / 1.8);
  standardsGrid_->setGeometry(margin, gridTop, stdWidth, gridHeight);
  sizeColumns(standardsGrid_, stdWidth);
  const int right = 2 * margin + standardsGrid_->width() + twipsX(120);
  standardLabel_->setGeometry(right, gridTop, twipsX(1400), twipsY(300));
  standardList_->setGeometry(right + twipsX(1450), gridTop, twipsX(1500), twipsY(330));
  for (int i = 0; i < 16; ++i) {
    const int top = gridTop + twipsY(450) + (i % 8) * twipsY(320);
    const int left = right + (i / 8) * twipsX(1800);
    codeLabels_[static_cast<std::size_t>(i)]->setGeometry(left, top, twipsX(300), twipsY(300));
    freqLabels_[static_cast<std::size_t>(i)]->setGeometry(left + twipsX(350), top, twipsX(1200), twipsY(300));
  }

  const int encWidth = static_cast<int>(tabWidth / 1.6);
  encodeGrid_->setGeometry(margin, gridTop, encWidth, gridHeight);
  sizeColumns(encodeGrid_, encWidth);
  const int encRight = 2 * margin + encodeGrid_->width() + twipsX(120);
  for (std::size_t i = 0; i < delays_.size(); ++i) {
    const int top = gridTop + static_cast<int>(i) * twipsY(800);
    delayLabels_[i]->setGeometry(encRight, top, tabWidth - encRight - margin, twipsY(300));
    delays_[i]->setGeometry(encRight, top + twipsY(330), twipsX(1500), twipsY(330));
  }

  const int decWidth = static_cast<int>(tabWidth / 1.02);
  decodeGrid_->setGeometry(margin / 2, gridTop, decWidth, twipsY(4000));
  sizeColumns(decodeGrid_, decWidth);
  const int belowGrid = gridTop + twipsY(4000) + twipsY(100);
  const int boxesWidth = twipsX(7600);
  frameDecXx_->setGeometry(margin, belowGrid, boxesWidth, frameHeight - belowGrid - twipsY(80));
  // A column is as wide as its heading needs in the current language and font.
  int colWidth = twipsX(640);
  for (const QLabel* kind : kindLabels_) colWidth = std::max(colWidth, kind->sizeHint().width());
  const int firstCol = twipsX(900);
  for (std::size_t k = 0; k < 4; ++k)
    kindLabels_[k]->setGeometry(firstCol + static_cast<int>(k) * colWidth, twipsY(240), colWidth, twipsY(260));
  for (std::size_t d = 0; d < 5; ++d)
    digitLabels_[d]->setGeometry(firstCol + static_cast<int>(4 + d) * colWidth + twipsX(200), twipsY(240), colWidth,
                                 twipsY(260));
  groupLabel_->setGeometry(firstCol + 4 * colWidth, twipsY(20), colWidth * 3, twipsY(240));
  for (std::size_t f = 0; f < 3; ++f) {
    const int top = twipsY(540) + static_cast<int>(f) * twipsY(300);
    frameLabels_[f]->setGeometry(twipsX(100), top, twipsX(800), twipsY(260));
    for (std::size_t k = 0; k < kOptionKinds; ++k)
      options_[f][k]->setGeometry(firstCol + static_cast<int>(k) * colWidth + (k >= 4 ? twipsX(200) : 0), top,
                                  twipsX(300), twipsY(260));
  }
  const int reset = margin + boxesWidth + twipsX(200);
  resetLabel_->setGeometry(reset, belowGrid + twipsY(200), twipsX(2000), twipsY(300));
  resetTime_->setGeometry(reset, belowGrid + twipsY(550), twipsX(1500), twipsY(330));
  replyBack_->setGeometry(reset, belowGrid + twipsY(950), twipsX(2500), twipsY(300));
  replyBcl_->setGeometry(reset, belowGrid + twipsY(1250), twipsX(2500), twipsY(300));

  layOutCommon(frameTop + frameHeight + twipsY(150), size.width());
}

void frm_5tone::loadHandling() {
  frames_[0]->show();
  frames_[1]->hide();
  frames_[2]->hide();
  setCaptions();
  editor_.load();
  layOut();  // after the headings: the grids are sized to them
  startCommon();
  showSheet();
}

void frm_5tone::pageSelected(int index) {
  for (std::size_t i = 0; i < frames_.size(); ++i) frames_[i]->setVisible(static_cast<int>(i) == index);
  if (index == 2) editor_.decodePageShown();
  showSheet();
}

void frm_5tone::showSheet() {
  frameDecXx_->setTitle(Q(sheet_.decodeFrameCaption));
  for (std::size_t i = 0; i < freqLabels_.size(); ++i) freqLabels_[i]->setText(Q(sheet_.Label_freq[i]));
  replyLabel_->setEnabled(sheet_.label8Enabled);
}

void frm_5tone::showRead(std::span<const std::uint8_t> area) { editor_.DecodeFiveTone(area); }

FileRead frm_5tone::readFile(const std::string& path) {
  return ReadRowsInto(state().FiveToneImage, 0, FiveToneStageTable::kRows - 1, path, LoadSignalFile<FiveToneStageTable::kRows>);
}

void frm_5tone::showLoadedFile() {
  editor_.showStagedSet();
  showSheet();
}

std::optional<std::string> frm_5tone::save(const std::string& path) {
  return signalling::SaveSignalFile(state().FiveToneImage, path);
}

}  // namespace brel::signalling
