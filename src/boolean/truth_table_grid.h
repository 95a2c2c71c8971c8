#pragma once
// The truth-table editor's grid as the Boolean tools window (frmBoolean) holds it: ten
// input cells per row (lblLine, index row x 10 + column), one result cell per
// row (lblResult), the six column headers (lblSpalte "A".."F"), and the error
// label's colour (lblFehler). Cells hold "0" or "1" in their Tag and caption;
// a "1" is red. Columns not in use are disabled, blank, Tag "0", black.
// Row geometry is in twips: each row sits 105 twips below the one above.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class UserDialogs;

// Not named like the worksheet's cell: two classes of one name in one
// program make their vector code clash at link time.
struct TruthTableCell {
    QString Tag = QStringLiteral("0");
    QString Caption = QStringLiteral("0");
    bool Enabled = true;
    int32_t ForeColor = 0;
    int Top = 0;     // twips
    int Height = 255;
};

// The index of the window's cmbArt.
enum class NormalForm { SumOfProducts = 0, Conjunctive = 1 };

class TruthTableGrid {
public:
    static constexpr int kColumns = 10;
    static constexpr int kUsableColumns = 6;
    static constexpr int32_t kRed = 0x0000FF;
    static constexpr int32_t kYellow = 0x00FFFF;
    static constexpr int32_t kGrey = 0xC0C0C0;
    static constexpr int kRowGap = 105;

    // The design-time grid: two rows, every cell "0".
    explicit TruthTableGrid(int firstTop = 0, int frameHeight = 1800);

    std::vector<TruthTableCell> lblLine;
    std::vector<TruthTableCell> lblResult;
    std::array<bool, kUsableColumns> lblSpalte{true, true, true, true, true, true}; // header enabled
    int32_t lblFehlerColor = kGrey;
    struct Box {
        int Height = 0;
    };
    Box picLineBox;   // the scrolled box holding the cells
    Box picLineFrame; // the frame it is seen through
    struct {
        int Max = 0;
    } scrLines;
    UserDialogs* Dialogs = nullptr;
    // The window's follow-up of a result cell's click (check and regenerate).
    std::function<void(int row)> ResultClicked;

    int Rows() const { return static_cast<int>(lblResult.size()); }
    int LastRow() const { return (static_cast<int>(lblLine.size()) - 1) / kColumns; }
    const TruthTableCell& Cell(int row, int column) const { return lblLine[static_cast<std::size_t>(row * kColumns + column)]; }

    void AddLine();
    void RemoveLine();
    void SetlblLine(int index, int value);
    void SetlblResult(int index, int value);
    // Switches column c on (its cells enabled and "0") or off (disabled,
    // blank, Tag "0", black), with its header.
    void SetColumnInUse(int c, bool inUse);
    void SortTabelle();
    bool CheckForErrors();
    QString CreateTerm(NormalForm form) const;
    // The term box's new text after an edit: the normal form in quick mode
    // (chkSchnell set), else nothing.
    std::optional<QString> GenTerm(bool chkSchnell, NormalForm form) const;

private:
    void SetCell(TruthTableCell& cell, int value);
    void UpdateScrollRange();
};

// The formula history of the term box: newest first, at most 25, no duplicates.
// The text becomes the first entry; an empty text is ignored.
void AddTermToList(QStringList& history, const QString& text);

// The window's options as the settings keep them.
struct TermOptions {
    std::array<QString, 3> txtOption; // element spacing X, Y, switch spacing
    int chkVereinfachen = 0;
    int chkSave = 0;
    bool chkSorted = false;
    QStringList history;
};
struct Settings;
class clsGroups;
// Options to the settings (the window then writes them to the store) and back.
void SaveTermOptions(const TermOptions& options, Settings& settings);
TermOptions LoadTermOptions(const Settings& settings);
// The spacing boxes to the synthesis object.
void SetProperties(const std::array<QString, 3>& txtOption, clsGroups& groups);
