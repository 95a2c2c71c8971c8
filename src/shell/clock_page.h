#pragma once
// Property page 3, shown while the power is on: the selected clock
// generator's toolbar and cycle count (first tab) and its phase sliders
// (second tab).
#include <QWidget>
#include <array>
#include <functional>

#include "model/ports/clock_panel_port.h"

class ClockTimerPort;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSlider;
class QTabWidget;
class QToolBar;
class QToolButton;
struct PhaseSliders;
struct ClockSlot;
struct ProgramState;

class ClockPage : public QWidget, public ClockPanelPort {
    Q_OBJECT
public:
    // toolbar3: the clock toolbar, which moves onto the first tab.
    ClockPage(ProgramState& s, ClockTimerPort& timers, QToolBar* toolbar3, QWidget* parent);

    QLabel* lblTaktgeber = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QToolBar* Toolbar3 = nullptr;
    QLabel* lblAllgemein1 = nullptr;
    QLineEdit* txtAnzTakte = nullptr;
    std::array<QToolButton*, 2> cmdAnzTakte{}; // up, down
    std::array<QSlider*, 2> Slider{};          // low phase, high phase
    std::array<QLabel*, 2> lbl{};
    QCheckBox* chkLink = nullptr;

    // The mark of the selected generator on the worksheet.
    void SetSelectedTimerFrame(QFrame* frame) { shpSelectedTimer_ = frame; }
    // Enter in the cycle box hands the focus on to the worksheet.
    std::function<void()> FocusWorksheet;

    // Power-on: the page for a circuit with clock generators or without.
    void ShowForRun(bool clockFound);
    void cmdAnzTakte_Click(int index);
    void txtAnzTakte_GotFocus();
    // A user's move of a phase slider, or of the link between them.
    void Slider0_Change();
    void Slider1_Change();
    void chkLink_Click();

    // ClockPanelPort
    void SetClockButtonEnabled(const QString& key, bool enabled) override;
    void SetClockCyclesText(const QString& text) override;
    void SetClockSliders(int slider1, int slider0) override;
    void SetClockPhaseLabels(const QString& lbl1, const QString& lbl0) override;
    void SetClockTitle(const QString& text) override;
    void SetClockLinkChecked(bool checked) override;
    void HideSelectedClockFrame() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildCyclesTab();
    void BuildPhasesTab();
    // A user's move of the phases: sliders, labels and the generator's timer.
    void ShowPhases(const PhaseSliders& p);
    // The generator the page shows, null when none is selected.
    ClockSlot* SelectedSlot();

    ProgramState& s_;
    ClockTimerPort& timers_;
    QFrame* shpSelectedTimer_ = nullptr;
    bool settingSliders_ = false; // the program moves the sliders: not a user's move
};
