#include "shell/zoom_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QToolBar>

#include "model/geometry.h"
#include "shell/control_panel_logic.h"
#include "shell/panel_metrics.h"

ZoomPanel::ZoomPanel(SheetScale& scale, QWidget* parent)
    : SidePanel(3, QStringLiteral("Label"), QStringLiteral("lblAllgemein3"), parent), scale_(scale)
{
    const int w = Px(kPanelWidth);
    cmbZoom = new QComboBox(this);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    cmbZoom->setEditable(true);
    cmbZoom->setInsertPolicy(QComboBox::NoInsert);
    for (const char* z : {"60%", "70%", "80%", "90%", "100%", "110%", "125%", "150%", "175%", "200%", "250%"})
        cmbZoom->addItem(QString::fromLatin1(z));
    cmbZoom->setEditText(QStringLiteral("100%"));
    cmbZoom->setGeometry(6, kTitleHeight + 4, w - 12, 22);
    const auto makeBar = [this](const QString& name) {
        auto* bar = new QToolBar(name, this);
        bar->setObjectName(name);
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return bar;
    };
    tlbZoom = makeBar(QStringLiteral("tlbZoom"));
    tlbZoomInOut = makeBar(QStringLiteral("tlbZoomInOut"));
    cmbZoom->resize(70, 22);
    tlbZoomInOut->setGeometry(76, kTitleHeight + 2, w - 77, 26);
    tlbZoom->setGeometry(2, kTitleHeight + 30, w - 4, 26);

    connect(cmbZoom, &QComboBox::activated, this, &ZoomPanel::cmbZoom_Click);
    // Qt reports Enter in the box's line as returnPressed.
    connect(cmbZoom->lineEdit(), &QLineEdit::returnPressed, this, [this] { cmbZoom_KeyPress(13); });
    cmbZoom->installEventFilter(this);
}

void ZoomPanel::ShowZoomText()
{
    cmbZoom->setEditText(ZoomCutText(scale_.GridMode));
}

void ZoomPanel::cmbZoom_Click()
{
    ApplyZoomBox(ZoomConfirm::Click);
}

void ZoomPanel::cmbZoom_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        ApplyZoomBox(ZoomConfirm::Enter);
}

void ZoomPanel::cmbZoom_LostFocus()
{
    cmbZoom->setEditText(ZoomFactorText(scale_.GridMode));
}

void ZoomPanel::ApplyZoomBox(ZoomConfirm how)
{
    const ZoomBoxResult r = ConfirmZoomBox(cmbZoom->currentText(), scale_.GridMode, how);
    cmbZoom->setEditText(r.text);
    if (r.apply) {
        scale_.GridMode = r.factor;
        if (Redraw)
            Redraw();
    }
}

bool ZoomPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbZoom && event->type() == QEvent::FocusOut)
        cmbZoom_LostFocus();
    return SidePanel::eventFilter(watched, event);
}
