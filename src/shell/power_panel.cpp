#include "shell/power_panel.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

#include "model/state.h"
#include "platform/guard.h"
#include "platform/string_table.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"
#include "shell/run_state_texts.h"
#include "shell/simulation_bar.h"
#include "render/engine_binding.h"
#include "simulation/engine.h"

PowerPanel::PowerPanel(ProgramState& s, EngineContext& engine, UserDialogs& dialogs, SimulationBar& bar,
                       QWidget* parent)
    : SidePanel(0, PlainCaption(LoadResString(2427)), QString(), parent), s_(s), engine_(engine), bar_(bar)
{
    cmdOn = new QPushButton(QStringLiteral("On"), this);
    cmdOn->setObjectName(QStringLiteral("cmdOn"));
    cmdOff = new QPushButton(QStringLiteral("Off"), this);
    cmdOff->setObjectName(QStringLiteral("cmdOff"));
    cmdOn->setGeometry(6, kTitleHeight + 4, 52, 24);
    cmdOff->setGeometry(62, kTitleHeight + 4, 52, 24);
    for (QPushButton* b : {cmdOn, cmdOff}) {
        b->setCheckable(true);
        b->installEventFilter(this);
    }
    powerGroup_ = new QButtonGroup(this);
    powerGroup_->setExclusive(true);
    powerGroup_->addButton(cmdOn);
    powerGroup_->addButton(cmdOff);
    cmdOff->setChecked(true);
    lblTime = MakeLabel(QStringLiteral("lblTime"), QString(), this, 116, kTitleHeight + 8, Px(kPanelWidth) - 118, 16);
    lblTime->setVisible(false);
    installEventFilter(this);

    connect(cmdOn, &QPushButton::clicked, this,
            GuardedSlot(dialogs, cmdOn->objectName(), [this] { cmdOn_Click(true); }));
    connect(cmdOff, &QPushButton::clicked, this,
            GuardedSlot(dialogs, cmdOff->objectName(), [this] { cmdOn_Click(false); }));
}

void PowerPanel::ShowPowerState()
{
    cmdOn->setChecked(s_.engine.PowerFlag != 0);
    cmdOff->setChecked(s_.engine.PowerFlag == 0);
}

void PowerPanel::cmdOn_Click(bool on)
{
    // The two buttons are one toggle group. A click that arrives while the
    // mode switch lets pending events run only puts the buttons back; so does
    // a second press on cmdOn while the power comes on, but cmdOff still
    // switches off.
    const bool busy = modeSwitching_ || (on && poweringOn_);
    if (!busy && s_.ToolMode != ToolCode::QuickHelp && (s_.engine.PowerFlag != 0) != on) {
        const bool was = poweringOn_;
        poweringOn_ = on;
        // Put back also when the switch fails: the button would stay dead.
        const auto restore = qScopeGuard([this, was] { poweringOn_ = was; });
        PowerOnOff(EngineOf(s_, engine_));
        if (s_.engine.PowerFlag == 0 && PoweredOff)
            PoweredOff();
    }
    ShowPowerState();
}

void PowerPanel::cmdOff_MouseDown()
{
    if (s_.ToolMode == ToolCode::QuickHelp && ShowQuickHelp)
        ShowQuickHelp(cmdOff->objectName(), 0);
}

void PowerPanel::picEinAus_MouseDown()
{
    if (s_.ToolMode == ToolCode::QuickHelp && ShowQuickHelp)
        ShowQuickHelp(QStringLiteral("picPanel0"), 0);
}

void PowerPanel::ChangeGUI(bool edit)
{
    const bool was = modeSwitching_;
    modeSwitching_ = true;
    // Put back also when the switch fails: the power buttons would stay dead.
    const auto restore = qScopeGuard([this, was] { modeSwitching_ = was; });
    if (SwitchMode)
        SwitchMode(edit);
}

void PowerPanel::SwitchPowerOff()
{
    if (s_.engine.PowerFlag != 0) {
        PowerOnOff(EngineOf(s_, engine_));
        if (s_.engine.PowerFlag == 0 && PoweredOff)
            PoweredOff();
    }
    ShowPowerState();
}

void PowerPanel::ShowPowerPanel()
{
    setVisible(true);
}

void PowerPanel::ShowRunState(RunState state)
{
    if (const QString text = RunStateText(state); !text.isEmpty())
        bar_.SetOnOffText(text);
    bar_.SetPauseCaption(PauseCaptionFor(state));
}

void PowerPanel::SetRunLamp(bool red)
{
    bar_.SetRunLamp(red);
}

void PowerPanel::SetPauseEnabled(bool enabled)
{
    bar_.SetPauseEnabled(enabled);
}

void PowerPanel::SetStopEnabled(bool enabled)
{
    bar_.SetStopEnabled(enabled);
}

void PowerPanel::SetTimeLabel(const QString& text)
{
    lblTime->setText(text);
}

bool PowerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (s_.ToolMode != ToolCode::QuickHelp)
        return SidePanel::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    // In quick help the power buttons only explain themselves; cmdOn's
    // click never runs, its press explains it.
    if (watched == cmdOn || watched == cmdOff) {
        if (press && watched == cmdOff)
            cmdOff_MouseDown();
        else if (press && ShowQuickHelp)
            ShowQuickHelp(cmdOn->objectName(), 0);
        if (press || type == QEvent::MouseButtonRelease || type == QEvent::KeyPress)
            return true;
    }
    if (watched == this && press) {
        picEinAus_MouseDown();
        return true;
    }
    return SidePanel::eventFilter(watched, event);
}
