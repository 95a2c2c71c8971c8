#pragma once
// Keeps exceptions inside the window's handlers. One that leaves a Qt event
// handler, slot or timer tick ends the program, and the unsaved circuit with
// it; caught here, it is reported and the program goes on.
#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

class UserDialogs;

// Runs action. Whatever it throws goes no further: it is reported as an
// internal error in a message box through dialogs, naming where and what went
// wrong. Without dialogs, while another report is open, and when the same
// handler (where) failed last time too, it is only logged. True when action
// returned normally.
bool RunGuarded(UserDialogs* dialogs, const QString& where, const std::function<void()>& action);

// The text of that message box.
QString InternalErrorText(const QString& where, const QString& what);

// A slot for QObject::connect that runs f under RunGuarded; f takes the
// signal's arguments or none.
template <class F>
auto GuardedSlot(UserDialogs& dialogs, QString where, F f)
{
    return [&dialogs, where = std::move(where), f = std::move(f)](auto&&... args) -> void {
        RunGuarded(&dialogs, where, [&] {
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        });
    };
}
