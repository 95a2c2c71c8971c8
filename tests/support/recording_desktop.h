#pragma once
// A desktop that keeps the addresses it is asked to open.
#include <QStringList>

#include "model/ports/desktop_port.h"

struct RecordingDesktop : DesktopPort {
    QStringList addresses;
    bool browser = true; // false: nothing takes an address
    bool OpenAddress(const QString& address) override
    {
        addresses << address;
        return browser;
    }
};
