#include "model/files/element_records.h"

#include "platform/numeric.h"

namespace {

QString Flag(int16_t v)
{
    return v != 0 ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

void ParsePunktLine(const FieldList& f, GridCell& c)
{
    if (f.Has(3))
        c.Type = ToByte(f.Text(3));
    if (f.Has(4))
        c.ConLeft = ToFlag(f.Text(4));
    if (f.Has(5))
        c.ConRight = ToFlag(f.Text(5));
    if (f.Has(6))
        c.ConUp = ToFlag(f.Text(6));
    if (f.Has(7))
        c.ConDown = ToFlag(f.Text(7));
    if (f.Has(8))
        c.Marker = ToInt(f.Text(8));
    if (f.Has(9))
        c.ElementNr = ToInt(f.Text(9));
    if (f.Has(10))
        c.ICConnector = ToByte(f.Text(10));
    if (f.Has(11))
        c.ICLink = ToByte(f.Text(11));
}

void TakeSavedCellFields(const GridCell& parsed, GridCell& c)
{
    c.Type = parsed.Type;
    c.ConLeft = parsed.ConLeft;
    c.ConRight = parsed.ConRight;
    c.ConUp = parsed.ConUp;
    c.ConDown = parsed.ConDown;
    c.Marker = parsed.Marker;
    c.ElementNr = parsed.ElementNr;
    c.ICConnector = parsed.ICConnector;
}

void ParseElementLine(const FieldList& f, ElementRecord& e)
{
    if (f.Has(1))
        e.Type = ToByte(f.Text(1));
    if (f.Has(2))
        e.Orientation = AsOrientation(ToByte(f.Text(2)));
    if (f.Has(3))
        e.InPinList = f.Text(3);
    if (f.Has(4))
        e.OutPinList = f.Text(4);
    if (f.Has(5))
        e.Color = ToLong(f.Text(5));
    if (f.Has(6))
        e.SelfIndex = ToInt(f.Text(6));
    if (f.Has(7))
        e.Label = f.Text(7);
}

ElementRecord SavedElementFields(const ElementRecord& parsed)
{
    ElementRecord e;
    e.Type = parsed.Type;
    e.Orientation = parsed.Orientation;
    e.InPinList = parsed.InPinList;
    e.OutPinList = parsed.OutPinList;
    e.Color = parsed.Color;
    e.SelfIndex = parsed.SelfIndex;
    e.Label = parsed.Label;
    return e;
}

QString PunktLine(int16_t x, int16_t y, const GridCell& c)
{
    QString t;
    t.reserve(40);
    t += QString::number(x) + u';' + QString::number(y) + u';' + QString::number(c.Type) + u';';
    t += Flag(c.ConLeft) + u';' + Flag(c.ConRight) + u';' + Flag(c.ConUp) + u';' + Flag(c.ConDown) + u';';
    t += QString::number(c.Marker) + u';' + QString::number(c.ElementNr) + u';';
    t += QString::number(c.ICConnector) + u';' + QString::number(c.ICLink) + u';';
    return t;
}

QString ElementLine(const ElementRecord& e)
{
    return QString::number(e.Type) + u';' + QString::number(Code(e.Orientation)) + u';' + Trim(e.InPinList) + u';'
        + Trim(e.OutPinList) + u';' + QString::number(e.Color) + u';' + QString::number(e.SelfIndex) + u';'
        + Trim(e.Label) + u';';
}
