#pragma once
// The simulation bar picOnOff, which stands where the component palette was
// while the power is on: the run lamps, the run state, pause and stop, and
// the delay between the engine's steps.
#include <QWidget>
#include <array>
#include <functional>
#include "simulation/engine.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class UserDialogs;

class SimulationBar : public QWidget {
    Q_OBJECT
public:
    SimulationBar(const Engine& engine, UserDialogs& dialogs, QWidget* parent);

    QFrame* picRot = nullptr;
    QFrame* picGruen = nullptr;
    QLabel* lblOnOff = nullptr;
    QPushButton* cmdPause = nullptr;
    QPushButton* cmdStop = nullptr;
    QLabel* lblText1 = nullptr;
    QLineEdit* txtVerzoegerung = nullptr;
    std::array<QToolButton*, 2> cmdVerzoegerung{}; // up, down

    // Enter in the delay box hands the focus on to the worksheet.
    std::function<void()> FocusWorksheet;

    void SetOnOffText(const QString& text);
    // The red lamp while the engine works, else the green one.
    void SetRunLamp(bool red);
    void SetPauseEnabled(bool enabled);
    void SetPauseCaption(const QString& caption);
    void SetStopEnabled(bool enabled);

    void txtVerzoegerung_GotFocus();
    // Enter applies the box and hands the focus on to the worksheet; true
    // when the key is taken. Other keys reach the box unchanged.
    bool txtVerzoegerung_KeyPress(int key);
    void txtVerzoegerung_LostFocus();
    // One step up or down within 0..100.
    void cmdVerzoegerung_UpClick();
    void cmdVerzoegerung_DownClick();
    void cmdPause_Click();
    void cmdStop_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The delay box's text as the engine's delay, and shown back.
    void ApplyDelayBox();
    void StepDelay(int step);

    // The engine bound to the program state: the parts of it this panel works on.
    const Engine engine_;
};
