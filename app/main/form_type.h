// The model dialog: picks the band type whose limits the editors test
// typed frequencies against.
#pragma once

#include "form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brel {

class Form_type : public Form {
  Q_OBJECT
 public:
  explicit Form_type(AppContext& context);

  // Captions, size and place, the list, and the selected type's limits put
  // in force at once.
  void loadHandling() override;

  void Command_enter_Click();
  void Command_Cancel_Click();

  QComboBox* Combo_type = nullptr;
  QLabel* Label_VHF = nullptr;
  QLabel* Label_UHF = nullptr;
  QLineEdit* Text_VHF = nullptr;
  QLineEdit* Text_UHF = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Command_enter = nullptr;
  QPushButton* Command_Cancel = nullptr;
  QGroupBox* Frame1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Combo_type_Click(int index);
  void Combo_type_Change();
  void applyTypeLimits(int type);
};

// " 136MHZ  -   174MHZ"
std::string ModelLimitsText(std::int16_t lower, std::int16_t upper);
// Characters `first` (from 1) to first + 3 of the trimmed name, as far as it goes.
std::string ModelNamePart(const std::string& name, int first);

}  // namespace brel
