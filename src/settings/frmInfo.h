#pragma once
// The about box: program line, version, system name, the start picture as
// background when it is there, and a button that closes it.
#include <QDialog>

class QLabel;
class QPushButton;

class frmInfo : public QDialog {
    Q_OBJECT
public:
    // picturePath: the start picture, or empty for a plain background.
    frmInfo(const QString& osName, const QString& picturePath, QWidget* parent = nullptr);

    bool HasPicture() const { return hasPicture_; }

private:
    QLabel* lblText = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblOSVersion_ = nullptr;
    QPushButton* cmdSchliessen_ = nullptr;
    bool hasPicture_ = false;
};
