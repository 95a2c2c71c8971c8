#pragma once
// The layers panel picIC: the level tree, titled with the name of the level
// shown. While the power is on a click on a node shows that level.
#include "model/ports/level_port.h"
#include "shell/side_panel.h"
#include "simulation/engine.h"

class QTreeWidget;
class QTreeWidgetItem;

class LayersPanel : public SidePanel, public LevelPort {
    Q_OBJECT
public:
    LayersPanel(const Engine& engine, QWidget* parent);

    QLabel* lblLevel = nullptr; // the title
    QWidget* picLevel = nullptr;
    QTreeWidget* tvwLevel = nullptr;

    void SetTreeHeight(int height);
    // While the power is on a node shows its level.
    void tvwLevel_NodeClick(QTreeWidgetItem* node);

    // LevelPort
    void RebuildLevelTree() override;
    void ClearLevelTree() override;
    void AddLevelNode(const QString& parentKey, const QString& key, const QString& text) override;
    void ExpandAndSelectLevelRoot() override;
    void SetLevelLabel(const QString& text) override;

private:
    // The engine bound to the program state: the parts of it this panel works on.
    const Engine engine_;
};
