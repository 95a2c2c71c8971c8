#include "shell/label_text_box.h"

#include <QKeyEvent>
#include <algorithm>

#include "editing/worksheet_overlay.h"
#include "ic/name_validator.h"

LabelTextBox::LabelTextBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtBeschriftung"));
    // A ";", "," or double quote would break the label's line in the circuit file, typed or pasted.
    setValidator(NewFieldTextFilter(this));
    setFrame(true);
    hide();
}

void LabelTextBox::Follow(const LabelEditBox& box)
{
    if (box.Visible && !isVisible()) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(std::max(1.0, box.FontSize));
        setFont(font);
        setText(box.Text);
        setGeometry(static_cast<int>(box.Left), static_cast<int>(box.Top), std::max(40, static_cast<int>(box.Width)),
                    std::max(static_cast<int>(box.Height), sizeHint().height()));
        show();
        raise();
        setFocus();
        if (box.Edit)
            selectAll();
    } else if (!box.Visible && isVisible()) {
        hide();
    }
}

bool LabelTextBox::txtBeschriftung_KeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Committed();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        if (hasSelectedText())
            deselect();
        else
            emit Cancelled();
        return true;
    }
    return false;
}

void LabelTextBox::txtBeschriftung_LostFocus()
{
    if (isVisible())
        emit Committed();
}

void LabelTextBox::keyPressEvent(QKeyEvent* event)
{
    if (!txtBeschriftung_KeyPress(event))
        QLineEdit::keyPressEvent(event);
}

void LabelTextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    txtBeschriftung_LostFocus();
}
