#pragma once
// The control panel picEinAus: the power switch On / Off and the run-time
// label. It shows the engine's run state through the simulation bar and
// drives the mode switch of the window.
#include <functional>

#include "model/ports/power_port.h"
#include "shell/side_panel.h"
#include "simulation/engine.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class SimulationBar;
class UserDialogs;

class PowerPanel : public SidePanel, public PowerPort {
    Q_OBJECT
public:
    PowerPanel(const Engine& engine, UserDialogs& dialogs, SimulationBar& bar, QWidget* parent);

    QPushButton* cmdOn = nullptr;
    QPushButton* cmdOff = nullptr;
    QLabel* lblTime = nullptr;

    // The window's part of the mode switch.
    std::function<void(bool edit)> SwitchMode;
    // After a switch-off that went through.
    std::function<void()> PoweredOff;
    // Quick help for a control of the panel.
    std::function<void(const QString& key, int index)> ShowQuickHelp;

    // Both buttons show the power state, whatever was clicked.
    void ShowPowerState();
    // The power group's one handler: a press on the button not pressed
    // switches the power. `on` is cmdOn's value: a press on cmdOff, which
    // releases cmdOn, arrives with false.
    void cmdOn_Click(bool on);
    // In quick help the off button and the panel explain themselves.
    void cmdOff_MouseDown();
    void picEinAus_MouseDown();

    // PowerPort
    void ChangeGUI(bool edit) override;
    void SwitchPowerOff() override;
    void ShowPowerPanel() override;
    void ShowRunState(RunState state) override;
    void SetRunLamp(bool red) override;
    void SetPauseEnabled(bool enabled) override;
    void SetStopEnabled(bool enabled) override;
    void SetTimeLabel(const QString& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The engine bound to the program state: the parts of it this panel works on.
    const Engine engine_;
    SimulationBar& bar_;
    QButtonGroup* powerGroup_ = nullptr;
    // Set while the mode switch runs: pending events may carry a second power click.
    bool modeSwitching_ = false;
    bool poweringOn_ = false; // a power-on is under way
};
