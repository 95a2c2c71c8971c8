#include "shell/layers_panel.h"

#include <QLabel>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "model/state.h"
#include "render/engine_binding.h"
#include "shell/panel_metrics.h"
#include "simulation/engine.h"

namespace {

QTreeWidgetItem* FindLevelNode(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

} // namespace

LayersPanel::LayersPanel(ProgramState& s, EngineContext& engine, QWidget* parent)
    : SidePanel(4, QStringLiteral("Label"), QStringLiteral("lblLevel"), parent), s_(s), engine_(engine)
{
    lblLevel = lblTitle;
    // The title keeps the decoder outline; the panel under it would not.
    lblLevel->setAttribute(Qt::WA_NoMousePropagation);
    const int w = Px(kPanelWidth);
    picLevel = new QWidget(this);
    picLevel->setObjectName(QStringLiteral("picLevel"));
    picLevel->setGeometry(0, kTitleHeight + 1, w, 1);
    tvwLevel = new QTreeWidget(this);
    tvwLevel->setObjectName(QStringLiteral("tvwLevel"));
    tvwLevel->setHeaderHidden(true);
    tvwLevel->setGeometry(Px(kTreeLeft), Px(kTreeTop), Px(kTreeWidth), Px(kPanelHeights[4] - kTreeTop - 60));
    connect(tvwLevel, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) { tvwLevel_NodeClick(item); });
}

void LayersPanel::SetTreeHeight(int height)
{
    tvwLevel->resize(tvwLevel->width(), height);
}

void LayersPanel::tvwLevel_NodeClick(QTreeWidgetItem* node)
{
    if (node)
        LevelTreeClick(EngineOf(s_, engine_), node->data(0, Qt::UserRole).toString());
}

void LayersPanel::RebuildLevelTree()
{
    int16_t first = 0;
    int16_t last = 0;
    RefreshTreeView(EngineOf(s_, engine_), first, last);
}

void LayersPanel::ClearLevelTree()
{
    tvwLevel->clear();
}

void LayersPanel::AddLevelNode(const QString& parentKey, const QString& key, const QString& text)
{
    QTreeWidgetItem* parent = parentKey.isEmpty() ? nullptr : FindLevelNode(tvwLevel, parentKey);
    auto* item = parent ? new QTreeWidgetItem(parent, QStringList(text)) : new QTreeWidgetItem(tvwLevel, QStringList(text));
    item->setData(0, Qt::UserRole, key);
}

void LayersPanel::ExpandAndSelectLevelRoot()
{
    if (tvwLevel->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* root = tvwLevel->topLevelItem(0);
    root->setExpanded(true);
    tvwLevel->setCurrentItem(root);
}

void LayersPanel::SetLevelLabel(const QString& text)
{
    lblLevel->setText(text);
}
