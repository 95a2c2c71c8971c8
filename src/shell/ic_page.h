#pragma once
// Property page 0: the IC to place, with its preview or its notes and the
// button that opens the IC manager.
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

class ICPage : public QWidget {
    Q_OBJECT
public:
    explicit ICPage(QWidget* parent);

    QLabel* lblAllgemein5 = nullptr;
    QComboBox* cmbIC = nullptr;
    QLabel* lblAllgemein15 = nullptr;
    QToolButton* cmdChange = nullptr;
    QToolButton* cmdICVerwaltung = nullptr;
    QFrame* picICVorschau = nullptr;
    QLineEdit* txtNotizen = nullptr;
    QLabel* lblICFehler = nullptr;

    // The notes (true) or the preview in the details field.
    void ShowICDetails(bool notes);
    void cmdChange_MouseUp();
    // The IC manager button pressed, and the manager asked for.
    void picICVorschau_DblClick();

signals:
    // An IC chosen in the box.
    void ICChosen();
    // The IC manager asked for (true) or sent away.
    void ICManagerWanted(bool show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
