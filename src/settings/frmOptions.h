#pragma once
// The settings dialog: general options, the three directories, the component
// and feature switches. OK applies everything at once; Cancel, Escape and
// the title bar's close change nothing.
#include <QDialog>
#include <array>
#include <functional>

#include "settings/options_logic.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class UserDialogs;
class clsUndo;
struct ProgramState;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    // documentsFolder: where "Set My Files for all" points the directories.
    // applySwitches: the main window shows the switches again.
    frmOptions(ProgramState& s, UserDialogs& dialogs, clsUndo& undo, std::function<void()> applySwitches,
               const QString& documentsFolder, QWidget* parent = nullptr);

    // The controls as values.
    OptionsForm Form() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGeneralTab();
    QWidget* BuildDirectoriesTab();
    void Form_Load();
    void cmdExit_Click();
    void cmdResetDir_Click();
    void Browse(QLineEdit* box);
    void txtStop_LostFocus();
    void txtUndos_LostFocus();

    ProgramState& s_;
    UserDialogs& dialogs_;
    clsUndo& undo_;
    std::function<void()> applySwitches_;
    QString documentsFolder_;

    QTabWidget* tabOptions_ = nullptr;
    QCheckBox* chkScroll_ = nullptr;
    QLineEdit* txtStop_ = nullptr;
    QLineEdit* txtUndos_ = nullptr;
    QCheckBox* chkSaveICs_ = nullptr;
    QCheckBox* chkStartbildschirm_ = nullptr;
    std::array<QLineEdit*, 3> directoryBoxes_{}; // txtDirSchaltungen, txtDirICs, txtDirBitmaps
    QPushButton* cmdResetDir_ = nullptr;
    std::array<QCheckBox*, 14> chkBauteil{};
    std::array<QCheckBox*, 7> chkFunktionen{};
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
