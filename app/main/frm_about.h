// The About box: title, rights, designer and legal lines, and a button that
// starts the system's information tool.
#pragma once

#include "form.h"
#include "platform.h"

class QLabel;
class QPushButton;

namespace brel {

inline constexpr const char* kSysInfoUnavailable = "此时系统信息不可用";

// Finds the system-information tool through the registry and starts it;
// shows the "not available" message when it cannot.
void StartSysInfo(const SysInfoPlatform& platform, MessageSink& messages);

class frmAbout : public Form {
  Q_OBJECT
 public:
  frmAbout(AppContext& context, SysInfoPlatform platform);

  void loadHandling() override;

  void cmdOk_Click();
  void cmdSysInfo_Click();

  QLabel* picIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QPushButton* cmdOk = nullptr;
  QPushButton* cmdSysInfo = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SysInfoPlatform platform_;
};

}  // namespace brel
