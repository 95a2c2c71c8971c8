#pragma once
// The password prompt in front of the settings dialog. Accepted when the
// password matched; the caller then opens the settings.
#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class UserDialogs;
struct Settings;

class frmPWCheck : public QDialog {
    Q_OBJECT
public:
    frmPWCheck(Settings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    void cmdOK_Click();
    void cmdChangePW_Click();

    Settings& settings_;
    UserDialogs& dialogs_;
    QFrame* SSPanel1_ = nullptr;
    QLabel* Image1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* txtPW_ = nullptr;
    QPushButton* cmdChangePW_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
