// The term preview: text, operator wedges and stacked overlines.
#include <gtest/gtest.h>

#include "boolean/clsGroups.h"
#include "boolean/term_display.h"
#include "platform/recording_surface.h"

namespace {

QStringList Drawn(const QString& term, const QString& kind)
{
    RecordingSurface surface;
    clsGroups g;
    g.Output = &surface;
    g.ShowTerm(term, 5, 17);
    QStringList lines;
    for (const QString& line : surface.Log()) {
        if (line.startsWith(kind))
            lines << line;
    }
    return lines;
}

TEST(TermDisplay, OverlinesStackByNegationDepth)
{
    struct Case {
        const char* term;
        QStringList overlines;
    };
    const Case cases[] = {
        {"<A>&B", {"Line 15,17-24,17 color=0xFF mode=Plain width=1"}},
        {"<<A>vB>", {"Line 15,14-44,14 color=0xFF mode=Plain width=1", "Line 15,17-24,17 color=0xFF mode=Plain width=1"}},
        {"A&(BvC)", {}},
        {"A&<<B>>", {"Line 35,14-44,14 color=0xFF mode=Plain width=1", "Line 35,17-44,17 color=0xFF mode=Plain width=1"}},
    };
    for (const Case& c : cases) {
        const QStringList lines = Drawn(QString::fromLatin1(c.term), QStringLiteral("Line"));
        EXPECT_EQ(lines.filter(QStringLiteral("color=0xFF ")), c.overlines) << c.term;
    }
}

TEST(TermDisplay, OperatorsAreWedgesAndTheOpeningBracketIsShifted)
{
    const QStringList lines = Drawn(QStringLiteral("(AvB)&C"), QStringLiteral("Line"));
    // "v" in slot 3 (x = 35) points down, "&" in slot 6 (x = 65) points up.
    EXPECT_EQ(lines, (QStringList{"Line 36,24-39,29 color=0xFF0000 mode=Plain width=1",
                                  "Line 39,29-42,23 color=0xFF0000 mode=Plain width=1",
                                  "Line 66,29-69,24 color=0xFF0000 mode=Plain width=1",
                                  "Line 69,24-72,30 color=0xFF0000 mode=Plain width=1"}));
    const QStringList prints = Drawn(QStringLiteral("(AvB)&C"), QStringLiteral("Print"));
    ASSERT_EQ(prints.size(), 5);
    EXPECT_TRUE(prints[0].startsWith(QStringLiteral("Print 19,17 \"(\" font=Arial size=10"))) << prints[0].toStdString();
    EXPECT_TRUE(prints[1].startsWith(QStringLiteral("Print 25,17 \"A\""))) << prints[1].toStdString();
    EXPECT_DOUBLE_EQ(TermPreviewWidthTwips(QStringLiteral("<A>&B"), 5, 15), (5 + 30 + 14) * 15 + 100);
}

} // namespace
