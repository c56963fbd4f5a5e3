// The binding kit's own pieces: a typed list's key rule and the text it
// hands on, the keys as a rule reads them, and a pair of option buttons.
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "plain_widgets.h"

namespace brel {
namespace {

// A tone list's rule: digits and D pass, d is taken as D, all else is dropped.
char32_t ToneRule(char32_t typed) {
  if ((typed >= U'0' && typed <= U'9') || typed == U'D') return typed;
  return typed == U'd' ? U'D' : 0;
}

TEST(TypedList, KeysPassTheRuleAndTheFieldKeepsWhatTheListHolds) {
  QWidget window;
  auto* box = new QComboBox(&window);
  PlainList list;
  list.setEntries({"67.0", "D023N"});
  int changes = 0;
  list.onChange = [&] { ++changes; };
  BindTypedList(box, list, {.keys = ToneRule});
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  box->setFocus();
  QLineEdit* field = box->lineEdit();

  QTest::keyClicks(box, "dx1");  // d taken as D, x dropped
  EXPECT_EQ(field->text(), "D1");
  EXPECT_EQ(list.text(), "D1");
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_GE(changes, 2);

  // Typing in the middle: the cursor stays where the user types.
  field->setCursorPosition(1);
  QTest::keyClicks(box, "2");
  EXPECT_EQ(list.text(), "D21");
  EXPECT_EQ(field->cursorPosition(), 2);

  // A rule's choice shows; new entries of the same count replace the old.
  list.select(1);
  EXPECT_EQ(field->text(), "D023N");
  list.setEntries({"88.5", "D025N"});
  EXPECT_EQ(box->itemText(0), "88.5");
  EXPECT_EQ(field->text(), "");
}

TEST(TypedList, AnEditRuleTakesTheTypedText) {
  QComboBox box;
  PlainList list;
  list.setEntries({"OFF", "ON"});
  std::vector<std::string> edits;
  BindTypedList(&box, list, {.edited = [&](const std::string& text) {
    edits.push_back(text);
    list.setEditTextMatching(text);
  }});
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  QTest::keyClicks(&box, "ON");
  EXPECT_EQ(edits, (std::vector<std::string>{"O", "ON"}));
  EXPECT_EQ(list.selectedIndex(), 1);
  EXPECT_EQ(box.currentIndex(), 1);
}

TEST(TypedCharacter, KeysThatTypeNoneAreZero) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    char32_t typed;
  };
  const Case cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", U'a'},
      {Qt::Key_A, Qt::ControlModifier, "\x01", 0},
      {Qt::Key_A, Qt::AltModifier, "a", 0},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
      {Qt::Key_Return, Qt::NoModifier, "\r", 0},
      {Qt::Key_Tab, Qt::NoModifier, "\t", 0},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", 0},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", 0},
      {Qt::Key_Left, Qt::NoModifier, "", 0},
      {Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), 0xE9},
  };
  for (const Case& c : cases) {
    const QKeyEvent key(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(TypedCharacter(key), c.typed) << c.text.toStdString();
  }
}

TEST(OptionButtons, AClickSelectsOneAndClearsTheOther) {
  QWidget window;
  auto* freqButton = new QRadioButton("freq", &window);
  auto* channButton = new QRadioButton("chann", &window);
  channButton->move(0, 30);
  PlainOptionButton freq, chann;
  freq.setGroup({&freq, &chann});
  chann.setGroup({&freq, &chann});
  freq.setSelected(true);
  int channClicks = 0;
  chann.onClick = [&] { ++channClicks; };
  BindOption(freqButton, freq);
  BindOption(channButton, chann);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(freqButton->isChecked());

  QTest::mouseClick(channButton, Qt::LeftButton, {}, QPoint(6, channButton->height() / 2));
  EXPECT_TRUE(chann.selected());
  EXPECT_FALSE(freq.selected());
  EXPECT_EQ(channClicks, 1);

  freq.setSelected(true);  // by a rule
  EXPECT_TRUE(freqButton->isChecked());
  EXPECT_FALSE(channButton->isChecked());
  chann.setEnabled(false);
  EXPECT_FALSE(channButton->isEnabled());
}

}  // namespace
}  // namespace brel
