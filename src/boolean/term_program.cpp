#include "boolean/term_program.h"

#include "boolean/term_parts.h"

#include <array>

namespace {

bool IsOpening(QChar c)
{
    return c == u'(' || c == u'<';
}

} // namespace

// Operator precedence without recursion, so that deep nesting in a long
// term cannot exhaust the stack.
std::optional<TermProgram> TermProgram::Compile(const QString& t, const QStringList& variables)
{
    TermProgram program;
    std::vector<QChar> pending; // "(", "<", "&" and "v" not yet written
    std::size_t depth = 0;
    auto write = [&](Op op, uint8_t variable = 0) {
        program.steps_.push_back({op, variable});
        if (op == Op::And || op == Op::Or)
            --depth;
        else if (op != Op::Not)
            program.depth_ = std::max(program.depth_, ++depth);
    };
    // Writes the pending operators that bind at least as tightly as op.
    auto flush = [&](QChar op) {
        while (!pending.empty() && (pending.back() == u'&' || (op == u'v' && pending.back() == u'v'))) {
            write(pending.back() == u'&' ? Op::And : Op::Or);
            pending.pop_back();
        }
    };
    // Whether an operand must come next (else an operator or a closing sign).
    bool operandNext = true;
    for (const QChar c : t) {
        if ((term::IsVariable(c) || IsOpening(c)) != operandNext)
            return std::nullopt;
        if (term::IsVariable(c)) {
            const qsizetype k = variables.indexOf(QString(c));
            if (k < 0 || k > 31)
                return std::nullopt;
            write(Op::Variable, static_cast<uint8_t>(k));
            operandNext = false;
        } else if (IsOpening(c)) {
            pending.push_back(c);
        } else if (term::IsOperator(c)) {
            flush(c);
            pending.push_back(c);
            operandNext = true;
        } else if (c == u')' || c == u'>') {
            flush(u'v');
            if (pending.empty() || pending.back() != (c == u')' ? u'(' : u'<'))
                return std::nullopt;
            pending.pop_back();
            if (c == u'>')
                write(Op::Not);
        } else {
            return std::nullopt;
        }
    }
    if (operandNext)
        return std::nullopt;
    flush(u'v');
    if (!pending.empty())
        return std::nullopt;
    return program;
}

bool TermProgram::Evaluate(uint32_t values) const
{
    std::array<uint8_t, 64> small{};
    std::vector<uint8_t> large;
    uint8_t* stack = small.data();
    if (depth_ > small.size()) {
        large.resize(depth_);
        stack = large.data();
    }
    std::size_t top = 0;
    for (const Step& s : steps_) {
        switch (s.op) {
        case Op::Variable:
            stack[top++] = static_cast<uint8_t>((values >> s.variable) & 1u);
            break;
        case Op::Not:
            stack[top - 1] ^= 1;
            break;
        case Op::And:
            --top;
            stack[top - 1] &= stack[top];
            break;
        case Op::Or:
            --top;
            stack[top - 1] |= stack[top];
            break;
        }
    }
    return stack[0] != 0;
}
