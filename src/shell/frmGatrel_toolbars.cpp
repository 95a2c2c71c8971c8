// The main window's toolbars, their buttons built from one table, and what
// the main, clock, orientation and zoom toolbars do.
#include "shell/frmGatrel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QToolBar>
#include <QToolButton>

#include "model/state.h"
#include "platform/guard.h"
#include "platform/string_table.h"
#include "editing/engine_binding.h"
#include "render/toolbar_icons.h"
#include "shell/simulation_bar.h"

// One button of a toolbar, in order; a row without a key is a separator.
struct ToolbarRow {
    const char* toolbar;
    const char* key;
    int tooltipId;       // the string of its tooltip and, until it has a caption, its text
    const char* caption; // a fixed text; nullptr: the tooltip's string
    uint8_t flags;
    void (frmGatrel::*click)(const QString& key);
};

namespace {

enum : uint8_t { kCheckable = 1, kDisabled = 2 };

using W = frmGatrel;

const ToolbarRow kToolbarRows[] = {
    {"Toolbar", "cmdNew", 2800, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdOpen", 2801, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdSave", 2802, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPrint", 2803, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdCut", 2804, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdCopy", 2805, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPaste", 2806, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", nullptr, 0, nullptr, 0, nullptr},
    {"Toolbar", "cmdUndo", 2807, nullptr, kDisabled, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdUndoList", 2808, nullptr, kDisabled, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdSynthese", 2809, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdTabelle", 2810, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdICView", 2811, nullptr, kCheckable | kDisabled, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdICAuswahl", 2812, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdEinstellungen", 2813, nullptr, 0, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdRaster", 2814, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPanel0", 2815, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPanel1", 2816, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPanel2", 2817, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPanel3", 2818, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPanel4", 2819, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdPanel5", 2820, nullptr, kCheckable, &W::Toolbar_ButtonClick},
    {"Toolbar", "cmdQuickHelp", 2821, nullptr, kCheckable, &W::Toolbar_ButtonClick},

    // The component palette: one button pressed at most, numbered from 1.
    {"Toolbar2", "cmdSelect", 2822, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdText", 2823, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdLeitungen", 2824, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdDiode", 2825, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdSchalter", 2826, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdInverter", 2827, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdVerbindungspunkt", 2828, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdKoppeldiode", 2829, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdNegationspunkt", 2830, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdAnalysepunkt", 2831, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdUND", 2832, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdODER", 2833, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdXODER", 2834, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdHA", 2835, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdVA", 2836, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdTriState", 2837, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdDecoder", 2838, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdDecoderT", 2839, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdKomplex", 2840, nullptr, kCheckable, &W::Toolbar2_ButtonClick},
    {"Toolbar2", "cmdIC", 2841, nullptr, kCheckable, &W::Toolbar2_ButtonClick},

    {"tlbOrientation", "cmdRechts", 0, "\u2192", kCheckable, &W::tlbOrientation_ButtonClick},
    {"tlbOrientation", "cmdLinks", 0, "\u2190", kCheckable, &W::tlbOrientation_ButtonClick},
    {"tlbOrientation", "cmdOben", 0, "\u2191", kCheckable, &W::tlbOrientation_ButtonClick},
    {"tlbOrientation", "cmdUnten", 0, "\u2193", kCheckable, &W::tlbOrientation_ButtonClick},

    {"Toolbar3", "cmdDauertakt", 2842, nullptr, kDisabled, &W::Toolbar3_ButtonClick},
    {"Toolbar3", "cmdEinzeltakt", 2843, nullptr, kDisabled, &W::Toolbar3_ButtonClick},
    {"Toolbar3", "cmdStop", 2844, nullptr, kDisabled, &W::Toolbar3_ButtonClick},
    {"Toolbar3", "cmdFullStop", 2845, nullptr, kDisabled, &W::Toolbar3_ButtonClick},

    {"tlbZoom", "cmdZoom100", 2846, "1:1", 0, &W::tlbZoom_ButtonClick},
    {"tlbZoom", "cmdZoomFull", 2847, "[ ]", 0, &W::tlbZoom_ButtonClick},
    {"tlbZoom", "cmdZoomHeight", 2848, "|", 0, &W::tlbZoom_ButtonClick},
    {"tlbZoom", "cmdZoomWidth", 2849, "\u2194", 0, &W::tlbZoom_ButtonClick},
    {"tlbZoomInOut", "cmdZoomIn", 2850, "+", 0, &W::tlbZoomInOut_ButtonClick},
    {"tlbZoomInOut", "cmdZoomOut", 2851, "\u2212", 0, &W::tlbZoomInOut_ButtonClick},
};

// The orientation each key of tlbOrientation gives the next component.
Orientation OrientationOf(const QString& key)
{
    static constexpr std::pair<const char*, Orientation> kOrientation[] = {{"cmdRechts", Orientation::Right},
                                                                           {"cmdLinks", Orientation::Left},
                                                                           {"cmdOben", Orientation::Up},
                                                                           {"cmdUnten", Orientation::Down}};
    for (auto [k, code] : kOrientation)
        if (key == QLatin1String(k))
            return code;
    return Orientation::Right;
}

} // namespace

void frmGatrel::BuildToolbars()
{
    auto makeBar = [this](const QString& name) {
        auto* bar = new QToolBar(name, this);
        bar->setObjectName(name);
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setIconSize(QSize(24, 24));
        toolbars_[name] = bar;
        return bar;
    };
    addToolBar(Qt::TopToolBarArea, makeBar(QStringLiteral("Toolbar")));
    BuildToolbarButtons(QStringLiteral("Toolbar"));
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, makeBar(QStringLiteral("Toolbar2")));
    toolGroup_ = new QActionGroup(this);
    toolGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    BuildToolbarButtons(QStringLiteral("Toolbar2"));

    // While the power is on the simulation bar stands where the palette was.
    QToolBar* onOffBar = makeBar(QStringLiteral("OnOffBar"));
    addToolBar(Qt::TopToolBarArea, onOffBar);
    simulationBar_ = new SimulationBar(EngineOf(s_, engine_), dialogs_, onOffBar);
    onOffBar->addWidget(simulationBar_);
    onOffBar->setVisible(false);

    // Shown on its page of the properties panel, as is the clock toolbar.
    makeBar(QStringLiteral("tlbOrientation"))->setOrientation(Qt::Horizontal);
    orientationGroup_ = new QActionGroup(this);
    BuildToolbarButtons(QStringLiteral("tlbOrientation"));
    makeBar(QStringLiteral("Toolbar3"));
    BuildToolbarButtons(QStringLiteral("Toolbar3"));
}

void frmGatrel::BuildToolbarButtons(const QString& toolbar)
{
    int paletteIndex = 1;
    for (const ToolbarRow& row : kToolbarRows) {
        if (toolbar != QLatin1String(row.toolbar))
            continue;
        QAction* a = AddToolbarButton(row);
        if (!a)
            continue;
        if (toolbar == QLatin1String("Toolbar2")) {
            a->setProperty("Index", paletteIndex++);
            toolGroup_->addAction(a);
            connect(a, &QAction::toggled, this, [this] { RecordPressedTool(); });
        } else if (toolbar == QLatin1String("tlbOrientation")) {
            a->setChecked(OrientationOf(a->objectName()) == s_.PlaceOrientation);
            orientationGroup_->addAction(a);
        }
    }
}

QAction* frmGatrel::AddToolbarButton(const ToolbarRow& row)
{
    QToolBar* bar = Toolbar(QString::fromLatin1(row.toolbar));
    if (!row.key) {
        bar->addSeparator();
        return nullptr;
    }
    const QString key = QString::fromLatin1(row.key);
    QAction* a = bar->addAction(row.caption ? QString::fromUtf8(row.caption) : LoadResString(row.tooltipId));
    a->setObjectName(key);
    a->setIcon(ToolbarIcon(bar->objectName(), key));
    // The design-time tooltip; the texts replace it where the table has one.
    a->setToolTip(QStringLiteral("Button"));
    if (row.flags & kCheckable)
        a->setCheckable(true);
    if (row.flags & kDisabled)
        a->setEnabled(false);
    toolbarButtons_[bar->objectName()][key] = a;
    const auto click = row.click;
    connect(a, &QAction::triggered, this, GuardedSlot(dialogs_, key, [this, click, key] { (this->*click)(key); }));
    return a;
}

void frmGatrel::RecordPressedTool()
{
    s_.PressedToolKey.clear();
    s_.PressedToolIndex = 0;
    for (QAction* a : Toolbar(QStringLiteral("Toolbar2"))->actions()) {
        if (a->isChecked()) {
            s_.PressedToolKey = a->objectName();
            s_.PressedToolIndex = a->property("Index").toInt();
            return;
        }
    }
}

QAction* frmGatrel::ToolbarButton(const QString& toolbar, const QString& key) const
{
    return toolbarButtons_.value(toolbar).value(key, nullptr);
}

QToolBar* frmGatrel::Toolbar(const QString& name) const
{
    return toolbars_.value(name, nullptr);
}

void frmGatrel::ChangeToolbarStyle()
{
    // Buttons without a raised frame until the pointer is over them.
    for (const QString& name : {QStringLiteral("Toolbar"), QStringLiteral("Toolbar2"), QStringLiteral("tlbOrientation"),
                                QStringLiteral("Toolbar3"), QStringLiteral("tlbZoom"), QStringLiteral("tlbZoomInOut")}) {
        QToolBar* bar = Toolbar(name);
        if (!bar)
            continue;
        bar->setProperty("flat", true);
        for (QAction* a : bar->actions())
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
                button->setAutoRaise(true);
        bar->update();
    }
}

void frmGatrel::Toolbar_ButtonClick(const QString& key)
{
    QAction* button = ToolbarButton(QStringLiteral("Toolbar"), key);
    if (!button)
        return;
    const bool pressed = button->isChecked();
    if (key == QLatin1String("cmdQuickHelp") && !pressed && quickHelpActive_) {
        LeaveQuickHelp();
        return;
    }
    if (s_.ToolMode == ToolCode::QuickHelp) {
        if (key.startsWith(QLatin1String("cmdPanel")) && key != QLatin1String("cmdPanel5"))
            ResizeProperties(false);
        else if (key == QLatin1String("cmdPanel5"))
            button->setChecked(s_.FormelPanelOpen);
        else if (button->isCheckable() && key != QLatin1String("cmdQuickHelp"))
            button->setChecked(!pressed); // the click explains, it does not switch
        ShowQuickHelp(key, 0);
        return;
    }
    // An open label box is committed before any command runs.
    CommitLabelEdit();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (key == QLatin1String("cmdQuickHelp")) {
        if (pressed)
            EnterQuickHelp();
    } else if (key == QLatin1String("cmdNew")) {
        mNeu_Click();
    } else if (key == QLatin1String("cmdOpen")) {
        mOpen_Click();
    } else if (key == QLatin1String("cmdSave")) {
        mSave_Click();
    } else if (key == QLatin1String("cmdUndo")) {
        mUndo_Click();
    } else if (key == QLatin1String("cmdUndoList")) {
        mUndoList_Click();
    } else if (key == QLatin1String("cmdPrint")) {
        mPrint_Click();
    } else if (key == QLatin1String("cmdSynthese")) {
        OpenBooleanTools(0);
    } else if (key == QLatin1String("cmdTabelle")) {
        OpenBooleanTools(1);
    } else if (key == QLatin1String("cmdICAuswahl")) {
        ShowICManager(pressed);
        Menu(QStringLiteral("mICAuswahl"))->setChecked(pressed);
    } else if (key == QLatin1String("cmdEinstellungen")) {
        mOptionen_Click();
    } else if (key == QLatin1String("cmdRaster")) {
        SetShowGrid(pressed);
    } else if (key.startsWith(QLatin1String("cmdPanel")) && key != QLatin1String("cmdPanel5")) {
        const int i = key.mid(8).toInt();
        int16_t& state = s_.settings.PanelVisible[static_cast<size_t>(i)];
        state = state == 0 ? kTrue : kFalse;
        if (state != 0)
            ReopenPanel(i);
        ResizeProperties(false);
    } else if (key == QLatin1String("cmdPanel5")) {
        if (!s_.FormelPanelOpen) {
            button->setChecked(true);
            DisplayEingabezeile();
            MenuItem(QStringLiteral("mPanel"), 5)->setChecked(true);
        } else {
            button->setChecked(false);
            CloseFormelPanel();
        }
    }
}

void frmGatrel::Toolbar3_ButtonClick(const QString& key)
{
    ::Toolbar3_ButtonClick(EngineOf(s_, engine_), key);
}

void frmGatrel::tlbOrientation_ButtonClick(const QString& key)
{
    s_.PlaceOrientation = OrientationOf(key);
}

void frmGatrel::tlbZoom_ButtonClick(const QString& key)
{
    static const char* const kKeys[] = {"cmdZoom100", "cmdZoomFull", "cmdZoomHeight", "cmdZoomWidth"};
    for (int i = 0; i < 4; ++i)
        if (key == QLatin1String(kKeys[i]))
            mZoom_Click(i);
}

void frmGatrel::tlbZoomInOut_ButtonClick(const QString& key)
{
    StepZoom(key);
}
