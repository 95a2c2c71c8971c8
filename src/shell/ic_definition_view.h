#pragma once
// The IC-definition view as the window shows it: the connector labels
// lblICAnschluß(i) on the worksheet and the IC file list lstIC. The IC window
// itself, with its fields and connector lines, comes with IC definition.
#include <QObject>
#include <QPointer>
#include <vector>

#include "model/ports/ic_view_port.h"

class QLabel;
class QListWidget;
class WorksheetPicture;
class clsGrafik;
struct ProgramState;

class ICDefinitionView : public QObject, public ICViewPort {
    Q_OBJECT
public:
    ICDefinitionView(ProgramState& s, clsGrafik& grafik, WorksheetPicture* picGrid, QListWidget* lstIC,
                     QObject* parent);

    // The pointer over connector label `index`: it is the connector being
    // named, and in the IC-definition view it lights up.
    void lblICAnschluss_MouseMove(int index);

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

    ProgramState& s_;
    clsGrafik& grafik_;
    WorksheetPicture* picGrid_;
    QListWidget* lstIC_;
    std::vector<QPointer<QLabel>> lblICAnschluss_;
};
