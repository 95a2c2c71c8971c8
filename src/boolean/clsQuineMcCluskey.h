#pragma once
// The Quine-McCluskey minimiser: reads the truth table that the window's
// "Calculate table" command leaves, merges the rows whose result is 1 pass
// after pass, and writes the OR of all prime implicants (no minimal cover).
// It logs its progress line by line.
#include "boolean/term_checks.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class CalculatedTable;
class ItemListSink;

class clsQuineMcCluskey {
public:
    ItemListSink* InfoDevice = nullptr; // the window's protocol list lstProtokoll
    QString Term; // for information only
    QString VereinfachterTerm;
    bool Error = false;
    // Presses the window's "Calculate table" button: fills Tabelle from the
    // window's term and sets Error when it cannot.
    std::function<void()> PressTabelle;
    const CalculatedTable* Tabelle = nullptr; // what the window's lvwTabelle shows

    // Runs the merge passes, the long part of the method. The window runs
    // them on a worker thread and lets its events run meanwhile; unset, they
    // run at once. The work touches nothing but this object's lists.
    std::function<void(const std::function<void()>& work)> RunWork;

    // The simplified term; "0" when no row is 1; "" when the table was not
    // built or the run was cancelled (Error is then set).
    QString Vereinfache();

    // Both may be called from any thread while the merge passes run: the
    // passes end at their next check, and how many passes are done.
    void RequestCancel() { cancel_ = true; }
    int PassesDone() const { return passesDone_; }
    // The most passes a table of the variables read needs.
    int Passes() const { return n_ + 1; }

    // One implicant: per variable (bit k for column k) either a dash
    // (either value) or the value in `one`. The same implicant reached from
    // several pairs is kept once, where its first copy stands; count is how
    // many records the method would hold for it, so the protocol's indices
    // and counts are those of a list that keeps every copy. code is its
    // number in base 3: digit k is 0 or 1 for the value of column k, 2 for
    // a dash.
    struct Implicant {
        uint32_t one = 0;
        uint32_t dash = 0;
        uint32_t code = 0;
        int ones = 0;
        bool used = false;
        bool result = false;
        double count = 1;
    };
    // The most variables a table may have: those of the largest truth table
    // the window calculates.
    static constexpr int kMaxVariables = kMaxTermVariables;

private:
    // Lines wait in log_ until FlushLog hands them to InfoDevice on the
    // calling thread.
    void Log(const QString& line);
    void FlushLog();
    bool ReadTable();
    void KeepMinterms();
    void SortGroups();
    void MergeAll();
    bool MergePass();
    QString ResultTerm() const;

    int n_ = 0;
    QStringList names_;
    QStringList log_;
    std::vector<Implicant> current_;
    std::vector<Implicant> primes_;
    // Where each implicant stands in the list of its pass, by its code;
    // kept for one run.
    std::vector<uint32_t> place_;
    std::vector<uint32_t> power_; // 3^k
    std::atomic<bool> cancel_ = false;
    std::atomic<int> passesDone_ = 0;
};
