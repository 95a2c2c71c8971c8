#pragma once
// The worksheet in the window: the container picContainer with the picture
// picGrid in it, the lines that end the picture, the mark of the selected
// clock generator and the scroll bars beside the container.
#include <QObject>
#include <cstdint>

#include "simulation/engine.h"

class QFrame;
class QScrollBar;
class QWidget;
class WorksheetPicture;
class clsGrafik;
struct ResizeLayout;
struct SheetScale;

class WorksheetView : public QObject {
    Q_OBJECT
public:
    // The controls are the client area's own, the container left at `left` pixels.
    // The bars follow scale and the circuit's size, and move with the cursor
    // while scroll is on; engine leaves a level on a right click while running.
    WorksheetView(const Engine& engine, const SheetScale& scale, const int16_t& scroll, QWidget* client, int left);

    QWidget* picContainer = nullptr;
    WorksheetPicture* picGrid = nullptr;
    QFrame* shpSelectedTimer = nullptr;
    QWidget* EndLineV = nullptr;
    QWidget* EndLineH = nullptr;
    QScrollBar* HScroll = nullptr;
    QScrollBar* VScroll = nullptr;

    // The drawing object whose visible cell range follows the bars.
    void SetGrafik(clsGrafik* grafik) { grafik_ = grafik; }

    // The width of the part of the worksheet that can be seen: the bars lie
    // outside the container, so its own edges are the visible ones.
    int GetContainerWidth() const;
    // Bars, picture and end lines as the window's layout placed them.
    void ApplyLayout(const ResizeLayout& l);
    void ResetScrollBars();
    // A bar's value changed, by the user or by the program: the picture
    // moves by whole cells and the visible cell range follows.
    void HScroll_Change();
    void VScroll_Change();
    // The thumb being dragged: the picture follows it.
    void HScroll_Scroll();
    void VScroll_Scroll();
    // Beside the picture, the right button climbs out of a shown IC level.
    void picContainer_MouseDown(Qt::MouseButton button);
    void ScrollPicture();
    void PlaceEndLines();
    // The drawing object's visible cell range from the bars and the container.
    void GetVisibleP();
    // While a button is held near the edge (x, y in picture pixels): one cell on.
    void AutoScroll(int x, int y);
    // Dragging with the right button: the edge moves one twip (a fifteenth of a
    // pixel) per pixel of pointer travel from (downX, downY).
    void MovePicGrid(double x, double y, double downX, double downY);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Engine engine_;
    const SheetScale& scale_;
    const int16_t& scroll_;
    clsGrafik* grafik_ = nullptr;
};
