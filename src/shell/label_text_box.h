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

    // Enter commits, Esc cancels (or first drops a selection); true when the
    // key is taken. Other keys reach the text, whose edits the window
    // follows with the box's width and the room on the worksheet.
    bool txtBeschriftung_KeyPress(QKeyEvent* event);
    // Leaving an open box commits it.
    void txtBeschriftung_LostFocus();

signals:
    void Committed();
    void Cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
