#include "ic/ic_drawing.h"

#include <QDragMoveEvent>
#include <QMimeData>
#include <QPainter>

#include "ic/ic_outline.h"
#include "model/state.h"

namespace {

constexpr int kCornerMark = 4;

} // namespace

ICDrawing::ICDrawing(const ICDefinition& s, QWidget* parent) : QWidget(parent), s_(s)
{
    setObjectName(QStringLiteral("picIC"));
    setAcceptDrops(true);
    setMouseTracking(true);
    setAutoFillBackground(false);
}

int ICDrawing::DraggedConnector(const QMimeData* data)
{
    if (!data || !data->hasFormat(kConnectorMimeType))
        return -1;
    bool ok = false;
    const int index = QString::fromLatin1(data->data(kConnectorMimeType)).toInt(&ok);
    return ok ? index : -1;
}

void ICDrawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xFF, 0xFF, 0xC0));
    if (showRaster) {
        p.setPen(QColor(0x80, 0x80, 0x80));
        for (int i = 1; i <= kRasterColumns; ++i)
            for (int j = 1; j <= kRasterRows; ++j)
                p.drawPoint(QPointF(i * scale, j * scale));
    }
    const OutlineBox b = OutlineAt(s_.ICWidth, s_.ICHeight, scale);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(ICBox());
    // Corner marks two units outside each corner.
    const QRectF marks[] = {{b.L - 2 - kCornerMark, b.T - 2 - kCornerMark, kCornerMark, kCornerMark},
                            {b.L + b.W + 2, b.T - 2 - kCornerMark, kCornerMark, kCornerMark},
                            {b.L - 2 - kCornerMark, b.T + b.H + 2, kCornerMark, kCornerMark},
                            {b.L + b.W + 2, b.T + b.H + 2, kCornerMark, kCornerMark}};
    p.setBrush(QColor(0x80, 0x80, 0x80));
    for (const QRectF& r : marks)
        p.drawRect(r);
    p.setPen(QPen(Qt::black, 2));
    for (int k = 1; PinLine && k <= s_.ICPinCount; ++k)
        if (const auto line = PinLine(k))
            p.drawLine(*line);
}

QRectF ICDrawing::ICBox() const
{
    const OutlineBox b = OutlineAt(s_.ICWidth, s_.ICHeight, scale);
    return QRectF(b.L, b.T, b.W - 1, b.H - 1);
}

void ICDrawing::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kConnectorMimeType))
        event->acceptProposedAction();
}

void ICDrawing::dragMoveEvent(QDragMoveEvent* event)
{
    if (!event->mimeData()->hasFormat(kConnectorMimeType))
        return;
    event->acceptProposedAction();
    if (DragOver)
        DragOver(DraggedConnector(event->mimeData()), event->position());
}

void ICDrawing::dropEvent(QDropEvent* event)
{
    // The last place accepted while dragging stays; the drop itself adds nothing.
    if (event->mimeData()->hasFormat(kConnectorMimeType))
        event->acceptProposedAction();
}

void ICDrawing::mousePressEvent(QMouseEvent* event)
{
    if (MousePressed)
        MousePressed(event);
}

void ICDrawing::mouseMoveEvent(QMouseEvent* event)
{
    if (MouseMoved)
        MouseMoved(event);
}
