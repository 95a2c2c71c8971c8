#include "shell/quick_help.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    const char* key;
    const char* headline;
    const char* body; // lines separated by '\n' here, "\r\n" when handed out
    QuickHelpGroup group;
};

using G = QuickHelpGroup;

const char* const kDefaultHeadline = "Keine kontextspezifischen Informationen verfügbar";
const char* const kDefaultBody =
    "Es existiert kein kontextspezifischer Eintrag für das ausgewählte\n"
    "Element. Bitte rufen Sie die allgemeine Hilfe im Menü Hilfe auf.";

// The panel entries repeat their button's body from the second line on.
const char* const kPanel0Body =
    "Dieser Schalter blendet das Power-Panel ein und aus.\n"
    "Im Power-Panel wird die Schaltung mit den Schaltern\n"
    "Ein und Aus an- und ausgeschaltet. Außerdem lassen\n"
    "sich dort die Simulation anhalten und die Verzöge-\n"
    "rung zwischen den Simulationsschritten einstellen.\n"
    "\n"
    "Die gleiche Funktionalität stellen\n"
    "Einschalten im Menü Schaltung\n"
    "und die Taste F12 zur Verfügung.";
const char* const kPanel1Body =
    "Dieser Schalter blendet das Eigenschaften-Panel ein und aus.\n"
    "Das Eigenschaften-Panel zeigt das gewählte Werkzeug\n"
    "und die Einstellungen für das nächste Bauteil, das\n"
    "Sie setzen, etwa seine Ausrichtung, die Zahl seiner\n"
    "Eingänge oder die Farbe einer Leuchtdiode.";

const Entry kTable[] = {
    {"cmdNew", "Neue Datei anlegen",
     "Dieser Befehl löscht die aktuelle Schaltung,\n"
     "sofern vorhanden, und blendet ein Auswahl-\n"
     "menü ein, in dem Sie die Größe der zu erstel-\n"
     "lenden Schaltung einstellen können.",
     G::MainToolbar},
    {"cmdOpen", "Datei öffnen",
     "Dieser Befehl lädt eine gespeicherte Schaltung aus\n"
     "einer Datei, die Sie in einem Dateidialog aus-\n"
     "wählen. Die geladene Schaltung ersetzt die aktuelle.",
     G::MainToolbar},
    {"cmdSave", "Datei sichern",
     "Dieser Befehl speichert die aktuelle Schaltung in\n"
     "ihrer Datei. So gehen die Änderungen seit dem letz-\n"
     "ten Sichern nicht verloren.",
     G::MainToolbar},
    {"cmdPrint", "Datei drucken",
     "Dieser Befehl öffnet den Druckdialog, in dem Sie\n"
     "den Drucker wählen und die aktuelle Schaltung aus-\n"
     "drucken können.",
     G::MainToolbar},
    {"cmdUndo", "Rückgängig",
     "Dieser Befehl nimmt den letzten Bearbeitungsschritt\n"
     "zurück. Jeder weitere Klick nimmt einen weiteren,\n"
     "früheren Schritt zurück.",
     G::MainToolbar},
    {"cmdUndoList", "Undo-Liste",
     "Dieser Befehl zeigt die Liste der letzten Bearbei-\n"
     "tungsschritte. Dort wählen Sie aus, bis zu welchem\n"
     "Schritt die Änderungen zurückgenommen werden.",
     G::MainToolbar},
    {"cmdSynthese", "Schaltungssynthese",
     "Dieser Befehl öffnet das Fenster für die Schaltungs-\n"
     "synthese. Aus einem booleschen Term, den Sie dort\n"
     "eingeben, wird eine Schaltung auf dem Arbeitsfeld\n"
     "aufgebaut.",
     G::MainToolbar},
    {"cmdTabelle", "Wahrheitstabelle",
     "Dieser Befehl öffnet das Fenster für Wahrheits-\n"
     "tabellen. Zu einem booleschen Term, den Sie dort\n"
     "eingeben, wird die Wahrheitstabelle erstellt.",
     G::MainToolbar},
    {"cmdICView", "IC-Definition",
     "Diese Schaltfläche ist gedrückt, solange die IC-\n"
     "Definition geöffnet ist. Dort legen Sie die Anschlüsse\n"
     "fest, mit denen die aktuelle Schaltung als selbst-\n"
     "definiertes Bauteil (IC) in anderen Schaltungen\n"
     "verwendet werden kann.",
     G::MainToolbar},
    {"cmdEinstellungen", "Einstellungen",
     "Dieser Befehl öffnet den Dialog für die Programm-\n"
     "einstellungen. Ist ein Kennwort vergeben, muss es\n"
     "zuvor eingegeben werden.",
     G::MainToolbar},
    {"cmdRaster", "Raster sichtbar / unsichtbar",
     "Ist diese Einstellung aktiviert, ist das Raster sichtbar,\n"
     "ansonsten unsichtbar.\n"
     "\n"
     "Beim Anschalten wird das Raster immer ausgeblendet,\n"
     "um die Übersichtlichkeit zu erhöhen.",
     G::MainToolbar},
    {"cmdPanel0", "Power-Panel", kPanel0Body, G::MainToolbar},
    {"cmdPanel1", "Eigenschaften-Panel", kPanel1Body, G::MainToolbar},
    {"cmdPanel2", "Arbeitsfeld-Panel",
     "Dieser Schalter blendet das Arbeitsfeld-Panel ein\n"
     "und aus. Dort stellen Sie die Größe des Arbeits-\n"
     "feldes in Spalten und Zeilen ein.",
     G::MainToolbar},
    {"cmdPanel3", "Zoom-Panel",
     "Dieser Schalter blendet das Zoom-Panel ein und aus.\n"
     "Dort stellen Sie den Maßstab ein, in dem das Ar-\n"
     "beitsfeld dargestellt wird.",
     G::MainToolbar},
    {"cmdPanel4", "Ebenen-Panel",
     "Dieser Schalter blendet das Ebenen-Panel ein und aus.\n"
     "Während der Simulation zeigt es die Ebenen der\n"
     "Schaltung als Baum. Ein Klick auf eine Ebene zeigt\n"
     "sie auf dem Arbeitsfeld an.",
     G::MainToolbar},
    {"cmdPanel5", "Eingabezeilen-Panel",
     "Dieser Schalter blendet die Eingabezeile unter dem\n"
     "Arbeitsfeld ein und aus. In der Eingabezeile geben\n"
     "Sie Befehle und boolesche Terme ein.",
     G::MainToolbar},
    {"cmdSelect", "Auswahlcursor auswählen",
     "Mit dem Auswahlcursor markieren Sie Bauteile und\n"
     "Bereiche auf dem Arbeitsfeld, um sie zu verschie-\n"
     "ben, zu kopieren oder zu löschen.",
     G::Toolbox},
    {"cmdText", "Text einfügen / ändern",
     "Mit diesem Werkzeug setzen Sie eine Beschriftung\n"
     "auf das Arbeitsfeld. Ein Klick auf eine vorhandene\n"
     "Beschriftung öffnet sie zum Ändern.",
     G::Toolbox},
    {"cmdLeitungen", "Leitungen ziehen",
     "Mit diesem Werkzeug verbinden Sie die Anschlüsse\n"
     "der Bauteile durch Leitungen. Die Leitungen ver-\n"
     "laufen entlang des Rasters.",
     G::Toolbox},
    {"cmdDiode", "Leuchtdiode setzen",
     "Eine Leuchtdiode zeigt während der Simulation den\n"
     "Zustand ihrer Leitung an: Sie leuchtet bei 1. Die\n"
     "Farbe wählen Sie im Eigenschaften-Panel.",
     G::Toolbox},
    {"cmdSchalter", "Schalter setzen",
     "Ein Schalter liefert den Wert 0 oder 1 an die an-\n"
     "geschlossene Leitung. Während der Simulation legen\n"
     "Sie ihn mit einem Mausklick um.",
     G::Toolbox},
    {"cmdInverter", "Inverter setzen",
     "Ein Inverter kehrt das Signal an seinem Eingang um:\n"
     "Aus 0 wird 1 und aus 1 wird 0.",
     G::Toolbox},
    {"cmdVerbindungspunkt", "Verbindungspunkt setzen",
     "Ein Verbindungspunkt verbindet Leitungen, die sich\n"
     "in einem Feld treffen oder kreuzen, leitend mit-\n"
     "einander.",
     G::Toolbox},
    {"cmdKoppeldiode", "Koppeldiode setzen",
     "Eine Koppeldiode lässt das Signal an einer Verzwei-\n"
     "gung nur in einer Richtung passieren. So wirkt ein\n"
     "Signal nicht auf die Leitung zurück, von der es kam.",
     G::Toolbox},
    {"cmdNegationspunkt", "Negationspunkt setzen",
     "Ein Negationspunkt kehrt das Signal an einem Ein-\n"
     "oder Ausgang eines UND-, ODER- oder XODER-Bau-\n"
     "steins oder an einem Eingang eines Flipflops um.",
     G::Toolbox},
    {"cmdAnalysepunkt", "Analysepunkt setzen",
     "Ein Analysepunkt auf einer Leitung zeichnet wäh-\n"
     "rend der Simulation den Verlauf ihres Signals auf.\n"
     "Die Verläufe zeigt der Logikanalysator.",
     G::Toolbox},
    {"cmdUND", "UND-Baustein setzen",
     "Ein UND-Baustein liefert 1, wenn alle Eingänge 1\n"
     "sind, sonst 0. Die Zahl der Eingänge stellen Sie\n"
     "im Eigenschaften-Panel ein.",
     G::Toolbox},
    {"cmdODER", "ODER-Baustein setzen",
     "Ein ODER-Baustein liefert 1, wenn mindestens ein\n"
     "Eingang 1 ist, sonst 0. Die Zahl der Eingänge\n"
     "stellen Sie im Eigenschaften-Panel ein.",
     G::Toolbox},
    {"cmdXODER", "XODER-Baustein setzen",
     "Ein XODER-Baustein liefert 1, wenn eine ungerade\n"
     "Zahl von Eingängen 1 ist, sonst 0. Die Zahl der\n"
     "Eingänge stellen Sie im Eigenschaften-Panel ein.",
     G::Toolbox},
    {"cmdHA", "Halbaddierer setzen",
     "Ein Halbaddierer addiert zwei einstellige Dual-\n"
     "zahlen und liefert ihre Summe und den Übertrag.",
     G::Toolbox},
    {"cmdVA", "Volladdierer setzen",
     "Ein Volladdierer addiert zwei einstellige Dual-\n"
     "zahlen und den Übertrag der vorigen Stelle. Er\n"
     "liefert die Summe und den neuen Übertrag.",
     G::Toolbox},
    {"cmdTriState", "TriState-Gatter setzen",
     "Ein TriState-Gatter gibt sein Datensignal nur wei-\n"
     "ter, solange sein Steuereingang 1 ist. Sonst ist\n"
     "sein Ausgang abgetrennt, so dass mehrere Ausgänge\n"
     "eine gemeinsame Leitung treiben können.",
     G::Toolbox},
    {"cmdDecoder", "Dezimaldecoder setzen",
     "Ein Dezimaldecoder setzt den Ausgang auf 1, dessen\n"
     "Nummer die Dualzahl an seinen Eingängen angibt.\n"
     "\n"
     "Ist im Eigenschaften-Panel der Takteingang ange-\n"
     "kreuzt, erhält der Decoder einen Takteingang.",
     G::Toolbox},
    {"cmdDecoderT", "Getakteten Dezimaldecoder setzen",
     "Ein getakteter Dezimaldecoder hat zusätzlich einen\n"
     "Takteingang. Sie setzen ihn mit dem Werkzeug für\n"
     "den Dezimaldecoder, wenn im Eigenschaften-Panel der\n"
     "Takteingang angekreuzt ist.",
     G::Toolbox},
    {"cmdKomplex", "Komplexes Bauteil auswählen",
     "Mit diesem Werkzeug setzen Sie ein komplexes Bau-\n"
     "teil: ein Flipflop, einen Multiplexer, einen Takt-\n"
     "generator, ein Schieberegister oder eine 7-Segment-\n"
     "Anzeige. Welches, wählen Sie im Eigenschaften-Panel.",
     G::Toolbox},
    {"cmdIC", "Selbstdefiniertes Bauteil (IC) auswählen",
     "Mit diesem Werkzeug setzen Sie ein selbstdefinier-\n"
     "tes Bauteil (IC). Welches IC gesetzt wird, wählen\n"
     "Sie im Eigenschaften-Panel aus.",
     G::Toolbox},
    {"cmdOn", "Schaltung anschalten",
     "Dieser Schalter legt \"Strom\" an die Schaltung an und\n"
     "startet die Simulation. Solange die Schaltung an-\n"
     "geschaltet ist, kann sie nicht bearbeitet werden.",
     G::PowerButton},
    {"cmdOff", "Schaltung ausschalten",
     "Dieser Schalter schaltet die Schaltung aus und be-\n"
     "endet die Simulation. Danach kann die Schaltung\n"
     "wieder bearbeitet werden.",
     G::PowerButton},
    {"cmdClose", "Panel schließen",
     "Ein Klick auf dieses X schließt das dazugehörige Panel.\n"
     "Panels können über die Panel-Icons in der oberen Sym-\n"
     "bolleiste sowie über das Menü Ansicht ein- und aus-\n"
     "geblendet werden.",
     G::CloseButton},
    {"picPanel0", "Power-Panel", nullptr, G::ControlPanel},
    {"picPanel1", "Eigenschaften-Panel", nullptr, G::PropertiesPanel},
    {"picGrid", "Das Arbeitsfeld",
     "Auf diesem Feld können Schaltungen aufgebaut\n"
     "und simuliert werden.",
     G::Worksheet},
};

QString Crlf(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString WithoutFirstLine(const char* text)
{
    const QString body = Crlf(text);
    const qsizetype end = body.indexOf(QStringLiteral("\r\n"));
    return end < 0 ? QString() : body.mid(end + 2);
}

const Entry* Find(const QString& key)
{
    const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                                 [&](const Entry& e) { return key == QLatin1String(e.key); });
    return it == std::end(kTable) ? nullptr : &*it;
}

} // namespace

QuickHelpText QuickHelpFor(const QString& key)
{
    const Entry* e = Find(key);
    if (!e)
        return {QString::fromUtf8(kDefaultHeadline), Crlf(kDefaultBody)};
    QString body;
    if (e->group == G::ControlPanel)
        body = WithoutFirstLine(kPanel0Body);
    else if (e->group == G::PropertiesPanel)
        body = WithoutFirstLine(kPanel1Body);
    else
        body = Crlf(e->body);
    return {QString::fromUtf8(e->headline), body};
}

QuickHelpText WorksheetQuickHelp()
{
    return QuickHelpFor(QStringLiteral("picGrid"));
}

QuickHelpGroup QuickHelpGroupFor(const QString& key)
{
    // Edit commands have no text of their own but sit on the main toolbar.
    if (key == QLatin1String("cmdCut") || key == QLatin1String("cmdCopy") || key == QLatin1String("cmdPaste"))
        return G::MainToolbar;
    const Entry* e = Find(key);
    return e ? e->group : G::None;
}

QuickHelpPlace QuickHelpPosition(const QString& key, int16_t index, const QuickHelpGeometry& g)
{
    QuickHelpPlace p{g.boxLeft, g.boxTop};
    switch (QuickHelpGroupFor(key)) {
    case G::MainToolbar:
        p = {g.toolbarLeft + g.buttonLeft, g.toolbarTop + g.toolbarHeight};
        break;
    case G::Toolbox:
        p = {g.toolbar2Left + g.buttonLeft, g.toolbar2Top + g.toolbar2Height};
        break;
    case G::Worksheet:
        // The cell centre is measured from the picture's origin, which moves
        // left and up inside the container when the worksheet is scrolled.
        p = {g.cellCentreX * g.tpx + g.pictureLeft + g.containerLeft,
             g.cellCentreY * g.tpy + g.pictureTop + g.containerTop};
        break;
    case G::PowerButton:
        p = {g.einAusLeft + g.powerButtonLeft, g.columnTop + g.einAusTop + g.einAusHeight};
        break;
    case G::CloseButton:
        if (index >= 0 && index < 5) {
            const auto i = static_cast<size_t>(index);
            p = {g.columnLeft + g.einAusLeft + g.closeLeft[i],
                 g.columnTop + g.closePanelTop[i] + g.closeTop[i] + g.closeHeight[i]};
        }
        break;
    case G::ControlPanel:
        p = {g.columnLeft + g.einAusLeft, g.columnTop + g.einAusTop + g.einAusHeight};
        break;
    case G::PropertiesPanel:
        p = {g.columnLeft + g.einAusLeft, g.columnTop + g.eigenschaftenTop + g.eigenschaftenHeight};
        break;
    case G::None:
        break;
    }
    // A box sticking out is pulled 200 twips inside; the left and top edges
    // win when the box is larger than the window, so the headline stays readable.
    if (p.left + g.boxWidth > g.windowWidth)
        p.left = g.windowWidth - g.boxWidth - 200;
    if (p.top + g.boxHeight > g.windowHeight)
        p.top = g.windowHeight - g.boxHeight - 200;
    p.left = std::max(p.left, 0.0);
    p.top = std::max(p.top, 0.0);
    return p;
}

QuickHelpSize ResizeQuickHelp(const QuickHelpLabels& l)
{
    const double headline = l.headlineLeft + l.headlineWidth;
    const double text = l.textLeft + l.textWidth;
    return {std::max(headline, text) + 170, l.textTop + l.textHeight + 100};
}

void SaveToolbarState(ToolbarButtons& b, SavedToolbarState& saved)
{
    saved.main = {static_cast<uint8_t>(b.cmdICView.pressed), static_cast<uint8_t>(b.cmdRaster.pressed)};
    saved.toolbox.assign(b.toolbox.size(), 0);
    for (size_t i = 0; i < b.toolbox.size(); ++i)
        saved.toolbox[i] = static_cast<uint8_t>(b.toolbox[i].pressed);
    b.cmdICView.style = ButtonStyle::Default;
    b.cmdRaster.style = ButtonStyle::Default;
    for (ToolbarButtonState& t : b.toolbox)
        if (t.style == ButtonStyle::ButtonGroup)
            t.style = ButtonStyle::Default;
    b.powerButtonsHelpOnly = true;
}

void RestoreToolbarState(ToolbarButtons& b, const SavedToolbarState& saved)
{
    b.cmdICView = {ButtonStyle::Check, saved.main[0] != 0};
    b.cmdRaster = {ButtonStyle::Check, saved.main[1] != 0};
    for (size_t i = 0; i < b.toolbox.size(); ++i) {
        ToolbarButtonState& t = b.toolbox[i];
        if (t.style == ButtonStyle::Default)
            t.style = ButtonStyle::ButtonGroup;
        // A button added since the save keeps its state.
        if (i < saved.toolbox.size())
            t.pressed = saved.toolbox[i] != 0;
    }
    b.powerButtonsHelpOnly = false;
}
