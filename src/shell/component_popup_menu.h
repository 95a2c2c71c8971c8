#pragma once
// The component popup menu mPopup of the worksheet: it opens and the
// worksheet goes on; a choice acts and ends it.
#include <QMenu>
#include <array>

#include "editing/worksheet_editor.h"

class UserDialogs;

class ComponentPopupMenu : public QMenu {
    Q_OBJECT
public:
    ComponentPopupMenu(WorksheetEditor& editor, UserDialogs& dialogs, QWidget* parent);

    // Opens at the pointer with the items the cursor cell offers.
    void Show(const PopupItems& items);
    void mPopup_Click(WorksheetEditor::PopupChoice choice);

private:
    WorksheetEditor& editor_;
    // Delete, the separator, Negate, Remove negation, Edit.
    std::array<QAction*, 5> items_{};
};
