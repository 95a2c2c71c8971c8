#include "shell/command_line.h"

#include <array>
#include <utility>

QChar FormulaKey(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c == u'V')
        return QChar(u'v');
    if (c >= u'a' && c <= u'z' && c != u'v')
        return QChar(static_cast<char16_t>(c - u'a' + u'A'));
    switch (c) {
    case u'6':
        return QChar(u'&');
    case u'8':
        return QChar(u'(');
    case u'9':
        return QChar(u')');
    default:
        return typed;
    }
}

FormulaEnter FormulaModeEnter(const QString& text)
{
    return text == QLatin1String("FORMEL 0") ? FormulaEnter::LeaveFormulaMode : FormulaEnter::BuildTerm;
}

LineCommand CommandOf(const QString& text)
{
    static const std::array<std::pair<const char*, LineCommand>, 9> commands = {{
        {"info", LineCommand::Info},
        {"save", LineCommand::Save},
        {"open", LineCommand::Open},
        {"clear", LineCommand::Clear},
        {"timelabel", LineCommand::TimeLabel},
        {"debug p", LineCommand::DebugP},
        {"debug l", LineCommand::DebugL},
        {"debug t", LineCommand::DebugT},
        {"debug i", LineCommand::DebugI},
    }};
    const QString lower = text.toLower();
    for (const auto& [name, command] : commands) {
        if (lower == QLatin1String(name))
            return command;
    }
    return LineCommand::None;
}
