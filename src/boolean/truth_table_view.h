#pragma once
// The editable truth table of the term-synthesis tab: the column headers
// (lblSpalte, lblErgebnis), the cells (lblLine, lblResult) in a scrolled box
// (picLineBox in picLineFrame, scrLines) and the row and variable counters
// (UpDown1, UpDown2 with txtAnzZeilen, txtAnzVars). It shows the grid model
// and reports clicks and hovering; the window decides what they do.
#include "boolean/truth_table_editing.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollBar;
class QToolButton;

class TruthTableView : public QWidget {
    Q_OBJECT
public:
    TruthTableView(TruthTableGrid& grid, truth_table::HeaderColours& headers, QWidget* parent);

    // Brings every label in line with the grid (rows, texts, colours, enabled).
    void Sync();

    std::function<void(int index)> lblLine_Click;
    std::function<void(int row)> lblResult_Click;
    std::function<void(int column)> lblSpalte_Click;
    std::function<void()> lblErgebnis_Click;
    std::function<void(bool up)> UpDown1_Click;
    std::function<void(bool up)> UpDown2_Click;
    std::function<void(truth_table::HoverTarget, int)> Hovered;
    std::function<void()> scrLines_GotFocus;

    // Pixel geometry of the twips the grid holds.
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kCellPitch = 24;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* NewLabel(QWidget* parent, const QString& name, int index);
    void SyncRows();

    TruthTableGrid& grid_;
    truth_table::HeaderColours& headers_;
    QWidget* picture2_ = nullptr;
    QWidget* lineFrame_ = nullptr;
    QWidget* lineBox_ = nullptr;
    QScrollBar* scrLines_ = nullptr;
    QLineEdit* rows_ = nullptr;
    QLineEdit* vars_ = nullptr;
    std::vector<QLabel*> headerLabels_; // 0..5, then "="
    std::vector<QLabel*> cells_;        // by grid index; null for columns 6..9
    std::vector<QLabel*> results_;
};
