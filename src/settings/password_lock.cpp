#include "settings/password_lock.h"

#include "placement/document/permissions.h"

namespace {

constexpr int kMaxLength = 20;

} // namespace

int PasswordChangeRefusal(const QString& current, const QString& oldText, const QString& newText,
                          const QString& confirmation)
{
    if (oldText != current)
        return 3906;
    if (newText.size() > kMaxLength)
        return 3907;
    // Besides the terminator's stand-in, the stored form cannot keep the
    // terminator itself, a character that scrambles to NUL, or one above 255.
    if (!PasswordStorable(newText))
        return 3908;
    if (newText != confirmation)
        return 3909;
    return 0;
}
