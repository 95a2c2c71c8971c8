#pragma once
// The number-conversion window: one whole number in four linked boxes.
// Typing in one box converts it into the other three; each box takes only
// its own digits up to 16777215. Ctrl+K closes the window, Up and Down move
// through the boxes.
#include <QWidget>
#include <array>

#include "settings/basNumberConversion.h"

class QKeyEvent;
class QLabel;
class QLineEdit;

class frmNumberConversion : public QWidget {
    Q_OBJECT
public:
    explicit frmNumberConversion(QWidget* owner = nullptr);

    QLineEdit* Box(NumberBox box) const { return boxes_[static_cast<size_t>(box)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int IndexOf(QObject* watched) const;
    // A box's KeyDown and KeyPress; true when the key is used up here.
    bool KeyDown(int index, QKeyEvent* key);
    // The user changed a box's text (typing, pasting, dropping).
    void Edited(int index, const QString& text);
    void SetBoxText(int index, const QString& text);

    std::array<QLineEdit*, 4> boxes_{}; // txtDec, txtHex, txtBin, txtOct
    std::array<QString, 4> shown_;      // each box's last accepted text
    bool updating_ = false;
};
