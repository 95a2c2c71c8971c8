#include "render/print_pages.h"

#include <algorithm>
#include <exception>

#include "model/geometry.h"
#include "model/ports/all_ports.h"
#include "model/circuit_run.h"
#include "platform/printer.h"
#include "platform/surface.h"
#include "render/clsGrafik.h"
#include "render/print_layout.h"
#include "render/print_options.h"
#include "render/redraw.h"

namespace {

constexpr double kCaptionFontSize = 8;

// What a page borrows from the drawing object and the program, given back on
// every way out.
class PageBorrow {
public:
    PageBorrow(const ShownSheet& shown, clsGrafik& g)
        : shown_(shown), g_(g), device_(g.Device), zoom_(shown.scale.GridMode), level_(shown.level)
    {
    }
    ~PageBorrow()
    {
        g_.Device = device_;
        shown_.scale.GridMode = zoom_;
        shown_.level = level_;
    }
    PageBorrow(const PageBorrow&) = delete;
    PageBorrow& operator=(const PageBorrow&) = delete;

private:
    const ShownSheet& shown_;
    clsGrafik& g_;
    Surface* device_;
    float zoom_;
    int16_t level_;
};

// The redraw talks to the worksheet window as well: on paper it would draw
// the text labels onto the screen picture at the page's zoom and move the
// IC connector labels there. While pages print, those windows stay out.
class WindowsAside {
public:
    explicit WindowsAside(Ports& ports)
        : ports_(ports), worksheet_(ports.worksheet), icView_(ports.icView)
    {
        ports.worksheet = nullptr;
        ports.icView = nullptr;
    }
    ~WindowsAside()
    {
        ports_.worksheet = worksheet_;
        ports_.icView = icView_;
    }
    WindowsAside(const WindowsAside&) = delete;
    WindowsAside& operator=(const WindowsAside&) = delete;

private:
    Ports& ports_;
    WorksheetPort* worksheet_;
    ICViewPort* icView_;
};

// The first IC level of that name, 0 when there is none.
int16_t LevelNamed(const Circuit& s, const QString& name)
{
    for (int j = 1; j <= s.LevelUBound() && static_cast<size_t>(j) < s.Levels.size(); ++j)
        if (s.Levels[static_cast<size_t>(j)].Name == name)
            return static_cast<int16_t>(j);
    return 0;
}

struct PrinterFailure : std::exception {
    const char* what() const noexcept override { return "The printer refused a new page"; }
};

} // namespace

void PrintCircuit(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, Surface& page, const QString& fileName,
                  const QString& programFolder)
{
    PageBorrow borrow(shown, g);
    g.Device = &page;
    page.FontBold = false;
    page.SetScale(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    shown.scale.GridMode = PageZoom(s.circuit.MaxX, s.circuit.MaxY, g.GridPixel);
    const int16_t level = shown.level;
    RedrawAllElements(s, shown, g, 0);
    shown.level = level;
    PrintCaption(page, PageFileName(s.circuit, shown.level, fileName, programFolder), GridToPixel(shown.scale, 1),
                 GridToPixel(shown.scale, static_cast<int16_t>(s.circuit.MaxY + 4)));
}

void PrintCaption(Surface& page, const QString& fileName, double left, double wantedTop)
{
    page.FontSize = kCaptionFontSize;
    page.FontName = QStringLiteral("Arial");
    page.FontBold = false;
    page.FontTransparent = true;
    page.ForeColor = 0;
    const QString text = CaptionText(fileName);
    page.CurrentX = left;
    page.CurrentY = CaptionTop(wantedTop, page.TextHeight(text));
    page.Print(text);
}

bool PrintPages(CircuitRun& s, const ShownSheet& shown, clsGrafik& g, Printer& printer,
                const QStringList& ICPageNames, const QString& fileName, const QString& programFolder)
{
    printer.SetCopies(CopiesToPrint(printer.Copies()));
    // As every full redraw does; the redraws on paper below leave the window alone.
    if (shown.ports.worksheet)
        shown.ports.worksheet->SelectNone();
    PageBorrow borrow(shown, g);
    WindowsAside aside(shown.ports);
    PrintSaveArea area(s.circuit, shown.level);
    Surface* page = printer.StartDoc();
    if (!page)
        return false;
    try {
        for (qsizetype k = 0; k < ICPageNames.size(); ++k) {
            if (k == 0) {
                shown.level = 0;
                PrintCircuit(s, shown, g, *page, fileName, programFolder);
                continue;
            }
            const int16_t j = LevelNamed(s.circuit, ICPageNames[k]);
            if (j == 0)
                continue;
            shown.level = j;
            area.CopyArea(j);
            if (!printer.NewPage())
                throw PrinterFailure();
            PrintCircuit(s, shown, g, *page, fileName, programFolder);
        }
    } catch (const std::exception&) {
        printer.KillDoc();
        return false;
    }
    area.RestoreArea();
    return printer.EndDoc();
}

PrintSaveArea::PrintSaveArea(Circuit& c, int16_t& currentLevel) : s_(c), shownLevel_(currentLevel)
{
    SaveArea();
}

PrintSaveArea::~PrintSaveArea()
{
    RestoreArea();
}

void PrintSaveArea::SaveArea()
{
    maxX_ = s_.MaxX;
    maxY_ = s_.MaxY;
    currentLevel_ = shownLevel_;
    cells_ = s_.P;
    elements_ = s_.Elements;
    lineMap_ = s_.LineMap;
}

void PrintSaveArea::CopyArea(int16_t level)
{
    if (level < 0 || static_cast<size_t>(level) >= s_.Levels.size())
        return;
    const LevelRecord& from = s_.Levels[static_cast<size_t>(level)];
    s_.MaxX = from.Width;
    s_.MaxY = from.Height;
    s_.P.Redim(s_.MaxX + 1, s_.MaxY + 1);
    for (int x = 0; x <= s_.MaxX; ++x)
        for (int y = 0; y <= s_.MaxY; ++y)
            if (from.Field.Contains(x, y))
                s_.P(x, y) = from.Field(x, y);
    s_.Elements.assign(static_cast<size_t>(std::max<int>(from.ElementCount(), 0)) + 1, ElementRecord{});
    for (size_t e = 1; e < s_.Elements.size() && e < from.Elements.size(); ++e)
        s_.Elements[e] = from.Elements[e];
    // The connector names of an IC are labels of the window, which do not
    // print: nothing is made for them here.
}

void PrintSaveArea::RestoreArea()
{
    s_.MaxX = maxX_;
    s_.MaxY = maxY_;
    shownLevel_ = currentLevel_;
    s_.P = cells_;
    s_.Elements = elements_;
    s_.LineMap = lineMap_;
}
