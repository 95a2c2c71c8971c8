#include "simulation/frmAnalyse2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "platform/guard.h"
#include "simulation/logic_analyzer.h"

using namespace analyzer;

namespace {
const QColor kBackground(0, 0, 128);
const QColor kTrace(255, 255, 255);
} // namespace

int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

GraphRowPicture::GraphRowPicture(const LogicAnalyzer& model, int row, QWidget* parent)
    : QWidget(parent), model_(model), row_(row)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphRowPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    p.setPen(QPen(kTrace, 0));
    for (const TraceLine& l : model_.Lines(row_))
        p.drawLine(TwipsToPixels(l.x1), TwipsToPixels(l.y1), TwipsToPixels(l.x2), TwipsToPixels(l.y2));
}

frmAnalyse2::frmAnalyse2(const LogicAnalyzer& model, UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmAnalyse2"));
    // The window keeps its German caption.
    setWindowTitle(QStringLiteral("Graph"));
    SyncRows();
}

void frmAnalyse2::SyncRows()
{
    const int wanted = model_.RowCount();
    while (GraphCount() > wanted) {
        delete picGraph_.back();
        delete lblGraph_.back();
        picGraph_.pop_back();
        lblGraph_.pop_back();
    }
    while (GraphCount() < wanted) {
        const int i = GraphCount();
        const int top = LogicAnalyzer::RowTop(i);
        auto* pic = new GraphRowPicture(model_, i, this);
        pic->setObjectName(QStringLiteral("picGraph%1").arg(i));
        pic->setGeometry(TwipsToPixels(kRowLeft), TwipsToPixels(top), TwipsToPixels(model_.RowWidth()),
                         TwipsToPixels(kRowHeight));
        pic->show();
        auto* label = new QLabel(QString::number(i + 1), this);
        label->setObjectName(QStringLiteral("lblGraph%1").arg(i));
        label->move(TwipsToPixels(kLabelLeft), TwipsToPixels(top + kLabelDrop));
        label->show();
        picGraph_.push_back(pic);
        lblGraph_.push_back(label);
    }
    const int width = TwipsToPixels(kRowLeft + model_.RowWidth() + kRowLeft);
    setFixedSize(width, TwipsToPixels(model_.WindowHeight()));
    RedrawTraces();
}

void frmAnalyse2::RedrawTraces()
{
    for (GraphRowPicture* pic : picGraph_)
        pic->update();
}

void frmAnalyse2::closeEvent(QCloseEvent* event)
{
    event->ignore();
    RunGuarded(dialogs_, QStringLiteral("frmAnalyse2.Form_QueryUnload"), [&] { Form_QueryUnload(event); });
}

void frmAnalyse2::Form_QueryUnload(QCloseEvent* event)
{
    // Closing only hides: the traces stay for the next time it opens.
    event->ignore();
    hide();
    if (Hidden)
        Hidden();
}
