#pragma once
// The property page picAnschlüsse: how many inputs the next AND, OR or XOR
// gets. The box is checked on Enter and when left; its up-down keeps a value
// of its own and writes it into the box.
#include <QWidget>

class QLabel;
class QString;
class QLineEdit;
class QToolButton;

class GateInputsPage : public QWidget {
    Q_OBJECT
public:
    // gateInputsText mirrors the box: the editor reads it when it places a gate.
    GateInputsPage(QString& gateInputsText, QWidget* parent);

    QLabel* lblAllgemein0 = nullptr;
    QLineEdit* txtAnschluesse = nullptr;
    QToolButton* UpDown1Up = nullptr;
    QToolButton* UpDown1Down = nullptr;

    void txtAnschluesse_GotFocus();
    // Enter (13), or leaving the box: the count held to its range. The key
    // itself and other keys pass on.
    void txtAnschluesse_KeyPress(int keyAscii);
    void txtAnschluesse_LostFocus();
    // One step of the up-down, within its range, into the box.
    void UpDown1_UpClick();
    void UpDown1_DownClick();

private:
    void StepUpDown1(int step);

    QString& gateInputsText_;
    int upDown1Value_ = 2; // the up-down's own value
};
