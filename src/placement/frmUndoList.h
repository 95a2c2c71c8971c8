#pragma once
// The undo list: the steps that can still be undone, newest first. A click
// on a line chooses it and every newer step; the button undoes them.
#include <QDialog>
#include <cstdint>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
struct PlacementContext;

class frmUndoList : public QDialog {
    Q_OBJECT
public:
    explicit frmUndoList(PlacementContext& c, QWidget* parent = nullptr);

    int16_t StepsChosen() const { return steps_; }

private:
    void Form_Load();
    void FillList();
    void lstUndo_MouseDown();
    void cmdUndo_Click();
    void cmdAbbruch_Click();

    PlacementContext& c_;
    int16_t steps_ = 0;
    QListWidget* lstUndo_ = nullptr;
    QLabel* lblUndo_ = nullptr;
    QPushButton* cmdUndo_ = nullptr;
    QPushButton* cmdAbbruch_ = nullptr;
    QFrame* picUndo_ = nullptr;
    QLabel* lblWarten_ = nullptr;
    QLabel* lblFertig_ = nullptr;
    QLabel* Image1_ = nullptr;
};
