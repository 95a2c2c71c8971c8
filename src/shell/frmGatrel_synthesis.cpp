// The command line's formula mode draws the typed term as a new circuit.
#include <QString>

#include "boolean/formula_synthesis.h"
#include "platform/guard.h"
#include "shell/frmGatrel.h"

void frmGatrel::Synthesize(const QString& typed)
{
    RunGuarded(&dialogs_, QStringLiteral("CreateFile"), [&] { CreateFile(*placement_, dialogs_, typed); });
}
