#pragma once
// The inline text box over the worksheet in which a label is typed: Enter
// or leaving it commits, Esc cancels (unless text is selected).
#include <QLineEdit>

struct LabelEditBox;

class LabelTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LabelTextBox(QWidget* parent = nullptr);

    // Opens where the editor opened its box, with its text and font, or
    // closes when the editor closed it.
    void Follow(const LabelEditBox& box);

signals:
    void Committed();
    void Cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
