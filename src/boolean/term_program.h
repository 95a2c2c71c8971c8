#pragma once
// A term compiled once into a postfix program over its variables, so that a
// truth table evaluates each row by a short run instead of rewriting the
// text. Reads a checked term with every AND written out: "v" below "&",
// "(" ")" grouping, "<" ">" negating.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class TermProgram {
public:
    // The program of t whose variable k is variables[k] (one letter each);
    // nothing when t is not a well-formed term or uses another letter.
    static std::optional<TermProgram> Compile(const QString& t, const QStringList& variables);

    // The term's value where variable k has the value of bit k of values.
    bool Evaluate(uint32_t values) const;

private:
    enum class Op : uint8_t { Variable, Not, And, Or };
    struct Step {
        Op op;
        uint8_t variable = 0;
    };

    std::vector<Step> steps_;
    std::size_t depth_ = 0; // the deepest stack the run needs
};
