#include <gtest/gtest.h>

#include "shell/quick_help.h"

#include <QStringList>

namespace {

struct KeyRow {
    const char* key;
    const char* headline;
    QuickHelpGroup group;
};

using G = QuickHelpGroup;

const KeyRow kKeys[] = {
    {"cmdNew", "Neue Datei anlegen", G::MainToolbar},
    {"cmdOpen", "Datei öffnen", G::MainToolbar},
    {"cmdSave", "Datei sichern", G::MainToolbar},
    {"cmdPrint", "Datei drucken", G::MainToolbar},
    {"cmdUndo", "Rückgängig", G::MainToolbar},
    {"cmdUndoList", "Undo-Liste", G::MainToolbar},
    {"cmdSynthese", "Schaltungssynthese", G::MainToolbar},
    {"cmdTabelle", "Wahrheitstabelle", G::MainToolbar},
    {"cmdICView", "IC-Definition", G::MainToolbar},
    {"cmdEinstellungen", "Einstellungen", G::MainToolbar},
    {"cmdRaster", "Raster sichtbar / unsichtbar", G::MainToolbar},
    {"cmdPanel0", "Power-Panel", G::MainToolbar},
    {"cmdPanel1", "Eigenschaften-Panel", G::MainToolbar},
    {"cmdPanel2", "Arbeitsfeld-Panel", G::MainToolbar},
    {"cmdPanel3", "Zoom-Panel", G::MainToolbar},
    {"cmdPanel4", "Ebenen-Panel", G::MainToolbar},
    {"cmdPanel5", "Eingabezeilen-Panel", G::MainToolbar},
    {"cmdSelect", "Auswahlcursor auswählen", G::Toolbox},
    {"cmdText", "Text einfügen / ändern", G::Toolbox},
    {"cmdLeitungen", "Leitungen ziehen", G::Toolbox},
    {"cmdDiode", "Leuchtdiode setzen", G::Toolbox},
    {"cmdSchalter", "Schalter setzen", G::Toolbox},
    {"cmdInverter", "Inverter setzen", G::Toolbox},
    {"cmdVerbindungspunkt", "Verbindungspunkt setzen", G::Toolbox},
    {"cmdKoppeldiode", "Koppeldiode setzen", G::Toolbox},
    {"cmdNegationspunkt", "Negationspunkt setzen", G::Toolbox},
    {"cmdAnalysepunkt", "Analysepunkt setzen", G::Toolbox},
    {"cmdUND", "UND-Baustein setzen", G::Toolbox},
    {"cmdODER", "ODER-Baustein setzen", G::Toolbox},
    {"cmdXODER", "XODER-Baustein setzen", G::Toolbox},
    {"cmdHA", "Halbaddierer setzen", G::Toolbox},
    {"cmdVA", "Volladdierer setzen", G::Toolbox},
    {"cmdTriState", "TriState-Gatter setzen", G::Toolbox},
    {"cmdDecoder", "Dezimaldecoder setzen", G::Toolbox},
    {"cmdDecoderT", "Getakteten Dezimaldecoder setzen", G::Toolbox},
    {"cmdKomplex", "Komplexes Bauteil auswählen", G::Toolbox},
    {"cmdIC", "Selbstdefiniertes Bauteil (IC) auswählen", G::Toolbox},
    {"cmdOn", "Schaltung anschalten", G::PowerButton},
    {"cmdOff", "Schaltung ausschalten", G::PowerButton},
    {"cmdClose", "Panel schließen", G::CloseButton},
    {"picPanel0", "Power-Panel", G::ControlPanel},
    {"picPanel1", "Eigenschaften-Panel", G::PropertiesPanel},
    {"picGrid", "Das Arbeitsfeld", G::Worksheet},
};

const char* const kDefaultHeadline = "Keine kontextspezifischen Informationen verfügbar";
const char* const kDefaultBody = "Es existiert kein kontextspezifischer Eintrag für das ausgewählte\r\n"
                                 "Element. Bitte rufen Sie die allgemeine Hilfe im Menü Hilfe auf.";

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

QStringList Lines(const QString& body)
{
    return body.split(QStringLiteral("\r\n"));
}

// Every source of a position gets a distinct value, so a mixed-up term shows.
QuickHelpGeometry Window()
{
    QuickHelpGeometry g;
    g.toolbarLeft = 10;
    g.toolbarTop = 20;
    g.toolbarHeight = 390;
    g.toolbar2Left = 30;
    g.toolbar2Top = 420;
    g.toolbar2Height = 360;
    g.buttonLeft = 1500;
    g.containerLeft = 2145;
    g.containerTop = 960;
    g.cellCentreX = 105; // cell 7 at 14 pixels
    g.cellCentreY = 49;  // cell 3
    g.columnLeft = 45;
    g.columnTop = 900;
    g.einAusLeft = 15;
    g.einAusTop = 30;
    g.einAusHeight = 735;
    g.powerButtonLeft = 600;
    g.eigenschaftenTop = 815;
    g.eigenschaftenHeight = 3255;
    g.closeLeft = {1800, 1810, 1820, 1830, 1840};
    g.closeTop = {5, 6, 7, 8, 9};
    g.closeHeight = {240, 241, 242, 243, 244};
    g.closePanelTop = {815, 4120, 4920, 30, 6320};
    g.windowWidth = 15000;
    g.windowHeight = 10000;
    g.boxLeft = 2400;
    g.boxTop = 4320;
    g.boxWidth = 4695;
    g.boxHeight = 855;
    return g;
}

} // namespace

TEST(QuickHelpTexts, EveryKeyHasItsHeadlineOwnBodyAndPlace)
{
    for (const KeyRow& row : kKeys) {
        const QuickHelpText t = QuickHelpFor(QString::fromLatin1(row.key));
        EXPECT_EQ(t.headline, U(row.headline)) << row.key;
        EXPECT_NE(t.body, U(kDefaultBody)) << row.key;
        EXPECT_FALSE(t.body.isEmpty()) << row.key;
        EXPECT_EQ(QuickHelpGroupFor(QString::fromLatin1(row.key)), row.group) << row.key;
    }
    for (const char* key : {"cmdCut", "cmdCopy", "cmdPaste"})
        EXPECT_EQ(QuickHelpGroupFor(QString::fromLatin1(key)), G::MainToolbar) << key;
    for (const char* key : {"cmdICAuswahl", "cmdQuickHelp", "picPanel3", "cmdnew", ""})
        EXPECT_EQ(QuickHelpGroupFor(QString::fromLatin1(key)), G::None) << key;
}

TEST(QuickHelpTexts, UnknownOrMiscasedKeysGetTheDefaultPair)
{
    for (const char* key : {"cmdnew", "CMDNEW", "cmdNew ", "", "cmdCut", "cmdCopy", "cmdPaste", "cmdICAuswahl",
                            "cmdQuickHelp", "picPanel2", "picPanel3", "picPanel5", "picgrid"}) {
        const QuickHelpText t = QuickHelpFor(QString::fromLatin1(key));
        EXPECT_EQ(t.headline, U(kDefaultHeadline)) << key;
        EXPECT_EQ(t.body, U(kDefaultBody)) << key;
    }
}

TEST(QuickHelpTexts, QuotedBodiesAreExact)
{
    const struct {
        const char* key;
        const char* body;
    } rows[] = {
        {"cmdRaster", "Ist diese Einstellung aktiviert, ist das Raster sichtbar,\r\n"
                      "ansonsten unsichtbar.\r\n\r\n"
                      "Beim Anschalten wird das Raster immer ausgeblendet,\r\n"
                      "um die Übersichtlichkeit zu erhöhen."},
        {"cmdNew", "Dieser Befehl löscht die aktuelle Schaltung,\r\n"
                   "sofern vorhanden, und blendet ein Auswahl-\r\n"
                   "menü ein, in dem Sie die Größe der zu erstel-\r\n"
                   "lenden Schaltung einstellen können."},
        {"cmdClose", "Ein Klick auf dieses X schließt das dazugehörige Panel.\r\n"
                     "Panels können über die Panel-Icons in der oberen Sym-\r\n"
                     "bolleiste sowie über das Menü Ansicht ein- und aus-\r\n"
                     "geblendet werden."},
        {"picGrid", "Auf diesem Feld können Schaltungen aufgebaut\r\nund simuliert werden."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(QuickHelpFor(QString::fromLatin1(row.key)).body, U(row.body)) << row.key;
    EXPECT_EQ(WorksheetQuickHelp().headline, QStringLiteral("Das Arbeitsfeld"));
    EXPECT_EQ(WorksheetQuickHelp().body, QuickHelpFor(QStringLiteral("picGrid")).body);
    EXPECT_TRUE(QuickHelpFor(QStringLiteral("cmdOn")).body.contains(QStringLiteral("\"Strom\"")));
}

TEST(QuickHelpTexts, PanelBodiesRepeatTheirButtonsWithoutTheFirstLine)
{
    const QString ending = U("\r\nDie gleiche Funktionalität stellen\r\n"
                             "Einschalten im Menü Schaltung\r\n"
                             "und die Taste F12 zur Verfügung.");
    for (int i : {0, 1}) {
        const QString button = QuickHelpFor(QStringLiteral("cmdPanel%1").arg(i)).body;
        const QString panel = QuickHelpFor(QStringLiteral("picPanel%1").arg(i)).body;
        QStringList lines = Lines(button);
        lines.removeFirst();
        EXPECT_EQ(panel, lines.join(QStringLiteral("\r\n"))) << i;
        EXPECT_FALSE(Lines(panel).first().isEmpty()) << i;
        if (i == 0) {
            EXPECT_TRUE(button.endsWith(ending));
            EXPECT_TRUE(panel.endsWith(ending));
        }
    }
}

TEST(QuickHelpTexts, BodiesKeepTheLineLayout)
{
    QStringList keys{QStringLiteral("no such key")};
    for (const KeyRow& row : kKeys)
        keys << QString::fromLatin1(row.key);
    for (const QString& key : keys) {
        const QuickHelpText t = QuickHelpFor(key);
        const std::string k = key.toStdString();
        EXPECT_FALSE(t.headline.contains(QLatin1Char('\r')) || t.headline.contains(QLatin1Char('\n'))) << k;
        const QStringList lines = Lines(t.body);
        EXPECT_FALSE(lines.first().isEmpty()) << k;
        EXPECT_FALSE(lines.last().isEmpty()) << k;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            EXPECT_LE(line.size(), 78) << k << ": " << line.toStdString();
            EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'))) << k;
            EXPECT_EQ(line, line.trimmed()) << k << ": " << line.toStdString();
            if (line.isEmpty() && i > 0) {
                EXPECT_FALSE(lines[i - 1].isEmpty()) << k << ": one empty line between paragraphs";
            }
        }
    }
}

TEST(QuickHelpPlacement, PositionPerGroup)
{
    const QuickHelpGeometry g = Window();
    const struct {
        const char* key;
        int16_t index;
        double left, top;
    } rows[] = {
        {"cmdSave", 0, 10 + 1500, 20 + 390},
        {"cmdCut", 0, 10 + 1500, 20 + 390},
        {"cmdUND", 0, 30 + 1500, 420 + 360},
        {"picGrid", 0, 105 * 15 + 2145, 49 * 15 + 960},
        {"cmdOn", 0, 15 + 600, 900 + 30 + 735},
        {"cmdOff", 0, 15 + 600, 900 + 30 + 735},
        {"cmdClose", 0, 45 + 15 + 1800, 900 + 815 + 5 + 240},
        {"cmdClose", 1, 45 + 15 + 1810, 900 + 4120 + 6 + 241},
        {"cmdClose", 2, 45 + 15 + 1820, 900 + 4920 + 7 + 242},
        {"cmdClose", 3, 45 + 15 + 1830, 900 + 30 + 8 + 243},
        {"cmdClose", 4, 45 + 15 + 1840, 900 + 6320 + 9 + 244},
        {"cmdClose", 5, 2400, 4320},  // no such close button: stays
        {"cmdClose", -1, 2400, 4320},
        {"picPanel0", 0, 45 + 15, 900 + 30 + 735},
        {"picPanel1", 0, 45 + 15, 900 + 815 + 3255},
        {"picPanel3", 0, 2400, 4320}, // default text where the last box stood
        {"cmdICAuswahl", 0, 2400, 4320},
    };
    for (const auto& row : rows) {
        const QuickHelpPlace p = QuickHelpPosition(QString::fromLatin1(row.key), row.index, g);
        EXPECT_EQ(p.left, row.left) << row.key << " " << row.index;
        EXPECT_EQ(p.top, row.top) << row.key << " " << row.index;
    }
}

TEST(QuickHelpPlacement, WorksheetPositionFollowsTheScrolledPicture)
{
    QuickHelpGeometry g = Window();
    g.tpx = 15;
    g.tpy = 12;
    const QuickHelpPlace plain = QuickHelpPosition(QStringLiteral("picGrid"), 0, g);
    EXPECT_EQ(plain.left, 105 * 15 + 2145);
    EXPECT_EQ(plain.top, 49 * 12 + 960);
    // Scrolled by 5 columns and 2 rows of 14 pixels.
    g.pictureLeft = -5 * 14 * 15;
    g.pictureTop = -2 * 14 * 12;
    const QuickHelpPlace scrolled = QuickHelpPosition(QStringLiteral("picGrid"), 0, g);
    EXPECT_EQ(scrolled.left, (105 - 70) * 15 + 2145);
    EXPECT_EQ(scrolled.top, (49 - 28) * 12 + 960);
}

TEST(QuickHelpPlacement, BoxStaysOnTheWindow)
{
    QuickHelpGeometry g = Window();
    const double w = g.boxWidth, h = g.boxHeight;

    // Right edge exactly on the window's: not moved; one twip beyond: 200 inside.
    g.buttonLeft = 15000 - 10 - w;
    EXPECT_EQ(QuickHelpPosition(QStringLiteral("cmdNew"), 0, g).left, 15000 - w);
    g.buttonLeft += 1;
    EXPECT_EQ(QuickHelpPosition(QStringLiteral("cmdNew"), 0, g).left, 15000 - w - 200);

    // The same at the bottom, for a cell low on a short window.
    g = Window();
    g.windowHeight = 49 * 15 + 960 + h;
    EXPECT_EQ(QuickHelpPosition(QStringLiteral("picGrid"), 0, g).top, 49 * 15 + 960);
    g.windowHeight -= 1;
    EXPECT_EQ(QuickHelpPosition(QStringLiteral("picGrid"), 0, g).top, g.windowHeight - h - 200);

    // A box wider or taller than the window starts at its left and top edge.
    g = Window();
    g.windowWidth = w + 100;
    g.windowHeight = h + 100;
    const QuickHelpPlace p = QuickHelpPosition(QStringLiteral("cmdOn"), 0, g);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);

    // A previous position off the window is pulled back too.
    g = Window();
    g.boxLeft = -300;
    g.boxTop = 20000;
    const QuickHelpPlace kept = QuickHelpPosition(QStringLiteral("picPanel4"), 0, g);
    EXPECT_EQ(kept.left, 0);
    EXPECT_EQ(kept.top, 10000 - h - 200);
}

TEST(QuickHelpSizing, WidthFollowsTheWiderLabel)
{
    QuickHelpLabels l;
    l.headlineLeft = 120;
    l.textLeft = 120;
    l.textTop = 480;
    l.textHeight = 600;
    l.headlineWidth = 4000; // headline longer than the text
    l.textWidth = 2500;
    QuickHelpSize s = ResizeQuickHelp(l);
    EXPECT_EQ(s.width, 120 + 4000 + 170);
    EXPECT_EQ(s.height, 480 + 600 + 100);
    l.textWidth = 5000;
    s = ResizeQuickHelp(l);
    EXPECT_EQ(s.width, 120 + 5000 + 170);
    l.textLeft = 0; // the sums count, not the widths alone
    l.headlineWidth = 4900;
    EXPECT_EQ(ResizeQuickHelp(l).width, 120 + 4900 + 170);
}

TEST(QuickHelpToolbars, SaveAndRestoreRoundTrip)
{
    using S = ButtonStyle;
    ToolbarButtons b;
    b.cmdICView = {S::Check, false};
    b.cmdRaster = {S::Check, true};
    b.toolbox = {{S::ButtonGroup, false}, {S::Separator, false}, {S::ButtonGroup, true}, {S::ButtonGroup, false}};
    SavedToolbarState saved;
    SaveToolbarState(b, saved);

    EXPECT_EQ(b.cmdICView.style, S::Default);
    EXPECT_EQ(b.cmdRaster.style, S::Default);
    EXPECT_EQ(b.toolbox[0].style, S::Default);
    EXPECT_EQ(b.toolbox[1].style, S::Separator);
    EXPECT_EQ(b.toolbox[2].style, S::Default);
    EXPECT_TRUE(b.powerButtonsHelpOnly);
    EXPECT_EQ(saved.main[0], 0);
    EXPECT_EQ(saved.main[1], 1);
    EXPECT_EQ(saved.toolbox, (std::vector<uint8_t>{0, 0, 1, 0}));

    // Clicks meanwhile: the grid turned off, another palette button pressed.
    b.cmdRaster.pressed = false;
    b.toolbox[2].pressed = false;
    b.toolbox[3].pressed = true;
    RestoreToolbarState(b, saved);

    EXPECT_EQ(b.cmdICView.style, S::Check);
    EXPECT_FALSE(b.cmdICView.pressed);
    EXPECT_EQ(b.cmdRaster.style, S::Check);
    EXPECT_TRUE(b.cmdRaster.pressed);
    EXPECT_TRUE(b.toolbox[2].pressed) << "the tool pressed before is pressed again";
    EXPECT_FALSE(b.toolbox[3].pressed);
    EXPECT_FALSE(b.toolbox[0].pressed);
    for (size_t i : {0u, 2u, 3u})
        EXPECT_EQ(b.toolbox[i].style, S::ButtonGroup) << i;
    EXPECT_EQ(b.toolbox[1].style, S::Separator);
    EXPECT_FALSE(b.powerButtonsHelpOnly);

    // A palette that grew meanwhile: the new button keeps its state.
    b.toolbox.push_back({S::ButtonGroup, true});
    RestoreToolbarState(b, saved);
    EXPECT_TRUE(b.toolbox[4].pressed);
}
