#include "shell/ic_definition_view.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>

#include "ic/ic_drawing.h"
#include "model/field_list.h"
#include "model/geometry.h"
#include "model/ports/status_port.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "render/clsGrafik.h"
#include "shell/worksheet_picture.h"

ICDefinitionView::ICDefinitionView(const ICViewFields& fields, clsGrafik& grafik, WorksheetPicture* picGrid,
                                   QListWidget* lstIC, QObject* parent)
    : QObject(parent), f_(fields), grafik_(grafik), picGrid_(picGrid), lstIC_(lstIC)
{
}

void ICDefinitionView::lblICAnschluss_MouseMove(int index)
{
    f_.icPinIndex = static_cast<int16_t>(index);
    if (f_.toolMode != ToolCode::ICDefinitionView)
        return;
    for (size_t i = 0; i < lblICAnschluss_.size(); ++i) {
        QLabel* label = lblICAnschluss_[i];
        if (!label)
            continue;
        const bool lit = static_cast<int>(i) == index;
        label->setStyleSheet(lit ? QStringLiteral("background:#000080;color:#ffffff")
                                 : QStringLiteral("background:#ffffff;color:#000000"));
    }
}

void ICDefinitionView::ClearHighlight()
{
    for (auto& label : lblICAnschluss_) {
        if (!label)
            continue;
        label->setStyleSheet(QStringLiteral("background:transparent;color:#000000"));
    }
}

void ICDefinitionView::lblICAnschluss_DragDrop()
{
    if (f_.ports.status)
        f_.ports.status->SetStatusPanel(
            1, QStringLiteral("Bitte ziehen Sie die Textbox mit gedrückter Maustaste in das IC-Entwurfsfenster."));
}

void ICDefinitionView::ShowICView()
{
    if (hooks.showICView)
        hooks.showICView();
}

void ICDefinitionView::ResetICWindow()
{
    if (hooks.resetICWindow)
        hooks.resetICWindow();
}

void ICDefinitionView::SetICWindowFields(const QString& name, const QString& width, const QString& height)
{
    if (hooks.setICWindowFields)
        hooks.setICWindowFields(name, width, height);
}

void ICDefinitionView::ShowInOut()
{
    if (hooks.showInOut)
        hooks.showInOut();
}

QString ICDefinitionView::ConnectorCaption(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= lblICAnschluss_.size() || !lblICAnschluss_[static_cast<size_t>(index)])
        return QString();
    return lblICAnschluss_[static_cast<size_t>(index)]->text();
}

void ICDefinitionView::SetConnectorToolTip(int index, const QString& tip)
{
    if (index >= 1)
        ConnectorLabel(index)->setToolTip(tip);
}

void ICDefinitionView::UnloadConnectorLabel(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= lblICAnschluss_.size())
        return;
    delete lblICAnschluss_[static_cast<size_t>(index)];
    if (static_cast<size_t>(index) + 1 == lblICAnschluss_.size())
        lblICAnschluss_.pop_back();
}

void ICDefinitionView::RefreshConnectorLabels()
{
    while (lblICAnschluss_.size() > static_cast<size_t>(f_.run.circuit.ICPinCount) + 1) {
        if (QLabel* gone = lblICAnschluss_.back()) {
            gone->hide();
            gone->deleteLater();
        }
        lblICAnschluss_.pop_back();
    }
    for (int k = 1; k <= f_.run.circuit.ICPinCount; ++k) {
        const QString entry = f_.run.circuit.ICPins.value(k);
        LoadICConnectorLabel(k, u'[' + GetField(entry, 3) + u']');
        SetConnectorToolTip(k, u' ' + QString::number(k) + u' ');
        PlaceConnectorLabel(k, static_cast<int16_t>(Val(GetField(entry, 1))),
                            static_cast<int16_t>(Val(GetField(entry, 2))));
    }
}

QLabel* ICDefinitionView::ConnectorLabel(int index)
{
    if (lblICAnschluss_.size() <= static_cast<size_t>(index))
        lblICAnschluss_.resize(static_cast<size_t>(index) + 1);
    if (!lblICAnschluss_[static_cast<size_t>(index)]) {
        auto* label = new QLabel(picGrid_);
        label->setObjectName(QStringLiteral("lblICAnschluß%1").arg(index));
        label->setMouseTracking(true);
        label->setAcceptDrops(true);
        label->installEventFilter(this);
        label->setVisible(false);
        lblICAnschluss_[static_cast<size_t>(index)] = label;
    }
    return lblICAnschluss_[static_cast<size_t>(index)];
}

void ICDefinitionView::AddICConnectorLabel(int index, const QString& name, const QString& /*tag*/)
{
    LoadICConnectorLabel(index, u'[' + name + u']');
}

void ICDefinitionView::LoadICConnectorLabel(int index, const QString& caption)
{
    if (index < 1)
        return;
    QLabel* label = ConnectorLabel(index);
    label->setText(caption);
    label->adjustSize();
}

void ICDefinitionView::UnloadICConnectorLabels()
{
    for (auto& label : lblICAnschluss_)
        delete label;
    lblICAnschluss_.clear();
}

void ICDefinitionView::ShowICInOut(int16_t x, int16_t y)
{
    if (f_.run.circuit.P.Contains(x, y))
        PlaceConnectorLabel(f_.run.circuit.P(x, y).ICConnector, x, y);
}

void ICDefinitionView::PlaceConnectorLabel(int index, int16_t x, int16_t y)
{
    if (!f_.run.circuit.P.Contains(x, y) || index < 0)
        return;
    const auto n = static_cast<size_t>(index);
    if (n >= lblICAnschluss_.size() || !lblICAnschluss_[n])
        return;
    QLabel* label = lblICAnschluss_[n];
    label->adjustSize();
    double f = 1;
    if (grafik_.OnPrinter() && picGrid_->surface().ScaleWidth() != 0)
        f = CInt(grafik_.Device->ScaleWidth() / picGrid_->surface().ScaleWidth());
    const GridCell& cell = f_.run.circuit.P(x, y);
    const double px = GridToPixel(f_.scale, x);
    const double py = GridToPixel(f_.scale, y);
    double left = px + 5 * f;
    double top = py - 6 * f;
    if (cell.ConLeft == 0) {
        if (cell.ConRight != 0) {
            left = px - 20 * f;
        } else if (cell.ConDown != 0) {
            left = px;
            top = py - 18 * f;
        } else if (cell.ConUp != 0) {
            left = px;
            top = py + 6 * f;
        }
    }
    const double w = label->width();
    if (cell.ConRight != 0)
        left = px - w - 5 * f;
    else if (cell.ConDown != 0 || cell.ConUp != 0)
        left = px - w / 2;
    label->move(static_cast<int>(RoundHalfEven(left)), static_cast<int>(RoundHalfEven(top)));
    label->setVisible(true);
}

void ICDefinitionView::HideICConnectorLabels()
{
    for (auto& label : lblICAnschluss_)
        if (label)
            label->setVisible(false);
}

void ICDefinitionView::ShowNamedICConnectorLabels()
{
    for (auto& label : lblICAnschluss_)
        if (label && label->text() != QLatin1String("#Input#"))
            label->setVisible(true);
}

void ICDefinitionView::RefreshICFileLists()
{
    lstIC_->clear();
    lstIC_->addItems(QDir(f_.icDirectory).entryList({QStringLiteral("*.icd")}, QDir::Files, QDir::Name));
}

bool ICDefinitionView::eventFilter(QObject* watched, QEvent* event)
{
    // A label being destroyed still sends events, but is no label any more.
    if (!qobject_cast<QLabel*>(watched))
        return QObject::eventFilter(watched, event);
    int index = -1;
    for (size_t i = 0; i < lblICAnschluss_.size(); ++i)
        if (watched == lblICAnschluss_[i])
            index = static_cast<int>(i);
    if (index < 0)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        lblICAnschluss_MouseMove(index);
        break;
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        dragIndex_ = e->button() == Qt::LeftButton ? index : 0;
        dragStart_ = e->position().toPoint();
        break;
    }
    case QEvent::MouseMove: {
        lblICAnschluss_MouseMove(index);
        auto* e = static_cast<QMouseEvent*>(event);
        // While the power is off a label is dragged into the IC window to place its connector.
        if (dragIndex_ != index || !(e->buttons() & Qt::LeftButton) || f_.run.engine.PowerFlag != 0
            || (e->position().toPoint() - dragStart_).manhattanLength() < QApplication::startDragDistance())
            break;
        dragIndex_ = 0;
        auto* drag = new QDrag(watched);
        auto* data = new QMimeData;
        data->setData(kConnectorMimeType, QByteArray::number(index));
        drag->setMimeData(data);
        drag->setPixmap(lblICAnschluss_[static_cast<size_t>(index)]->grab());
        // The label stays under the pointer where it was taken (a drag's own
        // hot spot would draw it beside and below the pointer).
        drag->setHotSpot(dragStart_);
        drag->exec(Qt::MoveAction);
        return true;
    }
    case QEvent::DragEnter: {
        auto* e = static_cast<QDragEnterEvent*>(event);
        if (e->mimeData()->hasFormat(kConnectorMimeType))
            e->acceptProposedAction();
        return true;
    }
    case QEvent::Drop:
        lblICAnschluss_DragDrop();
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
