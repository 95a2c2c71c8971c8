#include "settings/frmInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/file_names.h"
#include "platform/string_table.h"
#include "settings/frmBevorStart.h"

frmInfo::frmInfo(const QString& osName, const QString& picturePath, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Gatrel"));
    setFixedSize(480, 300);
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblOSVersion_ = label("lblOSVersion");
    lblOSVersion_->setText(osName);
    lblText = label("lblText0");
    lblText->setText(LoadResString(2303));
    lblText->setWordWrap(true);
    QFont big = lblText->font();
    big.setPointSize(16);
    lblText->setFont(big);
    cmdSchliessen_ = new QPushButton(LoadResString(2307), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen_->setDefault(true);

    QPixmap picture;
    if (FileExists(picturePath) && picture.load(picturePath)) {
        hasPicture_ = true;
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    lblVersion_ = label("lblVersion");
    lblVersion_->setText(QStringLiteral("Version: ") + ProgramVersion());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(lblText);
    layout->addStretch(1);
    layout->addWidget(lblVersion_);
    layout->addWidget(lblOSVersion_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSchliessen_);
    layout->addLayout(buttons);
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QDialog::accept);
}
