#pragma once
// The cell and element lines that circuit files and IC definition files share.
#include <QString>
#include <cstdint>

#include "model/files/record_reader.h"
#include "model/records.h"

// Fields 3..11 of a [Punkte] line into scratch: Type, ConLeft, ConRight,
// ConUp, ConDown, Marker, ElementNr, ICConnector, ICLink. A field the line
// lacks keeps the scratch's value. Throws RecordFormatError for a number
// outside its field's width.
void ParsePunktLine(const FieldList& fields, GridCell& scratch);
// Takes the fields a [Punkte] line stores, but ICLink, from a parsed line
// into a grid cell; the signals and counters of the cell stay.
void TakeSavedCellFields(const GridCell& parsed, GridCell& cell);
// Fields 1..7 of an [Elemente] line into scratch: Type, Orientation,
// InPinList, OutPinList, Color, SelfIndex, Label; as ParsePunktLine.
void ParseElementLine(const FieldList& fields, ElementRecord& scratch);
// A new record with the fields a line stores, taken from a parsed scratch element.
ElementRecord SavedElementFields(const ElementRecord& parsed);

// x;y;Type;ConLeft;ConRight;ConUp;ConDown;Marker;ElementNr;ICConnector;ICLink;
QString PunktLine(int16_t x, int16_t y, const GridCell& cell);
// Type;Orientation;InPinList;OutPinList;Color;SelfIndex;Label; with the
// texts stripped of surrounding blanks.
QString ElementLine(const ElementRecord& e);
