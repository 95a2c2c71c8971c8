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
    // One repaint for all that is drawn until it comes.
    surface_->OnDrawn = [this] {
        if (!repaintAsked_) {
            repaintAsked_ = true;
            update();
        }
    };
}

void WorksheetPicture::SetPictureSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    whole_ = QSize(width, height);
    if (static_cast<qint64>(width) * height <= kWholePicturePixels) {
        if (!HoldsWholePicture() || surface_->Width() != width || surface_->Height() != height)
            surface_->Resize(width, height);
    } else {
        // The caller draws the new picture; the held part starts blank.
        resize(width, height);
        surface_->HoldPart(whole_, HeldPartFor(whole_, VisiblePart()));
    }
    resize(width, height);
    update();
}

bool WorksheetPicture::HoldsWholePicture() const
{
    return surface_->HeldRect() == QRect(QPoint(0, 0), QSize(surface_->Width(), surface_->Height()));
}

QRect WorksheetPicture::HeldPartFor(QSize whole, QRect visible)
{
    const QRect all(QPoint(0, 0), whole);
    QRect held = visible.intersected(all);
    if (held.isEmpty())
        held = QRect(0, 0, 1, 1);
    held = held.adjusted(-kHeldMargin, -kHeldMargin, kHeldMargin, kHeldMargin).intersected(all);
    // However large the window, the part kept stays bounded.
    if (held.width() > kHeldMaxSide)
        held.setWidth(kHeldMaxSide);
    if (held.height() > kHeldMaxSide)
        held.setHeight(kHeldMaxSide);
    return held;
}

QRect WorksheetPicture::VisiblePart() const
{
    const QWidget* container = parentWidget();
    const QSize shown = container ? container->size() : QSize(1280, 1024);
    return QRect(-pos(), shown).intersected(rect());
}

void WorksheetPicture::HoldAround(QRect needed)
{
    needed = needed.intersected(VisiblePart());
    if (needed.isEmpty() || HoldsWholePicture() || surface_->HeldRect().contains(needed))
        return;
    surface_->HoldPart(whole_, HeldPartFor(whole_, VisiblePart()));
    if (!DrawHeldPart)
        return;
    // Drawn here: the picture asks for no further painting while it draws.
    auto drawn = std::move(surface_->OnDrawn);
    surface_->OnDrawn = nullptr;
    RunGuarded(nullptr, QStringLiteral("the worksheet's drawing"), [&] { DrawHeldPart(*surface_); });
    surface_->OnDrawn = std::move(drawn);
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
    repaintAsked_ = false;
    const QRect r = event->rect();
    HoldAround(r);
    QPainter painter(this);
    painter.fillRect(r, Qt::white);
    const QRect held = surface_->HeldRect();
    const QRect shown = r.intersected(held);
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), surface_->Image(), shown.translated(-held.topLeft()));
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
