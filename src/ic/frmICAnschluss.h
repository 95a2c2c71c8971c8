#pragma once
// The connector-naming dialog: asks for the name of a connector being made
// or renamed, shows it live beside the conductor end while it is typed, and
// offers to go on to the next unnamed conductor end. Modal; OK accepts a
// name, everything else (Cancel, Esc, the title bar, an empty name) cancels.
#include <QDialog>
#include <functional>

#include "ic/ic_connectors.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Circuit;
struct Settings;

class frmICAnschluss : public QDialog {
    Q_OBJECT
public:
    frmICAnschluss(Circuit& circuit, Settings& settings, const ConnectorEdit& edit, QWidget* parent);

    // The worksheet label's caption while the name is typed ("[name]", or empty).
    std::function<void(const QString& caption)> LabelChanged;

    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QCheckBox* chkAnschluss = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbruch = nullptr;

    void txtName_Change(const QString& text);
    void chkAnschluss_Click();
    void cmdOK_Click();
    void cmdAbbruch_Click();

private:
    Circuit& circuit_;
    Settings& settings_;
    ConnectorEdit edit_;
};

// The caption of a connector's worksheet label for the typed name.
QString WorksheetLabelCaption(const QString& typed);
