#include "boolean/term_display.h"

#include "boolean/term_parts.h"
#include "platform/surface.h"

void DrawTerm(Surface& surface, const QString& text, double x, double y, bool shiftOpenBracket)
{
    surface.FontName = QStringLiteral("Arial");
    surface.FontSize = 10;
    const QString visible = term::StripNeg(text);
    for (int i = 1; i <= visible.size(); ++i) {
        const QChar c = visible[i - 1];
        const double cx = x + 10.0 * i;
        surface.CurrentX = cx;
        surface.CurrentY = y;
        if (c == u'&') {
            surface.Line(cx + 1, y + 12, cx + 4, y + 7, kTermOperatorColor);
            surface.Line(cx + 4, y + 7, cx + 7, y + 13, kTermOperatorColor);
        } else if (c == u'v') {
            surface.Line(cx + 1, y + 7, cx + 4, y + 12, kTermOperatorColor);
            surface.Line(cx + 4, y + 12, cx + 7, y + 6, kTermOperatorColor);
        } else {
            if (c == u'(' && shiftOpenBracket)
                surface.CurrentX = cx + 4;
            surface.Print(QString(c));
        }
    }
    const int deepest = term::GetMaxNegDepth(text);
    for (int p = 1; p <= text.size(); ++p) {
        if (text[p - 1] != u'<')
            continue;
        const int at = term::GetNegDepthAt(p, text);
        const int level = term::GetNegLevel(p, text);
        const int width = term::GetNegEnd(p, text);
        if (width < 1)
            continue;
        const double lineY = y + 3.0 * (level - deepest);
        surface.Line(x + 10.0 * at, lineY, x + 10.0 * at + 10.0 * width - 1, lineY, kTermOverlineColor);
    }
}

double TermPreviewWidthTwips(const QString& term, double x, double twipsPerPixel)
{
    const int count = static_cast<int>(term::StripNeg(term).size());
    return (x + 10.0 * count + 14) * twipsPerPixel + 100;
}
