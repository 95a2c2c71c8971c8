#pragma once
// The IC-definition view as the window shows it: the connector labels
// lblICAnschluß(i) on the worksheet, which the user drags into the IC
// window, and the IC file list lstIC. Entering the view and the IC window's
// fields belong to the view's controller, which fills in the hooks.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/ports/ic_view_port.h"
#include "model/records.h"

class QLabel;
class QListWidget;
class WorksheetPicture;
class clsGrafik;
struct CircuitRun;
struct Ports;
struct SheetScale;

// What the view reads and sets: the connectors and the cells their labels
// stand on (with the power flag), the zoom, the tool, the connector being
// named, the status bar, and the IC directory the file list shows.
struct ICViewFields {
    const CircuitRun& run;
    const SheetScale& scale;
    const ToolCode& toolMode;
    int16_t& icPinIndex;
    const Ports& ports;
    const QString& icDirectory;
};

class ICDefinitionView : public QObject, public ICViewPort {
    Q_OBJECT
public:
    ICDefinitionView(const ICViewFields& fields, clsGrafik& grafik, WorksheetPicture* picGrid, QListWidget* lstIC,
                     QObject* parent);

    // The pointer over connector label `index`: it is the connector being
    // named, and in the IC-definition view it lights up.
    void lblICAnschluss_MouseMove(int index);
    // Every connector label back to black on white.
    void ClearHighlight();
    // A connector label dropped on a worksheet label only earns a hint.
    void lblICAnschluss_DragDrop();

    // Places and shows label `index` beside the conductor end (x, y), on the
    // side away from the conductor.
    void PlaceConnectorLabel(int index, int16_t x, int16_t y);
    QString ConnectorCaption(int index) const;
    void SetConnectorToolTip(int index, const QString& tip);
    void UnloadConnectorLabel(int index);
    // The labels from the connector list, after connectors moved down by one.
    void RefreshConnectorLabels();

    // What the view's controller does for the port.
    struct Hooks {
        std::function<void()> showICView;
        std::function<void()> resetICWindow;
        std::function<void(const QString&, const QString&, const QString&)> setICWindowFields;
        std::function<void()> showInOut;
    } hooks;

    // ICViewPort
    void ShowICView() override;
    void ResetICWindow() override;
    void SetICWindowFields(const QString& name, const QString& width, const QString& height) override;
    void ShowInOut() override;
    void AddICConnectorLabel(int index, const QString& name, const QString& tag) override;
    void LoadICConnectorLabel(int index, const QString& caption) override;
    void UnloadICConnectorLabels() override;
    void ShowICInOut(int16_t x, int16_t y) override;
    void HideICConnectorLabels() override;
    void ShowNamedICConnectorLabels() override;
    void RefreshICFileLists() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Label `index`, made when it does not exist yet.
    QLabel* ConnectorLabel(int index);

    const ICViewFields f_;
    clsGrafik& grafik_;
    WorksheetPicture* picGrid_;
    QListWidget* lstIC_;
    std::vector<QPointer<QLabel>> lblICAnschluss_;
    int dragIndex_ = 0;
    QPoint dragStart_;
};
