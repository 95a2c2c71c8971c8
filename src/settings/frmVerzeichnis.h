#pragma once
// The directory chooser: the drives (mounted volumes), the directory tree
// from the root, the chosen path, and a button that makes a new directory
// inside the chosen one.
#include <QDialog>

#include "settings/directory_choice.h"

class DirectoryTreeModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class UserDialogs;

class frmVerzeichnis : public QDialog {
    Q_OBJECT
public:
    // A start directory that does not exist starts at its nearest parent.
    frmVerzeichnis(const QString& startDirectory, UserDialogs& dialogs, QWidget* parent = nullptr,
                   const QStringList& drives = MountedDrives());

    // The chosen directory after OK; empty until then and after Cancel.
    QString Verzeichnis() const { return verzeichnis_; }
    // The directory the tree shows as chosen.
    QString Dir1Path() const { return dir1Path_; }
    void SetDir1Path(const QString& path);

private:
    // Expands the tree down to the chosen directory and shows it.
    void ShowDir1Path();
    // A drive chosen in the list: the tree shows its root.
    void Drive1_Change();
    void Dir1_Change();
    void cmdCreateDir_Click();
    void cmdOK_Click();

    UserDialogs& dialogs_;
    QString verzeichnis_;
    QString dir1Path_;
    DirectoryTreeModel* model_ = nullptr;
    QLabel* Label1_ = nullptr;
    QComboBox* Drive1_ = nullptr;
    QTreeView* Dir1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* txtVerzeichnis_ = nullptr;
    QPushButton* cmdCreateDir_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdAbbruch_ = nullptr;
};
