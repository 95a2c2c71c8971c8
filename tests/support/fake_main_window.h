#pragma once
// A main window that only records what core code asks of it. Every call is
// appended to `calls` by name; its effect is kept in the public fields, which
// tests may also preset (e.g. dialogFileName, mainFormLoaded).
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "shell/main_window_services.h"

class FakeMainWindow : public MainWindowServices {
public:
    mutable QStringList calls; // getters are recorded too

    std::map<int, QString> statusPanels;
    std::vector<int> progressValues;
    bool mainWindowEnabled = true;
    QString caption;
    QString dialogFileName;
    std::vector<std::array<bool, 8>> propertyWindowParts;
    std::vector<bool> changeGUICalls;
    std::vector<int16_t> selPictures;
    std::vector<std::pair<int16_t, int16_t>> sizeBoxes;
    int resetScrollBarsCount = 0;
    int pressPowerOffCount = 0;

    bool analyserMenuEnabled = true;
    bool undoListMenuEnabled = true;
    int checkedComponentItem = 0;
    std::array<QString, 4> usedFileCaptions;
    std::array<bool, 4> usedFileVisible{};
    bool usedFilesSeparatorVisible = false;

    QString pressedToolKey;
    int pressedToolIndex = 0;
    bool orientationToolbarEnabled = true;
    int worksheetMousePointer = 0;

    int redrawAllElementsCount = 0;
    int drawGridCount = 0;
    int unloadClockTimersCount = 0;
    int unloadICConnectorLabelsCount = 0;
    int resetICWindowCount = 0;
    int rebuildLevelTreeCount = 0;
    int deleteUndoDataCount = 0;
    int resetAnalyserCount = 0;
    bool mainFormLoaded = true;
    bool formelPanelOpen = false;

    void SetStatusPanel(int panel, const QString& text) override;
    void SetProgress(int value) override;
    void EnableMainWindow(bool enabled) override;
    void SetCaption(const QString& text) override;
    QString DialogFileName() const override;
    void SetDialogFileName(const QString& name) override;
    void ChangePropertyWindow(std::array<bool, 8> parts) override;
    void ChangeGUI(bool edit) override;
    void ChangeSelPicture(int16_t tool) override;
    void SetSizeBoxes(int16_t maxX, int16_t maxY) override;
    void ResetScrollBars() override;
    void PressPowerOff() override;
    void SetAnalyserMenuEnabled(bool enabled) override;
    void SetUndoListMenuEnabled(bool enabled) override;
    void CheckComponentMenuOnly(int item) override;
    void SetUsedFileItem(int index, const QString& text) override;
    QString UsedFileItem(int index) const override;
    void ShowUsedFilesSeparator() override;
    QString PressedToolKey(int* index) const override;
    void PressToolButton(const QString& key, int index) override;
    void ReleaseToolButton(const QString& key) override;
    bool OrientationToolbarEnabled() const override;
    void SetOrientationToolbarEnabled(bool enabled) override;
    int WorksheetMousePointer() const override;
    void SetWorksheetMousePointer(int pointer) override;
    void RedrawAllElements() override;
    void DrawGrid() override;
    void UnloadClockTimers() override;
    void UnloadICConnectorLabels() override;
    void ResetICWindow() override;
    void RebuildLevelTree() override;
    void DeleteUndoData() override;
    void ResetAnalyser() override;
    bool MainFormLoaded() const override;
    bool FormelPanelOpen() const override;
};
