// The drive, directory and file lists every file dialog shows.
//
// Drive1 lists the places a user starts from: the file-system root, the home
// folder and mounted removable media.  Dir1 shows the path from the chosen
// drive down to the current directory, followed by its sub-directories;
// activating an entry (double click or Enter) makes it current.  File1 shows
// the files of the current directory that match the pattern.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace brel {

class FileBrowser : public QWidget {
  Q_OBJECT
 public:
  // `pattern` is a wildcard such as "*.dat"; it matches regardless of case.
  explicit FileBrowser(const QString& pattern, QWidget* parent = nullptr);

  // Lists the drives, then moves to `directory` (the program's current
  // directory when empty).
  void start(const QString& directory = QString());

  QStringList drives() const;
  QString currentDrive() const;
  // Moves the directory list to the drive's top directory.  Returns false
  // (and changes nothing) when the drive cannot be listed.
  bool setDrive(const QString& drive);

  // The current directory as the list gives it: absolute, no trailing
  // separator except for the root "/".
  QString directory() const { return directory_; }
  bool setDirectory(const QString& directory);

  // Names (without path) shown in the file list.
  QStringList fileNames() const;
  // Clicks a name in the file list, as a user would.
  void clickFile(const QString& name);

  QLabel* driveLabel() const { return driveLabel_; }
  QComboBox* driveList() const { return drive_; }
  QListWidget* directoryList() const { return dir_; }
  QListWidget* fileList() const { return file_; }

  // The drives a user can reach on this computer.
  static QStringList availableDrives();

 signals:
  void directoryChanged(const QString& directory);
  // A file name was clicked or selected with the keys.
  void fileChosen(const QString& name);

 private:
  QString driveFor(const QString& directory) const;
  void fillDirectoryList();
  void fillFileList();
  void onDriveChosen(int index);
  // Shows the drive in the drive list without moving the directory.
  void showDrive(const QString& drive);

  QString pattern_;
  QString directory_;
  QLabel* driveLabel_;
  QComboBox* drive_;
  QListWidget* dir_;
  QListWidget* file_;
  bool filling_ = false;       // refilling the file list
  bool syncingDrive_ = false;  // the drive list follows the directory
};

}  // namespace brel
