// Run by the install step: creates the machine-wide settings key, without
// which the program does not start.
#include <QCoreApplication>
#include <QTextStream>

#include "placement/document/settings_store.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: gatrel-install-settings <machine-wide settings file>\n";
        return 2;
    }
    QString reason;
    if (!WriteInstallSettings(args.at(1), &reason)) {
        QTextStream(stderr) << "gatrel-install-settings: cannot write " << args.at(1) << ": " << reason << "\n";
        return 1;
    }
    return 0;
}
