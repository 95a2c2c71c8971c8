#pragma once
// The properties panel picEigenschaften: the tool in use and the pages of
// its properties (orientation, gate inputs, complex components, IC, LED
// colour, selection, clock generator, decoder clock input), with the second
// delay control at its foot.
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "model/records.h"
#include "shell/side_panel.h"

class ClockPage;
class ClockTimerPort;
class GateInputsPage;
class ICPage;
class LedColourPage;
class QCheckBox;
class QLabel;
class QComboBox;
class QSlider;
class QString;
class QToolBar;
struct Circuit;

// What the properties panel shows and edits: the clock slots of the circuit
// and the editor's fields behind its pages.
struct PropertyFields {
    Circuit& circuit;
    const ToolCode& toolMode;
    const int16_t& selectedClock;
    int16_t& decoderClockInput;
    QString& gateInputsText;
    int32_t& ledColour;
};

// The caption (string id) and picture (by number) the panel shows for a tool;
// null for the transient states and quick help.
struct ToolShown {
    ToolCode tool;
    int caption;
    int picture;
};
const ToolShown* ShownFor(ToolCode tool);

class PropertiesPanel : public SidePanel {
    Q_OBJECT
public:
    // The orientation and clock toolbars move onto their pages.
    PropertiesPanel(const PropertyFields& fields, ClockTimerPort& timers, QToolBar* tlbOrientation, QToolBar* toolbar3,
                    QWidget* parent);

    QFrame* SSPanel2 = nullptr; // everything under the title, folded away with the panel
    QLabel* lblAllgemein2 = nullptr;
    QLabel* picSelected = nullptr; // the picture of the tool in use
    QLabel* lblAktElement = nullptr;
    QWidget* picOrientation = nullptr;
    QLabel* lblAllgemein10 = nullptr;
    GateInputsPage* picAnschluesse = nullptr;
    QWidget* picKomplex = nullptr;
    QLabel* lblAllgemein13 = nullptr;
    QComboBox* cmbKomplex = nullptr;
    ICPage* icPage = nullptr;             // picEigenschaft0
    LedColourPage* colourPage = nullptr;  // picEigenschaft1
    QWidget* selectionPage = nullptr;     // picEigenschaft2
    QLabel* lblAllgemein11 = nullptr;
    QLabel* lblSelElement = nullptr;
    QLabel* lblAllgemein12 = nullptr;
    QLabel* lblRahmen = nullptr;
    ClockPage* clockPage = nullptr;       // picEigenschaft3
    QWidget* decoderPage = nullptr;       // picEigenschaft4
    QCheckBox* chkTakteingang = nullptr;
    QLabel* lblAllgemein14 = nullptr;
    QLabel* lblDelay = nullptr;
    QSlider* sldDelay = nullptr;

    // Pages 0 to 4 by number.
    std::array<QWidget*, 5> Pages() const;
    // Every caption of the panel and its pages.
    std::vector<QLabel*> Captions() const;

    std::function<void(const QString& key, int index)> ShowQuickHelp;

    // The caption and picture of the tool in use.
    void ShowSelectedTool(ToolCode tool);
    // The pages for the parts of ChangePropertyWindow; `tool` decides the
    // complex page. The delay control goes back to its start. True when the
    // orientation page shows.
    bool ShowPages(const std::array<bool, 8>& parts, ToolCode tool);
    // The selection count and the frame size the select tool's page shows.
    void ShowSelection(const QString& count, const QString& frame);
    // Power-on: the clock generator's page alone, on its first tab; the
    // decoder's page stays as it is, under it.
    void ShowClockPage();
    // Back in edit mode: the clock page and its toolbar go.
    void HideClockPage();
    // The slider's label follows every move.
    void sldDelay_Scroll(int position);
    // The next decoder's clock input.
    void chkTakteingang_Click();
    // In quick help a press on the panel, a page (by number) or the tool's
    // caption explains the panel.
    void picEigenschaften_MouseDown();
    void picEigenschaft_MouseDown(int index);
    void lblAktElement_MouseDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Page(QWidget* page, const QString& name, int top, int height);
    void BuildSelectionPage();
    // Lays rows out from the page's top, each caption wrapping when it must.
    static void StackRows(QWidget* page, std::initializer_list<QWidget*> rows);
    void BuildDecoderPage();
    void BuildDelayFoot();

    const PropertyFields f_;
    QToolBar* tlbOrientation_;
};
