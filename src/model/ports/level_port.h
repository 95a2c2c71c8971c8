#pragma once
// The level tree tvwLevel and the name of the level shown.
#include <QString>

class LevelPort {
public:
    virtual ~LevelPort() = default;
    virtual void RebuildLevelTree() = 0; // for level 0
    virtual void ClearLevelTree() = 0;
    // An empty parent key adds a top node.
    virtual void AddLevelNode(const QString& parentKey, const QString& key, const QString& text) = 0;
    virtual void ExpandAndSelectLevelRoot() = 0;
    virtual void SetLevelLabel(const QString& text) = 0; // lblLevel
};
