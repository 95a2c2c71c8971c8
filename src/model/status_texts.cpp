#include "model/status_texts.h"

#include "model/ports/status_port.h"
#include "model/ports/ports.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

namespace {

constexpr int kStrConductorEnd = 4513;

} // namespace

void SetStatusText(const Ports& ports, const QString& text)
{
    if (StatusPort* p = ports.status) {
        p->SetStatusPanel(0, text);
        p->EnableMainWindow(true);
    }
}

QString ErrorExplanation(int code)
{
    switch (code) {
    case 32755: return QStringLiteral("Canceled by user.");
    case 0: return QStringLiteral("No error number specified.");
    case 20477: return QStringLiteral("Invalid file name.");
    case -32768: return QStringLiteral("Could not load dialog.");
    case 20478: case 32752: case 32757: case 32758: return QStringLiteral("Memory error.");
    case 28667: return QStringLiteral("Could not load printer driver.");
    case 28663: return QStringLiteral("Could not find default printer.");
    case 28664: return QStringLiteral("Could not find printer.");
    case 28666: return QStringLiteral("Could not initialize DevMode-Structure.");
    case 28669: return QStringLiteral("Error in WIN.INI, section [devices].");
    case 28660: return QStringLiteral("Error in WIN.INI, section [devices]: Printer not found.");
    default: break;
    }
    if (code >= 101)
        return QStringLiteral("Could not open file.");
    return QString();
}

std::optional<QString> ErrorBoxText(int code)
{
    const QString crlf = QStringLiteral("\r\n");
    if (code == 53)
        return QStringLiteral("Error 53:") + crlf + QStringLiteral("File not found.");
    if (code >= 11)
        return QStringLiteral("Error #") + Str(code) + crlf + ErrorExplanation(code);
    return std::nullopt;
}

void ShowError(const Ports& ports, UserDialogs* dialogs, int code)
{
    if (const auto text = ErrorBoxText(code); text && dialogs)
        // No title of its own: the program's name, as message boxes default to.
        dialogs->ShowMessage(*text, MessageButtons::OK, MessageIcon::Exclamation, QStringLiteral("Gatrel"));
    if (code == 1)
        SetStatusText(ports, LoadResString(kStrConductorEnd));
    else if (code == 2)
        SetStatusText(ports, QStringLiteral("Elements can not be places outside the worksheet."));
}
