#include "boolean/truth_table_view.h"

#include "platform/color.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kCellWidth = 20;
constexpr int kResultLeft = truth_table::kMaxVariables * TruthTableView::kCellPitch + 12;
constexpr const char* kRole = "cellRole";
constexpr const char* kIndex = "cellIndex";
enum Role { InputCell = 1, ResultCell, ColumnHeader, ResultHeader, EmptyArea };

void Colour(QLabel* label, int32_t bgr)
{
    const QColor c = ColorFromBgr(bgr);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c);
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
}

} // namespace

TruthTableView::TruthTableView(TruthTableGrid& grid, truth_table::HeaderColours& headers, QWidget* parent)
    : QWidget(parent), grid_(grid), headers_(headers)
{
    auto* layout = new QVBoxLayout(this);
    picture2_ = new QWidget(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setFixedHeight(20);
    picture2_->setMouseTracking(true);
    picture2_->setProperty(kRole, EmptyArea);
    picture2_->installEventFilter(this);
    for (int c = 0; c <= truth_table::kMaxVariables; ++c) {
        const bool result = c == truth_table::kMaxVariables;
        QLabel* header = NewLabel(picture2_, result ? QStringLiteral("lblErgebnis") : QStringLiteral("lblSpalte"),
                                  result ? 0 : c);
        header->setText(result ? QStringLiteral("=") : QString(QChar(u'A' + c)));
        header->setProperty(kRole, result ? ResultHeader : ColumnHeader);
        // The design-time tooltips stay; "E" never had one.
        static const char* const kTips[] = {"Spalte A invertieren", "Spalte B invertieren", "Spalte C invertieren",
                                            "Spalte D invertieren", "",  "Spalte F invertieren",
                                            "Spalte invertieren"};
        header->setToolTip(QString::fromUtf8(kTips[c]));
        header->move(result ? kResultLeft : c * kCellPitch, 0);
        headerLabels_.push_back(header);
    }
    layout->addWidget(picture2_);

    auto* frameRow = new QHBoxLayout;
    lineFrame_ = new QWidget(this);
    lineFrame_->setObjectName(QStringLiteral("picLineFrame"));
    lineFrame_->setFixedSize(kResultLeft + kCellWidth + 4, grid_.picLineFrame.Height / kTwipsPerPixel);
    lineBox_ = new QWidget(lineFrame_);
    lineBox_->setObjectName(QStringLiteral("picLineBox"));
    lineBox_->setMouseTracking(true);
    lineBox_->setProperty(kRole, EmptyArea);
    lineBox_->installEventFilter(this);
    scrLines_ = new QScrollBar(Qt::Vertical, this);
    scrLines_->setObjectName(QStringLiteral("scrLines"));
    scrLines_->installEventFilter(this);
    connect(scrLines_, &QScrollBar::valueChanged, this,
            [this](int v) { lineBox_->move(0, -v / kTwipsPerPixel); });
    scrLines_->setFixedHeight(lineFrame_->height());
    frameRow->addWidget(lineFrame_);
    frameRow->addWidget(scrLines_);
    frameRow->addStretch();
    layout->addLayout(frameRow);

    auto* counters = new QHBoxLayout;
    const auto counter = [&](const QString& name, const QString& box, QLineEdit*& edit,
                             std::function<void(bool)> TruthTableView::*handler) {
        edit = new QLineEdit(this);
        edit->setObjectName(box);
        edit->setReadOnly(true);
        edit->setFixedWidth(30);
        counters->addWidget(edit);
        for (bool up : {true, false}) {
            auto* b = new QToolButton(this);
            b->setObjectName(name + (up ? QStringLiteral("Up") : QStringLiteral("Down")));
            b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            connect(b, &QToolButton::clicked, this, [this, handler, up] {
                if (this->*handler)
                    (this->*handler)(up);
            });
            counters->addWidget(b);
        }
    };
    counter(QStringLiteral("UpDown1"), QStringLiteral("txtAnzZeilen"), rows_, &TruthTableView::UpDown1_Click);
    counter(QStringLiteral("UpDown2"), QStringLiteral("txtAnzVars"), vars_, &TruthTableView::UpDown2_Click);
    counters->addStretch();
    layout->addLayout(counters);
    layout->addStretch();
    Sync();
}

QLabel* TruthTableView::NewLabel(QWidget* parent, const QString& name, int index)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name + QString::number(index));
    label->setProperty(kIndex, index);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(kCellWidth, 255 / kTwipsPerPixel);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    label->show();
    return label;
}

void TruthTableView::SyncRows()
{
    const std::size_t wanted = grid_.lblLine.size();
    while (cells_.size() > wanted) {
        delete cells_.back();
        cells_.pop_back();
    }
    while (cells_.size() < wanted) {
        const int index = static_cast<int>(cells_.size());
        const int column = index % TruthTableGrid::kColumns;
        if (column >= TruthTableGrid::kUsableColumns) {
            cells_.push_back(nullptr);
            continue;
        }
        QLabel* cell = NewLabel(lineBox_, QStringLiteral("lblLine"), index);
        cell->setProperty(kRole, InputCell);
        cell->move(column * kCellPitch, grid_.lblLine[static_cast<std::size_t>(index)].Top / kTwipsPerPixel);
        cells_.push_back(cell);
    }
    while (results_.size() > static_cast<std::size_t>(grid_.Rows())) {
        delete results_.back();
        results_.pop_back();
    }
    while (results_.size() < static_cast<std::size_t>(grid_.Rows())) {
        const int row = static_cast<int>(results_.size());
        QLabel* cell = NewLabel(lineBox_, QStringLiteral("lblResult"), row);
        cell->setProperty(kRole, ResultCell);
        cell->move(kResultLeft, grid_.lblResult[static_cast<std::size_t>(row)].Top / kTwipsPerPixel);
        results_.push_back(cell);
    }
}

void TruthTableView::Sync()
{
    SyncRows();
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        if (!cells_[i])
            continue;
        const TableCell& g = grid_.lblLine[i];
        cells_[i]->setText(g.Caption);
        cells_[i]->setEnabled(g.Enabled);
        // A column in use shows its cells on white.
        cells_[i]->setAutoFillBackground(g.Enabled);
        Colour(cells_[i], g.ForeColor);
    }
    for (std::size_t r = 0; r < results_.size(); ++r) {
        const TableCell& g = grid_.lblResult[r];
        results_[r]->setText(g.Caption);
        Colour(results_[r], g.ForeColor);
    }
    for (std::size_t c = 0; c < headerLabels_.size(); ++c) {
        const bool inUse = c == headerLabels_.size() - 1 || grid_.lblSpalte[c];
        headerLabels_[c]->setEnabled(inUse);
        Colour(headerLabels_[c], inUse ? headers_.colour[c] : truth_table::kWhite);
    }
    lineBox_->setFixedSize(lineFrame_->width(), std::max(grid_.picLineBox.Height, grid_.picLineFrame.Height) / kTwipsPerPixel);
    scrLines_->setRange(0, std::max(0, grid_.scrLines.Max));
    scrLines_->setSingleStep(360);
    rows_->setText(QString::number(grid_.Rows()));
    vars_->setText(QString::number(truth_table::VariableCount(grid_)));
}

bool TruthTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scrLines_) {
        if (event->type() == QEvent::FocusIn && scrLines_GotFocus)
            scrLines_GotFocus();
        return false;
    }
    const int role = watched->property(kRole).toInt();
    const int index = watched->property(kIndex).toInt();
    if (role == 0)
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        if (me->button() != Qt::LeftButton || !w->rect().contains(me->position().toPoint()) || !w->isEnabled())
            return false;
        switch (role) {
        case InputCell:
            if (lblLine_Click)
                lblLine_Click(index);
            return true;
        case ResultCell:
            if (lblResult_Click)
                lblResult_Click(index);
            return true;
        case ColumnHeader:
            if (lblSpalte_Click)
                lblSpalte_Click(index);
            return true;
        case ResultHeader:
            if (lblErgebnis_Click)
                lblErgebnis_Click();
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::MouseMove && Hovered) {
        using truth_table::HoverTarget;
        static constexpr HoverTarget kTargets[] = {HoverTarget::EmptyArea, HoverTarget::InputCell,
                                                   HoverTarget::ResultCell, HoverTarget::ColumnHeader,
                                                   HoverTarget::ResultHeader, HoverTarget::EmptyArea};
        Hovered(kTargets[role], index);
    }
    return false;
}
