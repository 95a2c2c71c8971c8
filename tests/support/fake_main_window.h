#pragma once
// A main window that only records what core code asks of it. Every call is
// appended to `calls` by name; its effect is kept in the public fields. Like
// the real window it keeps the program state's record of the pressed tool.
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "model/ports/all_ports.h"

struct ProgramState;

class FakeMainWindow : public StatusPort,
                       public FilePort,
                       public ToolPort,
                       public PowerPort,
                       public ClockPanelPort,
                       public ClockTimerPort,
                       public LevelPort,
                       public ICViewPort,
                       public AnalyzerPort,
                       public WorksheetPort,
                       public UndoPort {
public:
    // Stands in for every window of s; Detach takes it away again.
    void Attach(ProgramState& s);
    void Detach();

    mutable QStringList calls; // getters are recorded too

    std::map<int, QString> statusPanels;
    std::vector<int> progressValues;
    bool mainWindowEnabled = true;
    QString caption;
    std::vector<std::array<bool, 8>> propertyWindowParts;
    std::vector<bool> changeGUICalls;
    std::vector<ToolCode> selPictures;
    std::vector<std::pair<int16_t, int16_t>> sizeBoxes;
    int resetScrollBarsCount = 0;
    int switchPowerOffCount = 0;

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

    void SetStatusPanel(int panel, const QString& text) override;
    void SetProgress(int value) override;
    void EnableMainWindow(bool enabled) override;
    void SetCaption(const QString& text) override;
    void ChangePropertyWindow(std::array<bool, 8> parts) override;
    void ChangeGUI(bool edit) override;
    void ChangeSelPicture(ToolCode tool) override;
    void SetSizeBoxes(int16_t maxX, int16_t maxY) override;
    void ResetScrollBars() override;
    void SwitchPowerOff() override;
    void SetAnalyserMenuEnabled(bool enabled) override;
    void SetUndoListMenuEnabled(bool enabled) override;
    void CheckComponentMenuOnly(int item) override;
    void SetUsedFileItem(int index, const QString& text) override;
    void ShowUsedFilesSeparator() override;
    void PressToolButton(const QString& key, int index) override;
    void ReleaseToolButton(const QString& key) override;
    void SetOrientationToolbarEnabled(bool enabled) override;
    void SetWorksheetMousePointer(int pointer) override;
    void RedrawAllElements() override;
    void DrawGrid() override;
    void UnloadClockTimers() override;
    void UnloadICConnectorLabels() override;
    void ResetICWindow() override;
    void RebuildLevelTree() override;
    void DeleteUndoData() override;
    void ResetAnalyser() override;

    // Worksheet redraw and zoom.
    std::pair<int, int> pictureSize{0, 0};
    QSize containerInnerSize{0, 0};
    int resizeWorksheetCount = 0;
    int selectNoneCount = 0;
    std::vector<std::pair<int16_t, QString>> displayedLabels; // DisplayBeschriftungsText
    std::vector<std::pair<int16_t, int16_t>> shownICInOut;
    QString timeLabel;

    void SetWorksheetPictureSize(int width, int height) override;
    QSize WorksheetContainerInnerSize() const override;
    void ResizeWorksheet() override;
    void SelectNone() override;
    void DisplayBeschriftungsText(int16_t n, const QString& oldText) override;
    void ShowICInOut(int16_t x, int16_t y) override;
    void HideICConnectorLabels() override;
    void ShowNamedICConnectorLabels() override;
    void SetTimeLabel(const QString& text) override;

    // Loading circuit and IC definition files.
    int clockTimerCount = 1;
    std::vector<int> analyserChannels;
    struct ICConnectorLabel {
        int index;
        QString name;
        QString tag;
    };
    std::vector<ICConnectorLabel> icConnectorLabels;
    QStringList icWindowFields; // name, width, height
    int showInOutCount = 0;
    int showICViewCount = 0;

    void CreateClockTimers(int count) override;
    void AddAnalyserChannel(int channel) override;
    void AddICConnectorLabel(int index, const QString& name, const QString& tag) override;
    void SetICWindowFields(const QString& name, const QString& width, const QString& height) override;
    void ShowInOut() override;
    void ShowICView() override;

    // The engine's power panel, level tree and clock panel.
    QString onOffText = QStringLiteral("Ready");
    bool redLamp = false; // picRot shown, picGrün hidden
    bool pauseEnabled = false;
    QString pauseCaption = QStringLiteral("&Pause");
    bool stopEnabled = false;
    int commitLabelEditCount = 0;
    struct LevelNode {
        QString parentKey;
        QString key;
        QString text;
    };
    std::vector<LevelNode> levelNodes;
    bool levelRootExpandedAndSelected = false;
    QString levelLabel;
    std::map<int, QString> loadedICConnectorLabels;
    std::map<QString, bool> clockButtons;
    QString clockCyclesText;
    std::pair<int, int> clockSliders{0, 0}; // Slider1, Slider0
    std::pair<QString, QString> clockPhaseLabels; // lbl1, lbl0
    QString clockTitle;
    bool clockLinkChecked = false;

    // The texts the power panel derives from the run state.
    void ShowRunState(RunState state) override;
    void SetRunLamp(bool red) override;
    void SetPauseEnabled(bool enabled) override;
    void SetStopEnabled(bool enabled) override;
    void ShowPowerPanel() override;
    void CommitLabelEdit() override;
    void ClearLevelTree() override;
    void AddLevelNode(const QString& parentKey, const QString& key, const QString& text) override;
    void ExpandAndSelectLevelRoot() override;
    void SetLevelLabel(const QString& text) override;
    void LoadICConnectorLabel(int index, const QString& text) override;
    void SetClockButtonEnabled(const QString& key, bool enabled) override;
    void SetClockCyclesText(const QString& text) override;
    void SetClockSliders(int slider1, int slider0) override;
    void SetClockPhaseLabels(const QString& lbl1, const QString& lbl0) override;
    void SetClockTitle(const QString& text) override;
    void SetClockLinkChecked(bool checked) override;
    void HideSelectedClockFrame() override;

    // Placing: the gate-inputs box, the clock timers and the logic analyzer.
    std::vector<int> clockTimerIntervals{0}; // one per member, kept as long as clockTimerCount
    int prepareListViewCount = 0;
    int resizeListViewCount = 0;
    std::vector<int> addedGraphs;
    std::vector<int> removedGraphs;

    int ClockTimerUBound() const override;
    void AddClockTimer() override;
    void RemoveLastClockTimer() override;
    int ClockTimerInterval(int index) const override;
    void SetClockTimerInterval(int index, int ms) override;
    void PrepareListView() override;
    void ResizeListView() override;
    void AddGraph(int channel) override;
    void RemoveGraph(int channel) override;

    // The undo history's menu items and buttons, and the IC file lists.
    bool undoMenuEnabled = false;
    QString undoMenuCaption = QStringLiteral("Undo: Impossible");
    bool undoButtonsEnabled = false;
    int refreshICFileListsCount = 0;

    void SetUndoMenu(bool enabled, const QString& caption) override;
    void SetUndoButtonsEnabled(bool enabled) override;
    void RefreshICFileLists() override;

private:
    ProgramState* state_ = nullptr;
};
