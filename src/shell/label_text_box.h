#pragma once
// The inline text box over the worksheet in which a label is typed: Enter
// or leaving it commits, Esc cancels (unless text is selected).
#include <QLineEdit>

class LabelTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LabelTextBox(QWidget* parent = nullptr);

signals:
    void Committed();
    void Cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
