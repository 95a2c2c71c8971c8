#include "shell/properties_panel.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/state.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "render/toolbar_icons.h"
#include "shell/clock_page.h"
#include "shell/delay_setting.h"
#include "shell/gate_inputs_page.h"
#include "shell/ic_page.h"
#include "shell/led_colour_page.h"
#include "shell/main_window_texts.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"

namespace {

constexpr int kPageTop = 38;

// The pictures of the tool display by number (the gaps are pictures no tool
// shows): each is the picture of a button that offers the tool; the
// tri-state gate shows the AND gate's.
struct ListImage {
    int index;
    const char* toolbar;
    const char* key;
};
constexpr ListImage ImageList2[] = {
    {1, "Toolbar2", "cmdAnalysepunkt"},    {2, "Toolbar2", "cmdDiode"},      {4, "frmOptions", "imgBauteil6"},
    {5, "Toolbar2", "cmdHA"},              {7, "Toolbar2", "cmdInverter"},   {8, "Toolbar2", "cmdKoppeldiode"},
    {9, "Toolbar2", "cmdLeitungen"},       {11, "frmOptions", "imgBauteil7"}, {12, "Toolbar2", "cmdNegationspunkt"},
    {13, "Toolbar2", "cmdODER"},           {14, "Toolbar2", "cmdSelect"},    {15, "Toolbar2", "cmdSchalter"},
    {17, "frmOptions", "imgBauteil10"},    {19, "Toolbar3", "cmdDauertakt"}, {20, "Toolbar2", "cmdText"},
    {21, "Toolbar2", "cmdUND"},            {22, "Toolbar2", "cmdVerbindungspunkt"}, {23, "Toolbar2", "cmdXODER"},
    {25, "frmOptions", "imgBauteil11"},    {26, "Toolbar2", "cmdVA"},        {27, "Toolbar2", "cmdDecoder"},
    {28, "Toolbar2", "cmdIC"},             {29, "Toolbar", "cmdPanel0"},
};

QPixmap ListPicture(int index)
{
    for (const ListImage& image : ImageList2)
        if (image.index == index)
            return ToolbarIcon(QLatin1String(image.toolbar), QLatin1String(image.key)).pixmap(16, 16);
    return QPixmap();
}

void SetVisibleIfDifferent(QWidget* w, bool visible)
{
    if (w->isHidden() == visible)
        w->setVisible(visible);
}

} // namespace

PropertiesPanel::PropertiesPanel(const PropertyFields& fields, ClockTimerPort& timers, QToolBar* tlbOrientation,
                                 QToolBar* toolbar3, QWidget* parent)
    : SidePanel(1, PlainCaption(LoadResString(2428)), QString(), parent), f_(fields), tlbOrientation_(tlbOrientation)
{
    const int w = Px(kPanelWidth);
    const int pw = kPageWidth;
    SSPanel2 = new QFrame(this);
    SSPanel2->setObjectName(QStringLiteral("SSPanel2"));
    SSPanel2->setGeometry(2, kTitleHeight + 2, w - 4, Px(kPanelHeights[1]) - kTitleHeight - 4);
    lblAllgemein2 = MakeLabel(QStringLiteral("lblAllgemein2"), DesignPlaceholder(2510), SSPanel2, 2, 2, w - 8, 16);
    picSelected = MakeLabel(QStringLiteral("picSelected"), QString(), SSPanel2, 2, 18, 16, 16);
    lblAktElement = MakeLabel(QStringLiteral("lblAktElement"), QString(), SSPanel2, 22, 18, w - 28, 16);
    QFont bold = lblAktElement->font();
    bold.setBold(true);
    lblAktElement->setFont(bold);

    picOrientation = Page(new QWidget(SSPanel2), QStringLiteral("picOrientation"), kPageTop, 44);
    lblAllgemein10 = MakeLabel(QStringLiteral("lblAllgemein10"), DesignPlaceholder(2547), picOrientation, 0, 0, pw, 16);
    tlbOrientation_->setParent(picOrientation);
    tlbOrientation_->setGeometry(0, 17, pw, 26);
    tlbOrientation_->setVisible(true);
    picAnschluesse = new GateInputsPage(f_.gateInputsText, SSPanel2);
    Page(picAnschluesse, picAnschluesse->objectName(), kPageTop + 46, 40);
    picKomplex = Page(new QWidget(SSPanel2), QStringLiteral("picKomplex"), kPageTop + 46, 56);
    lblAllgemein13 = MakeLabel(QStringLiteral("lblAllgemein13"), DesignPlaceholder(2550), picKomplex, 0, 0, pw, 16);
    cmbKomplex = new QComboBox(picKomplex);
    cmbKomplex->setObjectName(QStringLiteral("cmbKomplex"));
    cmbKomplex->setFixedHeight(22);
    cmbKomplex->addItem(DesignPlaceholder(2560));
    StackRows(picKomplex, {lblAllgemein13, cmbKomplex});
    icPage = new ICPage(SSPanel2);
    Page(icPage, icPage->objectName(), kPageTop, 112);
    colourPage = new LedColourPage(f_.ledColour, SSPanel2);
    Page(colourPage, colourPage->objectName(), kPageTop, 60);
    BuildSelectionPage();
    clockPage = new ClockPage(f_.circuit, f_.selectedClock, timers, toolbar3, SSPanel2);
    Page(clockPage, clockPage->objectName(), kPageTop, 112);
    BuildDecoderPage();
    BuildDelayFoot();

    // In quick help the panel explains itself, wherever it is clicked.
    installEventFilter(this);
    lblAktElement->installEventFilter(this);
    for (QWidget* page : Pages())
        page->installEventFilter(this);
}

QWidget* PropertiesPanel::Page(QWidget* page, const QString& name, int top, int height)
{
    page->setObjectName(name);
    page->setGeometry(2, top, kPageWidth, height);
    page->setVisible(false);
    return page;
}

void PropertiesPanel::BuildSelectionPage()
{
    const int pw = kPageWidth;
    selectionPage = Page(new QWidget(SSPanel2), QStringLiteral("picEigenschaft2"), kPageTop, 104);
    lblAllgemein11 = MakeLabel(QStringLiteral("lblAllgemein11"), DesignPlaceholder(2548), selectionPage, 0, 0, pw, 16);
    lblSelElement = MakeLabel(QStringLiteral("lblSelElement"), QString(), selectionPage, 8, 17, pw - 8, 16);
    lblAllgemein12 = MakeLabel(QStringLiteral("lblAllgemein12"), DesignPlaceholder(2549), selectionPage, 0, 35, pw, 16);
    lblRahmen = MakeLabel(QStringLiteral("lblRahmen"), QString(), selectionPage, 8, 52, pw - 8, 16);
    for (QLabel* value : {lblSelElement, lblRahmen})
        value->setIndent(8);
    StackRows(selectionPage, {lblAllgemein11, lblSelElement, lblAllgemein12, lblRahmen});
}

void PropertiesPanel::StackRows(QWidget* page, std::initializer_list<QWidget*> rows)
{
    // A caption too long for the panel's width goes on to a second line and
    // the rows below it move down.
    auto* stack = new QVBoxLayout(page);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(1);
    for (QWidget* row : rows) {
        if (auto* label = qobject_cast<QLabel*>(row))
            label->setWordWrap(true);
        stack->addWidget(row);
    }
    stack->addStretch(1);
}

void PropertiesPanel::BuildDecoderPage()
{
    decoderPage = Page(new QWidget(SSPanel2), QStringLiteral("picEigenschaft4"), kPageTop + 46, 24);
    chkTakteingang = new QCheckBox(DesignPlaceholder(2579), decoderPage);
    chkTakteingang->setObjectName(QStringLiteral("chkTakteingang"));
    chkTakteingang->setGeometry(0, 2, kPageWidth, 20);
    connect(chkTakteingang, &QCheckBox::clicked, this, [this] { chkTakteingang_Click(); });
}

void PropertiesPanel::BuildDelayFoot()
{
    const int pw = kPageWidth;
    const int foot = SSPanel2->height() - 44;
    lblAllgemein14 = MakeLabel(QStringLiteral("lblAllgemein14"), DesignPlaceholder(2551), SSPanel2, 2, foot, 70, 16);
    lblDelay = MakeLabel(QStringLiteral("lblDelay"), DesignPlaceholder(2553), SSPanel2, 74, foot, pw - 70, 16);
    lblDelay->setStyleSheet(QStringLiteral("color:#808080"));
    sldDelay = new QSlider(Qt::Horizontal, SSPanel2);
    sldDelay->setObjectName(QStringLiteral("sldDelay"));
    sldDelay->setRange(0, 30);
    sldDelay->setGeometry(2, foot + 18, pw, 22);
    // The second delay control only speaks through its label; Qt reports a
    // drag of the slider as value changes.
    connect(sldDelay, &QSlider::valueChanged, this, &PropertiesPanel::sldDelay_Scroll);
}

std::array<QWidget*, 5> PropertiesPanel::Pages() const
{
    return {icPage, colourPage, selectionPage, clockPage, decoderPage};
}

std::vector<QLabel*> PropertiesPanel::Captions() const
{
    return {lblAllgemein2,  lblAllgemein10, picAnschluesse->lblAllgemein0, lblAllgemein13, icPage->lblAllgemein5,
            icPage->lblAllgemein15, colourPage->lblAllgemein4, lblAllgemein11, lblAllgemein12,
            clockPage->lblAllgemein1, lblAllgemein14};
}

const ToolShown* ShownFor(ToolCode tool)
{
    using T = ToolCode;
    static constexpr ToolShown kToolShown[] = {
        {T::Select, 2512, 14},        {T::Conductor, 2511, 9},      {T::Juncture, 2513, 22},
        {T::NegationMarker, 2515, 12}, {T::LED, 2516, 2},           {T::Switch, 2517, 15},
        {T::AND, 2519, 21},           {T::OR, 2520, 13},            {T::XOR, 2521, 23},
        {T::Inverter, 2518, 7},       {T::ClockGenerator, 2529, 19}, {T::HalfAdder, 2522, 5},
        {T::FullAdder, 2523, 26},     {T::TriState, 2524, 21},      {T::Multiplexer, 2527, 11},
        {T::CouplingDiode, 2514, 8},  {T::Decoder, 2525, 27},       {T::FlipFlop, 2528, 4},
        {T::ShiftRegister, 2526, 17}, {T::SevenSegment, 2530, 25},  {T::IC, 2531, 28},
        {T::TextLabel, 2532, 20},     {T::AnalysisSensor, 2534, 1}, {T::ICDefinitionView, 2533, 28},
        {T::SimulationRunning, 2535, 29},
    };
    for (const ToolShown& row : kToolShown)
        if (row.tool == tool)
            return &row;
    return nullptr;
}

void PropertiesPanel::ShowSelectedTool(ToolCode tool)
{
    // The transient states and quick help leave the last ones shown.
    if (const ToolShown* row = ShownFor(tool)) {
        lblAktElement->setText(LoadResString(row->caption));
        picSelected->setPixmap(ListPicture(row->picture));
    }
}

bool PropertiesPanel::ShowPages(const std::array<bool, 8>& parts, ToolCode tool)
{
    sldDelay->setValue(0);
    lblDelay->setText(LoadResString(2553));
    lblDelay->setStyleSheet(QStringLiteral("color:#808080"));
    SetVisibleIfDifferent(picOrientation, parts[0]);
    SetVisibleIfDifferent(picAnschluesse, parts[1]);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    SetVisibleIfDifferent(selectionPage, parts[2]);
    SetVisibleIfDifferent(icPage, parts[3]);
    SetVisibleIfDifferent(colourPage, parts[4]);
    SetVisibleIfDifferent(decoderPage, parts[7]);
    const bool orientation = !picOrientation->isHidden();
    // The complex components are chosen in the box.
    picKomplex->setVisible(tool == ToolCode::FlipFlop || tool == ToolCode::Multiplexer
                           || tool == ToolCode::ClockGenerator || tool == ToolCode::ShiftRegister
                           || tool == ToolCode::SevenSegment);
    return orientation;
}

void PropertiesPanel::ShowClockPage()
{
    for (QWidget* page : {picOrientation, static_cast<QWidget*>(picAnschluesse), picKomplex})
        page->setVisible(false);
    clockPage->SSTab1->setCurrentIndex(0);
    for (QWidget* page : {static_cast<QWidget*>(icPage), static_cast<QWidget*>(colourPage), selectionPage})
        page->setVisible(false);
    clockPage->setVisible(true);
    clockPage->raise();
}

void PropertiesPanel::HideClockPage()
{
    clockPage->setVisible(false);
    for (QAction* a : clockPage->Toolbar3->actions())
        a->setEnabled(false);
    lblAllgemein2->setText(LoadResString(2510));
}

void PropertiesPanel::ShowSelection(const QString& count, const QString& frame)
{
    lblSelElement->setText(count);
    lblRahmen->setText(frame);
}

void PropertiesPanel::sldDelay_Scroll(int position)
{
    const DelaySliderCaption caption = DelaySliderLabel(position);
    lblDelay->setText(caption.text);
    lblDelay->setStyleSheet(QStringLiteral("color:#%1")
                                .arg(((caption.colour & 0xFF) << 16) | (caption.colour & 0xFF00)
                                         | ((caption.colour >> 16) & 0xFF),
                                     6, 16, QLatin1Char('0')));
}

void PropertiesPanel::chkTakteingang_Click()
{
    f_.decoderClockInput = VbBool(chkTakteingang->checkState() != Qt::Unchecked);
}

void PropertiesPanel::picEigenschaften_MouseDown()
{
    if (f_.toolMode == ToolCode::QuickHelp && ShowQuickHelp)
        ShowQuickHelp(QStringLiteral("picPanel1"), 0);
}

void PropertiesPanel::picEigenschaft_MouseDown(int /*index*/)
{
    picEigenschaften_MouseDown();
}

void PropertiesPanel::lblAktElement_MouseDown()
{
    picEigenschaften_MouseDown();
}

bool PropertiesPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return SidePanel::eventFilter(watched, event);
    // In quick help the press does nothing else.
    const bool quickHelp = f_.toolMode == ToolCode::QuickHelp;
    const std::array<QWidget*, 5> pages = Pages();
    const auto page = std::find(pages.begin(), pages.end(), watched);
    if (watched == lblAktElement)
        lblAktElement_MouseDown();
    else if (page != pages.end())
        picEigenschaft_MouseDown(static_cast<int>(page - pages.begin()));
    else if (watched == this)
        picEigenschaften_MouseDown();
    return quickHelp || SidePanel::eventFilter(watched, event);
}
