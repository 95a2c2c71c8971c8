#pragma once
// The desktop's handler for an address (the browser, the mail program).
#include <QString>

class DesktopPort {
public:
    virtual ~DesktopPort() = default;
    // Hands the address over; false when no handler took it.
    virtual bool OpenAddress(const QString& address) = 0;
};
