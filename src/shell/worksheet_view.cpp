#include "shell/worksheet_view.h"

#include <algorithm>
#include <cmath>

#include <QFrame>
#include <QMouseEvent>
#include <QScrollBar>

#include "model/state.h"
#include "platform/numeric.h"
#include "render/clsGrafik.h"
#include "shell/main_window_layout.h"
#include "shell/panel_metrics.h"
#include "shell/worksheet_picture.h"
#include "render/engine_binding.h"
#include "simulation/engine.h"

WorksheetView::WorksheetView(ProgramState& s, EngineContext& engine, QWidget* client, int left)
    : QObject(client), s_(s), engine_(engine)
{
    picContainer = new QWidget(client);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setAutoFillBackground(true);
    QPalette pal = picContainer->palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    picContainer->setPalette(pal);
    picContainer->setGeometry(left, 2 + 22 + 2, 400, 300);
    picContainer->installEventFilter(this);
    picGrid = new WorksheetPicture(picContainer);
    shpSelectedTimer = new QFrame(picGrid);
    shpSelectedTimer->setObjectName(QStringLiteral("shpSelectedTimer"));
    shpSelectedTimer->setFrameShape(QFrame::Box);
    shpSelectedTimer->setVisible(false);
    const auto makeLine = [this](const char* name) {
        auto* line = new QFrame(picContainer);
        line->setObjectName(QString::fromLatin1(name));
        line->setAutoFillBackground(true);
        QPalette lp = line->palette();
        lp.setColor(QPalette::Window, Qt::black);
        line->setPalette(lp);
        return line;
    };
    EndLineV = makeLine("EndLineV");
    EndLineH = makeLine("EndLineH");
    HScroll = new QScrollBar(Qt::Horizontal, client);
    HScroll->setObjectName(QStringLiteral("HScroll"));
    VScroll = new QScrollBar(Qt::Vertical, client);
    VScroll->setObjectName(QStringLiteral("VScroll"));
    HScroll->setVisible(false);
    VScroll->setVisible(false);
    // Qt reports a dragged thumb as value changes too (the bars track).
    connect(HScroll, &QScrollBar::valueChanged, this,
            [this] { HScroll->isSliderDown() ? HScroll_Scroll() : HScroll_Change(); });
    connect(VScroll, &QScrollBar::valueChanged, this,
            [this] { VScroll->isSliderDown() ? VScroll_Scroll() : VScroll_Change(); });
}

int WorksheetView::GetContainerWidth() const
{
    return picContainer->width();
}

void WorksheetView::ApplyLayout(const ResizeLayout& l)
{
    const auto applyBar = [](QScrollBar* bar, const ScrollBarPlace& p) {
        if (p.visible) {
            bar->setGeometry(Px(p.rect.left), Px(p.rect.top), Px(p.rect.width), Px(p.rect.height));
            bar->setMaximum(p.maximum);
            bar->setValue(p.value);
        } else {
            bar->setValue(0);
            bar->setMaximum(0);
        }
        bar->setVisible(p.visible);
    };
    applyBar(HScroll, l.hScroll);
    applyBar(VScroll, l.vScroll);
    picGrid->move(Px(l.pictureLeft), Px(l.pictureTop));
    PlaceEndLines();
    GetVisibleP();
}

void WorksheetView::ResetScrollBars()
{
    HScroll->setValue(0);
    VScroll->setValue(0);
}

void WorksheetView::HScroll_Change()
{
    ScrollPicture();
}

void WorksheetView::VScroll_Change()
{
    ScrollPicture();
}

// While tracking, each step of the thumb is a settled value: the visible
// range follows at once, not only when the drag ends.
void WorksheetView::HScroll_Scroll()
{
    ScrollPicture();
}

void WorksheetView::VScroll_Scroll()
{
    ScrollPicture();
}

void WorksheetView::ScrollPicture()
{
    // Whole pixels of the zoomed cell, as the worksheet has always scrolled.
    const double cell = 14.0 * s_.GridMode;
    picGrid->move(HScroll->isVisible() ? static_cast<int>(std::floor(-HScroll->value() * cell)) : picGrid->x(),
                  VScroll->isVisible() ? static_cast<int>(std::floor(-VScroll->value() * cell)) : picGrid->y());
    PlaceEndLines();
    GetVisibleP();
}

void WorksheetView::PlaceEndLines()
{
    const int r = picGrid->x() + picGrid->width();
    const int b = picGrid->y() + picGrid->height();
    EndLineV->setGeometry(r + 1, 0, 1, std::max(1, b + 1));
    EndLineH->setGeometry(0, b + 1, std::max(1, r + 2), 1);
}

void WorksheetView::GetVisibleP()
{
    if (!grafik_)
        return;
    const double cellPx = 14.0 * s_.GridMode;
    const int columns = GetVisibleArea(Tw(picGrid->width()), Tw(GetContainerWidth()), cellPx, kTwipsPerPixel);
    const int rows = GetVisibleArea(Tw(picGrid->height()), Tw(picContainer->height()), cellPx, kTwipsPerPixel);
    grafik_->VStartX = static_cast<int16_t>(HScroll->value());
    grafik_->VEndX = static_cast<int16_t>(std::min<int>(s_.circuit.MaxX, HScroll->value() - 1 + columns));
    grafik_->VStartY = static_cast<int16_t>(VScroll->value());
    grafik_->VEndY = static_cast<int16_t>(std::min<int>(s_.circuit.MaxY, VScroll->value() - 1 + rows));
}

void WorksheetView::AutoScroll(int x, int y)
{
    if (s_.Scroll == 0)
        return;
    const int cw = GetContainerWidth();
    const int ch = picContainer->height();
    constexpr int kMargin = 20;
    if (picGrid->y() + y > ch - kMargin)
        VScroll->setValue(std::min(VScroll->value() + 1, VScroll->maximum()));
    if (picGrid->x() + x > cw - kMargin)
        HScroll->setValue(std::min(HScroll->value() + 1, HScroll->maximum()));
    if (picGrid->y() + y < kMargin)
        VScroll->setValue(std::max(VScroll->value() - 1, 0));
    if (picGrid->x() + x < kMargin)
        HScroll->setValue(std::max(HScroll->value() - 1, 0));
}

void WorksheetView::MovePicGrid(double x, double y, double downX, double downY)
{
    const double cw = Int(14 * s_.GridMode) * double(kTwipsPerPixel);
    const double nl = CLng(x - downX + Tw(picGrid->x()));
    const double nt = CLng(y - downY + Tw(picGrid->y()));
    if (HScroll->minimum() * cw <= -nl && -nl <= HScroll->maximum() * cw)
        HScroll->setValue(static_cast<int>(CLng(-nl / cw)));
    if (VScroll->minimum() * cw <= -nt && -nt <= VScroll->maximum() * cw)
        VScroll->setValue(static_cast<int>(CLng(-nt / cw)));
}

void WorksheetView::picContainer_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton && s_.ToolMode == ToolCode::SimulationRunning && s_.CurrentLevel > 0
        && static_cast<size_t>(s_.CurrentLevel) < s_.circuit.ICInstances.size())
        ShowLevel(EngineOf(s_, engine_), s_.circuit.ICInstances[static_cast<size_t>(s_.CurrentLevel)].ParentLevel);
}

bool WorksheetView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picContainer && event->type() == QEvent::MouseButtonPress)
        picContainer_MouseDown(static_cast<QMouseEvent*>(event)->button());
    return QObject::eventFilter(watched, event);
}
