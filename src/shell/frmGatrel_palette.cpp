// The component palette Toolbar2 and the Components menu: choosing a tool,
// the complex components' box, and which components the permissions offer.
#include "shell/frmGatrel.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QToolBar>

#include "model/components.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "shell/ic_definition_view.h"
#include "shell/properties_panel.h"

namespace {

// Components menu separators.
constexpr int kComponentSeparators[] = {6, 10, 14, 17, 24};

// The palette: key, tool code, the Components menu item that gets the check
// mark (0 none).
struct PaletteEntry {
    const char* key;
    ToolCode tool;
    int menuItem;
};
constexpr PaletteEntry kPalette[] = {
    {"cmdSelect", ToolCode::Select, 0},
    {"cmdLeitungen", ToolCode::Conductor, 1},
    {"cmdDiode", ToolCode::LED, 7},
    {"cmdSchalter", ToolCode::Switch, 8},
    {"cmdInverter", ToolCode::Inverter, 9},
    {"cmdVerbindungspunkt", ToolCode::Juncture, 2},
    {"cmdKoppeldiode", ToolCode::CouplingDiode, 3},
    {"cmdNegationspunkt", ToolCode::NegationMarker, 4},
    {"cmdAnalysepunkt", ToolCode::AnalysisSensor, 5},
    {"cmdUND", ToolCode::AND, 11},
    {"cmdODER", ToolCode::OR, 12},
    {"cmdXODER", ToolCode::XOR, 13},
    {"cmdHA", ToolCode::HalfAdder, 15},
    {"cmdVA", ToolCode::FullAdder, 16},
    {"cmdTriState", ToolCode::TriState, 0},
    {"cmdDecoder", ToolCode::Decoder, 20},
    {"cmdText", ToolCode::TextLabel, 0},
};

// The property pages of a placing tool, in ChangePropertyWindow's order: the
// orientation for a kind that turns, the gate-inputs box for a kind whose
// input count it chooses, the select tool's selection, the LED's colour, the
// text tool's part, the orientation again (only stored) and the decoder's
// clock input.
std::array<bool, 8> PropertyParts(ToolCode tool)
{
    const ComponentRow& c = Component(PlacedType(tool));
    return {c.turns, c.pins.inputsBy == InputsBy::GateBox, tool == ToolCode::Select, false,
            tool == ToolCode::LED, tool == ToolCode::TextLabel, c.turns, tool == ToolCode::Decoder};
}

// The complex components' box keeps the orientation page for each of its
// kinds; the toolbar on it is disabled for the one that does not turn.
constexpr std::array<bool, 8> kComplexParts = {true, false, false, false, false, false, true, false};

// Complex components: entry text id, tool code, menu item, ElementEnable index.
struct ComplexEntry {
    int textId;
    ToolCode tool;
    int menuItem;
    int enableIndex;
};
constexpr ComplexEntry kComplex[] = {
    {2560, ToolCode::FlipFlop, 18, 6},      {2561, ToolCode::Multiplexer, 19, 7},
    {2562, ToolCode::ShiftRegister, 22, 10}, {2563, ToolCode::ClockGenerator, 21, 9},
    {2564, ToolCode::SevenSegment, 23, 11},
};

// ElementEnable index -> element type code.
constexpr uint8_t kEnableKind[14] = {
    ElementType::Inverter,    ElementType::AND,           ElementType::OR,           ElementType::XOR,
    ElementType::HalfAdder,   ElementType::FullAdder,     ElementType::FlipFlop,     ElementType::Multiplexer,
    ElementType::Decoder,     ElementType::ClockGenerator, ElementType::ShiftRegister, ElementType::SevenSegment,
    ElementType::AnalysisSensor, ElementType::IC};

// Components menu item -> palette key (complex items go through cmbKomplex).
struct MenuTool {
    int item;
    const char* key;
    int complexTextId;
};
constexpr MenuTool kMenuTools[] = {
    {1, "cmdLeitungen", 0},  {2, "cmdVerbindungspunkt", 0}, {3, "cmdKoppeldiode", 0}, {4, "cmdNegationspunkt", 0},
    {5, "cmdAnalysepunkt", 0}, {7, "cmdDiode", 0},         {8, "cmdSchalter", 0},    {9, "cmdInverter", 0},
    {11, "cmdUND", 0},       {12, "cmdODER", 0},           {13, "cmdXODER", 0},      {15, "cmdHA", 0},
    {16, "cmdVA", 0},        {18, "cmdKomplex", 2560},     {19, "cmdKomplex", 2561}, {20, "cmdDecoder", 0},
    {21, "cmdKomplex", 2563}, {22, "cmdKomplex", 2562},    {23, "cmdKomplex", 2564}, {25, "cmdIC", 0},
};

} // namespace

int frmGatrel::ICFileCount() const
{
    return lstIC_->count();
}

void frmGatrel::Toolbar2_ButtonClick(const QString& key)
{
    QAction* clicked = ToolbarButton(QStringLiteral("Toolbar2"), key);
    if (!clicked)
        return;
    icView_->RefreshICFileLists();
    const bool icAvailable = s_.settings.ElementEnable[13] != 0 && ICFileCount() > 0;
    QAction* cmdIC = ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdIC"));
    QAction* icItem = MenuItem(QStringLiteral("mBauteil"), 25);
    cmdIC->setEnabled(icAvailable);
    icItem->setEnabled(icAvailable);
    if (icAvailable)
        icItem->setVisible(true);

    if (s_.ToolMode == ToolCode::QuickHelp) {
        clicked->setChecked(false);
        ShowQuickHelp(key, 0);
        return;
    }
    // An open label box is committed before the tool changes.
    CommitLabelEdit();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions())
        if (a != clicked)
            a->setChecked(false);
    clicked->setChecked(true);
    CheckComponentMenuOnly(0);

    QCheckBox* chkTakteingang = propertiesPanel_->chkTakteingang;
    const auto entry = std::find_if(std::begin(kPalette), std::end(kPalette),
                                    [&](const PaletteEntry& p) { return key == QLatin1String(p.key); });
    if (entry != std::end(kPalette)) {
        if (key == QLatin1String("cmdDecoder"))
            s_.DecoderClockInput = VbBool(chkTakteingang->isChecked());
        s_.ToolMode = entry->tool;
        ChangePropertyWindow(PropertyParts(entry->tool));
        if (entry->menuItem != 0)
            MenuItem(QStringLiteral("mBauteil"), entry->menuItem)->setChecked(true);
    } else if (key == QLatin1String("cmdKomplex")) {
        QComboBox* box = propertiesPanel_->cmbKomplex;
        if (box->currentIndex() < 0 && box->count() > 0)
            box->setCurrentIndex(0);
        else
            SelectKomplexElement();
        ChangePropertyWindow(kComplexParts);
    } else if (key == QLatin1String("cmdDecoderT")) {
        // The decoder with its clock input ticked.
        chkTakteingang->setChecked(true);
        s_.DecoderClockInput = kTrue;
        s_.ToolMode = ToolCode::Decoder;
        ChangePropertyWindow(PropertyParts(ToolCode::Decoder));
        MenuItem(QStringLiteral("mBauteil"), 20)->setChecked(true);
    } else if (key == QLatin1String("cmdIC")) {
        if (ICFileCount() > 0) {
            // The tool first: refilling the chooser then makes its IC the one to place.
            s_.ToolMode = ToolCode::IC;
            ShowICNames();
            if (!s_.circuit.ICName.isEmpty() && s_.circuit.ICName != QLatin1String("<Name>"))
                ChangePropertyWindow({false, false, false, true, false, false, false, false});
            icItem->setChecked(true);
        }
    }

    SetOrientationToolbarEnabled(!OrientationFixed(s_.ToolMode));
    ChangeSelPicture(s_.ToolMode);
}

void frmGatrel::SelectKomplexElement()
{
    // Each entry carries its text id; the design-time entry carries none.
    const int textId = propertiesPanel_->cmbKomplex->currentData().toInt();
    for (const ComplexEntry& c : kComplex) {
        if (textId == c.textId) {
            s_.ToolMode = c.tool;
            PressToolButton(QStringLiteral("cmdKomplex"), -1);
            CheckComponentMenuOnly(c.menuItem);
            ChangeSelPicture(c.tool);
            SetOrientationToolbarEnabled(!OrientationFixed(c.tool));
            return;
        }
    }
}

void frmGatrel::mBauteil_Click(int index)
{
    MenueClick(index);
}

void frmGatrel::MenueClick(int index)
{
    const auto m = std::find_if(std::begin(kMenuTools), std::end(kMenuTools),
                                [index](const MenuTool& t) { return t.item == index; });
    if (m == std::end(kMenuTools))
        return;
    if (m->complexTextId != 0) {
        QComboBox* box = propertiesPanel_->cmbKomplex;
        const int at = box->findData(m->complexTextId);
        if (at < 0)
            return;
        const bool was = comboClickSuppressed_;
        comboClickSuppressed_ = true;
        box->setCurrentIndex(at);
        comboClickSuppressed_ = was;
    }
    Toolbar2_ButtonClick(QString::fromLatin1(m->key));
}

void frmGatrel::AddComboItem(int textId, bool enabled)
{
    QComboBox* box = propertiesPanel_->cmbKomplex;
    const bool was = comboClickSuppressed_;
    comboClickSuppressed_ = true;
    const int at = box->findData(textId);
    if (enabled && at < 0)
        box->addItem(LoadResString(textId), textId);
    else if (!enabled && at >= 0)
        box->removeItem(at);
    if (box->count() > 0)
        box->setCurrentIndex(0);
    comboClickSuppressed_ = was;
}

void frmGatrel::SetElementButton(int kind, bool enabled)
{
    auto item = [this](int i) { return MenuItem(QStringLiteral("mBauteil"), i); };
    auto button = [this](const char* key) { return ToolbarButton(QStringLiteral("Toolbar2"), QString::fromLatin1(key)); };
    struct Simple {
        int kind;
        int menu;
        const char* key;
    };
    using namespace ElementType;
    static constexpr Simple kSimple[] = {{Inverter, 9, "cmdInverter"}, {AND, 11, "cmdUND"},    {OR, 12, "cmdODER"},
                                         {XOR, 13, "cmdXODER"},        {HalfAdder, 15, "cmdHA"}, {FullAdder, 16, "cmdVA"},
                                         {AnalysisSensor, 5, "cmdAnalysepunkt"}};
    for (const Simple& sm : kSimple) {
        if (sm.kind == kind) {
            item(sm.menu)->setVisible(enabled);
            button(sm.key)->setEnabled(enabled);
        }
    }
    if (kind == Decoder) {
        item(20)->setVisible(enabled);
        button("cmdDecoder")->setEnabled(enabled);
        button("cmdDecoderT")->setEnabled(enabled);
    }
    for (const ComplexEntry& c : kComplex) {
        if (PlacedType(c.tool) == kind) {
            item(c.menuItem)->setVisible(enabled);
            AddComboItem(c.textId, enabled);
        }
    }
    if (kind == IC) {
        if (!enabled || ICFileCount() == 0) {
            item(25)->setEnabled(false);
            button("cmdIC")->setEnabled(false);
        } else {
            item(25)->setVisible(true);
            button("cmdIC")->setEnabled(true);
        }
    }
    // A separator shows exactly when the item after it shows.
    for (int k : kComponentSeparators)
        if (QAction* next = item(k + 1); next && separators_[static_cast<size_t>(k)])
            separators_[static_cast<size_t>(k)]->setVisible(next->isVisible());
}

void frmGatrel::SetElementButtons()
{
    const auto& on = s_.settings.ElementEnable;
    const bool anyComplex = on[6] || on[7] || on[9] || on[10] || on[11];
    ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdKomplex"))->setEnabled(anyComplex);
    if (!anyComplex)
        for (int i : {18, 19, 21, 22, 23})
            MenuItem(QStringLiteral("mBauteil"), i)->setVisible(false);
    for (int i = 0; i < 14; ++i) {
        const bool complex = i == 6 || i == 7 || i == 9 || i == 10 || i == 11;
        if (complex && !anyComplex)
            continue;
        SetElementButton(kEnableKind[i], on[static_cast<size_t>(i)] != 0);
    }
    if (!anyComplex && separators_[17])
        separators_[17]->setVisible(false);
}
