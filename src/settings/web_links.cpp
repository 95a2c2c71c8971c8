#include "settings/web_links.h"

#include "model/ports/all_ports.h"
#include "model/ports/desktop_port.h"
#include "platform/string_table.h"

namespace {

bool Hand(DesktopPort* desktop, const QString& address)
{
    return desktop && desktop->OpenAddress(address);
}

} // namespace

QString WebPageAddress()
{
    return QStringLiteral("https://gatrel.example.org/");
}

QString SupportMailAddress()
{
    return QStringLiteral("mailto:support@gatrel.example.org?subject=Gatrel%20support");
}

bool OpenWebPage(DesktopPort* desktop)
{
    return Hand(desktop, WebPageAddress());
}

bool OpenSupportMail(DesktopPort* desktop)
{
    return Hand(desktop, SupportMailAddress());
}

QString WebPageNotOpenedText()
{
    return LoadResString(2495).replace(QStringLiteral("%1"), WebPageAddress());
}
