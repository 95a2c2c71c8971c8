#pragma once
// The command line above the worksheet: the formula-mode button f(x), the
// line itself and its close button. In formula mode the keys typed reach the
// line as a Boolean term's symbols.
#include <QObject>
#include <functional>

class QComboBox;
class QKeyEvent;
class QToolButton;
class QWidget;

class FormelPanel : public QObject {
    Q_OBJECT
public:
    // The controls are the client area's own, left at `left` pixels.
    FormelPanel(QWidget* client, int left);

    QToolButton* cmdFormel = nullptr;
    QComboBox* cmbFormel = nullptr;
    QToolButton* cmdCloseFormel = nullptr;

    // The close button pressed.
    std::function<void()> Close;
    // A key in the line, after formula mode has mapped it.
    std::function<void(QKeyEvent*)> KeyPress;

    void SetShown(bool shown);
    // After every click on the mode button the line takes the input.
    void cmdFormel_MouseUp();
    void cmdCloseFormel_Click(bool pressed);
    bool FormulaMode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
