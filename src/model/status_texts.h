#pragma once
// The status bar's text and the reports of error numbers.
#include <QString>
#include <optional>

struct Ports;
class UserDialogs;

// First panel of the status bar; also enables the main window.
void SetStatusText(const Ports& ports, const QString& text);

// Message-box text for an error number; none for codes below 11.
std::optional<QString> ErrorBoxText(int code);
// Explanation of an error number; empty when there is none.
QString ErrorExplanation(int code);
// Reports an error number: a message box for codes of 11 and more (through
// dialogs, skipped when null), status texts for codes 1 and 2.
void ShowError(const Ports& ports, UserDialogs* dialogs, int code);
