#pragma once
// The print dialog: printer, quality, colour, copies and the IC pages; Print
// prints the circuit (into a PDF file when that is the device chosen), Close
// closes the dialog.
#include <QDialog>
#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class Printer;
class UserDialogs;
class clsGrafik;
struct ProgramState;

class frmDrucken : public QDialog {
    Q_OBJECT
public:
    // programFolder names the folder of an IC page's caption. The printer keeps
    // the settings made here after the dialog has closed.
    frmDrucken(ProgramState& s, clsGrafik& g, Printer& printer, UserDialogs& dialogs, QString programFolder,
               QWidget* parent = nullptr);

    // False, with a message, when there is no printer to choose.
    bool ShowPrinters();
    void ShowPrintOptions();
    const QStringList& ICPageNames() const { return ICPageNames_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void cmbDrucker_Click();
    void cmbQualitaet_Click(int position);
    void cmbFarbe_Click(int position);
    void txtKopien_Change();
    void txtKopien_LostFocus();
    void UpDown1_Step(int by);
    void chkIC_Click();
    void cmdDrucken_Click();
    // The PDF file to print into; empty when the user cancelled.
    QString AskPdfFile();

    ProgramState& s_;
    clsGrafik& g_;
    Printer& printer_;
    UserDialogs& dialogs_;
    QString programFolder_;
    QStringList ICPageNames_{QString()};

    std::array<QLabel*, 3> lblInfo_{};
    QComboBox* cmbDrucker_ = nullptr;
    QComboBox* cmbQualitaet_ = nullptr;
    QComboBox* cmbFarbe_ = nullptr;
    QLineEdit* txtKopien_ = nullptr;
    QWidget* UpDown1_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    std::array<QRadioButton*, 2> optBereich_{};
    QCheckBox* chkIC_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblSeiten_ = nullptr;
    QPushButton* cmdDrucken_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
};
