// The main window's side-panel column, work field and command line, placed
// by the twips arithmetic of the layout functions rather than by Qt layouts.
#include "shell/frmGatrel.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "render/clsGrafik.h"
#include "shell/control_panel_logic.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_texts.h"
#include "shell/quick_help_box.h"
#include "shell/worksheet_picture.h"

namespace {

constexpr int Px(double twips)
{
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr double Tw(int px)
{
    return px * double(kTwipsPerPixel);
}

// Panels by PanelVisible index.
const char* const kPanelNames[5] = {"picEinAus", "picEigenschaften", "picSize", "picZoom", "picIC"};

// Design sizes in twips.
constexpr double kColumnLeft = 45, kColumnTop = 30, kColumnWidth = 2085;
constexpr double kPanelWidth = 2055;
constexpr double kPanelHeights[5] = {735, 3255, 750, 1350, 2055};
constexpr double kTreeLeft = 60, kTreeTop = 435, kTreeWidth = 1905;
constexpr int kTitleHeight = 19; // pixels

QString PlainCaption(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent, int x, int y, int w, int h)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(x, y, w, h);
    return label;
}

QToolButton* MakeStepButton(const QString& name, Qt::ArrowType arrow, QWidget* parent, int x, int y)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setGeometry(x, y, 16, 11);
    return b;
}


} // namespace

QWidget* frmGatrel::MakePanel(int index, const QString& title, QLabel* titleLabel)
{
    auto* panel = new QFrame(picPropContainer_);
    panel->setObjectName(QString::fromLatin1(kPanelNames[index]));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, 0, Px(kPanelWidth), Px(kPanelHeights[index]));
    if (!titleLabel)
        titleLabel = new QLabel(title, panel);
    titleLabel->setParent(panel);
    titleLabel->setGeometry(3, 1, Px(kPanelWidth) - 38, kTitleHeight - 2);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 0.85);
    titleLabel->setFont(bold);
    auto* bar = new QFrame(panel);
    bar->setObjectName(QStringLiteral("picTitle%1").arg(index));
    bar->setGeometry(1, kTitleHeight, Px(kPanelWidth) - 2, 1);
    bar->setFrameShape(QFrame::HLine);
    // Close and minimise buttons are indexed by button, not by panel.
    static constexpr int kButtonOfPanel[5] = {3, 0, 1, 4, 2};
    const int button = kButtonOfPanel[index];
    auto* close = new QToolButton(panel);
    close->setObjectName(QStringLiteral("cmdClose%1").arg(button));
    close->setText(QStringLiteral("\u00d7"));
    close->setAutoRaise(true);
    close->setGeometry(Px(kPanelWidth) - 18, 1, 16, 16);
    connect(close, &QToolButton::clicked, this, [this, button] { cmdClose_Click(button); });
    if (index != 0) {
        auto* min = new QToolButton(panel);
        min->setObjectName(QStringLiteral("cmdMin%1").arg(button));
        min->setText(QStringLiteral("_"));
        min->setCheckable(true);
        min->setAutoRaise(true);
        min->setGeometry(Px(kPanelWidth) - 35, 1, 16, 16);
        connect(min, &QToolButton::clicked, this, [this, button](bool pressed) { cmdMin_Click(button, pressed); });
    }
    panel->installEventFilter(this);
    return panel;
}

void frmGatrel::BuildLeftPanel()
{
    picPropContainer_ = new QWidget(centralWidget());
    picPropContainer_->setObjectName(QStringLiteral("picPropContainer"));
    picPropContainer_->setGeometry(Px(kColumnLeft), Px(kColumnTop), Px(kColumnWidth), 400);
    picPropContainer_->installEventFilter(this);
    const int w = Px(kPanelWidth);

    // Control panel: the power switch.
    QWidget* picEinAus = MakePanel(0, PlainCaption(LoadResString(2427)), nullptr);
    cmdOn_ = new QPushButton(QStringLiteral("On"), picEinAus);
    cmdOn_->setObjectName(QStringLiteral("cmdOn"));
    cmdOff_ = new QPushButton(QStringLiteral("Off"), picEinAus);
    cmdOff_->setObjectName(QStringLiteral("cmdOff"));
    cmdOn_->setGeometry(6, kTitleHeight + 4, 52, 24);
    cmdOff_->setGeometry(62, kTitleHeight + 4, 52, 24);
    for (QPushButton* b : {cmdOn_, cmdOff_}) {
        b->setCheckable(true);
        b->installEventFilter(this);
    }
    powerGroup_ = new QButtonGroup(this);
    powerGroup_->setExclusive(true);
    powerGroup_->addButton(cmdOn_);
    powerGroup_->addButton(cmdOff_);
    cmdOff_->setChecked(true);
    auto* lblTime = MakeLabel(QStringLiteral("lblTime"), QString(), picEinAus, 116, kTitleHeight + 8, w - 118, 16);
    lblTime->setVisible(false);

    // Properties panel: the selected tool and the pages of its properties.
    QWidget* picEigenschaften = MakePanel(1, PlainCaption(LoadResString(2428)), nullptr);
    auto* SSPanel2 = new QFrame(picEigenschaften);
    SSPanel2->setObjectName(QStringLiteral("SSPanel2"));
    SSPanel2->setGeometry(2, kTitleHeight + 2, w - 4, Px(kPanelHeights[1]) - kTitleHeight - 4);
    MakeLabel(QStringLiteral("lblAllgemein2"), DesignPlaceholder(2510), SSPanel2, 2, 2, w - 8, 16);
    lblSelTool_ = MakeLabel(QStringLiteral("lblAktElement"), QString(), SSPanel2, 2, 18, w - 8, 16);
    QFont bold = lblSelTool_->font();
    bold.setBold(true);
    lblSelTool_->setFont(bold);
    lblSelTool_->installEventFilter(this);
    constexpr int pageTop = 38;
    const int pw = w - 8;
    auto makePage = [&](const QString& name, int top, int height) {
        auto* page = new QWidget(SSPanel2);
        page->setObjectName(name);
        page->setGeometry(2, top, pw, height);
        page->setVisible(false);
        page->installEventFilter(this);
        return page;
    };
    // Orientation.
    QWidget* picOrientation = makePage(QStringLiteral("picOrientation"), pageTop, 44);
    MakeLabel(QStringLiteral("lblAllgemein10"), DesignPlaceholder(2547), picOrientation, 0, 0, pw, 16);
    QToolBar* orientation = Toolbar(QStringLiteral("tlbOrientation"));
    orientation->setParent(picOrientation);
    orientation->setGeometry(0, 17, pw, 26);
    orientation->setVisible(true);
    // Gate inputs.
    QWidget* picAnschluesse = makePage(QString::fromUtf8("picAnschlüsse"), pageTop + 46, 40);
    MakeLabel(QStringLiteral("lblAllgemein0"), QStringLiteral("Label"), picAnschluesse, 0, 0, pw, 16);
    auto* txtAnschluesse = new QLineEdit(QStringLiteral("2"), picAnschluesse);
    txtAnschluesse->setObjectName(QString::fromUtf8("txtAnschlüsse"));
    txtAnschluesse->setGeometry(0, 17, 40, 22);
    MakeStepButton(QStringLiteral("UpDown1Up"), Qt::UpArrow, picAnschluesse, 42, 17);
    MakeStepButton(QStringLiteral("UpDown1Down"), Qt::DownArrow, picAnschluesse, 42, 28);
    // Complex components.
    QWidget* picKomplex = makePage(QStringLiteral("picKomplex"), pageTop + 46, 40);
    MakeLabel(QStringLiteral("lblAllgemein13"), DesignPlaceholder(2550), picKomplex, 0, 0, pw, 16);
    auto* cmbKomplex = new QComboBox(picKomplex);
    cmbKomplex->setObjectName(QStringLiteral("cmbKomplex"));
    cmbKomplex->setGeometry(0, 17, pw, 22);
    cmbKomplex->addItem(DesignPlaceholder(2560));
    connect(cmbKomplex, &QComboBox::currentIndexChanged, this, [this](int) {
        // Quick help explains; it chooses no tool.
        if (!comboClickSuppressed_ && MainFormLoaded() && s_.ToolMode != ToolCode::QuickHelp)
            SelectKomplexElement();
    });
    // Page 0: the IC to place.
    QWidget* ic = makePage(QStringLiteral("picEigenschaft0"), pageTop, 112);
    MakeLabel(QStringLiteral("lblAllgemein5"), DesignPlaceholder(2546), ic, 0, 0, pw, 16);
    auto* cmbIC = new QComboBox(ic);
    cmbIC->setObjectName(QStringLiteral("cmbIC"));
    cmbIC->setGeometry(0, 17, pw, 22);
    connect(cmbIC, &QComboBox::activated, this, [this](int) { cmbIC_Click(); });
    MakeLabel(QStringLiteral("lblAllgemein15"), DesignPlaceholder(2552), ic, 0, 42, pw - 40, 16);
    auto* cmdChange = new QToolButton(ic);
    cmdChange->setObjectName(QStringLiteral("cmdChange"));
    cmdChange->setText(QStringLiteral("\u21c4"));
    cmdChange->setGeometry(pw - 38, 41, 18, 17);
    connect(cmdChange, &QToolButton::clicked, this, [this] { cmdChange_MouseUp(); });
    auto* cmdICVerwaltung = new QToolButton(ic);
    cmdICVerwaltung->setObjectName(QStringLiteral("cmdICVerwaltung"));
    cmdICVerwaltung->setText(QStringLiteral("\u2026"));
    cmdICVerwaltung->setCheckable(true);
    cmdICVerwaltung->setGeometry(pw - 18, 41, 18, 17);
    connect(cmdICVerwaltung, &QToolButton::clicked, this, [this](bool pressed) {
        if (seams_.icManager)
            seams_.icManager(pressed);
    });
    auto* picICVorschau = new QFrame(ic);
    picICVorschau->setObjectName(QStringLiteral("picICVorschau"));
    picICVorschau->setFrameShape(QFrame::Box);
    picICVorschau->setGeometry(0, 60, pw, 50);
    picICVorschau->installEventFilter(this);
    auto* txtNotizen = new QLineEdit(ic);
    txtNotizen->setObjectName(QStringLiteral("txtNotizen"));
    txtNotizen->setReadOnly(true);
    txtNotizen->setGeometry(0, 60, pw, 50);
    txtNotizen->setVisible(false);
    MakeLabel(QStringLiteral("lblICFehler"), DesignPlaceholder(2554), ic, 2, 92, pw - 4, 16)->setVisible(false);
    // Page 1: LED colours.
    QWidget* colours = makePage(QStringLiteral("picEigenschaft1"), pageTop, 60);
    MakeLabel(QStringLiteral("lblAllgemein4"), DesignPlaceholder(2545), colours, 0, 0, pw, 16);
    for (int i = 0; i < 9; ++i) {
        auto* b = new QFrame(colours);
        b->setObjectName(QStringLiteral("cmdColor%1").arg(i));
        b->setFrameShape(QFrame::Panel);
        b->setLineWidth(2);
        b->setGeometry(2 + (i % 5) * 24, 18 + (i / 5) * 22, 20, 18);
        b->setAutoFillBackground(true);
        b->installEventFilter(this);
        cmdColor_[static_cast<size_t>(i)] = b;
    }
    // Page 2: the selection.
    QWidget* selection = makePage(QStringLiteral("picEigenschaft2"), pageTop, 70);
    MakeLabel(QStringLiteral("lblAllgemein11"), DesignPlaceholder(2548), selection, 0, 0, pw, 16);
    MakeLabel(QStringLiteral("lblSelElement"), QString(), selection, 8, 17, pw - 8, 16);
    MakeLabel(QStringLiteral("lblAllgemein12"), DesignPlaceholder(2549), selection, 0, 35, pw, 16);
    MakeLabel(QStringLiteral("lblRahmen"), QString(), selection, 8, 52, pw - 8, 16);
    // Page 3: the selected clock generator.
    QWidget* clock = makePage(QStringLiteral("picEigenschaft3"), pageTop, 112);
    MakeLabel(QStringLiteral("lblTaktgeber"), QString(), clock, 0, 0, pw, 16);
    auto* SSTab1 = new QTabWidget(clock);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(0, 16, pw, 96);
    auto* tab0 = new QWidget;
    tab0->setObjectName(QStringLiteral("SSTab1Tab0"));
    QToolBar* toolbar3 = Toolbar(QStringLiteral("Toolbar3"));
    toolbar3->setParent(tab0);
    toolbar3->setIconSize(QSize(20, 20));
    toolbar3->setGeometry(0, 0, pw - 4, 28);
    toolbar3->installEventFilter(this);
    MakeLabel(QStringLiteral("lblAllgemein1"), QStringLiteral("Label"), tab0, 2, 29, pw - 8, 14);
    auto* txtAnzTakte = new QLineEdit(QStringLiteral("1"), tab0);
    txtAnzTakte->setObjectName(QStringLiteral("txtAnzTakte"));
    txtAnzTakte->setGeometry(2, 44, 40, 22);
    txtAnzTakte->installEventFilter(this);
    MakeStepButton(QStringLiteral("cmdAnzTakte0"), Qt::UpArrow, tab0, 44, 44);
    MakeStepButton(QStringLiteral("cmdAnzTakte1"), Qt::DownArrow, tab0, 44, 55);
    SSTab1->addTab(tab0, QStringLiteral("1"));
    auto* tab1 = new QWidget;
    tab1->setObjectName(QStringLiteral("SSTab1Tab1"));
    for (int i = 0; i < 2; ++i) {
        auto* slider = new QSlider(Qt::Vertical, tab1);
        slider->setObjectName(QStringLiteral("Slider%1").arg(i));
        slider->setRange(0, 10000);
        slider->setSingleStep(100);
        slider->setPageStep(1000);
        slider->setGeometry(8 + i * 44, 2, 24, 48);
        slider->installEventFilter(this);
        MakeLabel(QStringLiteral("lbl%1").arg(i), QString(), tab1, 4 + i * 44, 51, 42, 16);
    }
    auto* chkLink = new QCheckBox(tab1);
    chkLink->setObjectName(QStringLiteral("chkLink"));
    chkLink->setGeometry(96, 18, 20, 20);
    SSTab1->addTab(tab1, QStringLiteral("0 / 1"));
    // Page 4: the decoder's clock input.
    QWidget* decoder = makePage(QStringLiteral("picEigenschaft4"), pageTop + 46, 24);
    auto* chk = new QCheckBox(DesignPlaceholder(2579), decoder);
    chk->setObjectName(QStringLiteral("chkTakteingang"));
    chk->setGeometry(0, 2, pw, 20);
    // The second delay control, at the foot of the panel.
    const int foot = SSPanel2->height() - 44;
    MakeLabel(QStringLiteral("lblAllgemein14"), DesignPlaceholder(2551), SSPanel2, 2, foot, 70, 16);
    auto* lblDelay = MakeLabel(QStringLiteral("lblDelay"), DesignPlaceholder(2553), SSPanel2, 74, foot, pw - 70, 16);
    lblDelay->setStyleSheet(QStringLiteral("color:#808080"));
    auto* sldDelay = new QSlider(Qt::Horizontal, SSPanel2);
    sldDelay->setObjectName(QStringLiteral("sldDelay"));
    sldDelay->setRange(0, 30);
    sldDelay->setGeometry(2, foot + 18, pw, 22);
    sldDelay->installEventFilter(this);

    // Worksheet panel: the size boxes.
    auto* lblInfo11 = new QLabel(QStringLiteral("Label"));
    lblInfo11->setObjectName(QStringLiteral("lblInfo11"));
    QWidget* picSize = MakePanel(2, QString(), lblInfo11);
    txtX_ = new QLineEdit(picSize);
    txtX_->setObjectName(QStringLiteral("txtX"));
    txtX_->setGeometry(6, kTitleHeight + 4, 36, 22);
    MakeStepButton(QStringLiteral("updSizeX0"), Qt::UpArrow, picSize, 43, kTitleHeight + 4);
    MakeStepButton(QStringLiteral("updSizeX1"), Qt::DownArrow, picSize, 43, kTitleHeight + 15);
    MakeLabel(QStringLiteral("lblSizeTimes"), QStringLiteral("x"), picSize, 63, kTitleHeight + 7, 10, 16);
    txtY_ = new QLineEdit(picSize);
    txtY_->setObjectName(QStringLiteral("txtY"));
    txtY_->setGeometry(76, kTitleHeight + 4, 36, 22);
    MakeStepButton(QStringLiteral("updSizeY0"), Qt::UpArrow, picSize, 113, kTitleHeight + 4);
    MakeStepButton(QStringLiteral("updSizeY1"), Qt::DownArrow, picSize, 113, kTitleHeight + 15);

    // Scale panel.
    auto* lblAllgemein3 = new QLabel(QStringLiteral("Label"));
    lblAllgemein3->setObjectName(QStringLiteral("lblAllgemein3"));
    QWidget* picZoom = MakePanel(3, QString(), lblAllgemein3);
    auto* cmbZoom = new QComboBox(picZoom);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    cmbZoom->setEditable(true);
    cmbZoom->setInsertPolicy(QComboBox::NoInsert);
    for (const char* z : {"60%", "70%", "80%", "90%", "100%", "110%", "125%", "150%", "175%", "200%", "250%"})
        cmbZoom->addItem(QString::fromLatin1(z));
    cmbZoom->setEditText(QStringLiteral("100%"));
    cmbZoom->setGeometry(6, kTitleHeight + 4, w - 12, 22);
    for (const char* name : {"tlbZoom", "tlbZoomInOut"}) {
        auto* bar = new QToolBar(QString::fromLatin1(name), picZoom);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->installEventFilter(this);
        toolbars_[bar->objectName()] = bar;
    }
    cmbZoom->resize(70, 22);
    Toolbar(QStringLiteral("tlbZoomInOut"))->setGeometry(76, kTitleHeight + 2, w - 77, 26);
    Toolbar(QStringLiteral("tlbZoom"))->setGeometry(2, kTitleHeight + 30, w - 4, 26);

    // Layers panel: the level tree, titled with the level shown.
    auto* lblLevel = new QLabel(QStringLiteral("Label"));
    lblLevel->setObjectName(QStringLiteral("lblLevel"));
    lblLevel->installEventFilter(this);
    // The label keeps the decoder outline; the panel under it would not.
    lblLevel->setAttribute(Qt::WA_NoMousePropagation);
    QWidget* picIC = MakePanel(4, QString(), lblLevel);
    auto* picLevel = new QWidget(picIC);
    picLevel->setObjectName(QStringLiteral("picLevel"));
    picLevel->setGeometry(0, kTitleHeight + 1, w, 1);
    auto* tvwLevel = new QTreeWidget(picIC);
    tvwLevel->setObjectName(QStringLiteral("tvwLevel"));
    tvwLevel->setHeaderHidden(true);
    tvwLevel->setGeometry(Px(kTreeLeft), Px(kTreeTop), Px(kTreeWidth), Px(kPanelHeights[4] - kTreeTop - 60));
    tvwLevel->installEventFilter(this);

    auto* lstIC = new QListWidget(picPropContainer_);
    lstIC->setObjectName(QStringLiteral("lstIC"));
    lstIC->setVisible(false);

    RebuildLevelTree();
}

void frmGatrel::BuildWorkField()
{
    QWidget* client = centralWidget();
    // The command line above the worksheet; closed at start.
    auto* cmdFormel = new QToolButton(client);
    cmdFormel->setObjectName(QStringLiteral("cmdFormel"));
    cmdFormel->setText(QStringLiteral("f(x)"));
    cmdFormel->setCheckable(true);
    cmdFormel->setGeometry(Px(kColumnWidth + 60), 2, 40, 22);
    auto* cmbFormel = new QComboBox(client);
    cmbFormel->setObjectName(QStringLiteral("cmbFormel"));
    cmbFormel->setEditable(true);
    cmbFormel->setInsertPolicy(QComboBox::NoInsert);
    cmbFormel->setGeometry(cmdFormel->x() + 44, 2, 300, 22);
    auto* cmdCloseFormel = new QToolButton(client);
    cmdCloseFormel->setObjectName(QStringLiteral("cmdCloseFormel"));
    cmdCloseFormel->setText(QStringLiteral("\u00d7"));
    cmdCloseFormel->setCheckable(true);
    cmdCloseFormel->setGeometry(cmbFormel->x() + 304, 2, 20, 22);

    picContainer_ = new QWidget(client);
    picContainer_->setObjectName(QStringLiteral("picContainer"));
    picContainer_->setAutoFillBackground(true);
    QPalette pal = picContainer_->palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    picContainer_->setPalette(pal);
    picContainer_->setGeometry(Px(kColumnWidth + 60), 2 + 22 + 2, 400, 300);
    picContainer_->installEventFilter(this);
    picGrid_ = new WorksheetPicture(picContainer_);
    // The mark around the selected clock generator.
    auto* shpSelectedTimer = new QFrame(picGrid_);
    shpSelectedTimer->setObjectName(QStringLiteral("shpSelectedTimer"));
    shpSelectedTimer->setFrameShape(QFrame::Box);
    shpSelectedTimer->setVisible(false);
    for (const char* name : {"EndLineV", "EndLineH"}) {
        auto* line = new QFrame(picContainer_);
        line->setObjectName(QString::fromLatin1(name));
        line->setAutoFillBackground(true);
        QPalette lp = line->palette();
        lp.setColor(QPalette::Window, Qt::black);
        line->setPalette(lp);
    }
    HScroll_ = new QScrollBar(Qt::Horizontal, client);
    HScroll_->setObjectName(QStringLiteral("HScroll"));
    VScroll_ = new QScrollBar(Qt::Vertical, client);
    VScroll_->setObjectName(QStringLiteral("VScroll"));
    HScroll_->setVisible(false);
    VScroll_->setVisible(false);
    connect(HScroll_, &QScrollBar::valueChanged, this, &frmGatrel::ScrollPicture);
    connect(VScroll_, &QScrollBar::valueChanged, this, &frmGatrel::ScrollPicture);
    client->installEventFilter(this);

    picQuickHelp_ = new QuickHelpBox(this);
}

void frmGatrel::Form_Resize()
{
    if (isMinimized())
        return;
    if (s_.settings.MainFormReady == 0)
        s_.settings.MainFormReady = 255;
    ResizeWorksheet();
    // A window dragged above the screen's top edge comes back to it.
    if (!isMaximized() && y() < 0)
        move(x(), 1);
    ResizeProperties(true);
    if (s_.ToolMode == ElementType::Conductor)
        PressToolButton(QStringLiteral("cmdLeitungen"), 3);
}

void frmGatrel::ResizeWorksheet()
{
    if (isMinimized() || !picContainer_)
        return;
    QWidget* client = centralWidget();
    const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    ResizeInput in;
    in.outerWidth = Tw(width());
    in.outerHeight = Tw(height());
    in.innerWidth = Tw(client->width());
    in.innerHeight = Tw(client->height());
    in.containerLeft = Tw(picContainer_->x());
    in.containerTop = Tw(picContainer_->y());
    in.hScrollHeight = Tw(sb);
    in.vScrollWidth = Tw(sb);
    in.statusBarHeight = 0; // the status bar lies outside the client area here
    in.progressBarWidth = Tw(ProgressBar_->width());
    in.closeButtonWidth = Tw(findChild<QWidget*>(QStringLiteral("cmdCloseFormel"))->width());
    in.pictureWidth = Tw(picGrid_->width());
    in.pictureHeight = Tw(picGrid_->height());
    in.pictureLeft = Tw(picGrid_->x());
    in.pictureTop = Tw(picGrid_->y());
    in.cellPx = 14.0 * s_.GridMode;
    in.maxX = s_.MaxX;
    in.maxY = s_.MaxY;
    in.hValue = HScroll_->value();
    in.vValue = VScroll_->value();
    const ResizeLayout l = LayoutMainWindow(in);

    picContainer_->resize(std::max(1, Px(l.containerWidth)), std::max(1, Px(l.containerHeight)));
    auto* cmbFormel = findChild<QWidget*>(QStringLiteral("cmbFormel"));
    cmbFormel->resize(std::max(40, Px(l.formelWidth) - 24), cmbFormel->height());
    auto* cmdCloseFormel = findChild<QWidget*>(QStringLiteral("cmdCloseFormel"));
    cmdCloseFormel->move(cmbFormel->x() + cmbFormel->width() + 4, cmdCloseFormel->y());
    if (auto* lblTime = findChild<QLabel*>(QStringLiteral("lblTime")))
        lblTime->setText(QString::number(l.visibleRows));

    const auto applyBar = [](QScrollBar* bar, const ScrollBarPlace& p) {
        if (p.visible) {
            bar->setGeometry(Px(p.rect.left), Px(p.rect.top), Px(p.rect.width), Px(p.rect.height));
            bar->setMaximum(p.maximum);
            bar->setValue(p.value);
        } else {
            bar->setValue(0);
            bar->setMaximum(0);
        }
        bar->setVisible(p.visible);
    };
    applyBar(HScroll_, l.hScroll);
    applyBar(VScroll_, l.vScroll);
    picGrid_->move(Px(l.pictureLeft), Px(l.pictureTop));
    PlaceEndLines();
    GetVisibleP();
}

void frmGatrel::GetVisibleP()
{
    if (!objGrafik_)
        return;
    const double cellPx = 14.0 * s_.GridMode;
    const int columns = GetVisibleArea(Tw(picGrid_->width()), Tw(picContainer_->width()), cellPx, kTwipsPerPixel);
    const int rows = GetVisibleArea(Tw(picGrid_->height()), Tw(picContainer_->height()), cellPx, kTwipsPerPixel);
    objGrafik_->VStartX = static_cast<int16_t>(HScroll_->value());
    objGrafik_->VEndX = static_cast<int16_t>(std::min<int>(s_.MaxX, HScroll_->value() - 1 + columns));
    objGrafik_->VStartY = static_cast<int16_t>(VScroll_->value());
    objGrafik_->VEndY = static_cast<int16_t>(std::min<int>(s_.MaxY, VScroll_->value() - 1 + rows));
}

void frmGatrel::PlaceEndLines()
{
    const int r = picGrid_->x() + picGrid_->width();
    const int b = picGrid_->y() + picGrid_->height();
    if (auto* v = findChild<QWidget*>(QStringLiteral("EndLineV")))
        v->setGeometry(r + 1, 0, 1, std::max(1, b + 1));
    if (auto* h = findChild<QWidget*>(QStringLiteral("EndLineH")))
        h->setGeometry(0, b + 1, std::max(1, r + 2), 1);
}

void frmGatrel::ScrollPicture()
{
    // Whole pixels of the zoomed cell, as the worksheet has always scrolled.
    const double cell = 14.0 * s_.GridMode;
    picGrid_->move(HScroll_->isVisible() ? static_cast<int>(std::floor(-HScroll_->value() * cell)) : picGrid_->x(),
                   VScroll_->isVisible() ? static_cast<int>(std::floor(-VScroll_->value() * cell)) : picGrid_->y());
    PlaceEndLines();
    GetVisibleP();
}

void frmGatrel::ResizeProperties(bool force)
{
    PanelColumnInput in;
    in.state = s_.settings.PanelVisible;
    for (size_t i = 0; i < 5; ++i) {
        QWidget* w = Panel(static_cast<int>(i));
        in.visible[i] = !w->isHidden();
        in.top[i] = Tw(w->y());
        in.height[i] = Tw(w->height());
    }
    static constexpr int kMinOfPanel[5] = {-1, 0, 1, 4, 2};
    for (size_t i = 1; i < 5; ++i)
        if (auto* m = findChild<QToolButton*>(QStringLiteral("cmdMin%1").arg(kMinOfPanel[i])))
            in.minPressed[i] = m->isChecked();
    in.columnVisible = !picPropContainer_->isHidden();
    in.column = {Tw(picPropContainer_->x()), Tw(picPropContainer_->y()), Tw(picPropContainer_->width()),
                 Tw(picPropContainer_->height())};
    in.container = {Tw(picContainer_->x()), Tw(picContainer_->y()), Tw(picContainer_->width()),
                    Tw(picContainer_->height())};
    in.formelButtonWidth = Tw(findChild<QWidget*>(QStringLiteral("cmdFormel"))->width());
    in.hScrollHeight = Tw(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    in.treeTop = kTreeTop;
    in.force = force;
    in.quickHelp = s_.ToolMode == ToolCode::QuickHelp;
    in.powerOn = s_.engine.PowerFlag != 0;
    const PanelColumnLayout l = LayoutPanelColumn(in);
    if (l.laidOut) {
        for (size_t i = 0; i < 5; ++i) {
            if (i == 2 && in.powerOn)
                continue; // the mode switch owns the worksheet panel while the power is on
            QWidget* w = Panel(static_cast<int>(i));
            w->setGeometry(w->x(), Px(l.top[i]), w->width(), Px(l.height[i]));
            w->setVisible(l.visible[i]);
        }
        for (size_t i = 1; i < 5; ++i)
            if (auto* m = findChild<QToolButton*>(QStringLiteral("cmdMin%1").arg(kMinOfPanel[i])))
                m->setChecked(l.minPressed[i]);
        if (l.collapsed[1])
            if (auto* inner = findChild<QWidget*>(QStringLiteral("SSPanel2")))
                inner->setVisible(false);
        if (auto* tree = findChild<QWidget*>(QStringLiteral("tvwLevel")))
            tree->resize(tree->width(), Px(l.treeHeight));
        picPropContainer_->setVisible(l.columnVisible);
        if (l.moveWorksheet) {
            picContainer_->move(Px(l.containerLeft), picContainer_->y());
            auto* cmdFormel = findChild<QWidget*>(QStringLiteral("cmdFormel"));
            cmdFormel->move(Px(l.formelButtonLeft), cmdFormel->y());
            auto* cmbFormel = findChild<QWidget*>(QStringLiteral("cmbFormel"));
            cmbFormel->move(Px(l.formelBoxLeft), cmbFormel->y());
            ResizeWorksheet();
        }
        picPropContainer_->resize(picPropContainer_->width(), std::max(1, Px(l.columnHeight)));
        for (int i = 0; i < 5; ++i)
            MenuItem(QStringLiteral("mPanel"), i)->setChecked(l.menuChecks[static_cast<size_t>(i)]);
    }
    if (l.setPanelButtons)
        for (int i = 0; i < 5; ++i)
            ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdPanel%1").arg(i))
                ->setChecked(l.panelButtons[static_cast<size_t>(i)] != 0);
}

QWidget* frmGatrel::Panel(int index) const
{
    return findChild<QWidget*>(QString::fromLatin1(kPanelNames[index]));
}

void frmGatrel::cmdClose_Click(int button)
{
    if (s_.ToolMode == ToolCode::QuickHelp) {
        ShowQuickHelp(QStringLiteral("cmdClose"), button);
        return;
    }
    const auto checks = ::cmdClose_Click(s_, button);
    if (!checks)
        return;
    Panel(kPanelButtons[static_cast<size_t>(button)].visibleIndex)->setVisible(false);
    for (int i = 0; i < 5; ++i)
        MenuItem(QStringLiteral("mPanel"), i)->setChecked((*checks)[static_cast<size_t>(i)]);
    ResizeProperties(false);
}

void frmGatrel::cmdMin_Click(int button, bool pressed)
{
    if (const auto height = ::cmdMin_Click(s_, button, pressed)) {
        const PanelButton& b = kPanelButtons[static_cast<size_t>(button)];
        QWidget* panel = Panel(b.visibleIndex);
        panel->resize(panel->width(), Px(*height));
        if (b.carriesSSPanel2)
            if (auto* inner = findChild<QWidget*>(QStringLiteral("SSPanel2")))
                inner->setVisible(!pressed);
    }
    ResizeProperties(false);
}

void frmGatrel::cmdChange_MouseUp()
{
    auto* preview = findChild<QWidget*>(QStringLiteral("picICVorschau"));
    auto* notes = findChild<QWidget*>(QStringLiteral("txtNotizen"));
    auto* caption = findChild<QLabel*>(QStringLiteral("lblAllgemein15"));
    const bool showNotes = !preview->isHidden();
    preview->setVisible(!showNotes);
    notes->setVisible(showNotes);
    caption->setText(LoadResString(showNotes ? 2852 : 2552) + u':');
}

void frmGatrel::cmbIC_Click()
{
    auto* box = findChild<QComboBox*>(QStringLiteral("cmbIC"));
    if (s_.settings.MainFormReady == 0 || s_.ToolMode != ElementType::IC || !box)
        return;
    s_.ICName = box->currentText();
    if (s_.ICName.isEmpty())
        return;
    for (int i = 1; i <= 24; ++i)
        if (QAction* a = MenuItem(QStringLiteral("mBauteil"), i))
            a->setChecked(false);
    PressToolButton(QStringLiteral("cmdIC"), -1);
    if (s_.settings.ElementEnable[13] == 0) {
        ToolbarButton(QStringLiteral("Toolbar2"), QStringLiteral("cmdIC"))->setEnabled(false);
        MenuItem(QStringLiteral("mBauteil"), 25)->setEnabled(false);
    }
    if (s_.ICName == QLatin1String("<Name>")) {
        Panel(4)->setVisible(false);
        return;
    }
    // The IC manager follows the choice once it exists.
    if (seams_.icChosen)
        seams_.icChosen(box->currentIndex() + 1);
}

void frmGatrel::DisplayEingabezeile()
{
    auto* cmdCloseFormel = findChild<QWidget*>(QStringLiteral("cmdCloseFormel"));
    if (!cmdCloseFormel->isHidden())
        return;
    auto* cmbFormel = findChild<QWidget*>(QStringLiteral("cmbFormel"));
    for (const char* name : {"cmdFormel", "cmbFormel", "cmdCloseFormel"})
        findChild<QWidget*>(QString::fromLatin1(name))->setVisible(true);
    picContainer_->move(picContainer_->x(), picContainer_->y() + cmbFormel->height() + 2);
    ResizeWorksheet();
    cmbFormel->setFocus();
}

void frmGatrel::CloseFormelPanel()
{
    auto* cmbFormel = findChild<QWidget*>(QStringLiteral("cmbFormel"));
    const bool wasOpen = !findChild<QWidget*>(QStringLiteral("cmdCloseFormel"))->isHidden();
    for (const char* name : {"cmdFormel", "cmbFormel", "cmdCloseFormel"})
        findChild<QWidget*>(QString::fromLatin1(name))->setVisible(false);
    // The room the line took goes back to the worksheet; twice closed is still one line.
    if (wasOpen)
        picContainer_->move(picContainer_->x(), std::max(2, picContainer_->y() - cmbFormel->height() - 2));
    ResizeWorksheet();
    ToolbarButton(QStringLiteral("Toolbar"), QStringLiteral("cmdPanel5"))->setChecked(false);
    MenuItem(QStringLiteral("mPanel"), 5)->setChecked(false);
}

void frmGatrel::ReopenPanel(int index)
{
    for (size_t button = 0; button < kPanelButtons.size(); ++button) {
        if (kPanelButtons[button].visibleIndex != index || !kPanelButtons[button].minimises)
            continue;
        auto* min = findChild<QToolButton*>(QStringLiteral("cmdMin%1").arg(button));
        if (min && min->isChecked()) {
            min->setChecked(false);
            cmdMin_Click(static_cast<int>(button), false);
        }
    }
}

void frmGatrel::ShowICNames()
{
    auto* box = findChild<QComboBox*>(QStringLiteral("cmbIC"));
    auto* list = findChild<QListWidget*>(QStringLiteral("lstIC"));
    if (!box || !list)
        return;
    const QString chosen = box->currentText();
    box->clear();
    for (int i = 0; i < list->count(); ++i) {
        QString name = list->item(i)->text();
        if (name.endsWith(QLatin1String(".icd"), Qt::CaseInsensitive))
            name.chop(4);
        box->addItem(name);
    }
    const int at = box->findText(chosen.isEmpty() ? s_.ICName : chosen);
    box->setCurrentIndex(at >= 0 ? at : (box->count() > 0 ? 0 : -1));
}
