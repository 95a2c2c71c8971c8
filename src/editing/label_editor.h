#pragma once
// Text labels typed on the worksheet: the inline box that opens at a cell,
// and the label it creates or changes when committed.
#include <QSizeF>
#include <QString>

#include "editing/editor_context.h"

class LabelEditor {
public:
    explicit LabelEditor(const EditorContext& e);

    // Opens the box at the cursor cell: "CREATE" on a free cell, "EDIT" on a
    // text label, which opens with its text.
    void ChangeBeschriftung(const QString& mode);
    // Opens the box for what `target` names: its X, Y, Edit, ElementNr and Text.
    void PromptBeschriftungsText(const LabelEditBox& target);
    // Where the box for `target` stands and how large it is at the current
    // zoom: one line of the label font, a new label's box starting narrow.
    LabelEditBox InitTextBox(LabelEditBox target) const;

    // Enter or focus loss: a non-empty text creates or changes the label.
    // False when the label would not fit and nothing changed.
    bool CommitLabel(const QString& text);
    void CancelLabel();
    // Commits the open box with the window's current text.
    void CommitOpenLabel();
    // Whether text would stay on free cells (or the edited label's own) inside the worksheet.
    bool LabelFits(const QString& text) const;
    // Width and height of a label text at the current zoom, in drawing units.
    QSizeF MeasureLabel(const QString& text) const;

private:
    // The cells a text starting at cell (x, y) covers.
    CellBox Covered(int16_t x, int16_t y, const QString& text) const;

    EditorContext e_;
};
