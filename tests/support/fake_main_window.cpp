#include "support/fake_main_window.h"

#include "model/state.h"
#include "shell/run_state_texts.h"

void FakeMainWindow::Attach(ProgramState& s)
{
    state_ = &s;
    s.ports = Ports{this, this, this, this, this, this, this, this, this, this, this};
}

void FakeMainWindow::Detach()
{
    if (state_)
        state_->ports = Ports{};
    state_ = nullptr;
}

void FakeMainWindow::SetStatusPanel(int panel, const QString& text)
{
    calls << QStringLiteral("SetStatusPanel");
    statusPanels[panel] = text;
}

void FakeMainWindow::SetProgress(int value)
{
    calls << QStringLiteral("SetProgress");
    progressValues.push_back(value);
}

void FakeMainWindow::EnableMainWindow(bool enabled)
{
    calls << QStringLiteral("EnableMainWindow");
    mainWindowEnabled = enabled;
}

void FakeMainWindow::SetCaption(const QString& text)
{
    calls << QStringLiteral("SetCaption");
    caption = text;
}

void FakeMainWindow::ChangePropertyWindow(std::array<bool, 8> parts)
{
    calls << QStringLiteral("ChangePropertyWindow");
    propertyWindowParts.push_back(parts);
}

void FakeMainWindow::ChangeGUI(bool edit)
{
    calls << QStringLiteral("ChangeGUI");
    changeGUICalls.push_back(edit);
}

void FakeMainWindow::ChangeSelPicture(ToolCode tool)
{
    calls << QStringLiteral("ChangeSelPicture");
    selPictures.push_back(tool);
}

void FakeMainWindow::SetSizeBoxes(int16_t maxX, int16_t maxY)
{
    calls << QStringLiteral("SetSizeBoxes");
    sizeBoxes.emplace_back(maxX, maxY);
}

void FakeMainWindow::ResetScrollBars()
{
    calls << QStringLiteral("ResetScrollBars");
    ++resetScrollBarsCount;
}

void FakeMainWindow::SwitchPowerOff()
{
    calls << QStringLiteral("SwitchPowerOff");
    ++switchPowerOffCount;
}

void FakeMainWindow::SetAnalyserMenuEnabled(bool enabled)
{
    calls << QStringLiteral("SetAnalyserMenuEnabled");
    analyserMenuEnabled = enabled;
}

void FakeMainWindow::SetUndoListMenuEnabled(bool enabled)
{
    calls << QStringLiteral("SetUndoListMenuEnabled");
    undoListMenuEnabled = enabled;
}

void FakeMainWindow::CheckComponentMenuOnly(int item)
{
    calls << QStringLiteral("CheckComponentMenuOnly");
    checkedComponentItem = item;
}

void FakeMainWindow::SetUsedFileItem(int index, const QString& text)
{
    calls << QStringLiteral("SetUsedFileItem");
    usedFileCaptions.at(index) = text;
    usedFileVisible.at(index) = !text.isEmpty();
}

void FakeMainWindow::ShowUsedFilesSeparator()
{
    calls << QStringLiteral("ShowUsedFilesSeparator");
    usedFilesSeparatorVisible = true;
}

void FakeMainWindow::PressToolButton(const QString& key, int index)
{
    calls << QStringLiteral("PressToolButton");
    pressedToolKey = key;
    pressedToolIndex = index;
    if (state_) {
        state_->PressedToolKey = key;
        state_->PressedToolIndex = index;
    }
}

void FakeMainWindow::ReleaseToolButton(const QString& key)
{
    calls << QStringLiteral("ReleaseToolButton");
    if (pressedToolKey == key) {
        pressedToolKey.clear();
        pressedToolIndex = 0;
    }
    if (state_ && state_->PressedToolKey == key) {
        state_->PressedToolKey.clear();
        state_->PressedToolIndex = 0;
    }
}

void FakeMainWindow::SetOrientationToolbarEnabled(bool enabled)
{
    calls << QStringLiteral("SetOrientationToolbarEnabled");
    orientationToolbarEnabled = enabled;
}

void FakeMainWindow::SetWorksheetMousePointer(int pointer)
{
    calls << QStringLiteral("SetWorksheetMousePointer");
    worksheetMousePointer = pointer;
}

void FakeMainWindow::RedrawAllElements()
{
    calls << QStringLiteral("RedrawAllElements");
    ++redrawAllElementsCount;
}

void FakeMainWindow::DrawGrid()
{
    calls << QStringLiteral("DrawGrid");
    ++drawGridCount;
}

void FakeMainWindow::UnloadClockTimers()
{
    calls << QStringLiteral("UnloadClockTimers");
    ++unloadClockTimersCount;
    clockTimerCount = 1;
    clockTimerIntervals.resize(1);
}

void FakeMainWindow::UnloadICConnectorLabels()
{
    calls << QStringLiteral("UnloadICConnectorLabels");
    ++unloadICConnectorLabelsCount;
}

void FakeMainWindow::ResetICWindow()
{
    calls << QStringLiteral("ResetICWindow");
    ++resetICWindowCount;
}

void FakeMainWindow::RebuildLevelTree()
{
    calls << QStringLiteral("RebuildLevelTree");
    ++rebuildLevelTreeCount;
}

void FakeMainWindow::DeleteUndoData()
{
    calls << QStringLiteral("DeleteUndoData");
    ++deleteUndoDataCount;
}

void FakeMainWindow::ResetAnalyser()
{
    calls << QStringLiteral("ResetAnalyser");
    ++resetAnalyserCount;
}

void FakeMainWindow::SetWorksheetPictureSize(int width, int height)
{
    calls << QStringLiteral("SetWorksheetPictureSize");
    pictureSize = {width, height};
}

QSize FakeMainWindow::WorksheetContainerInnerSize() const
{
    calls << QStringLiteral("WorksheetContainerInnerSize");
    return containerInnerSize;
}

void FakeMainWindow::ResizeWorksheet()
{
    calls << QStringLiteral("ResizeWorksheet");
    ++resizeWorksheetCount;
}

void FakeMainWindow::SelectNone()
{
    calls << QStringLiteral("SelectNone");
    ++selectNoneCount;
}

void FakeMainWindow::DisplayBeschriftungsText(int16_t n, const QString& oldText)
{
    calls << QStringLiteral("DisplayBeschriftungsText");
    displayedLabels.emplace_back(n, oldText);
}

void FakeMainWindow::ShowICInOut(int16_t x, int16_t y)
{
    calls << QStringLiteral("ShowICInOut");
    shownICInOut.emplace_back(x, y);
}

void FakeMainWindow::HideICConnectorLabels()
{
    calls << QStringLiteral("HideICConnectorLabels");
}

void FakeMainWindow::ShowNamedICConnectorLabels()
{
    calls << QStringLiteral("ShowNamedICConnectorLabels");
}

void FakeMainWindow::SetTimeLabel(const QString& text)
{
    calls << QStringLiteral("SetTimeLabel");
    timeLabel = text;
}

void FakeMainWindow::CreateClockTimers(int count)
{
    calls << QStringLiteral("CreateClockTimers");
    clockTimerCount = count;
    clockTimerIntervals.resize(static_cast<size_t>(count));
}

void FakeMainWindow::AddAnalyserChannel(int channel)
{
    calls << QStringLiteral("AddAnalyserChannel");
    analyserChannels.push_back(channel);
}

void FakeMainWindow::AddICConnectorLabel(int index, const QString& name, const QString& tag)
{
    calls << QStringLiteral("AddICConnectorLabel");
    icConnectorLabels.push_back({index, name, tag});
}

void FakeMainWindow::SetICWindowFields(const QString& name, const QString& width, const QString& height)
{
    calls << QStringLiteral("SetICWindowFields");
    icWindowFields = {name, width, height};
}

void FakeMainWindow::ShowInOut()
{
    calls << QStringLiteral("ShowInOut");
    ++showInOutCount;
}

void FakeMainWindow::ShowICView()
{
    calls << QStringLiteral("ShowICView");
    ++showICViewCount;
}

void FakeMainWindow::ShowRunState(RunState state)
{
    calls << QStringLiteral("ShowRunState");
    if (const QString text = RunStateText(state); !text.isEmpty())
        onOffText = text;
    pauseCaption = PauseCaptionFor(state);
}

void FakeMainWindow::SetRunLamp(bool red)
{
    calls << QStringLiteral("SetRunLamp");
    redLamp = red;
}

void FakeMainWindow::SetPauseEnabled(bool enabled)
{
    calls << QStringLiteral("SetPauseEnabled");
    pauseEnabled = enabled;
}

void FakeMainWindow::SetStopEnabled(bool enabled)
{
    calls << QStringLiteral("SetStopEnabled");
    stopEnabled = enabled;
}

void FakeMainWindow::ShowPowerPanel()
{
    calls << QStringLiteral("ShowPowerPanel");
}

void FakeMainWindow::CommitLabelEdit()
{
    calls << QStringLiteral("CommitLabelEdit");
    ++commitLabelEditCount;
}

void FakeMainWindow::ClearLevelTree()
{
    calls << QStringLiteral("ClearLevelTree");
    levelNodes.clear();
    levelRootExpandedAndSelected = false;
}

void FakeMainWindow::AddLevelNode(const QString& parentKey, const QString& key, const QString& text)
{
    calls << QStringLiteral("AddLevelNode");
    levelNodes.push_back(LevelNode{parentKey, key, text});
}

void FakeMainWindow::ExpandAndSelectLevelRoot()
{
    calls << QStringLiteral("ExpandAndSelectLevelRoot");
    levelRootExpandedAndSelected = true;
}

void FakeMainWindow::SetLevelLabel(const QString& text)
{
    calls << QStringLiteral("SetLevelLabel");
    levelLabel = text;
}

void FakeMainWindow::LoadICConnectorLabel(int index, const QString& text)
{
    calls << QStringLiteral("LoadICConnectorLabel");
    loadedICConnectorLabels[index] = text;
}

void FakeMainWindow::SetClockButtonEnabled(const QString& key, bool enabled)
{
    calls << QStringLiteral("SetClockButtonEnabled");
    clockButtons[key] = enabled;
}

void FakeMainWindow::SetClockCyclesText(const QString& text)
{
    calls << QStringLiteral("SetClockCyclesText");
    clockCyclesText = text;
}

void FakeMainWindow::SetClockSliders(int slider1, int slider0)
{
    calls << QStringLiteral("SetClockSliders");
    clockSliders = {slider1, slider0};
}

void FakeMainWindow::SetClockPhaseLabels(const QString& lbl1, const QString& lbl0)
{
    calls << QStringLiteral("SetClockPhaseLabels");
    clockPhaseLabels = {lbl1, lbl0};
}

void FakeMainWindow::SetClockTitle(const QString& text)
{
    calls << QStringLiteral("SetClockTitle");
    clockTitle = text;
}

void FakeMainWindow::SetClockLinkChecked(bool checked)
{
    calls << QStringLiteral("SetClockLinkChecked");
    clockLinkChecked = checked;
}

void FakeMainWindow::HideSelectedClockFrame()
{
    calls << QStringLiteral("HideSelectedClockFrame");
}

int FakeMainWindow::ClockTimerUBound() const
{
    calls << QStringLiteral("ClockTimerUBound");
    return clockTimerCount - 1;
}

void FakeMainWindow::AddClockTimer()
{
    calls << QStringLiteral("AddClockTimer");
    ++clockTimerCount;
    clockTimerIntervals.resize(static_cast<size_t>(clockTimerCount));
}

void FakeMainWindow::RemoveLastClockTimer()
{
    calls << QStringLiteral("RemoveLastClockTimer");
    if (clockTimerCount > 1)
        --clockTimerCount;
    clockTimerIntervals.resize(static_cast<size_t>(clockTimerCount));
}

int FakeMainWindow::ClockTimerInterval(int index) const
{
    calls << QStringLiteral("ClockTimerInterval");
    if (index < 0 || index >= static_cast<int>(clockTimerIntervals.size()))
        return 0;
    return clockTimerIntervals[static_cast<size_t>(index)];
}

void FakeMainWindow::SetClockTimerInterval(int index, int ms)
{
    calls << QStringLiteral("SetClockTimerInterval");
    if (index >= 0 && index < static_cast<int>(clockTimerIntervals.size()))
        clockTimerIntervals[static_cast<size_t>(index)] = ms;
}

void FakeMainWindow::PrepareListView()
{
    calls << QStringLiteral("PrepareListView");
    ++prepareListViewCount;
}

void FakeMainWindow::ResizeListView()
{
    calls << QStringLiteral("ResizeListView");
    ++resizeListViewCount;
}

void FakeMainWindow::AddGraph(int channel)
{
    calls << QStringLiteral("AddGraph");
    addedGraphs.push_back(channel);
}

void FakeMainWindow::RemoveGraph(int channel)
{
    calls << QStringLiteral("RemoveGraph");
    removedGraphs.push_back(channel);
}

void FakeMainWindow::SetUndoMenu(bool enabled, const QString& caption)
{
    calls << QStringLiteral("SetUndoMenu");
    undoMenuEnabled = enabled;
    undoMenuCaption = caption;
}

void FakeMainWindow::SetUndoButtonsEnabled(bool enabled)
{
    calls << QStringLiteral("SetUndoButtonsEnabled");
    undoButtonsEnabled = enabled;
}

void FakeMainWindow::RefreshICFileLists()
{
    calls << QStringLiteral("RefreshICFileLists");
    ++refreshICFileListsCount;
}
