#include "file_browser.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QStorageInfo>
#include <QStyle>

namespace brel {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString Clean(const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); }

// True when `path` is `top` or lies below it.
bool IsUnder(const QString& path, const QString& top) {
  if (path == top) return true;
  const QString prefix = top.endsWith('/') ? top : top + '/';
  return path.startsWith(prefix);
}

bool IsListable(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

FileBrowser::FileBrowser(const QString& pattern, QWidget* parent)
    : QWidget(parent),
      pattern_(pattern),
      driveLabel_(new QLabel(this)),
      drive_(new QComboBox(this)),
      dir_(new QListWidget(this)),
      file_(new QListWidget(this)) {
  driveLabel_->setObjectName("Label_drive");
  drive_->setObjectName("Drive1");
  dir_->setObjectName("Dir1");
  file_->setObjectName("File1");
  driveLabel_->setBuddy(drive_);
  // A drive is a path of the machine's, some long: the list is never
  // narrower than its longest one, so the chosen drive shows whole.
  drive_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(drive_->model(), &QAbstractItemModel::rowsInserted, this,
          [this] { drive_->setMinimumWidth(drive_->sizeHint().width()); });

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(file_, 0, 0, 3, 1);
  layout->addWidget(dir_, 0, 1, 1, 2);
  layout->addWidget(driveLabel_, 1, 1);
  layout->addWidget(drive_, 1, 2);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(2, 1);

  // Only a change of drive moves the directory, as choosing the drive already
  // shown leaves the lists where they are.
  connect(drive_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!syncingDrive_ && index >= 0) onDriveChosen(index);
  });
  connect(dir_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item != nullptr) setDirectory(item->data(kPathRole).toString());
  });
  connect(file_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (item != nullptr) emit fileChosen(item->text());
  });
  // A file is chosen when the user selects it.  The current item alone is no
  // choice: the list makes its first file current when Tab gives it the
  // focus, and taking that for a choice would replace the typed name.
  connect(file_, &QListWidget::itemSelectionChanged, this, [this] {
    if (filling_) return;
    const QList<QListWidgetItem*> selected = file_->selectedItems();
    if (!selected.isEmpty()) emit fileChosen(selected.first()->text());
  });
}

QStringList FileBrowser::availableDrives() {
  QStringList drives;
  auto add = [&drives](const QString& path) {
    const QString clean = Clean(path);
    if (!drives.contains(clean) && IsListable(clean)) drives.append(clean);
  };
  for (const QFileInfo& root : QDir::drives()) add(root.absoluteFilePath());
  add(QDir::homePath());
  // Memory sticks and other media the desktop mounts for the user.
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString root = volume.rootPath();
    if (volume.isValid() && volume.isReady() &&
        (root.startsWith("/media/") || root.startsWith("/mnt/") || root.startsWith("/run/media/")))
      add(root);
  }
  return drives;
}

void FileBrowser::start(const QString& directory) {
  syncingDrive_ = true;
  drive_->clear();
  drive_->addItems(availableDrives());
  syncingDrive_ = false;
  const QString wanted = directory.isEmpty() ? QDir::currentPath() : directory;
  if (!setDirectory(wanted)) setDirectory(QDir::rootPath());
}

QStringList FileBrowser::drives() const {
  QStringList out;
  for (int i = 0; i < drive_->count(); ++i) out.append(drive_->itemText(i));
  return out;
}

QString FileBrowser::currentDrive() const { return drive_->currentText(); }

QString FileBrowser::driveFor(const QString& directory) const {
  // The deepest drive the directory lies on ("/root/x" is on "/root", not "/").
  QString best;
  for (const QString& drive : drives())
    if (IsUnder(directory, drive) && drive.size() > best.size()) best = drive;
  return best;
}

bool FileBrowser::setDrive(const QString& drive) {
  if (drive_->findText(drive) < 0 || !IsListable(drive)) return false;
  return setDirectory(drive);
}

void FileBrowser::onDriveChosen(int index) {
  if (!setDrive(drive_->itemText(index))) {
    // A drive that cannot be listed: the lists stay where they were.
    showDrive(driveFor(directory_));
  }
}

void FileBrowser::showDrive(const QString& drive) {
  syncingDrive_ = true;
  if (drive_->findText(drive) < 0) drive_->addItem(drive);
  drive_->setCurrentIndex(drive_->findText(drive));
  syncingDrive_ = false;
}

bool FileBrowser::setDirectory(const QString& directory) {
  const QString clean = Clean(directory);
  if (!IsListable(clean)) return false;
  directory_ = clean;
  // A directory on no listed drive is listed as a drive of its own.
  const QString drive = driveFor(directory_);
  showDrive(drive.isEmpty() ? directory_ : drive);
  fillDirectoryList();
  fillFileList();
  emit directoryChanged(directory_);
  return true;
}

void FileBrowser::fillDirectoryList() {
  filling_ = true;
  dir_->clear();
  const QString drive = currentDrive();
  // The path from the drive down to the current directory ...
  QStringList chain;
  for (QString path = directory_; IsUnder(path, drive); path = Clean(path + "/..")) {
    chain.prepend(path);
    if (path == drive || path == QDir::rootPath()) break;
  }
  int depth = 0;
  QListWidgetItem* current = nullptr;
  for (const QString& path : chain) {
    const QString name = depth == 0 ? path : QFileInfo(path).fileName();
    auto* item =
        new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon), QString(depth * 2, ' ') + name, dir_);
    item->setData(kPathRole, path);
    current = item;
    ++depth;
  }
  // ... then the directories inside it.  QDir lets a link to something that
  // is neither file nor folder (a device, a pipe) through as a directory:
  // only what resolves to a folder is listed.
  const QDir here(directory_);
  for (const QFileInfo& entry :
       here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    if (!entry.isDir()) continue;
    auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon),
                                     QString(depth * 2, ' ') + entry.fileName(), dir_);
    item->setData(kPathRole, Clean(entry.filePath()));
  }
  if (current != nullptr) dir_->setCurrentItem(current);
  filling_ = false;
}

void FileBrowser::fillFileList() {
  filling_ = true;
  file_->clear();
  // Without QDir::CaseSensitive the pattern matches "X.DAT" as well as "x.dat".
  file_->addItems(QDir(directory_).entryList(QStringList{pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
  filling_ = false;
}

QStringList FileBrowser::fileNames() const {
  QStringList out;
  for (int i = 0; i < file_->count(); ++i) out.append(file_->item(i)->text());
  return out;
}

void FileBrowser::clickFile(const QString& name) {
  const auto found = file_->findItems(name, Qt::MatchExactly);
  if (found.isEmpty()) return;
  filling_ = true;  // one choice, one signal
  file_->setCurrentItem(found.first());
  filling_ = false;
  emit fileChosen(name);
}

}  // namespace brel
