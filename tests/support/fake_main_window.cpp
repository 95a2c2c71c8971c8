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

void FakeMainWindow::SetUsedFileItem(int index, const QString& text)
{
    Note("SetUsedFileItem");
    usedFileCaptions.at(index) = text;
    usedFileVisible.at(index) = !text.isEmpty();
}

void FakeMainWindow::PressToolButton(const QString& key, int index)
{
    Note("PressToolButton");
    pressedToolKey = key;
    pressedToolIndex = index;
    if (state_) {
        state_->PressedToolKey = key;
        state_->PressedToolIndex = index;
    }
}

void FakeMainWindow::ReleaseToolButton(const QString& key)
{
    Note("ReleaseToolButton");
    if (pressedToolKey == key) {
        pressedToolKey.clear();
        pressedToolIndex = 0;
    }
    if (state_ && state_->PressedToolKey == key) {
        state_->PressedToolKey.clear();
        state_->PressedToolIndex = 0;
    }
}

void FakeMainWindow::UnloadClockTimers()
{
    Note("UnloadClockTimers");
    ++unloadClockTimersCount;
    clockTimerCount = 1;
    clockTimerIntervals.resize(1);
}

void FakeMainWindow::CreateClockTimers(int count)
{
    Note("CreateClockTimers");
    clockTimerCount = count;
    clockTimerIntervals.resize(static_cast<size_t>(count));
}

void FakeMainWindow::ShowRunState(RunState state)
{
    Note("ShowRunState");
    if (const QString text = RunStateText(state); !text.isEmpty())
        onOffText = text;
    pauseCaption = PauseCaptionFor(state);
}

void FakeMainWindow::ClearLevelTree()
{
    Note("ClearLevelTree");
    levelNodes.clear();
    levelRootExpandedAndSelected = false;
}

void FakeMainWindow::AddClockTimer()
{
    Note("AddClockTimer");
    ++clockTimerCount;
    clockTimerIntervals.resize(static_cast<size_t>(clockTimerCount));
}

void FakeMainWindow::RemoveLastClockTimer()
{
    Note("RemoveLastClockTimer");
    if (clockTimerCount > 1)
        --clockTimerCount;
    clockTimerIntervals.resize(static_cast<size_t>(clockTimerCount));
}

int FakeMainWindow::ClockTimerInterval(int index) const
{
    Note("ClockTimerInterval");
    if (index < 0 || index >= static_cast<int>(clockTimerIntervals.size()))
        return 0;
    return clockTimerIntervals[static_cast<size_t>(index)];
}

void FakeMainWindow::SetClockTimerInterval(int index, int ms)
{
    Note("SetClockTimerInterval");
    if (index >= 0 && index < static_cast<int>(clockTimerIntervals.size()))
        clockTimerIntervals[static_cast<size_t>(index)] = ms;
}

void FakeMainWindow::SetUndoMenu(bool enabled, const QString& caption)
{
    Note("SetUndoMenu");
    undoMenuEnabled = enabled;
    undoMenuCaption = caption;
}
