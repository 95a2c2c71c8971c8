#pragma once
// The synthesis class: checks and normalises a typed term, splits it into a
// tree of gates (the group list), converts the tree to NAND-only or NOR-only
// gates, lists it in a tree view, computes the term's truth table and draws
// the term with overlines. Failures are shown in message boxes (through the
// user dialogs) and leave Error set.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class CalculatedTable;
class CaptionSink;
class GroupTreeSink;
struct PlacementContext;
class Surface;
class UserDialogs;

// One gate ("&" or "v") or one variable occurrence of the group list.
struct GroupRecord {
    QString Term;
    int32_t Level = 0;   // 1 for the gate of the whole term
    int32_t Parent = 0;  // index of the gate this is an operand of; 0 for the root
    bool Negation = false;
    int32_t Inputs = 0;  // direct operands of a gate
    int32_t Reserved = 0;
    int32_t Row = 0;     // worksheet row of the signal line, set by the drawing

    // An AND ("&") or OR ("v") of its operands, not a variable.
    bool IsGate() const { return Term == QStringLiteral("&") || Term == QStringLiteral("v"); }
};

class clsGroups {
public:
    // --- term and state
    QString Term;
    bool Corrected = false;
    bool Error = false;
    int16_t ConvertTo = 0;  // 0 all elements, 1 NAND only, 2 NOR only
    int32_t GroupNr = 0;
    bool Sorted = false;    // truth table with the first variable most significant
    bool Cancel = false;    // set while a table is computed to stop it
    // Set while the term checked is the minimiser's answer: an incomplete
    // one is then reported as simplified to a single symbol.
    bool Minimised = false;

    // --- layout of a synthesised circuit, in cells
    int32_t StartX = 3;
    int32_t StartY = 3;
    int32_t AbstandVariablen = 2;
    int32_t AbstandSchaltungY = 3;
    int32_t AbstandSchaltungX = 3;
    int32_t AbstandBreite = 4;
    int32_t AbstandHoehe = 4;

    // --- what the window hands in (each may be null)
    UserDialogs* Dialogs = nullptr;     // message boxes
    GroupTreeSink* tvwGroups = nullptr; // the group tree listing
    CalculatedTable* Tabelle = nullptr; // the calculated truth table
    CaptionSink* lblError = nullptr;    // progress of the table, simplifier messages
    Surface* Output = nullptr;          // the preview picture
    // The worksheet a synthesis draws on: the main window's placing context.
    PlacementContext* Placement = nullptr;
    std::function<void()> ProcessEvents; // lets pending window events run
    // How far a long run is: the rows of a table, the gates of a synthesis.
    std::function<void(int done, int total)> Progress;

    // --- checks and normalisation
    // True when Term is invalid; the first failure is shown by ShowError.
    bool CheckErrors();
    void ShowError(int code);
    QString Correct(const QString& t);
    QString RemoveNegBrackets(const QString& t);
    QString RemovePartBrackets(const QString& t);

    // --- groups
    void SplitTerm(const QString& part, int level, int parent);
    void AddGroup(int index, const QString& term, int level, int parent, bool negation);
    void CountChildren();
    void CreateVarList();
    int32_t MaxLevel(int32_t b) const;
    void CreateBranchLists();
    void CopyBranchRows();
    void Convert(int mode);
    void ShowGroups();
    void DelGroup(int index);

    // Index 0 of each list exists and stays empty.
    const std::vector<GroupRecord>& Groups() const { return groups_; }
    std::vector<GroupRecord>& Groups() { return groups_; }
    const QStringList& VarList() const { return varList_; }
    const std::vector<std::vector<GroupRecord>>& BranchLists() const { return branchLists_; }
    std::vector<std::vector<GroupRecord>>& BranchLists() { return branchLists_; }

    // --- drawing the term as a circuit
    // Draws Term onto the worksheet of Placement as a circuit of switches,
    // gates in the style of ConvertTo and an LED, replacing whatever the
    // worksheet holds, then shrinks the worksheet to it and clears the undo
    // history. A failure is shown and leaves Error set. The spacing values
    // are held to their limits first. While drawing it lets events run
    // through ProcessEvents; Cancel set meanwhile stops it, leaving the
    // worksheet half drawn and Cancel set.
    void CreateGroups();
    // The checks and the splitting of CreateGroups, with their messages, and
    // the limit of 20 inputs per gate, without drawing anything. True when
    // Term can be drawn; Term is then the normalised term.
    bool CheckSynthesis();

    // --- truth table
    void CreateTabelle();
    void FillTabelleRows();
    // t with every variable replaced by its value in row r (from 1) of Tabelle.
    QString InsertValues(const QString& t, int r) const;

    // --- display
    void ShowTerm(const QString& term, int x, int y);

private:
    std::vector<GroupRecord> groups_ = std::vector<GroupRecord>(1);
    QStringList varList_{QString()};
    std::vector<std::vector<GroupRecord>> branchLists_ = std::vector<std::vector<GroupRecord>>(1);
};

// The value ("1" or "0") of variable v (from 1) of n in row r (from 1) of a
// term's truth table: runs of 2^e equal values starting with "1", e = v - 1,
// or e = n - v when sorted.
bool TruthTableValue(int r, int v, int n, bool sorted);
