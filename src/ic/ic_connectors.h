#pragma once
// The connectors of the IC being defined: open conductor ends of the
// worksheet, numbered 1..ICPinCount without gaps, each with its entry in
// ICPins (x;y;name;), ICGraphicPins (its place on the outline, empty while
// unplaced) and ICTags (the placement tag the file keeps).
#include <QString>
#include <cstdint>
#include <optional>

#include "model/records.h"

struct Circuit;
struct CircuitRun;
struct ICDefinition;

// A connector being named: the conductor end, its number, and whether the
// dialog makes it (a new connector) or renames it.
struct ConnectorEdit {
    int16_t x = 0;
    int16_t y = 0;
    int16_t index = 0;
    bool isNew = false;
    QString oldName; // the current name of a connector being renamed
};

// A click on (x, y) may make or rename a connector there: the tool is the IC
// definition view, the power off, and the cell is an open conductor end
// outside any placed IC.
bool IsConnectorCell(const CircuitRun& run, ToolCode tool, int16_t x, int16_t y);

// Starts naming the connector at (x, y): a new one raises the connector
// count (its lists get empty entries); an existing one keeps it. Nothing
// when the cell does not qualify. The edit's index is the connector's number.
std::optional<ConnectorEdit> BeginConnector(CircuitRun& run, ToolCode tool, int16_t x, int16_t y);

enum class NameOutcome {
    Accepted,
    Duplicate, // a new connector with the name of another: the dialog stays open
    Empty,     // nothing typed: the same as Cancel
};

// The dialog's OK. A new connector whose trimmed name equals another's,
// ignoring case, is refused; a rename also rewrites the name kept with the
// connector's place on the outline. Characters that would break the file's
// fields are left out of the name.
NameOutcome AcceptConnectorName(Circuit& s, const ConnectorEdit& e, const QString& typed);
// The dialog's Cancel (or its closing): a new connector is withdrawn.
void CancelConnector(Circuit& s, const ConnectorEdit& e);

// Removes the connector at (x, y); the later ones move down by one, in the
// lists and in the cells. False when the cell carries none.
bool DeleteConnector(Circuit& s, int16_t x, int16_t y);

// The next unnamed conductor end, column by column from (nextX, nextY) and
// top to bottom inside a column, skipping (skipX, skipY). The resume point
// moves on as the scan does; after a find it stands on the row below it.
std::optional<std::pair<int16_t, int16_t>> FindNextConnectorEnd(const Circuit& s, int16_t& nextX, int16_t& nextY,
                                                                int16_t skipX, int16_t skipY);

// Name of connector k (field 3 of its entry).
QString ConnectorName(const ICDefinition& s, int k);
// Whether some connector has its place on the outline: the outline's size is then fixed.
bool AnyConnectorPlaced(const ICDefinition& s);
// The three connector lists sized to 0..count, keeping their entries.
void ResizeConnectorLists(ICDefinition& s, int count);
// Leaves the IC being defined: the worksheet's connector cells become plain
// conductor cells (pins of placed ICs keep theirs) and the definition starts
// afresh: no name, no notes, no connectors, outline 7 by 4.
void ResetICDefinition(Circuit& circuit);
