#pragma once
// The component and feature switches and the settings password, kept in
// the stored value "Permissions" in a scrambled text form.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/settings.h"

struct ProgramState;

inline constexpr char kPermissionsValue[] = "Permissions";

struct Permissions {
    std::array<int16_t, 7> FeatureEnable{};
    std::array<int16_t, 14> ElementEnable{};
    QString OptionsPassword;
};

// Flag characters: 13..34 on, 35..56 (57 as written) off, anything else off.
bool FlagCharacterOn(char16_t c);

// Whether the password can be stored: every character must be a single
// byte that scrambles to neither 0 (the store ends texts there) nor 255
// (the terminator); at most 20 characters.
bool PasswordStorable(const QString& password);

// The stored text. random() gives numbers in [0, 1). Nothing when the
// password cannot be stored.
std::optional<QString> EncodePermissions(const Permissions& p, const std::function<double()>& random);
// The switches and password from a stored text; nothing when the text is too
// short or has no terminator.
std::optional<Permissions> DecodePermissions(const QString& stored);

enum class PermissionsStatus { Loaded, Missing, Broken };

// Reads the stored value into the settings; on failure the settings keep
// their values and the caller reports MissingPermissionsMessage or
// BrokenPermissionsMessage.
PermissionsStatus LoadPermissions(ProgramState& s);
// Writes the settings' switches and password into the user's own file (see
// UseOwnSettings); false when nothing was written because the password
// cannot be stored or the file cannot be written (then with the reason in
// error, when given).
bool SavePermissions(ProgramState& s, QString* error = nullptr);
// The same for a store of its own (the install step).
bool SavePermissions(const RegistryLocations& where, RegistryRoot root, const Permissions& p,
                     QString* error = nullptr);

// The two start-up messages, their line breaks made real.
QString MissingPermissionsMessage();
QString BrokenPermissionsMessage();
