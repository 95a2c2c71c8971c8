#include "settings/frmPWCheck.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/state.h"
#include "platform/guard.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "render/toolbar_icons.h"
#include "settings/frmPWChange.h"

frmPWCheck::frmPWCheck(Settings& settings, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmPWCheck"));
    setWindowTitle(LoadResString(4000));
    // The notice stands on a raised panel beside the settings button's picture.
    SSPanel1_ = new QFrame(this);
    SSPanel1_->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1_ = new QLabel(SSPanel1_);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(ToolbarIcon(QStringLiteral("Toolbar"), QStringLiteral("cmdEinstellungen")).pixmap(32, 32));
    Label2_ = new QLabel(LoadResString(4001), SSPanel1_);
    Label2_->setObjectName(QStringLiteral("Label2"));
    auto* notice = new QHBoxLayout(SSPanel1_);
    notice->addWidget(Image1_);
    notice->addWidget(Label2_, 1);
    Label1_ = new QLabel(LoadResString(4002), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    txtPW_ = new QLineEdit(this);
    txtPW_->setObjectName(QStringLiteral("txtPW"));
    txtPW_->setEchoMode(QLineEdit::Password);
    auto button = [this](const char* name, int id) {
        auto* b = new QPushButton(LoadResString(id), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdChangePW_ = button("cmdChangePW", 4003);
    cmdOK_ = button("cmdOK", 4004);
    cmdOK_->setDefault(true);
    cmdCancel_ = button("cmdCancel", 4005);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSPanel1_);
    layout->addWidget(Label1_);
    layout->addWidget(txtPW_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdChangePW_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons);

    connect(cmdOK_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmPWCheck.cmdOK_Click"), [this] { cmdOK_Click(); }));
    connect(cmdChangePW_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmPWCheck.cmdChangePW_Click"), [this] { cmdChangePW_Click(); }));
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    txtPW_->setFocus();
}

void frmPWCheck::cmdOK_Click()
{
    if (txtPW_->text() != settings_.OptionsPassword) {
        dialogs_.ShowMessage(LoadResString(4006), MessageButtons::OK, MessageIcon::None, QString());
        txtPW_->setFocus();
        return;
    }
    accept();
}

void frmPWCheck::cmdChangePW_Click()
{
    frmPWChange change(settings_, dialogs_, false, this);
    change.exec();
}
