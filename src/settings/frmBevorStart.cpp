#include "settings/frmBevorStart.h"

#include <QCoreApplication>
#include <QPalette>
#include <QPixmap>
#include <QSysInfo>
#include <QVBoxLayout>

#include "platform/string_table.h"

QString GetOSName()
{
    const QString name = QSysInfo::prettyProductName();
    return name.isEmpty() ? LoadResString(5600) : name;
}

QString ProgramVersion()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral("1.0.0") : v;
}

frmBevorStart::frmBevorStart(const QString& picturePath, const QString& osName, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmBevorStart"));
    setFixedSize(480, 300);
    QPixmap picture;
    if (!picturePath.isEmpty() && picture.load(picturePath)) {
        hasPicture_ = true;
        QPalette pal = palette();
        pal.setBrush(QPalette::Window, picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    auto add = [&](const QString& name, const QString& text, int pointSize) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        QFont f = label->font();
        f.setPointSize(pointSize);
        label->setFont(f);
        layout->addWidget(label);
        return label;
    };
    add(QStringLiteral("lblText0"), LoadResString(1204), 16)->setWordWrap(true);
    layout->addStretch(1);
    lblInfo_ = add(QStringLiteral("lblInfo"), LoadResString(1206), 9);
    add(QStringLiteral("lblVersion"), QStringLiteral("Version: ") + ProgramVersion(), 9);
    add(QStringLiteral("lblOSInfo"), osName, 9);

    wait_.setSingleShot(true);
    wait_.setInterval(2000);
    connect(&wait_, &QTimer::timeout, this, [this] {
        hide();
        emit Finished();
    });
}

void frmBevorStart::SetInfo(const QString& text)
{
    lblInfo_->setText(text);
}

void frmBevorStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        wait_.start();
    }
}
