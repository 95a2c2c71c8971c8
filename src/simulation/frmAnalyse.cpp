#include "simulation/frmAnalyse.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "platform/guard.h"
#include "simulation/frmAnalyse2.h"
#include "simulation/logic_analyzer.h"

namespace {
constexpr int kColumnWidthTwips = 90;
constexpr int kButtonSize = 26; // pixels; the list starts below the button
constexpr int kTextPadding = 12;
} // namespace

int ValueColumnWidth(int textWidth)
{
    return std::max(TwipsToPixels(kColumnWidthTwips), textWidth);
}

frmAnalyse::frmAnalyse(LogicAnalyzer& model, const CircuitTables& s, UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), s_(s), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmAnalyse"));
    // The window keeps its German caption.
    setWindowTitle(QStringLiteral("Analysepunkte"));
    setAttribute(Qt::WA_DeleteOnClose);

    cmdLoeschen_ = new QPushButton(this);
    cmdLoeschen_->setObjectName(QStringLiteral("cmdLöschen"));
    cmdLoeschen_->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    cmdLoeschen_->setGeometry(0, 0, kButtonSize, kButtonSize);
    connect(cmdLoeschen_, &QPushButton::clicked, this, [this] {
        RunGuarded(dialogs_, QStringLiteral("frmAnalyse.cmdLöschen_Click"), [this] { cmdLoeschen_Click(); });
    });

    lvwAnalyse_ = new QTreeWidget(this);
    lvwAnalyse_->setObjectName(QStringLiteral("lvwAnalyse"));
    lvwAnalyse_->setRootIsDecorated(false);
    lvwAnalyse_->setIndentation(0);
    lvwAnalyse_->setUniformRowHeights(true);
    lvwAnalyse_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwAnalyse_->header()->setStretchLastSection(false);
    lvwAnalyse_->move(0, kButtonSize);

    resize(280, 320); // nine columns side by side
    Form_Load();
}

void frmAnalyse::Form_Load()
{
    PrepareListView();
    ResizeListView();
}

void frmAnalyse::PrepareListView()
{
    model_.PrepareListView(s_);
    lvwAnalyse_->clear();
    QStringList headers;
    for (const int ch : model_.Columns())
        headers << QString::number(ch);
    lvwAnalyse_->setColumnCount(static_cast<int>(headers.size()));
    lvwAnalyse_->setHeaderLabels(headers);
    // A list without columns shows no header at all.
    lvwAnalyse_->setHeaderHidden(headers.isEmpty());
}

void frmAnalyse::ResizeListView()
{
    lvwAnalyse_->resize(width(), std::max(0, height() - lvwAnalyse_->y()));
    const int width = ValueColumnWidth(lvwAnalyse_->fontMetrics().horizontalAdvance(QStringLiteral("0")) + kTextPadding);
    for (int j = 0; j < lvwAnalyse_->columnCount(); ++j)
        lvwAnalyse_->setColumnWidth(j, width);
}

void frmAnalyse::AppendSample()
{
    if (model_.Rows().empty())
        return;
    auto* item = new QTreeWidgetItem(QStringList(model_.Rows().back()));
    lvwAnalyse_->addTopLevelItem(item);
    // With a single column the line is only added.
    if (lvwAnalyse_->columnCount() > 1) {
        lvwAnalyse_->setCurrentItem(item);
        lvwAnalyse_->scrollToItem(item);
    }
}

void frmAnalyse::cmdLoeschen_Click()
{
    model_.Clear();
    lvwAnalyse_->clear();
    if (Cleared)
        Cleared();
}

void frmAnalyse::closeEvent(QCloseEvent* event)
{
    event->accept();
    RunGuarded(dialogs_, QStringLiteral("frmAnalyse.Form_QueryUnload"), [this] { Form_QueryUnload(); });
}

void frmAnalyse::Form_QueryUnload()
{
    if (Unloaded)
        Unloaded();
}

void frmAnalyse::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RunGuarded(dialogs_, QStringLiteral("frmAnalyse.Form_Resize"), [this] { Form_Resize(); });
}

void frmAnalyse::Form_Resize()
{
    ResizeListView();
}
