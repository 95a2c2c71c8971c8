#pragma once
// The IC window's drawing picIC: the dotted raster on light yellow, the IC
// outline with its corner marks, and the pin lines of the placed
// connectors. Connector labels dragged from the worksheet are taken here.
#include <QString>
#include <QWidget>
#include <QLineF>
#include <functional>
#include <optional>

class QMimeData;
struct ICDefinition;

// The drag of a worksheet connector label carries the connector's number in this format.
inline const QString kConnectorMimeType = QStringLiteral("application/x-gatrel-ic-connector");

class ICDrawing : public QWidget {
    Q_OBJECT
public:
    ICDrawing(const ICDefinition& s, QWidget* parent);

    double scale = 8;
    bool showRaster = true;

    // A connector dragged over the drawing (number, pointer in drawing units);
    // -1 when the drag names no connector.
    std::function<void(int index, QPointF at)> DragOver;
    std::function<void(QMouseEvent*)> MousePressed;
    std::function<void(QMouseEvent*)> MouseMoved;
    // The pin line of connector k, while it is placed.
    std::function<std::optional<QLineF>(int k)> PinLine;

    // The outline rectangle at the current scale.
    QRectF ICBox() const;

    // The connector number a drag carries, or -1.
    static int DraggedConnector(const QMimeData* data);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const ICDefinition& s_;
};
