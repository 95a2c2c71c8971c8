#pragma once
// Named values under keys, kept in one INI-style file per root.
//
// File layout (UTF-8): a section header per key; the files stand for
// Software\Kestrun\Gatrel, so its subkeys are named relative to it
// (Software\Kestrun\Gatrel\1.0 is [1.0]) and any other key by its full
// path. Then one line per value:
//     AutoStop=dword:000003e8      a signed 32-bit number, 8 hex digits
//     BoolTerme="A&B|C"            a text; \\ \" \n \r \t \xHH \uHHHH escapes
// Key paths and value names compare case-insensitively. Lines that are not
// understood are ignored when reading and kept unchanged when rewriting.
// Every write replaces the file as a whole (temporary file + rename).
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <variant>
#include <vector>

// Which root holds the settings key.
enum class RegistryRoot { CurrentUser, LocalMachine };

// The files that stand in for the two registry roots. Empty paths make
// every read miss and every write fail quietly (the state of a fresh
// ProgramState, so tests never touch the user's real settings).
struct RegistryLocations {
    QString userFile;    // RegistryRoot::CurrentUser
    QString machineFile; // RegistryRoot::LocalMachine
};

// A stored value: nothing, a text or a 32-bit number.
class RegValue {
public:
    RegValue() = default;
    static RegValue Text(const QString& text) { return RegValue(Data(text)); }
    static RegValue Number(int32_t number) { return RegValue(Data(number)); }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(data_); }
    bool isText() const { return std::holds_alternative<QString>(data_); }
    bool isNumber() const { return std::holds_alternative<int32_t>(data_); }
    // The empty text unless isText().
    QString text() const;
    // 0 unless isNumber().
    int32_t number() const;
    // Numbers as decimal text, nothing as the empty text.
    QString toText() const;

    bool operator==(const RegValue&) const = default;

private:
    using Data = std::variant<std::monostate, QString, int32_t>;
    explicit RegValue(Data d) : data_(std::move(d)) {}
    Data data_;
};

// The per-user file from the XDG rules, the machine-wide one below the
// install prefix (the folder above the executable's folder).
RegistryLocations RegistryLocationsFor(const QString& xdgConfigHome, const QString& home,
                                       const QString& executableDir);
// The same from the environment and the running executable.
RegistryLocations DefaultRegistryLocations();

// Whether the key (or a key below it) is present in the root's file.
bool RegKeyExists(const RegistryLocations& where, RegistryRoot root, const QString& subkey);
// The stored value, or an empty RegValue when the file, key or value is
// missing or unreadable. A text ends at its first NUL character.
RegValue RegGetValue(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                     const QString& name);
// Stores the value with its own type, creating file and key when missing;
// an empty RegValue stores nothing. False when the file cannot be read or
// written (also on a full disk), which leaves it unchanged; error (when
// given) then says why, unless the root has no file at all.
bool RegSetValue(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                 const QString& name, const RegValue& value, QString* error = nullptr);
// Several values in one rewrite of the file, in the given order.
bool RegSetValues(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                  const std::vector<std::pair<QString, RegValue>>& values, QString* error = nullptr);
bool RegCreateKey(const RegistryLocations& where, RegistryRoot root, const QString& subkey,
                  QString* error = nullptr);
// Writes the root's file back as it stands, making it when missing: false,
// with the reason, when values could not be stored there.
bool RegRewrite(const RegistryLocations& where, RegistryRoot root, QString* error = nullptr);
// Copies the values of the key from one root's file into the other's,
// creating the key there; values the target already holds and the names in
// leaveOut stay as they are. The source is only read. False when either
// file cannot be read or the target cannot be written, with the reason in
// error (when given).
bool RegCopyKey(const RegistryLocations& where, RegistryRoot from, RegistryRoot to, const QString& subkey,
                const QStringList& leaveOut = {}, QString* error = nullptr);
