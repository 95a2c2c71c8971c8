#pragma once
// What the model, placement, engine and drawing need of the main window.
// The main window implements it; tests replace it with a recording fake.
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
};
