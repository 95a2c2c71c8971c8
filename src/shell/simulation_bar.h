#pragma once
// The simulation bar picOnOff, which stands where the component palette was
// while the power is on: the run lamps, the run state, pause and stop, and
// the delay between the engine's steps.
#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class UserDialogs;
struct EngineContext;
struct ProgramState;

class SimulationBar : public QWidget {
    Q_OBJECT
public:
    SimulationBar(ProgramState& s, EngineContext& engine, UserDialogs& dialogs, QWidget* parent);

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

    // The delay box applied on Enter and when left.
    void txtVerzoegerung_Apply();
    // One step up (index 0) or down (index 1) within 0..100.
    void cmdVerzoegerung_Click(int index);
    void cmdPause_Click();
    void cmdStop_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramState& s_;
    EngineContext& engine_;
};
