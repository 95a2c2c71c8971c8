#include "settings/frmPWChange.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/state.h"
#include "platform/guard.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "settings/password_lock.h"

frmPWChange::frmPWChange(Settings& settings, UserDialogs& dialogs, bool noPasswordYet, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmPWChange"));
    setWindowTitle(LoadResString(3900));
    auto box = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setEchoMode(QLineEdit::Password);
        return e;
    };
    auto label = [this](const char* name, int id) {
        auto* l = new QLabel(LoadResString(id), this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    Label1_ = label("Label1", 3901);
    Label2_ = label("Label2", 3902);
    Label3_ = label("Label3", 3903);
    txtOldPW_ = box("txtOldPW");
    txtNewPW_ = box("txtNewPW");
    txtNewPW2_ = box("txtNewPW2");
    cmdOK_ = new QPushButton(LoadResString(3904), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdCancel_ = new QPushButton(LoadResString(3905), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

    if (noPasswordYet) {
        txtOldPW_->setEnabled(false);
        txtOldPW_->setStyleSheet(QStringLiteral("background-color: #C0C0C0"));
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1_, 0, 0);
    grid->addWidget(txtOldPW_, 0, 1);
    grid->addWidget(Label2_, 1, 0);
    grid->addWidget(txtNewPW_, 1, 1);
    grid->addWidget(Label3_, 2, 0);
    grid->addWidget(txtNewPW2_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(cmdOK_, &QPushButton::clicked, this, GuardedSlot(dialogs_, QStringLiteral("frmPWChange.cmdOK_Click"), [this] {
                cmdOK_Click();
            }));
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    (noPasswordYet ? txtNewPW_ : txtOldPW_)->setFocus();
}

void frmPWChange::cmdOK_Click()
{
    const QString newPassword = txtNewPW_->text();
    const int refusal =
        PasswordChangeRefusal(settings_.OptionsPassword, txtOldPW_->text(), newPassword, txtNewPW2_->text());
    if (refusal != 0) {
        dialogs_.ShowMessage(LoadResString(refusal), MessageButtons::OK, MessageIcon::None, QString());
        if (refusal == 3906)
            txtOldPW_->setFocus();
        return;
    }
    settings_.OptionsPassword = newPassword;
    accept();
}
