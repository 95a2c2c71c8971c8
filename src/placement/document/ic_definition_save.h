#pragma once
// Saving the IC being defined as its definition file.
#include <QString>

#include "model/footprint.h"

struct Circuit;
class UserDialogs;

// Writes circuit, cut to crop, as icDirectory + its ICName + ".icd". The
// caller has shifted the element pins into the crop box. A name that is no
// plain file name, or a failed write, is reported and leaves any old file
// unchanged. The path written; empty when nothing was.
QString SaveIC(const Circuit& circuit, const CellRect& crop, const QString& icDirectory, UserDialogs& dialogs);
