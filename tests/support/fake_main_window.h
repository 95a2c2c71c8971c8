#pragma once
// A main window that only records what core code asks of it. Every call is
// appended to `calls` by name; its effect is kept in the public fields. Like
// the real window it keeps the program state's record of the pressed tool.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "model/ports/all_ports.h"

struct ProgramState;

// The names of the calls in order, asked like a list of texts. A name is kept
// as its literal and made a text only when read: every engine run calls the
// power panel a few times, and the benchmarks make runs by the million.
class CallLog {
public:
    void Add(const char* name) { names_.push_back(name); }
    qsizetype count(const QString& name) const
    {
        return std::count_if(names_.begin(), names_.end(), [&](const char* n) { return name == QLatin1String(n); });
    }
    qsizetype indexOf(const QString& name) const
    {
        const auto found =
            std::find_if(names_.begin(), names_.end(), [&](const char* n) { return name == QLatin1String(n); });
        return found == names_.end() ? -1 : found - names_.begin();
    }
    bool contains(const QString& name) const { return indexOf(name) >= 0; }
    qsizetype size() const { return static_cast<qsizetype>(names_.size()); }
    bool isEmpty() const { return names_.empty(); }
    void clear() { names_.clear(); }
    operator QStringList() const
    {
        QStringList list;
        for (const char* n : names_)
            list << QLatin1String(n);
        return list;
    }

private:
    std::vector<const char*> names_;
};

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

    mutable CallLog calls; // getters are recorded too

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

    void SetStatusPanel(int panel, const QString& text) override { Note("SetStatusPanel"); statusPanels[panel] = text; }
    void SetProgress(int value) override { Note("SetProgress"); progressValues.push_back(value); }
    void EnableMainWindow(bool enabled) override { Note("EnableMainWindow"); mainWindowEnabled = enabled; }
    void SetCaption(const QString& text) override { Note("SetCaption"); caption = text; }
    void ChangePropertyWindow(std::array<bool, 8> parts) override
    {
        Note("ChangePropertyWindow");
        propertyWindowParts.push_back(parts);
    }
    void ChangeGUI(bool edit) override { Note("ChangeGUI"); changeGUICalls.push_back(edit); }
    void ChangeSelPicture(ToolCode tool) override { Note("ChangeSelPicture"); selPictures.push_back(tool); }
    void SetSizeBoxes(int16_t maxX, int16_t maxY) override { Note("SetSizeBoxes"); sizeBoxes.emplace_back(maxX, maxY); }
    void ResetScrollBars() override { Note("ResetScrollBars"); ++resetScrollBarsCount; }
    void SwitchPowerOff() override { Note("SwitchPowerOff"); ++switchPowerOffCount; }
    void SetAnalyserMenuEnabled(bool enabled) override
    {
        Note("SetAnalyserMenuEnabled");
        analyserMenuEnabled = enabled;
    }
    void SetUndoListMenuEnabled(bool enabled) override
    {
        Note("SetUndoListMenuEnabled");
        undoListMenuEnabled = enabled;
    }
    void CheckComponentMenuOnly(int item) override { Note("CheckComponentMenuOnly"); checkedComponentItem = item; }
    void SetUsedFileItem(int index, const QString& text) override;
    void ShowUsedFilesSeparator() override { Note("ShowUsedFilesSeparator"); usedFilesSeparatorVisible = true; }
    void PressToolButton(const QString& key, int index) override;
    void ReleaseToolButton(const QString& key) override;
    void SetOrientationToolbarEnabled(bool enabled) override
    {
        Note("SetOrientationToolbarEnabled");
        orientationToolbarEnabled = enabled;
    }
    void SetWorksheetMousePointer(int pointer) override
    {
        Note("SetWorksheetMousePointer");
        worksheetMousePointer = pointer;
    }
    void RedrawAllElements() override { Note("RedrawAllElements"); ++redrawAllElementsCount; }
    void DrawGrid() override { Note("DrawGrid"); ++drawGridCount; }
    void UnloadClockTimers() override;
    void UnloadICConnectorLabels() override { Note("UnloadICConnectorLabels"); ++unloadICConnectorLabelsCount; }
    void ResetICWindow() override { Note("ResetICWindow"); ++resetICWindowCount; }
    void RebuildLevelTree() override { Note("RebuildLevelTree"); ++rebuildLevelTreeCount; }
    void DeleteUndoData() override { Note("DeleteUndoData"); ++deleteUndoDataCount; }
    void ResetAnalyser() override { Note("ResetAnalyser"); ++resetAnalyserCount; }

    // Worksheet redraw and zoom.
    std::pair<int, int> pictureSize{0, 0};
    QSize containerInnerSize{0, 0};
    int resizeWorksheetCount = 0;
    int selectNoneCount = 0;
    std::vector<std::pair<int16_t, QString>> displayedLabels; // DisplayBeschriftungsText
    std::vector<std::pair<int16_t, int16_t>> shownICInOut;
    QString timeLabel;

    void SetWorksheetPictureSize(int width, int height) override
    {
        Note("SetWorksheetPictureSize");
        pictureSize = {width, height};
    }
    QSize WorksheetContainerInnerSize() const override
    {
        Note("WorksheetContainerInnerSize");
        return containerInnerSize;
    }
    void ResizeWorksheet() override { Note("ResizeWorksheet"); ++resizeWorksheetCount; }
    void SelectNone() override { Note("SelectNone"); ++selectNoneCount; }
    void DisplayBeschriftungsText(int16_t n, const QString& oldText) override
    {
        Note("DisplayBeschriftungsText");
        displayedLabels.emplace_back(n, oldText);
    }
    void ShowICInOut(int16_t x, int16_t y) override { Note("ShowICInOut"); shownICInOut.emplace_back(x, y); }
    void HideICConnectorLabels() override { Note("HideICConnectorLabels"); }
    void ShowNamedICConnectorLabels() override { Note("ShowNamedICConnectorLabels"); }
    void SetTimeLabel(const QString& text) override { Note("SetTimeLabel"); timeLabel = text; }

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
    void AddAnalyserChannel(int channel) override { Note("AddAnalyserChannel"); analyserChannels.push_back(channel); }
    void AddICConnectorLabel(int index, const QString& name, const QString& tag) override
    {
        Note("AddICConnectorLabel");
        icConnectorLabels.push_back({index, name, tag});
    }
    void SetICWindowFields(const QString& name, const QString& width, const QString& height) override
    {
        Note("SetICWindowFields");
        icWindowFields = {name, width, height};
    }
    void ShowInOut() override { Note("ShowInOut"); ++showInOutCount; }
    void ShowICView() override { Note("ShowICView"); ++showICViewCount; }

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
    void SetRunLamp(bool red) override { Note("SetRunLamp"); redLamp = red; }
    void SetPauseEnabled(bool enabled) override { Note("SetPauseEnabled"); pauseEnabled = enabled; }
    void SetStopEnabled(bool enabled) override { Note("SetStopEnabled"); stopEnabled = enabled; }
    void ShowPowerPanel() override { Note("ShowPowerPanel"); }
    void CommitLabelEdit() override { Note("CommitLabelEdit"); ++commitLabelEditCount; }
    void ClearLevelTree() override;
    void AddLevelNode(const QString& parentKey, const QString& key, const QString& text) override
    {
        Note("AddLevelNode");
        levelNodes.push_back(LevelNode{parentKey, key, text});
    }
    void ExpandAndSelectLevelRoot() override { Note("ExpandAndSelectLevelRoot"); levelRootExpandedAndSelected = true; }
    void SetLevelLabel(const QString& text) override { Note("SetLevelLabel"); levelLabel = text; }
    void LoadICConnectorLabel(int index, const QString& text) override
    {
        Note("LoadICConnectorLabel");
        loadedICConnectorLabels[index] = text;
    }
    void SetClockButtonEnabled(const QString& key, bool enabled) override
    {
        Note("SetClockButtonEnabled");
        clockButtons[key] = enabled;
    }
    void SetClockCyclesText(const QString& text) override { Note("SetClockCyclesText"); clockCyclesText = text; }
    void SetClockSliders(int slider1, int slider0) override
    {
        Note("SetClockSliders");
        clockSliders = {slider1, slider0};
    }
    void SetClockPhaseLabels(const QString& lbl1, const QString& lbl0) override
    {
        Note("SetClockPhaseLabels");
        clockPhaseLabels = {lbl1, lbl0};
    }
    void SetClockTitle(const QString& text) override { Note("SetClockTitle"); clockTitle = text; }
    void SetClockLinkChecked(bool checked) override { Note("SetClockLinkChecked"); clockLinkChecked = checked; }
    void HideSelectedClockFrame() override { Note("HideSelectedClockFrame"); }

    // Placing: the gate-inputs box, the clock timers and the logic analyzer.
    std::vector<int> clockTimerIntervals{0}; // one per member, kept as long as clockTimerCount
    int prepareListViewCount = 0;
    int resizeListViewCount = 0;
    std::vector<int> addedGraphs;
    std::vector<int> removedGraphs;

    int ClockTimerUBound() const override { Note("ClockTimerUBound"); return clockTimerCount - 1; }
    void AddClockTimer() override;
    void RemoveLastClockTimer() override;
    int ClockTimerInterval(int index) const override;
    void SetClockTimerInterval(int index, int ms) override;
    void PrepareListView() override { Note("PrepareListView"); ++prepareListViewCount; }
    void ResizeListView() override { Note("ResizeListView"); ++resizeListViewCount; }
    void AddGraph(int channel) override { Note("AddGraph"); addedGraphs.push_back(channel); }
    void RemoveGraph(int channel) override { Note("RemoveGraph"); removedGraphs.push_back(channel); }

    // The undo history's menu items and buttons, and the IC file lists.
    bool undoMenuEnabled = false;
    QString undoMenuCaption = QStringLiteral("Undo: Impossible");
    bool undoButtonsEnabled = false;
    int refreshICFileListsCount = 0;

    void SetUndoMenu(bool enabled, const QString& caption) override;
    void SetUndoButtonsEnabled(bool enabled) override { Note("SetUndoButtonsEnabled"); undoButtonsEnabled = enabled; }
    void RefreshICFileLists() override { Note("RefreshICFileLists"); ++refreshICFileListsCount; }

private:
    void Note(const char* name) const { calls.Add(name); }

    ProgramState* state_ = nullptr;
};
