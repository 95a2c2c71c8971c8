#include "shell/side_panel.h"

#include <QLabel>
#include <QToolButton>

#include "shell/panel_metrics.h"

namespace {

const char* const kPanelNames[5] = {"picEinAus", "picEigenschaften", "picSize", "picZoom", "picIC"};
constexpr int kButtonOfPanel[5] = {3, 0, 1, 4, 2};

} // namespace

int PanelOfButton(int button)
{
    for (int i = 0; i < 5; ++i)
        if (kButtonOfPanel[i] == button)
            return i;
    return -1;
}

SidePanel::SidePanel(int index, const QString& title, const QString& titleName, QWidget* parent)
    : QFrame(parent), index_(index), button_(kButtonOfPanel[index])
{
    setObjectName(QString::fromLatin1(kPanelNames[index]));
    setFrameShape(QFrame::StyledPanel);
    setGeometry(0, 0, Px(kPanelWidth), Px(kPanelHeights[index]));
    lblTitle = new QLabel(title, this);
    if (!titleName.isEmpty())
        lblTitle->setObjectName(titleName);
    lblTitle->setGeometry(3, 1, Px(kPanelWidth) - 38, kTitleHeight - 2);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 0.85);
    lblTitle->setFont(bold);
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("picTitle%1").arg(index));
    bar->setGeometry(1, kTitleHeight, Px(kPanelWidth) - 2, 1);
    bar->setFrameShape(QFrame::HLine);
    cmdClose = new QToolButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose%1").arg(button_));
    cmdClose->setText(QStringLiteral("\u00d7"));
    cmdClose->setAutoRaise(true);
    cmdClose->setGeometry(Px(kPanelWidth) - 18, 1, 16, 16);
    connect(cmdClose, &QToolButton::clicked, this, [this] { emit CloseClicked(button_); });
    if (index != 0) {
        cmdMin = new QToolButton(this);
        cmdMin->setObjectName(QStringLiteral("cmdMin%1").arg(button_));
        cmdMin->setText(QStringLiteral("_"));
        cmdMin->setCheckable(true);
        cmdMin->setAutoRaise(true);
        cmdMin->setGeometry(Px(kPanelWidth) - 35, 1, 16, 16);
        connect(cmdMin, &QToolButton::clicked, this, [this](bool pressed) { emit MinClicked(button_, pressed); });
    }
}
