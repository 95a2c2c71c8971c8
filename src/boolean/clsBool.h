#pragma once
// The term simplifier: rewrites a term (the term syntax plus the constants
// "0" and "1") into a simpler equivalent one by removing double negations,
// pushing negations inwards by De Morgan's rules and folding constants and
// repeated operands away. A term without variables ends as exactly "0" or
// "1", which is how the truth table of a term is evaluated row by row.
#include <QString>
#include <QStringList>

class CaptionSink;
class Surface;

class clsBool {
public:
    QString Term;
    CaptionSink* ErrorDevice = nullptr; // receives the messages of FindErrors
    Surface* Output = nullptr;          // where ShowTerm draws
    int TermCount = 0;                  // entries of the step list

    void SetFormel(const QString& t) { Term = t; }
    const QString& Formel() const { return Term; }

    // True when t is invalid: unbalanced signs or a character outside the
    // syntax. Only the balance is tested, not the order of the signs.
    bool FindErrors(const QString& t);
    void Vereinfache();
    // Draws step i (from 1) of the last run's trace at (x, y).
    void ShowTerm(int i, int x, int y);
    const QStringList& Steps() const { return steps_; }

    // The rewrites, open for tests.
    QString RemoveOuterBrackets(const QString& t);
    QString FoldNegConstants(const QString& t);
    QString PushNegation(const QString& t);
    QString RemoveNegBrackets(const QString& t) const;
    QString SimplifyParts(const QString& t);
    QString RemoveSingleBrackets(const QString& t) const;
    QString RemoveZeroTerms(const QString& run);
    QString RemoveOneTerms(const QString& run);

private:
    // Parts of t; none when FindErrors rejects it.
    QStringList Parts(const QString& t);
    int PartCount(const QString& t) { return static_cast<int>(Parts(t).size()); }
    QString NegateOperand(const QString& bare);
    void Record(const QString& t);

    QStringList steps_;
    bool noNegationExpanded_ = false;
    bool inBracket_ = false;
};

// The part without a leading "<", a trailing operator and a trailing ">":
// a part and its negation share it.
QString PartCore(const QString& part);
// The parts joined with part i replaced by r and part j left out (j = 0
// leaves none out), without a trailing operator.
QString RebuildParts(const QStringList& parts, int i, const QString& r, int j);
