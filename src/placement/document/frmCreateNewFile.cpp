#include "placement/document/frmCreateNewFile.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "placement/document/new_file.h"
#include "model/state.h"
#include "model/ports/status_port.h"

frmCreateNewFile::frmCreateNewFile(ProgramState& s, QWidget* parent) : QDialog(parent), s_(s)
{
    setObjectName(QStringLiteral("frmCreateNewFile"));

    lblHeading_ = new QLabel(this);
    lblHeading_->setObjectName(QStringLiteral("lblHeading"));
    QFont bold = lblHeading_->font();
    bold.setBold(true);
    lblHeading_->setFont(bold);

    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        optSize_[i] = new QRadioButton(this);
        optSize_[i]->setObjectName(QStringLiteral("optSize%1").arg(i));
        grid->addWidget(optSize_[i], i, 0);
        connect(optSize_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optSize_Click(i);
        });
    }
    for (int i = 0; i < 3; ++i) {
        lblDescription_[i] = new QLabel(this);
        lblDescription_[i]->setObjectName(QStringLiteral("lblDescription%1").arg(i));
        grid->addWidget(lblDescription_[i], i, 1);
    }

    lblWidth_ = new QLabel(QStringLiteral("Width"), this);
    lblWidth_->setObjectName(QStringLiteral("lblWidth"));
    txtWidth_ = new QLineEdit(this);
    txtWidth_->setObjectName(QStringLiteral("txtWidth"));
    lblHeight_ = new QLabel(QStringLiteral("Height"), this);
    lblHeight_->setObjectName(QStringLiteral("lblHeight"));
    txtHeight_ = new QLineEdit(this);
    txtHeight_->setObjectName(QStringLiteral("txtHeight"));
    lblWidth_->setBuddy(txtWidth_);
    lblHeight_->setBuddy(txtHeight_);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(lblWidth_);
    sizeRow->addWidget(txtWidth_);
    sizeRow->addWidget(lblHeight_);
    sizeRow->addWidget(txtHeight_);
    grid->addLayout(sizeRow, 3, 1);

    cmdCreate_ = new QPushButton(this);
    cmdCreate_->setObjectName(QStringLiteral("cmdCreate"));
    cmdCreate_->setDefault(true);
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCreate_);
    buttons->addWidget(cmdCancel_);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(lblHeading_);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    connect(txtWidth_, &QLineEdit::textChanged, this, [this] { txtWidth_Change(); });
    connect(txtHeight_, &QLineEdit::textChanged, this, [this] { txtHeight_Change(); });
    txtWidth_->installEventFilter(this);
    txtHeight_->installEventFilter(this);
    connect(cmdCreate_, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { reject(); });

    if (s_.ports.status)
        s_.ports.status->EnableMainWindow(false);
    sizeClass_ = 2;
}

void frmCreateNewFile::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    setWindowTitle(QStringLiteral("Create new circuit"));
    lblHeading_->setText(QStringLiteral("Choose worksheet dimensions"));
    lblDescription_[0]->setText(QStringLiteral("Suitable for smaller circuits, i.e. half-adder."));
    lblDescription_[1]->setText(QStringLiteral("Suitable for medium-sized circuits, i.e. parallel adder."));
    lblDescription_[2]->setText(QStringLiteral("Suitable for large circuits, i.e. 8 bit memory."));
    optSize_[0]->setText(QStringLiteral("&Small"));
    optSize_[1]->setText(QStringLiteral("&Medium (recommended)"));
    optSize_[2]->setText(QStringLiteral("&Large"));
    optSize_[3]->setText(QStringLiteral("&User defined"));
    cmdCreate_->setText(QStringLiteral("Creat&e"));
    cmdCancel_->setText(QStringLiteral("&Cancel"));
    if (optSize_[1]->isChecked())
        optSize_Click(1);
    else
        optSize_[1]->setChecked(true);
    cmdCreate_->setFocus();
}

bool frmCreateNewFile::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtWidth_) {
            const QString t = WidthBoxLeft(txtWidth_->text());
            if (t != txtWidth_->text())
                txtWidth_->setText(t);
        } else if (watched == txtHeight_) {
            const QString t = HeightBoxLeft(txtHeight_->text());
            if (t != txtHeight_->text())
                txtHeight_->setText(t);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmCreateNewFile::optSize_Click(int index)
{
    sizeClass_ = static_cast<uint8_t>(index + 1);
    const bool userDefined = index == 3;
    lblWidth_->setEnabled(userDefined);
    lblHeight_->setEnabled(userDefined);
    txtWidth_->setEnabled(userDefined);
    txtHeight_->setEnabled(userDefined);
    if (!userDefined) {
        const WorksheetSize shown = SizeClassBoxes(sizeClass_);
        txtWidth_->setText(QString::number(shown.Width));
        txtHeight_->setText(QString::number(shown.Height));
    }
}

void frmCreateNewFile::txtWidth_Change()
{
    const QString t = WidthBoxChanged(txtWidth_->text());
    if (t != txtWidth_->text())
        txtWidth_->setText(t);
}

void frmCreateNewFile::txtHeight_Change()
{
    const QString t = HeightBoxChanged(txtHeight_->text());
    if (t != txtHeight_->text())
        txtHeight_->setText(t);
}

void frmCreateNewFile::cmdCreate_Click()
{
    const WorksheetSize size = SizeClassWorksheet(sizeClass_, txtWidth_->text(), txtHeight_->text());
    s_.circuit.MaxX = size.Width;
    s_.circuit.MaxY = size.Height;
    if (s_.ports.status)
        s_.ports.status->EnableMainWindow(true);
    QDialog::accept();
    NewFile(s_, false);
}

void frmCreateNewFile::reject()
{
    // Also reached by Escape and the window's close button.
    if (s_.ports.status)
        s_.ports.status->EnableMainWindow(true);
    QDialog::reject();
}
