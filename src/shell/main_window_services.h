#pragma once
// What the model, placement, engine and drawing need of the main window.
// The main window implements it; tests replace it with a recording fake.
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // Status bar: panel 0 carries SetStatusText, panel 1 the redraw texts.
    virtual void SetStatusPanel(int panel, const QString& text) = 0;
    virtual void SetProgress(int value) = 0;
    virtual void EnableMainWindow(bool enabled) = 0;
    virtual void SetCaption(const QString& caption) = 0;

    // The current circuit file as the common dialog holds it (CmDialog1).
    virtual QString DialogFileName() const = 0;
    virtual void SetDialogFileName(const QString& name) = 0;

    virtual void ChangePropertyWindow(std::array<bool, 8> parts) = 0;
    virtual void ChangeGUI(bool edit) = 0;
    virtual void ChangeSelPicture(int16_t tool) = 0;
    virtual void SetSizeBoxes(int16_t maxX, int16_t maxY) = 0; // txtX, txtY
    virtual void ResetScrollBars() = 0;

    // Power buttons: pressing cmdOff switches the power off at once.
    virtual void PressPowerOff() = 0;

    // Menus.
    virtual void SetAnalyserMenuEnabled(bool enabled) = 0;  // mAnsichtItem(2)
    virtual void SetUndoListMenuEnabled(bool enabled) = 0;  // mUndoList
    virtual void CheckComponentMenuOnly(int item) = 0;      // mBauteil(1..22): only item checked
    virtual void SetUsedFileItem(int index, const QString& caption) = 0; // mUsedFiles(i), hidden when empty
    virtual QString UsedFileItem(int index) const = 0;
    virtual void ShowUsedFilesSeparator() = 0;               // Trennstrich3

    // Element toolbar (Toolbar2), orientation toolbar and the worksheet pointer.
    virtual QString PressedToolKey(int* index) const = 0;   // empty when no button is pressed
    virtual void PressToolButton(const QString& key, int index) = 0;
    virtual void ReleaseToolButton(const QString& key) = 0;
    virtual bool OrientationToolbarEnabled() const = 0;
    virtual void SetOrientationToolbarEnabled(bool enabled) = 0;
    virtual int WorksheetMousePointer() const = 0;
    virtual void SetWorksheetMousePointer(int pointer) = 0;

    // Redraw of the worksheet.
    virtual void RedrawAllElements() = 0;
    virtual void DrawGrid() = 0;

    // Windows and objects that later subsystems bring; reached through the main window.
    virtual void UnloadClockTimers() = 0;        // Timer2 members other than the first
    virtual void UnloadICConnectorLabels() = 0;  // lblICAnschluss(1..)
    virtual void ResetICWindow() = 0;            // frmIC labels and lines, name "IC-Neu"
    virtual void RebuildLevelTree() = 0;         // tvwLevel for level 0
    virtual void DeleteUndoData() = 0;           // objUndo's stored steps
    virtual void ResetAnalyser() = 0;            // logic analyzer value list and trace rows
    virtual bool MainFormLoaded() const = 0;

    // Whether the command line is open (its close button cmdCloseFormel visible).
    virtual bool FormelPanelOpen() const = 0;

    // What the worksheet redraw and the zoom commands need of the window.
    virtual void SetWorksheetPictureSize(int width, int height) = 0; // picGrid, in pixels
    virtual QSize WorksheetContainerSize() const = 0;      // picContainer, outer size in pixels
    virtual QSize WorksheetContainerInnerSize() const = 0; // its inner (scale) size in pixels
    virtual void ResizeWorksheet() = 0;
    virtual void SelectNone() = 0;
    // Draws text label n; oldText is its previous text when it has just changed.
    virtual void DisplayBeschriftungsText(int16_t n, const QString& oldText) = 0;
    // Places and shows the worksheet label of the IC connector at cell (x, y).
    virtual void ShowICInOut(int16_t x, int16_t y) = 0;
    virtual void HideICConnectorLabels() = 0;      // every lblICAnschluss(i)
    virtual void ShowNamedICConnectorLabels() = 0; // those whose caption is not "#Input#"
    virtual void SetTimeLabel(const QString& text) = 0; // lblTime

    // What loading a circuit or IC definition file needs of the window.
    virtual void CreateClockTimers(int count) = 0;   // Timer2 members 0..count-1 exist
    virtual void AddAnalyserChannel(int channel) = 0; // the logic analyzer's trace row of a loaded sensor
    // Connector i of a loaded IC definition: lblICAnschluss(i) shows "[" name "]"; the IC
    // window's line and label i get the name and the tag.
    virtual void AddICConnectorLabel(int index, const QString& name, const QString& tag) = 0;
    virtual void SetICWindowFields(const QString& name, const QString& width, const QString& height) = 0;
    virtual void ShowInOut() = 0;  // frmIC lays out its connector labels
    virtual void ShowICView() = 0; // enters the IC-definition view

    // The engine's power panel: status label, lamps, pause and stop buttons.
    virtual void SetOnOffText(const QString& text) = 0; // lblOnOff
    virtual QString OnOffText() const = 0;
    virtual void SetRunLamp(bool red) = 0;              // picRot shown and picGrün hidden, or the reverse
    virtual void SetPauseEnabled(bool enabled) = 0;     // cmdPause
    virtual void SetPauseCaption(const QString& caption) = 0;
    virtual QString PauseCaption() const = 0;
    virtual void SetStopEnabled(bool enabled) = 0;      // cmdStop
    virtual void ShowPowerPanel() = 0;                  // picEinAus
    virtual void CommitLabelEdit() = 0;                 // txtBeschriftung_LostFocus
    // Level tree tvwLevel (a parent key that is empty adds a top node), level name and connector labels.
    virtual void ClearLevelTree() = 0;
    virtual void AddLevelNode(const QString& parentKey, const QString& key, const QString& text) = 0;
    virtual bool LevelNodeExists(const QString& key) const = 0;
    virtual void ExpandAndSelectLevelRoot() = 0;
    virtual void SetLevelLabel(const QString& text) = 0;                    // lblLevel
    virtual void LoadICConnectorLabel(int index, const QString& caption) = 0; // lblICAnschluss(index)
    // Clock panel.
    virtual void SetClockButtonEnabled(const QString& key, bool enabled) = 0; // Toolbar3 button
    virtual void SetClockCyclesText(const QString& text) = 0;                 // txtAnzTakte
    virtual void SetClockSliders(int slider1, int slider0) = 0;               // Slider1, Slider0
    virtual void SetClockPhaseLabels(const QString& lbl1, const QString& lbl0) = 0;
    virtual void SetClockTitle(const QString& text) = 0;                      // lblTaktgeber
    virtual void SetClockLinkChecked(bool checked) = 0;                       // chkLink
    virtual void HideSelectedClockFrame() = 0;                                // shpSelectedTimer

    // What the placing routines need of the window.
    virtual QString GateInputsText() const = 0; // txtAnschlüsse: inputs of the next AND, OR, XOR
    // The clock timers Timer2: upper bound, a new member UBound+1, dropping the
    // last member (never member 0), and each member's interval in milliseconds.
    virtual int ClockTimerUBound() const = 0;
    virtual void AddClockTimer() = 0;
    virtual void RemoveLastClockTimer() = 0;
    virtual int ClockTimerInterval(int index) const = 0;
    virtual void SetClockTimerInterval(int index, int ms) = 0;
    // The logic analyzer: value list rebuilt and resized (frmAnalyse), a sensor
    // channel's trace added or removed (frmAnalyse2).
    virtual void PrepareListView() = 0;
    virtual void ResizeListView() = 0;
    virtual void AddGraph(int channel) = 0;
    virtual void RemoveGraph(int channel) = 0;

    // What the undo history and the IC placing need of the window.
    virtual void SetUndoMenu(bool enabled, const QString& caption) = 0; // mUndo
    virtual void SetUndoButtonsEnabled(bool enabled) = 0; // Toolbar buttons cmdUndo and cmdUndoList
    virtual void RefreshICFileLists() = 0; // lstIC and the IC manager's File1 re-read the IC directory
};
