#include "shell/label_text_box.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

LabelTextBox::LabelTextBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtBeschriftung"));
    // A ";" would end the label's field in the circuit file.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]*")), this));
    setFrame(true);
    hide();
}

void LabelTextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Committed();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (hasSelectedText())
            deselect();
        else
            emit Cancelled();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LabelTextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (isVisible())
        emit Committed();
}
