#pragma once
// The property page of the LED tool: nine colour buttons, each showing the
// colour it gives the next LED; the chosen one stays pressed.
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;

class LedColourPage : public QWidget {
    Q_OBJECT
public:
    // ledColour: the colour the next LED gets, which the buttons show and set.
    LedColourPage(int32_t& ledColour, QWidget* parent);

    QLabel* lblAllgemein4 = nullptr;
    std::array<QFrame*, 9> cmdColor{};

    // Each button shows its colour; the LED colour in force is pressed.
    void ShowColours();
    void cmdColor_MouseDown(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int32_t& ledColour_;
};
