// The main window's host for child windows: each loaded window lives in a
// sub-window of the MDI area.
#pragma once

#include <QMdiArea>
#include <QObject>
#include <map>

#include "form.h"

namespace brel {

class MdiFormHost : public QObject, public FormHost {
  Q_OBJECT
 public:
  MdiFormHost(QMdiArea* area, QWidget* mainWindow);
  ~MdiFormHost() override;

  // The context handed to every window this host creates.
  void setContext(AppContext* context) { context_ = context; }

  void registerForm(FormId id, Factory factory, WindowData data = WindowData::Own) override;
  WindowData dataOf(FormId id) const override;
  bool isRegistered(FormId id) const override;
  Form* loadForm(FormId id) override;
  bool unloadForm(FormId id, UnloadMode mode = UnloadMode::Ask) override;
  Form* reloadForm(FormId id) override;
  bool queryUnloadAll() override;
  bool isLoaded(FormId id) const override;
  Form* form(FormId id) const override;
  void commitAllPendingEdits() override;
  bool imageInUse() const override;
  void showReplacedImage() override;
  QSize mainWindowSize() const override;
  QSize clientSize() const override;

  // Unloads every loaded window without asking (the program is ending).
  void unloadAll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Registration {
    Factory factory;
    WindowData data;
  };
  // True, after saying why, when the window `id` must not load now.
  bool refuseLoad(FormId id) const;

  QMdiArea* area_;
  QWidget* mainWindow_;
  AppContext* context_ = nullptr;
  std::map<FormId, Registration> factories_;
  std::map<FormId, Form*> loaded_;
};

}  // namespace brel
