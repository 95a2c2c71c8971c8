#include "settings/web_links.h"

#include "model/ports/all_ports.h"
#include "model/state.h"
#include "platform/string_table.h"

namespace {

bool Hand(ProgramState& s, const QString& address)
{
    return s.ports.desktop && s.ports.desktop->OpenAddress(address);
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

bool OpenWebPage(ProgramState& s)
{
    return Hand(s, WebPageAddress());
}

bool OpenSupportMail(ProgramState& s)
{
    return Hand(s, SupportMailAddress());
}

QString WebPageNotOpenedText()
{
    return LoadResString(2495).replace(QStringLiteral("%1"), WebPageAddress());
}
