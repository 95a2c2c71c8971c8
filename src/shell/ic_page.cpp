#include "shell/ic_page.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "platform/string_table.h"
#include "shell/main_window_texts.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"

ICPage::ICPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picEigenschaft0"));
    const int pw = kPageWidth;
    lblAllgemein5 = MakeLabel(QStringLiteral("lblAllgemein5"), DesignPlaceholder(2546), this, 0, 0, pw, 16);
    cmbIC = new QComboBox(this);
    cmbIC->setObjectName(QStringLiteral("cmbIC"));
    cmbIC->setGeometry(0, 17, pw, 22);
    connect(cmbIC, &QComboBox::activated, this, [this](int) { emit ICChosen(); });
    lblAllgemein15 = MakeLabel(QStringLiteral("lblAllgemein15"), DesignPlaceholder(2552), this, 0, 42, pw - 40, 16);
    cmdChange = new QToolButton(this);
    cmdChange->setObjectName(QStringLiteral("cmdChange"));
    cmdChange->setText(QStringLiteral("\u21c4"));
    cmdChange->setGeometry(pw - 38, 41, 18, 17);
    connect(cmdChange, &QToolButton::clicked, this, [this] { cmdChange_MouseUp(); });
    cmdICVerwaltung = new QToolButton(this);
    cmdICVerwaltung->setObjectName(QStringLiteral("cmdICVerwaltung"));
    cmdICVerwaltung->setText(QStringLiteral("\u2026"));
    cmdICVerwaltung->setCheckable(true);
    cmdICVerwaltung->setGeometry(pw - 18, 41, 18, 17);
    connect(cmdICVerwaltung, &QToolButton::clicked, this, [this](bool pressed) { emit ICManagerWanted(pressed); });
    picICVorschau = new QFrame(this);
    picICVorschau->setObjectName(QStringLiteral("picICVorschau"));
    picICVorschau->setFrameShape(QFrame::Box);
    picICVorschau->setGeometry(0, 60, pw, 50);
    picICVorschau->installEventFilter(this);
    txtNotizen = new QLineEdit(this);
    txtNotizen->setObjectName(QStringLiteral("txtNotizen"));
    txtNotizen->setReadOnly(true);
    txtNotizen->setGeometry(0, 60, pw, 50);
    txtNotizen->setVisible(false);
    lblICFehler = MakeLabel(QStringLiteral("lblICFehler"), DesignPlaceholder(2554), this, 2, 92, pw - 4, 16);
    lblICFehler->setVisible(false);
}

void ICPage::ShowICDetails(bool notes)
{
    picICVorschau->setVisible(!notes);
    txtNotizen->setVisible(notes);
    lblAllgemein15->setText(LoadResString(notes ? 2852 : 2552) + u':');
}

void ICPage::cmdChange_MouseUp()
{
    ShowICDetails(!picICVorschau->isHidden());
}

void ICPage::picICVorschau_DblClick()
{
    cmdICVerwaltung->setChecked(true);
    emit ICManagerWanted(true);
}

bool ICPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picICVorschau && event->type() == QEvent::MouseButtonDblClick)
        picICVorschau_DblClick();
    return QWidget::eventFilter(watched, event);
}
