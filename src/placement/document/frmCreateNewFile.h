#pragma once
// The new-circuit dialog: choose a worksheet size, then start a new circuit.
#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct ProgramState;

class frmCreateNewFile : public QDialog {
    Q_OBJECT
public:
    // Disables the main window until one of the buttons closes the dialog.
    explicit frmCreateNewFile(ProgramState& s, QWidget* parent = nullptr);

    uint8_t SizeClass() const { return sizeClass_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void optSize_Click(int index);
    void txtWidth_Change();
    void txtHeight_Change();
    void cmdCreate_Click();

    ProgramState& s_;
    uint8_t sizeClass_ = 2;
    bool activated_ = false;
    std::array<QRadioButton*, 4> optSize_{};
    std::array<QLabel*, 3> lblDescription_{};
    QLabel* lblHeading_ = nullptr;
    QLabel* lblWidth_ = nullptr;
    QLabel* lblHeight_ = nullptr;
    QLineEdit* txtWidth_ = nullptr;
    QLineEdit* txtHeight_ = nullptr;
    QPushButton* cmdCreate_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
