#pragma once
// The checks of the password-change window, in the order the user meets them.
#include <QString>

// The string id of the first check that fails, or 0 when the new password
// may replace the current one: old password (3906), length (3907), characters
// the stored form cannot keep (3908), confirmation (3909).
int PasswordChangeRefusal(const QString& current, const QString& oldText, const QString& newText,
                          const QString& confirmation);
