#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "model/geometry.h"
#include "model/state.h"
#include "render/print_layout.h"
#include "render/print_options.h"

namespace {

// The rule that lost columns: the height decides whenever the sheet is not wider than high.
double HeightWhenNotWider(int maxX, int maxY)
{
    return maxX <= maxY ? kPageHeight / maxY / 14 * 0.9 : kPageWidth / maxX / 14 * 0.9;
}

} // namespace

// The sheet fits the page by its tighter side, and the caption stands below
// the circuit and inside the page area, four rows down where there is room.
TEST(PageZoom, FitsTheSheetByItsTighterSideWithTheCaptionOnThePage)
{
    struct Case {
        int maxX, maxY;
        double zoom;
    } const cases[] = {
        {50, 30, 7.4031}, // the width decides
        {30, 50, 10.2844}, // the height decides; four rows down would be below the page
        {50, 50, 7.4031}, // square sheet on an upright page: the width, else its right columns fall off
        {80, 20, 4.6271},   {20, 80, 6.4277},   {200, 20, 1.8507}, {20, 200, 2.5711},
        {0, 0, 370.1571}, // no columns or rows count as one
    };
    const double line = 90; // an 8-point caption line on an A4 page
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maxX << " x " << c.maxY);
        ProgramState page;
        page.GridMode = PageZoom(static_cast<int16_t>(c.maxX), static_cast<int16_t>(c.maxY), 14);
        EXPECT_NEAR(page.GridMode, c.zoom, 1e-3);
        if (c.maxY == 0)
            continue;
        const double wanted = GridToPixel(page, static_cast<int16_t>(c.maxY + 4));
        const double top = CaptionTop(wanted, line);
        EXPECT_GT(top, GridToPixel(page, static_cast<int16_t>(c.maxY)) + page.GridMode * 7);
        EXPECT_LE(top + line, kPageTop + kPageHeight);
    }
}

TEST(PageZoom, AgreesWithTheHeightRuleWhereverThatFitsAndStaysOnThePageElsewhere)
{
    for (int maxX = 1; maxX <= 150; maxX += 7) {
        for (int maxY = 1; maxY <= 150; maxY += 5) {
            const double zoom = PageZoom(static_cast<int16_t>(maxX), static_cast<int16_t>(maxY), 14);
            const double old = HeightWhenNotWider(maxX, maxY);
            const bool oldFits = old * 14 * maxX <= kPageWidth * 0.9 + 1e-6 && old * 14 * maxY <= kPageHeight * 0.9 + 1e-6;
            if (oldFits) {
                EXPECT_NEAR(zoom, old, 1e-4) << maxX << " x " << maxY;
            }
            EXPECT_LE(zoom * 14 * maxX, kPageWidth * 0.9 + 0.01) << maxX << " x " << maxY;
            EXPECT_LE(zoom * 14 * maxY, kPageHeight * 0.9 + 0.01) << maxX << " x " << maxY;
        }
    }
}

TEST(PrintCaption, NamesTheCircuitFileOrTheICDefinitionInBrackets)
{
    ProgramState s;
    s.circuit.ICInstances.resize(3);
    s.circuit.ICInstances[2].Name = QStringLiteral("HALF");
    struct Case {
        int level;
        const char* circuitFile;
        const char* folder;
        const char* caption;
    } const cases[] = {
        {0, "/home/u/adder.gtr", "/opt/gatrel", "(/home/u/adder.gtr)"},
        {0, "", "/opt/gatrel", "(<No name>)"},
        {2, "/home/u/adder.gtr", "/opt/gatrel", "(/opt/gatrel/HALF.icd)"},
        {2, "", "/opt/gatrel/", "(/opt/gatrel/HALF.icd)"},
    };
    for (const Case& c : cases) {
        s.CurrentLevel = static_cast<int16_t>(c.level);
        s.CmDialog1.FileName = QString::fromUtf8(c.circuitFile);
        EXPECT_EQ(CaptionText(PageFileName(s.circuit, s.CurrentLevel, s.CmDialog1.FileName, QString::fromUtf8(c.folder))), QString::fromUtf8(c.caption));
    }
}

TEST(PrintOptions, ICPagesOnePerDistinctName)
{
    struct Case {
        QStringList levelNames; // levels 1..
        QStringList pages;
    } const cases[] = {
        {{}, {""}},
        {{"FULL", "HALF", "HALF", "HALF"}, {"", "FULL", "HALF"}},
        {{"HALF", "HALF"}, {"", "HALF"}},
        {{"A", "B"}, {"", "A", "B"}},
        {{"B", "A", "B"}, {"", "B", "A"}},
    };
    for (const Case& c : cases) {
        ProgramState s;
        s.circuit.Levels.resize(static_cast<size_t>(c.levelNames.size()) + 1);
        for (qsizetype i = 0; i < c.levelNames.size(); ++i)
            s.circuit.Levels[static_cast<size_t>(i) + 1].Name = c.levelNames[i];
        EXPECT_EQ(BuildICPageNames(s.circuit), c.pages) << c.levelNames.join(u',').toStdString();
    }
}

TEST(PrintOptions, CopiesTypedCorrectedAndPrinted)
{
    struct Case {
        const char* typed;
        std::optional<int> passed; // to the printer while typing
        const char* shown;         // after the box loses the focus
    } const cases[] = {
        {"1", 1, "1"},        {"5", 5, "5"},           {"999", 999, "999"}, {"1500", 1500, "999"},
        {"32767", 32767, "999"}, {"32768", std::nullopt, "999"}, {"0", std::nullopt, "1"},
        {"-3", std::nullopt, "1"}, {"", std::nullopt, "1"},  {"abc", std::nullopt, "1"}, {"12abc", 12, "12abc"},
    };
    for (const Case& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(TypedCopies(typed), c.passed) << c.typed;
        EXPECT_EQ(CorrectedCopiesText(typed), QString::fromUtf8(c.shown)) << c.typed;
    }
    for (const auto& [asked, printed] : {std::pair{0, 1}, {-4, 1}, {1, 1}, {999, 999}, {1000, 999}, {32767, 999}})
        EXPECT_EQ(CopiesToPrint(asked), printed) << asked;
}
