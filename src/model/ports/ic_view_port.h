#pragma once
// The IC-definition view: the connector labels on the worksheet, the IC
// window's fields and connector lines, and the IC file lists.
#include <QString>
#include <cstdint>

class ICViewPort {
public:
    virtual ~ICViewPort() = default;
    virtual void ShowICView() = 0; // enters the IC-definition view
    virtual void ResetICWindow() = 0; // frmIC labels and lines, name "IC-Neu"
    virtual void SetICWindowFields(const QString& name, const QString& width, const QString& height) = 0;
    virtual void ShowInOut() = 0; // frmIC lays out its connector labels
    // Connector i of a loaded IC definition: lblICAnschluss(i) shows "[" name "]";
    // the IC window's line and label i get the name and the tag.
    virtual void AddICConnectorLabel(int index, const QString& name, const QString& tag) = 0;
    virtual void LoadICConnectorLabel(int index, const QString& caption) = 0; // lblICAnschluss(index)
    virtual void UnloadICConnectorLabels() = 0;                               // lblICAnschluss(1..)
    // Places and shows the worksheet label of the IC connector at cell (x, y).
    virtual void ShowICInOut(int16_t x, int16_t y) = 0;
    virtual void HideICConnectorLabels() = 0;      // every lblICAnschluss(i)
    virtual void ShowNamedICConnectorLabels() = 0; // those whose caption is not "#Input#"
    virtual void RefreshICFileLists() = 0; // lstIC and the IC manager's file list re-read the IC directory
};
