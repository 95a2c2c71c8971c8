#pragma once
// The start screen: picture, title, version and system name; once shown it
// waits two seconds with the event loop running, then reports Finished.
#include <QLabel>
#include <QTimer>
#include <QWidget>

class frmBevorStart : public QWidget {
    Q_OBJECT
public:
    // picturePath: "start.jpg" when found, else empty (plain background).
    frmBevorStart(const QString& picturePath, const QString& osName, QWidget* parent = nullptr);

    void SetInfo(const QString& text);
    QString Info() const { return lblInfo_->text(); }
    bool HasPicture() const { return hasPicture_; }
    bool Waiting() const { return wait_.isActive(); }

signals:
    // Two seconds after the first showing; the screen has hidden itself.
    void Finished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* lblInfo_ = nullptr;
    QTimer wait_;
    bool hasPicture_ = false;
    bool shownOnce_ = false;
};

// The name of the running system.
QString GetOSName();
// The program's version as "major.minor.patch".
QString ProgramVersion();
