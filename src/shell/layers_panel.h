#pragma once
// The layers panel picIC: the level tree, titled with the name of the level
// shown. While the power is on a click on a node shows that level.
#include "model/ports/level_port.h"
#include "shell/side_panel.h"

class QTreeWidget;
class QTreeWidgetItem;
struct EngineContext;
struct ProgramState;

class LayersPanel : public SidePanel, public LevelPort {
    Q_OBJECT
public:
    LayersPanel(ProgramState& s, EngineContext& engine, QWidget* parent);

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
    ProgramState& s_;
    EngineContext& engine_;
};
