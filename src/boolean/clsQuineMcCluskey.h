#pragma once
// The Quine-McCluskey minimiser: reads the truth table that the window's
// "Calculate table" command leaves, merges the rows whose result is 1 pass
// after pass, and writes the OR of all prime implicants (no minimal cover).
// It logs its progress line by line.
#include <QString>
#include <QStringList>
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

    // The simplified term; "0" when no row is 1; "" when the table was not built.
    QString Vereinfache();

    // One implicant: per variable (bit k for column k) either a dash
    // (either value) or the value in `one`. The same implicant reached from
    // several pairs is kept once; count is how many records the method would
    // hold for it, so the protocol's indices and counts are those of a list
    // that keeps every copy.
    struct Implicant {
        uint32_t one = 0;
        uint32_t dash = 0;
        int ones = 0;
        bool used = false;
        bool result = false;
        double count = 1;
    };
    // The most variables a table may have.
    static constexpr int kMaxVariables = 32;

private:
    void Log(const QString& line);
    bool ReadTable();
    void KeepMinterms();
    void SortGroups();
    bool MergePass();
    void RemoveDuplicatePrimes();
    QString ResultTerm() const;

    int n_ = 0;
    QStringList names_;
    std::vector<Implicant> current_;
    std::vector<Implicant> primes_;
};
