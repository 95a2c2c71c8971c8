#include "shell/led_colour_page.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>

#include "model/state.h"
#include "shell/control_panel_logic.h"
#include "shell/main_window_texts.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"

LedColourPage::LedColourPage(ProgramState& s, QWidget* parent) : QWidget(parent), s_(s)
{
    setObjectName(QStringLiteral("picEigenschaft1"));
    lblAllgemein4 = MakeLabel(QStringLiteral("lblAllgemein4"), DesignPlaceholder(2545), this, 0, 0, kPageWidth, 16);
    for (int i = 0; i < 9; ++i) {
        auto* b = new QFrame(this);
        b->setObjectName(QStringLiteral("cmdColor%1").arg(i));
        b->setFrameShape(QFrame::Panel);
        b->setLineWidth(2);
        b->setGeometry(2 + (i % 5) * 24, 18 + (i / 5) * 22, 20, 18);
        b->setAutoFillBackground(true);
        b->installEventFilter(this);
        cmdColor[static_cast<size_t>(i)] = b;
    }
    ShowColours();
}

void LedColourPage::ShowColours()
{
    for (size_t i = 0; i < cmdColor.size(); ++i) {
        const int32_t c = kLedButtonColours[i];
        QPalette pal = cmdColor[i]->palette();
        pal.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        cmdColor[i]->setPalette(pal);
        cmdColor[i]->setFrameShadow(c == s_.LEDColor ? QFrame::Sunken : QFrame::Raised);
    }
}

void LedColourPage::cmdColor_MouseDown(int index)
{
    for (size_t k = 0; k < cmdColor.size(); ++k)
        cmdColor[k]->setFrameShadow(static_cast<int>(k) == index ? QFrame::Sunken : QFrame::Raised);
    ::cmdColor_MouseDown(s_.LEDColor, index);
}

bool LedColourPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        for (size_t i = 0; i < cmdColor.size(); ++i)
            if (watched == cmdColor[i])
                cmdColor_MouseDown(static_cast<int>(i));
    return QWidget::eventFilter(watched, event);
}
