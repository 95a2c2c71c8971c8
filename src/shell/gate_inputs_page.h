#pragma once
// The property page picAnschlüsse: how many inputs the next AND, OR or XOR
// gets. The box is checked on Enter and when left; its up-down keeps a value
// of its own and writes it into the box.
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
struct ProgramState;

class GateInputsPage : public QWidget {
    Q_OBJECT
public:
    GateInputsPage(ProgramState& s, QWidget* parent);

    QLabel* lblAllgemein0 = nullptr;
    QLineEdit* txtAnschluesse = nullptr;
    QToolButton* UpDown1Up = nullptr;
    QToolButton* UpDown1Down = nullptr;

    // Enter, or leaving the box: the count held to its range.
    void txtAnschluesse_LostFocus();
    // One step of the up-down, +1 or -1.
    void UpDown1_Change(int step);

private:
    ProgramState& s_;
    int upDown1Value_ = 2; // the up-down's own value
};
