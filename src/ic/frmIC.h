#pragma once
// The IC editor window: the outline of the IC being defined on a dotted
// raster, its width and height, name and notes, the connector labels the
// user drags onto the outline's sides, and the Save and Close commands.
// It stands beside the main window for the whole IC-definition view.
#include <QLineF>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "ic/ic_save.h"

class ICDrawing;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;
class UserDialogs;
struct Circuit;

class frmIC : public QWidget {
    Q_OBJECT
public:
    // circuit: the worksheet's, whose IC definition the window edits.
    // connectorIndex: the connector being dragged onto the outline, shared
    // with the worksheet's connector labels. save: writes the definition
    // under the given name and reports the outcome.
    using SaveFn = std::function<SaveICOutcome(const QString& name)>;
    frmIC(Circuit& circuit, int16_t& connectorIndex, SaveFn save, UserDialogs& dialogs, QWidget* parent);
    ~frmIC() override;

    double ICViewScale = 8;
    // Where the find-next-connector search resumes.
    int16_t NextX = 0;
    int16_t NextY = 0;

    // What the main window does for this window.
    std::function<void()> Closing;                  // the view ends (Close, the title bar, a save)
    std::function<void(int index)> RemoveConnector; // a right click on a connector's label
    std::function<void(int index)> PointAt;         // the pointer over a connector's label
    std::function<void()> PointAway;                // the pointer over the drawing
    std::function<void()> Saved;                    // an IC file was written
    std::function<void()> NameTaken;                // a name was taken from the name box

    // Each time the window becomes active: the fields from the IC being defined, all redrawn.
    void Form_Activate();
    // The name, width and height boxes, as an opened IC definition fills them.
    void SetFields(const QString& name, const QString& width, const QString& height);
    // Empty boxes, the size fields enabled: the view has ended.
    void ResetFields();
    // The connector labels and pin lines from the connector lists, at the
    // current scale: for an IC opened for editing, and after every change.
    void ShowInOut();
    // The same after a zoom.
    void DrawAnschluesse();
    void DrawRaster(bool withRaster);
    // Connector k's pin line on the outline; nothing while it is unplaced.
    std::optional<QLineF> linInOut(int k) const;
    // The size fields are enabled exactly while no connector is placed.
    void CheckInOut();
    void DrawIC();
    void ShowICName();

    // A connector dragged over the drawing (number, pointer in drawing units).
    void picIC_DragOver(int index, QPointF at);
    void lblInOut_MouseDown(int index, Qt::MouseButton button);
    void lblInOut_MouseMove(int index);
    void scrScale_Change(int value);
    void cmdX_UpClick();
    void cmdX_DownClick();
    void cmdY_UpClick();
    void cmdY_DownClick();
    void txtX_Change(const QString& text);
    void txtY_Change(const QString& text);
    void txtX_LostFocus();
    void txtY_LostFocus();
    void txtName_Change(const QString& text);
    void txtNotizen_LostFocus();
    SaveICOutcome cmdSpeichern_Click();
    void cmdSchliessen_Click();

    // Connector k's name label; nothing when it does not exist.
    QLabel* lblInOut(int k) const;

    ICDrawing* picIC = nullptr;
    QFrame* picICFrame = nullptr;
    QLabel* lblName = nullptr;
    QScrollBar* scrScale = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtX = nullptr;
    // An up-down control: two arrow buttons.
    struct UpDown {
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
    };
    UpDown cmdX;
    QLabel* Label3 = nullptr;
    QLineEdit* txtY = nullptr;
    UpDown cmdY;
    QLabel* Label5 = nullptr;
    QLineEdit* txtNotizen = nullptr;
    QPushButton* cmdSpeichern = nullptr;
    QPushButton* cmdSchliessen = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildDrawing();
    void ConnectControls();
    void ResizePicIC();
    void CentreDrawing();
    void SizeChanged();
    QLabel* MakeLabel(int k);

    Circuit& circuit_;
    int16_t& connectorIndex_;
    SaveFn save_;
    UserDialogs& dialogs_;
    std::vector<QPointer<QLabel>> lblInOut_;
    QPoint panStart_;
    bool closing_ = false;
};
