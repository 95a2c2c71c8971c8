#include "platform/guard.h"

#include <QtGlobal>
#include <exception>

#include "platform/user_dialogs.h"

namespace {

// A message box runs its own event loop: handlers failing meanwhile (a timer
// that keeps failing) must not stack further boxes on it.
bool reportOpen = false;
// The handler whose failure was shown last, until it runs through again: a
// handler failing on every mouse move would show a box per move.
QString failing;

void Report(UserDialogs* dialogs, const QString& where, const QString& what)
{
    const QString text = InternalErrorText(where, what);
    if (dialogs == nullptr || reportOpen || where == failing) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    failing = where;
    reportOpen = true;
    try {
        dialogs->ShowMessage(text, MessageButtons::OK, MessageIcon::Critical, QStringLiteral("Internal error"));
    } catch (...) {
        qWarning("%s", qUtf8Printable(text));
    }
    reportOpen = false;
}

} // namespace

QString InternalErrorText(const QString& where, const QString& what)
{
    return QStringLiteral("Internal error in %1: %2\n\nThe action was not completed. The circuit is still open; "
                          "save it under a new name before you go on.")
        .arg(where, what);
}

bool RunGuarded(UserDialogs* dialogs, const QString& where, const std::function<void()>& action)
{
    try {
        action();
        if (!failing.isEmpty() && where == failing)
            failing.clear();
        return true;
    } catch (const std::exception& e) {
        Report(dialogs, where, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Report(dialogs, where, QStringLiteral("unknown error"));
    }
    return false;
}
