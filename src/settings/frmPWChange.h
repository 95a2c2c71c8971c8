#pragma once
// The password-change window: old password, new password, confirmation.
// A new password lives in memory until the settings dialog's OK stores it.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class UserDialogs;
struct Settings;

class frmPWChange : public QDialog {
    Q_OBJECT
public:
    // With no password set yet the old-password box is greyed out and empty.
    frmPWChange(Settings& settings, UserDialogs& dialogs, bool noPasswordYet, QWidget* parent = nullptr);

private:
    void cmdOK_Click();

    Settings& settings_;
    UserDialogs& dialogs_;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLineEdit* txtOldPW_ = nullptr;
    QLineEdit* txtNewPW_ = nullptr;
    QLineEdit* txtNewPW2_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
