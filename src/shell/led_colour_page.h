#pragma once
// The property page of the LED tool: nine colour buttons, each showing the
// colour it gives the next LED; the chosen one stays pressed.
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
struct ProgramState;

class LedColourPage : public QWidget {
    Q_OBJECT
public:
    LedColourPage(ProgramState& s, QWidget* parent);

    QLabel* lblAllgemein4 = nullptr;
    std::array<QFrame*, 9> cmdColor{};

    // Each button shows its colour; the LED colour in force is pressed.
    void ShowColours();
    void cmdColor_MouseDown(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramState& s_;
};
