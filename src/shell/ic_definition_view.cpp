#include "shell/ic_definition_view.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QListWidget>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "render/clsGrafik.h"
#include "shell/worksheet_picture.h"

ICDefinitionView::ICDefinitionView(ProgramState& s, clsGrafik& grafik, WorksheetPicture* picGrid,
                                   QListWidget* lstIC, QObject* parent)
    : QObject(parent), s_(s), grafik_(grafik), picGrid_(picGrid), lstIC_(lstIC)
{
}

void ICDefinitionView::lblICAnschluss_MouseMove(int index)
{
    s_.ICPinIndex = static_cast<int16_t>(index);
    if (s_.ToolMode != ToolCode::ICDefinitionView)
        return;
    for (size_t i = 0; i < lblICAnschluss_.size(); ++i) {
        QLabel* label = lblICAnschluss_[i];
        if (!label)
            continue;
        const bool lit = static_cast<int>(i) == index;
        label->setFrameShape(lit ? QFrame::Box : QFrame::NoFrame);
        label->setStyleSheet(lit ? QStringLiteral("background:#000080;color:#ffffff")
                                 : QStringLiteral("background:#ffffff;color:#000000"));
    }
}

// The IC window and the IC-definition view come with IC definition; until
// then there is nothing to reset, fill or lay out.
void ICDefinitionView::ShowICView() {}
void ICDefinitionView::ResetICWindow() {}
void ICDefinitionView::SetICWindowFields(const QString&, const QString&, const QString&) {}
void ICDefinitionView::ShowInOut() {}

QLabel* ICDefinitionView::ConnectorLabel(int index)
{
    if (lblICAnschluss_.size() <= static_cast<size_t>(index))
        lblICAnschluss_.resize(static_cast<size_t>(index) + 1);
    if (!lblICAnschluss_[static_cast<size_t>(index)]) {
        auto* label = new QLabel(picGrid_);
        label->setObjectName(QStringLiteral("lblICAnschluß%1").arg(index));
        label->setMouseTracking(true);
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
    if (!s_.P.Contains(x, y))
        return;
    const size_t n = s_.P(x, y).ICConnector;
    if (n >= lblICAnschluss_.size() || !lblICAnschluss_[n])
        return;
    QLabel* label = lblICAnschluss_[n];
    double f = 1;
    if (grafik_.OnPrinter() && picGrid_->surface().ScaleWidth() != 0)
        f = CInt(grafik_.Device->ScaleWidth() / picGrid_->surface().ScaleWidth());
    const GridCell& cell = s_.P(x, y);
    const double px = GridToPixel(s_, x);
    const double py = GridToPixel(s_, y);
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
    lstIC_->addItems(QDir(s_.Verzeichnisse[1]).entryList({QStringLiteral("*.icd")}, QDir::Files, QDir::Name));
}

bool ICDefinitionView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        for (size_t i = 0; i < lblICAnschluss_.size(); ++i)
            if (watched == lblICAnschluss_[i])
                lblICAnschluss_MouseMove(static_cast<int>(i));
    return QObject::eventFilter(watched, event);
}
