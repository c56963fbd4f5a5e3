#include "frm_2tone.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "plain_widgets.h"
#include "signalling_file.h"
#include "signalling_texts.h"

namespace brel::signalling {
namespace {

constexpr std::array<const char*, 3> kTimingNames{"Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3"};
constexpr std::array<const char*, 3> kTimingLabelNames{"Label_1st", "Label_2nd", "Label_gap"};
constexpr std::array<const char*, 4> kToneNames{"Text_A", "Text_B", "Text_C", "Text_D"};
constexpr std::array<const char*, 4> kToneLabelNames{"Label_A_tone", "Label_B_Tone", "Label_C_Tone", "Label_D_Tone"};

}  // namespace

frm_2tone::frm_2tone(AppContext& context)
    : SignallingWindow(context, FormId::frm_2tone, kTwoToneExchange, RowsOf(context.state.TwoToneImage)),
      editor_(context.state, context.messages, sheet_) {
  frameEncode_ = makeFrame("Frame_encode");
  frameDecode_ = makeFrame("Frame_Decode");
  encodeGrid_ = makeGrid(frameEncode_, "MSF_Encode", sheet_.encode, editor_.encodeRules());
  decodeGrid_ = makeGrid(frameDecode_, "MSF_Decode", sheet_.decode, editor_.decodeRules());

  PlainList* timingLists[] = {&sheet_.Combo_Enc_ys1, &sheet_.Combo_Enc_ys2, &sheet_.Combo_enc_ys3};
  for (std::size_t i = 0; i < timings_.size(); ++i) {
    timings_[i] = new QComboBox(frameEncode_);
    timings_[i]->setObjectName(kTimingNames[i]);
    BindList(timings_[i], *timingLists[i]);
    timingLabels_[i] = makeLabel(frameEncode_, kTimingLabelNames[i]);
  }

  frameDecXx_ = new QGroupBox(frameDecode_);
  frameDecXx_->setObjectName("Frame_Dec_xx");
  for (std::size_t n = 0; n < tones_.size(); ++n) {
    tones_[n] = new QLineEdit(frameDecXx_);
    tones_[n]->setObjectName(kToneNames[n]);
    onFocusOut(tones_[n], [this, n](Qt::FocusReason reason) {
      if (!LostToAnotherWindow(reason)) toneFieldLeft(static_cast<int>(n));
    });
    BindText(tones_[n], sheet_.tones[n]);
    toneLabels_[n] = makeLabel(frameDecXx_, kToneLabelNames[n]);
  }
  resetTime_ = new QComboBox(frameDecode_);
  resetTime_->setObjectName("Combo_Dec_Res_Time");
  BindList(resetTime_, sheet_.Combo_Dec_Res_Time);
  resetLabel_ = makeLabel(frameDecode_, "Label_Reset");

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { pageSelected(index); });
}

frm_2tone::~frm_2tone() { releaseGrids(); }

void frm_2tone::setCaptions() {
  setWindowTitle(qtext(texts::kTwoCaption));
  {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    tabs_->addTab(qtext(texts::kTabEncode));
    tabs_->addTab(qtext(texts::kTabDecode));
  }
  frameEncode_->setTitle(qtext(texts::kTwoFrameEncode));
  frameDecode_->setTitle(qtext(texts::kTwoFrameDecode));
  const std::array<Bilingual, 3> timing{texts::kLabel1st, texts::kLabel2nd, texts::kLabelGap};
  for (std::size_t i = 0; i < timingLabels_.size(); ++i) timingLabels_[i]->setText(qtext(timing[i]));
  const std::array<Bilingual, 4> tone{texts::kLabelA, texts::kLabelB, texts::kLabelC, texts::kLabelD};
  for (std::size_t i = 0; i < toneLabels_.size(); ++i) toneLabels_[i]->setText(qtext(tone[i]));
  resetLabel_->setText(qtext(texts::kTwoLabelReset));
}

void frm_2tone::layOut() {
  const QSize main = host().mainWindowSize();
  const QSize size(static_cast<int>(main.width() / 1.2), static_cast<int>(main.height() / 1.25));
  placeCentred(size);
  const int margin = twipsX(120);
  const int tabWidth = static_cast<int>(size.width() / 1.02) - 2 * margin;
  tabs_->setGeometry(margin, margin, tabWidth, twipsY(360));
  const int frameTop = margin + twipsY(360) + twipsY(200);
  const int frameHeight = twipsY(6100);
  for (QGroupBox* f : {frameEncode_, frameDecode_}) f->setGeometry(margin, frameTop, tabWidth, frameHeight);

  const int encodeWidth = static_cast<int>(tabWidth / 2.6);
  encodeGrid_->setGeometry(margin, twipsY(300), encodeWidth, frameHeight - twipsY(420));
  sizeColumns(encodeGrid_, encodeWidth);
  const int right = 2 * margin + encodeGrid_->width() + twipsX(240);
  for (std::size_t i = 0; i < timings_.size(); ++i) {
    const int top = twipsY(400) + static_cast<int>(i) * twipsY(900);
    timingLabels_[i]->setGeometry(right, top, twipsX(3600), twipsY(300));
    timings_[i]->setGeometry(right, top + twipsY(330), twipsX(1500), twipsY(330));
  }

  const int decodeWidth = static_cast<int>(tabWidth / 1.02);
  decodeGrid_->setGeometry(margin / 2, twipsY(300), decodeWidth, twipsY(4000));
  sizeColumns(decodeGrid_, decodeWidth);
  const int belowGrid = twipsY(300) + twipsY(4000) + twipsY(120);
  frameDecXx_->setGeometry(margin, belowGrid, twipsX(6000), frameHeight - belowGrid - twipsY(120));
  for (std::size_t n = 0; n < tones_.size(); ++n) {
    const int col = static_cast<int>(n) / 2;  // A and B left, C and D right
    const int row = static_cast<int>(n) % 2;
    const int left = twipsX(120) + col * twipsX(2900);
    const int top = twipsY(300) + row * twipsY(450);
    toneLabels_[n]->setGeometry(left, top, twipsX(1300), twipsY(300));
    tones_[n]->setGeometry(left + twipsX(1350), top, twipsX(1300), twipsY(330));
  }
  resetLabel_->setGeometry(margin + twipsX(6300), belowGrid + twipsY(300), twipsX(2000), twipsY(300));
  resetTime_->setGeometry(margin + twipsX(6300), belowGrid + twipsY(650), twipsX(1500), twipsY(330));

  layOutCommon(frameTop + frameHeight + twipsY(150), size.width());
}

void frm_2tone::loadHandling() {
  frameEncode_->show();
  frameDecode_->hide();
  setCaptions();
  editor_.load();
  layOut();  // after the headings: the grids are sized to them
  startCommon();
  showSheet();
}

void frm_2tone::pageSelected(int index) {
  frameEncode_->setVisible(index == 0);
  frameDecode_->setVisible(index == 1);
  if (index == 1) editor_.decodePageShown();
  showSheet();
}

void frm_2tone::showSheet() { frameDecXx_->setTitle(Q(sheet_.decodeFrameCaption)); }

void frm_2tone::toneFieldLeft(int n) {
  if (toneBusy_) return;
  toneBusy_ = true;
  const bool refocus = editor_.toneFieldLeft(n);
  toneBusy_ = false;
  if (refocus) tones_[static_cast<std::size_t>(n)]->setFocus();
}

void frm_2tone::showRead(std::span<const std::uint8_t> area) { editor_.ShowTwoToneFromBlocks(area); }

FileRead frm_2tone::readFile(const std::string& path) {
  return ReadRowsInto(state().TwoToneImage, 0, TwoToneStageTable::kRows - 1, path, LoadSignalFile<TwoToneStageTable::kRows>);
}

void frm_2tone::showLoadedFile() {
  editor_.showStagedSet();
  showSheet();
}

std::optional<std::string> frm_2tone::save(const std::string& path) {
  return signalling::SaveSignalFile(state().TwoToneImage, path);
}

}  // namespace brel::signalling
