#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

QString TypeFormula(const QString& keys)
{
    QString text;
    for (QChar c : keys)
        text += FormulaKey(c);
    return text;
}

} // namespace

TEST(CommandLine, FormulaModeMapsEachKey)
{
    const std::pair<char16_t, char16_t> cases[] = {
        {u'a', u'A'}, {u'z', u'Z'}, {u'u', u'U'}, {u'w', u'W'}, {u'v', u'v'}, {u'V', u'v'}, {u'A', u'A'},
        {u'X', u'X'}, {u'6', u'&'}, {u'8', u'('}, {u'9', u')'}, {u'0', u'0'}, {u'1', u'1'}, {u'7', u'7'},
        {u' ', u' '}, {u'&', u'&'}, {u'!', u'!'}, {u'\r', u'\r'}, {u'\u00e4', u'\u00e4'}, {u'\u00c4', u'\u00c4'},
    };
    for (const auto& [typed, result] : cases)
        EXPECT_EQ(FormulaKey(QChar(typed)), QChar(result)) << int(typed);
}

TEST(CommandLine, TypedTermsComeOutInFormulaNotation)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a v b 8 c 6 d 9", "A v B ( C & D )"},
        {"formel 0", "FORMEL 0"},
        {"8avb96c", "(AvB)&C"},
        {"V", "v"},
    };
    for (const auto& [keys, text] : cases)
        EXPECT_EQ(TypeFormula(QString::fromLatin1(keys)), QString::fromLatin1(text)) << keys;
}

TEST(CommandLine, OnlyFormelZeroLeavesFormulaMode)
{
    EXPECT_EQ(FormulaModeEnter(TypeFormula(QStringLiteral("formel 0"))), FormulaEnter::LeaveFormulaMode);
    for (const char* text : {"formel 0", "FORMEL  0", " FORMEL 0", "FORMEL 0 ", "FORMEL", "", "A & B"})
        EXPECT_EQ(FormulaModeEnter(QString::fromLatin1(text)), FormulaEnter::BuildTerm) << text;
}

TEST(CommandLine, CommandsMatchInAnyCaseButNotTrimmed)
{
    const std::pair<const char*, LineCommand> cases[] = {
        {"info", LineCommand::Info},
        {"INFO", LineCommand::Info},
        {"Info", LineCommand::Info},
        {"save", LineCommand::Save},
        {"Open", LineCommand::Open},
        {"CLEAR", LineCommand::Clear},
        {"TimeLabel", LineCommand::TimeLabel},
        {"debug p", LineCommand::DebugP},
        {"DEBUG L", LineCommand::DebugL},
        {"debug t", LineCommand::DebugT},
        {"Debug I", LineCommand::DebugI},
        {" info", LineCommand::None},
        {"info ", LineCommand::None},
        {"", LineCommand::None},
        {"debug", LineCommand::None},
        {"debug  p", LineCommand::None},
        {"debug x", LineCommand::None},
        {"time label", LineCommand::None},
        {"information", LineCommand::None},
    };
    for (const auto& [text, command] : cases)
        EXPECT_EQ(CommandOf(QString::fromLatin1(text)), command) << text;
}
