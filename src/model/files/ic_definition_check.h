#pragma once
// The one check of an IC definition file that the IC manager's status, the
// chooser's preview, the IC placer and the circuit loader share: the file
// loads as its circuits do (every cell, element, pin and nested IC in its
// tables), each element has the pins its type is placed with, and the
// connector table fits the outline.
#include <QString>
#include <cstdint>
#include <optional>

#include "model/files/circuit_checks.h"

struct ICInstanceRecord;
struct LevelRecord;

// Outlines an IC file may give, in cells, in each direction: the placer
// keeps a free column and row on every side, so the largest worksheet a
// file can make holds an outline two cells smaller than itself.
constexpr int kMinICOutline = 1;
constexpr int kMaxICOutline = kMaxFileSize - 2;
// A connector's number is one byte in a cell.
constexpr int kMaxICConnectors = 255;

// Why an IC cannot be used: the IC whose file is at fault, that file and the reason.
struct ICFault {
    QString name;
    QString path;
    QString reason;
};

// Nothing when IC name of the IC directory icDir, with every IC nested in
// it, can be placed and loaded; else the first fault found.
std::optional<ICFault> CheckICDefinition(const QString& icDir, const QString& name);

// The message of a fault: the file and the reason.
QString ICFaultText(const ICFault& fault);

// The outline can be drawn and placed; there are as many places as connectors,
// each connector's cell lies in the IC's grid and each place on the outline,
// no two on one point; between 1 and the pin table's size of them are placed.
// Throws RecordFormatError with the reason.
void CheckConnectorTable(const ICInstanceRecord& ic, const LevelRecord& level);
