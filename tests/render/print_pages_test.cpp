#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <stdexcept>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "render/print_layout.h"
#include "render/print_options.h"
#include "render/print_pages.h"
#include "render/print_fixture.h"
#include "render/sheet_builder.h"

namespace {

const QString kProgramFolder = QStringLiteral("/opt/gatrel");

// The worksheet as a user sees it, to compare before and after printing.
struct Sheet {
    int16_t maxX, maxY, elementCount, currentLevel;
    Grid cells;
    std::vector<ElementRecord> elements;
    std::vector<std::array<int, 4>> runs; // the conductor map, entry by entry
    bool operator==(const Sheet&) const = default;
};

Sheet Snapshot(const ProgramState& s)
{
    Sheet sheet{s.circuit.MaxX, s.circuit.MaxY, s.circuit.ElementCount(), s.CurrentLevel, s.circuit.P, s.circuit.Elements, {}};
    for (int x = 0; x <= s.circuit.LineMap.UBoundX(); ++x)
        for (int y = 0; y <= s.circuit.LineMap.UBoundY(); ++y) {
            const LineMapEntry& e = s.circuit.LineMap(x, y);
            sheet.runs.push_back({e.EndX, e.EndY, e.CoveredH, e.CoveredV});
        }
    return sheet;
}

// The position of the first printed text line that holds text, as "x,y".
QString PrintedAt(const QStringList& page, const QString& text)
{
    for (const QString& line : page)
        if (line.startsWith(QLatin1String("Print ")) && line.contains(QLatin1Char('"') + text + QLatin1Char('"')))
            return line.section(QLatin1Char(' '), 1, 1);
    return QString();
}

class Printing : public PrintFixture {
protected:
    bool Print(const QStringList& pages = {QString()})
    {
        return PrintPages(s, grafik, printer, pages, kProgramFolder);
    }

};

TEST_F(Printing, FitsTheSheetToThePageAndPutsTheCaptionBelowIt)
{
    struct Case {
        int maxX, maxY;
        double zoom;
    } const cases[] = {{50, 30, 7.40}, {30, 50, 10.28}, {50, 50, 7.40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maxX << " x " << c.maxY);
        sheet::NewSheet(s, c.maxX, c.maxY);
        sheet::Wire(s, 0, 2, c.maxX, 2); // a conductor across the whole width
        s.GridMode = 1.6f;
        float zoomOnPaper = 0;
        printer.onDrawn = [&](int) { zoomOnPaper = s.GridMode; };
        ASSERT_TRUE(Print());
        ASSERT_EQ(printer.pages.size(), 1u);
        EXPECT_NEAR(zoomOnPaper, c.zoom, 0.005);
        EXPECT_EQ(printer.surface->ScaleLeft(), -500);
        EXPECT_EQ(printer.surface->ScaleTop(), -300);
        EXPECT_EQ(printer.surface->ScaleWidth(), 5758);
        EXPECT_EQ(printer.surface->ScaleHeight(), 7999);

        // The run's right end lies on the page.
        ProgramState paper;
        paper.GridMode = zoomOnPaper;
        const int right = GridToPixel(paper, static_cast<int16_t>(c.maxX));
        EXPECT_TRUE(printer.pages[0].contains(QStringLiteral("Line %1,%2-%3,%2 color=0 mode=Plain width=1")
                                                  .arg(GridToPixel(paper, 0))
                                                  .arg(GridToPixel(paper, 2))
                                                  .arg(right)));
        EXPECT_LE(right, kPageLeft + kPageWidth);
        // The pass marker the worksheet gets after each run lies outside its
        // picture; on paper it would be a red dot by the drawing's corner.
        EXPECT_FALSE(printer.pages[0].join(u'\n').contains(QStringLiteral("PSet -1,-1")));

        // The caption: one column in, four rows below the last, never below the page.
        const QStringList texts = printer.Texts(0);
        ASSERT_EQ(texts.size(), 1);
        EXPECT_EQ(texts[0], QStringLiteral("(<No name>)"));
        const double height = printer.surface->TextHeight(texts[0]);
        const double top = std::min<double>(GridToPixel(paper, static_cast<int16_t>(c.maxY + 4)),
                                            kPageTop + kPageHeight - height);
        EXPECT_EQ(PrintedAt(printer.pages[0], texts[0]),
                  QStringLiteral("%1,%2").arg(GridToPixel(paper, 1)).arg(QString::number(top, 'g', 12)));
        EXPECT_LE(top + height, kPageTop + kPageHeight);
        EXPECT_TRUE(printer.pages[0].last().contains(QStringLiteral("font=Arial size=8 bold=0")));

        EXPECT_EQ(s.GridMode, 1.6f);
        EXPECT_EQ(grafik.Device, &worksheet);
    }
}

TEST_F(Printing, EachICOnAPageOfItsOwnAndTheWorksheetAsBefore)
{
    LoadNestedICs();
    s.GridMode = 0.8f;
    const Sheet before = Snapshot(s);
    const QStringList names = BuildICPageNames(s.circuit);
    ASSERT_EQ(names, (QStringList{QString(), QStringLiteral("FULL"), QStringLiteral("HALF")}));

    std::vector<int16_t> widthOnPage;
    printer.onDrawn = [&](int page) {
        if (static_cast<size_t>(page) >= widthOnPage.size())
            widthOnPage.push_back(s.circuit.MaxX);
    };
    window.calls.clear();
    ASSERT_TRUE(Print(names));
    ASSERT_EQ(printer.pages.size(), 3u);
    // The selection goes as with any full redraw; the window's picture and
    // connector labels are not drawn on at the page's zoom.
    EXPECT_EQ(window.calls.count(QStringLiteral("SelectNone")), 1);
    for (const char* call : {"HideICConnectorLabels", "ShowICInOut", "ShowNamedICConnectorLabels",
                             "DisplayBeschriftungsText", "SetWorksheetPictureSize", "ResizeWorksheet"})
        EXPECT_FALSE(window.calls.contains(QString::fromLatin1(call))) << call;
    EXPECT_EQ(printer.sent, 1);
    EXPECT_EQ(widthOnPage, (std::vector<int16_t>{30, 14, 10}));

    // The main page shows both ICs, the full-adder's page its two half-adders.
    const QStringList main = printer.Texts(0);
    EXPECT_TRUE(main.contains(QStringLiteral("FULL")));
    EXPECT_TRUE(main.contains(QStringLiteral("HALF")));
    EXPECT_EQ(main.last(), QLatin1Char('(') + s.CmDialog1.FileName + QLatin1Char(')'));
    const QStringList full = printer.Texts(1);
    EXPECT_EQ(full.count(QStringLiteral("HALF")), 2);
    EXPECT_EQ(full.last(), QStringLiteral("(/opt/gatrel/FULL.icd)"));
    EXPECT_EQ(printer.Texts(2).last(), QStringLiteral("(/opt/gatrel/HALF.icd)"));
    EXPECT_FALSE(printer.Texts(2).contains(QStringLiteral("HALF")));

    EXPECT_TRUE(Snapshot(s) == before);
    EXPECT_EQ(s.GridMode, 0.8f);
    EXPECT_EQ(grafik.Device, &worksheet);
    EXPECT_EQ(s.ports.worksheet, static_cast<WorksheetPort*>(&window));
    EXPECT_EQ(s.ports.icView, static_cast<ICViewPort*>(&window));
}

TEST_F(Printing, AFailedPrintIsReportedAndLeavesEverythingAsItWas)
{
    enum class Fault { Start, NewPage, End, MidPage };
    struct Case {
        const char* name;
        Fault fault;
        int killed;
    } const cases[] = {
        {"the printer cannot start", Fault::Start, 0},
        {"the printer refuses the IC page", Fault::NewPage, 1},
        {"the document does not reach the printer", Fault::End, 0},
        {"a printer error in the middle of an IC page", Fault::MidPage, 1},
    };
    LoadNestedICs();
    s.GridMode = 1.2f;
    s.CurrentLevel = 0;
    const Sheet before = Snapshot(s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrinter printer;
        printer.failure = c.fault == Fault::Start     ? RecordingPrinter::Failure::StartDoc
                          : c.fault == Fault::NewPage ? RecordingPrinter::Failure::NewPage
                          : c.fault == Fault::End     ? RecordingPrinter::Failure::EndDoc
                                                      : RecordingPrinter::Failure::None;
        int calls = 0;
        if (c.fault == Fault::MidPage)
            printer.onDrawn = [&](int page) {
                if (page == 1 && ++calls == 20)
                    throw std::runtime_error("paper jam");
            };
        EXPECT_FALSE(PrintPages(s, grafik, printer, BuildICPageNames(s.circuit), kProgramFolder));
        EXPECT_EQ(printer.sent, 0);
        EXPECT_EQ(printer.killed, c.killed);
        EXPECT_TRUE(Snapshot(s) == before);
        EXPECT_EQ(s.GridMode, 1.2f);
        EXPECT_EQ(grafik.Device, &worksheet);
        EXPECT_NE(s.ports.worksheet, nullptr);
        EXPECT_NE(s.ports.icView, nullptr);
    }
}

// Printer fonts are point sizes on the device: the caption takes the same
// room on the page, and stays on it, whatever the printer's resolution.
TEST_F(Printing, TheCaptionIsTheSameSizeOnThePageAtAnyResolution)
{
    sheet::NewSheet(s, 30, 50); // the caption would fall below the page
    std::vector<double> heights;
    for (int dpi : {150, 300}) {
        QImage paper(static_cast<int>(8.27 * dpi), static_cast<int>(11.69 * dpi), QImage::Format_RGB32);
        paper.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
        paper.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
        paper.fill(Qt::white);
        PainterSurface page(&paper, SurfaceKind::Printer);
        PrintCircuit(s, grafik, page, kProgramFolder);
        // Print leaves CurrentY one caption line below the caption's top.
        EXPECT_LE(page.CurrentY, kPageTop + kPageHeight + 0.5) << dpi;
        heights.push_back(page.TextHeight(QStringLiteral("X")));
        // 8 points of an A4 page's 297 mm are about 76 of its 7999 units; a line is a little more.
        EXPECT_GT(heights.back(), 76) << dpi;
        EXPECT_LT(heights.back(), 110) << dpi;
    }
    EXPECT_NEAR(heights[0], heights[1], 3);
}

} // namespace
