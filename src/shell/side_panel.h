#pragma once
// One panel of the side column: a framed box with a bold title, a line under
// it and the close and minimise buttons at its right.
#include <QFrame>

class QLabel;
class QToolButton;

class SidePanel : public QFrame {
    Q_OBJECT
public:
    // index: the panel's entry of PanelVisible, which also names it; the
    // title label gets titleName when it is to be found by name.
    SidePanel(int index, const QString& title, const QString& titleName, QWidget* parent);

    int index() const { return index_; }
    // The close and minimise buttons are numbered by button, not by panel.
    int button() const { return button_; }

    QLabel* lblTitle = nullptr;
    QToolButton* cmdClose = nullptr;
    QToolButton* cmdMin = nullptr; // none on the control panel

signals:
    void CloseClicked(int button);
    void MinClicked(int button, bool pressed);

private:
    int index_;
    int button_;
};

// The panel of a close or minimise button, by button number.
int PanelOfButton(int button);
