#pragma once
// The worksheet picture picGrid: shows the picture its surface keeps, like an
// auto-redrawn picture box, and passes the mouse on to the editor.
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/painter_surface.h"

class UserDialogs;

class WorksheetPicture : public QWidget {
    Q_OBJECT
public:
    explicit WorksheetPicture(QWidget* parent = nullptr);

    PainterSurface& surface() { return *surface_; }
    // Sizes the widget and its picture together. A picture up to
    // kWholePicturePixels is kept whole; a larger one only around the part
    // that can be seen, the rest is drawn from the circuit when it comes into
    // view (through DrawHeldPart).
    void SetPictureSize(int width, int height);
    static constexpr qint64 kWholePicturePixels = 8 * 1024 * 1024;
    static constexpr int kHeldMargin = 256;
    static constexpr int kHeldMaxSide = 4096;
    // Draws the whole sheet onto the surface, which keeps the part it holds.
    std::function<void(Surface&)> DrawHeldPart;
    // True when the picture is kept whole (Save as Bitmap can take it as it is).
    bool HoldsWholePicture() const;
    // The part to keep for the visible rectangle (pixels of the picture).
    static QRect HeldPartFor(QSize whole, QRect visible);

    // Mouse pointer shape by number (0 default, 1 arrow, 2 cross hair, ...).
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);

    // Draws the editor's overlays over the picture.
    std::function<void(QPainter&)> PaintOverlay;

    // Where an exception from a handler of the mouse and key signals is
    // reported; it never leaves the event handler.
    void SetDialogs(UserDialogs* dialogs) { dialogs_ = dialogs; }

signals:
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int buttons, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void DoubleClick();
    void MouseLeave();
    void KeyPress(int keyAscii);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs the handlers of one event under the guard.
    void Guarded(const char* what, const std::function<void()>& handlers);

    // The part of the picture that the container shows.
    QRect VisiblePart() const;
    // Keeps the part around `needed` and draws it when it is not kept yet.
    void HoldAround(QRect needed);

    std::unique_ptr<PainterSurface> surface_;
    QSize whole_{1, 1};
    bool repaintAsked_ = false;
    int mousePointer_ = 0;
    UserDialogs* dialogs_ = nullptr;
};

int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);
