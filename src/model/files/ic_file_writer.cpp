#include "model/files/ic_file_writer.h"

#include "model/circuit.h"
#include "model/field_list.h"
#include "model/files/element_records.h"
#include "model/files/notes_lines.h"
#include "model/files/record_writer.h"
#include "model/footprint.h"

namespace {

// Entry i of a list counted from 1; a connector without one gets an empty line.
QString Entry(const QStringList& list, int i)
{
    return i < list.size() ? list.at(i) : QString();
}

} // namespace

QByteArray ICFileBytes(const Circuit& s, const CellRect& crop)
{
    RecordWriter w;
    w.Header(Section::Name);
    w.Line(s.ICName);
    w.Header(Section::Feld);
    w.Line(NumToStr(crop.x2 - crop.x1) + u';' + NumToStr(crop.y2 - crop.y1) + u';');
    w.Header(Section::Punkte);
    for (int16_t x = 0; x <= s.MaxX; ++x) {
        for (int16_t y = 0; y <= s.MaxY; ++y) {
            const GridCell& c = s.P(x, y);
            if (c.Type != 0)
                w.Line(PunktLine(CInt(x - crop.x1), CInt(y - crop.y1), c));
        }
    }
    w.Header(Section::Elemente);
    for (int e = 1; e <= s.ElementCount(); ++e)
        w.Line(ElementLine(s.Elements[e]));
    w.Header(Section::Anschluesse);
    for (int i = 1; i <= s.ICPinCount; ++i)
        w.Line(Entry(s.ICPins, i));
    w.Header(Section::Masse);
    w.Line(u'X' + QString::number(s.ICWidth));
    w.Line(u'Y' + QString::number(s.ICHeight));
    w.Header(Section::GraphischeAnschluesse);
    for (int i = 1; i <= s.ICPinCount; ++i)
        w.Line(Entry(s.ICGraphicPins, i));
    w.Header(Section::IC);
    for (int k = 1; k <= s.ICCount() && static_cast<size_t>(k) < s.ICInstances.size(); ++k) {
        const ICInstanceRecord& ic = s.ICInstances[k];
        if (ic.NestingLevel == 0)
            w.Line(ic.Name + u';' + QString::number(ic.ElementNr) + u';');
    }
    w.Header(Section::Tags);
    for (int i = 1; i <= s.ICPinCount; ++i)
        w.Line(Entry(s.ICTags, i));
    w.Header(Section::Notizen);
    for (const QString& line : s.ICNotes.split(QStringLiteral("\r\n")))
        w.Line(NotesLineToFile(line));
    return w.Bytes();
}
