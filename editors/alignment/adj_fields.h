// The alignment window's fields over AdjImage: what each control shows of
// the image, and what each user edit stores.
//
// Showing never stores.  A page is drawn from the image as it stands (an
// erased area, a text with inner blanks, a one-bit filter pair, a 480 MHz
// byte of 5 all stay as they are); only a user's edit of a control, through
// the handlers below, changes cells, and then only that control's cells.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adj_layout.h"
#include "bilingual.h"
#include "mem_image.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel::adj {

struct Cell {
  int row = 0;
  int col = 0;
};

// --- number boxes: one byte each, typed in decimal -------------------------------
enum class NumberSet { Text1, Text2, SqVhf, SqOffsetVhf, SqUhf, SqOffsetUhf };
inline constexpr std::array<NumberSet, 6> kNumberSets{NumberSet::Text1, NumberSet::Text2, NumberSet::SqVhf,
                                                      NumberSet::SqOffsetVhf, NumberSet::SqUhf,
                                                      NumberSet::SqOffsetUhf};
const char* NumberSetName(NumberSet set);
int NumberSetSize(NumberSet set);
// The cell of box i; the power boxes edit rows 0..2 on page 0 and 3..5 on page 1.
Cell NumberCell(NumberSet set, int i, int page);
bool NumberOnPage(NumberSet set, int page);

// --- option lists of the deviation page and the battery boxes --------------------
enum class ListSet { DevVoice, DevCtcss, DevDcs, RxVh, RxVl, CkBw, Pre, Hpf, Lpf, Batt };
inline constexpr std::array<ListSet, 10> kListSets{ListSet::DevVoice, ListSet::DevCtcss, ListSet::DevDcs,
                                                   ListSet::RxVh,     ListSet::RxVl,     ListSet::CkBw,
                                                   ListSet::Pre,      ListSet::Hpf,      ListSet::Lpf,
                                                   ListSet::Batt};
const char* ListSetName(ListSet set);
int ListSetSize(ListSet set);  // 2, or 5 battery boxes
std::vector<std::string> ListEntries(ListSet set);

// What a list shows: the entry its cells stand for, or, for a value beyond
// the list, that value as text with no entry selected.
struct ListShown {
  int entry = -1;
  std::string text;
};
ListShown ShowList(const AdjTable& image, ListSet set, int k);
// A choice of entry `entry`; only the bits of the list's field change.
void StoreListChoice(AdjTable& image, ListSet set, int k, int entry);

// --- check boxes -----------------------------------------------------------------------
bool ShowCheckTx(const AdjTable& image, int band);  // display only
bool ShowCheck480(const AdjTable& image);
void StoreCheck480(AdjTable& image, bool set);

// --- band limits (whole MHz) ---------------------------------------------------------
// The hundreds nibble and the two BCD digits one after the other.
std::string ShowBandLimit(const AdjTable& image, int band, bool upper);
// Both bands from the four boxes' texts ([band][0 lower, 1 upper]); a text
// whose value lies outside 0..999 leaves its two bytes as they are.
void StoreBandLimits(AdjTable& image, const std::array<std::array<std::string, 2>, 2>& texts);
// Band-limit boxes discard any key once they hold more than 3 characters.
bool BandKeyAccepted(std::string_view currentText);

// --- texts in the radio's character set ------------------------------------------------
enum class TextField { PonU, PonD, Info0, Info1, PasswordUser, PasswordSuper, SoftVer };
inline constexpr std::array<TextField, 7> kTextFields{TextField::PonU,         TextField::PonD,
                                                      TextField::Info0,        TextField::Info1,
                                                      TextField::PasswordUser, TextField::PasswordSuper,
                                                      TextField::SoftVer};
const char* TextFieldName(TextField field);
std::string ShowText(const AdjTable& image, TextField field);
// A text of up to seven characters is centred, a password left-aligned; the
// rest of the field is blank.  The software version is never stored.
void StoreText(AdjTable& image, TextField field, std::string_view utf8);
inline constexpr char32_t kBackspace = 8;
// Key filter (characters and Backspace only).
bool TextKeyAccepted(TextField field, std::string_view currentText, char32_t key);

// --- the window's state and handlers, without the window -------------------------------
class AdjEditor {
 public:
  AdjEditor(ProgramState& state, MessageSink& messages) : state_(state), messages_(messages) {}

  int AdjPage = 0;
  std::array<int, 2> AdjBandLower{};
  std::array<int, 2> AdjBandUpper{};

  ProgramState& state() const { return state_; }
  AdjTable& image() const { return state_.AdjImage; }
  const AdjVariant& variant() const { return VariantAt(state_.AdjBandVariant); }

  // Opening: page 0 and the limits of the variant the program holds.  The
  // image is not touched, so the range row keeps what a read, file or edit left.
  void load();
  // An option button the user clicked: the variant, its limits, and its
  // default restricted ranges written into row 12 (columns 1..4, 6..9).
  void applyBandVariant(int variant);
  // A tab key; false when it names no page.
  bool selectTab(std::string_view key);
  // Default: rows 0..15 from AdjDefaults.
  void loadDefaults();

  // A number box's text the user changed.  Stores the value, or, for a text
  // that is not a number 0..255, shows the range message, stores the cell's
  // default and returns the text the box must show.
  std::optional<std::string> numberEdited(NumberSet set, int i, std::string_view text);
  void listChosen(ListSet set, int k, int entry) { StoreListChoice(image(), set, k, entry); }
  void check480Clicked(bool set) { StoreCheck480(image(), set); }
  void textEdited(TextField field, std::string_view text) { StoreText(image(), field, text); }

  // A band-limit box lost the focus.  texts[band][0 lower, 1 upper].
  struct BandOutcome {
    bool accepted = false;
    std::string resetText;  // refused: what the box shows again
    // accepted under a single-band variant: the band-1 boxes take band 0's texts
    bool copyToBand1 = false;
  };
  BandOutcome bandLimitLeft(int band, bool upperBox, std::array<std::array<std::string, 2>, 2> texts);

 private:
  ProgramState& state_;
  MessageSink& messages_;
};

}  // namespace brel::adj
