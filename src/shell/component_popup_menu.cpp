#include "shell/component_popup_menu.h"

#include <QCursor>

#include "platform/guard.h"

ComponentPopupMenu::ComponentPopupMenu(WorksheetEditor& editor, UserDialogs& dialogs, QWidget* parent)
    : QMenu(parent), editor_(editor)
{
    setObjectName(QStringLiteral("mPopupMenu"));
    const std::pair<const char*, WorksheetEditor::PopupChoice> kItems[] = {
        {"Löschen", WorksheetEditor::PopupChoice::Delete},
        {"Negieren", WorksheetEditor::PopupChoice::Negate},
        {"Negationspunkt löschen", WorksheetEditor::PopupChoice::RemoveNegation},
        {"Ändern", WorksheetEditor::PopupChoice::Edit},
    };
    size_t n = 0;
    for (const auto& [caption, choice] : kItems) {
        QAction* a = addAction(QString::fromUtf8(caption));
        const WorksheetEditor::PopupChoice c = choice;
        connect(a, &QAction::triggered, this, GuardedSlot(dialogs, a->text(), [this, c] { mPopup_Click(c); }));
        items_[n++] = a;
        if (n == 1)
            items_[n++] = addSeparator();
    }
}

void ComponentPopupMenu::Show(const PopupItems& items)
{
    items_[0]->setVisible(items.Delete);
    items_[1]->setVisible(items.Separator);
    items_[2]->setVisible(items.Negate);
    items_[3]->setVisible(items.RemoveNegation);
    items_[4]->setVisible(items.Edit);
    popup(QCursor::pos());
}

void ComponentPopupMenu::mPopup_Click(WorksheetEditor::PopupChoice choice)
{
    editor_.PopupChosen(choice);
}
