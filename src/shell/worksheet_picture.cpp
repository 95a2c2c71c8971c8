#include "shell/worksheet_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/guard.h"

WorksheetPicture::WorksheetPicture(QWidget* parent)
    : QWidget(parent), surface_(std::make_unique<PainterSurface>(1, 1, SurfaceKind::Worksheet))
{
    setObjectName(QStringLiteral("picGrid"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus); // the space bar goes to the worksheet
    setContextMenuPolicy(Qt::PreventContextMenu);
    surface_->OnDrawn = [this] { update(); };
}

void WorksheetPicture::SetPictureSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (surface_->Width() != width || surface_->Height() != height)
        surface_->Resize(width, height);
    resize(width, height);
    update();
}

void WorksheetPicture::SetMousePointer(int pointer)
{
    mousePointer_ = pointer;
    switch (pointer) {
    case 2:
        setCursor(Qt::CrossCursor);
        break;
    case 5:
    case 15:
        setCursor(Qt::SizeAllCursor);
        break;
    case 14:
        setCursor(Qt::WhatsThisCursor);
        break;
    case 99:
        setCursor(Qt::PointingHandCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void WorksheetPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect r = event->rect();
    painter.fillRect(r, Qt::white);
    painter.drawImage(r.topLeft(), surface_->Image(), r);
    // Only logged: a message box from here would repaint into the same failure.
    if (PaintOverlay)
        RunGuarded(nullptr, QStringLiteral("the worksheet's painting"), [&] { PaintOverlay(painter); });
}

void WorksheetPicture::Guarded(const char* what, const std::function<void()>& handlers)
{
    RunGuarded(dialogs_, QStringLiteral("the worksheet (%1)").arg(QLatin1String(what)), handlers);
}

int MouseButtonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

void WorksheetPicture::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    Guarded("mouse button pressed",
            [&] { emit MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), p.x(), p.y()); });
}

void WorksheetPicture::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    Guarded("mouse moved",
            [&] { emit MouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()), p.x(), p.y()); });
}

void WorksheetPicture::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    Guarded("mouse button released",
            [&] { emit MouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), p.x(), p.y()); });
}

void WorksheetPicture::mouseDoubleClickEvent(QMouseEvent*)
{
    // A double click is press, release, double click, release: no third press.
    Guarded("double click", [&] { emit DoubleClick(); });
}

void WorksheetPicture::leaveEvent(QEvent* event)
{
    Guarded("mouse left", [&] { emit MouseLeave(); });
    QWidget::leaveEvent(event);
}

void WorksheetPicture::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 256)
        Guarded("key pressed", [&] { emit KeyPress(text.at(0).unicode()); });
    else
        QWidget::keyPressEvent(event);
}
