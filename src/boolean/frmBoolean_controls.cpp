// The Boolean tools window's controls, their texts and their wiring.
#include "boolean/frmBoolean.h"

#include "boolean/calculated_table_view.h"
#include "boolean/truth_table_view.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/painter_surface.h"
#include "platform/string_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

class frmBoolean::ErrorLabel : public CaptionSink {
public:
    explicit ErrorLabel(QLabel* label) : label_(label) {}
    void SetCaption(const QString& text) override { label_->setText(text); }
    QString Caption() const override { return label_->text(); }

private:
    QLabel* label_;
};

class frmBoolean::ProtocolList : public ItemListSink {
public:
    explicit ProtocolList(QListWidget* list) : list_(list) {}
    void AddItem(const QString& text) override { list_->addItem(text); }

private:
    QListWidget* list_;
};

// The group-tree window: it only has to exist; it is never shown.
class frmBoolean::frmBool : public GroupTreeSink {
public:
    void Clear() override {}
    void AddNode(const QString&, const QString&, const QString&) override {}
    void Expand(const QString&) override {}
};

frmBoolean::frmBoolean(Settings& settings, ToolCode tool, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), tool_(tool), dialogs_(dialogs), grid_(0, 1800)
{
    setObjectName(QStringLiteral("frmBoolean"));
    setModal(false);
    BuildControls();
    Form_Load();
}

frmBoolean::~frmBoolean()
{
    // The controls die after the members they report to: a focus change
    // while they go must not reach a handler.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    objGroups.Output = nullptr;
    objBool.Output = nullptr;
}

// The term box and the preview of the typed term above the tabs.
void frmBoolean::BuildTermRows(QVBoxLayout* layout)
{

    auto* termRow = new QHBoxLayout;
    auto* lblInfo0 = new QLabel(LoadResString(1501) + QStringLiteral(":"), this);
    lblInfo0->setObjectName(QStringLiteral("lblInfo0"));
    cmbFormel_ = new QComboBox(this);
    cmbFormel_->setObjectName(QStringLiteral("cmbFormel"));
    cmbFormel_->setEditable(true);
    cmbFormel_->setInsertPolicy(QComboBox::NoInsert);
    cmbFormel_->setCompleter(nullptr);
    // Keys reach the combo box, not its line edit (see eventFilter).
    cmbFormel_->installEventFilter(this);
    cmdFormel_ = new QToolButton(this);
    cmdFormel_->setObjectName(QStringLiteral("cmdFormel"));
    cmdFormel_->setCheckable(true);
    cmdFormel_->setText(QStringLiteral("T"));
    cmdFormel_->setToolTip(LoadResString(1522));
    termRow->addWidget(lblInfo0);
    termRow->addWidget(cmbFormel_, 1);
    termRow->addWidget(cmdFormel_);
    layout->addLayout(termRow);

    auto* lblInfo1 = new QLabel(LoadResString(1502) + QStringLiteral(":"), this);
    lblInfo1->setObjectName(QStringLiteral("lblInfo1"));
    layout->addWidget(lblInfo1);
    auto* previewRow = new QHBoxLayout;
    lblLinks_ = new QLabel(QStringLiteral("<"), this);
    lblLinks_->setObjectName(QStringLiteral("lblLinks"));
    lblRechts_ = new QLabel(QStringLiteral(">"), this);
    lblRechts_->setObjectName(QStringLiteral("lblRechts"));
    picContainer_ = new QWidget(this);
    picContainer_->setObjectName(QStringLiteral("picContainer"));
    picContainer_->setFixedSize(kPreviewContainerWidth, kPreviewHeight);
    picVorschau_ = new QLabel(picContainer_);
    picVorschau_->setObjectName(QStringLiteral("picVorschau"));
    for (QLabel* l : {lblLinks_, lblRechts_, picVorschau_})
        l->installEventFilter(this);
    lblError_ = new QLabel(picContainer_);
    lblError_->setObjectName(QStringLiteral("lblError"));
    lblError_->setGeometry(0, 0, kPreviewContainerWidth, kPreviewHeight);
    lblError_->installEventFilter(this);
    lblError_->hide();
    previewRow->addWidget(lblLinks_);
    previewRow->addWidget(picContainer_);
    previewRow->addWidget(lblRechts_);
    previewRow->addStretch();
    layout->addLayout(previewRow);
}

void frmBoolean::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    BuildTermRows(layout);

    auto* statusRow = new QHBoxLayout;
    static const char* const kStatusNames[] = {"lblVereinfacht", "lblKorrigiert", "lblFehler"};
    for (int i = 0; i < 3; ++i) {
        statusLabels_[static_cast<std::size_t>(i)] =
            new QLabel(QStringLiteral("[ ") + LoadResString(1531 + i) + QStringLiteral(" ]"), this);
        statusLabels_[static_cast<std::size_t>(i)]->setObjectName(QLatin1String(kStatusNames[i]));
        statusRow->addWidget(statusLabels_[static_cast<std::size_t>(i)]);
    }
    statusRow->addStretch();
    layout->addLayout(statusRow);

    // Shown while a command runs.
    auto* progressRow = new QHBoxLayout;
    prgProgress_ = new QProgressBar(this);
    prgProgress_->setObjectName(QStringLiteral("prgProgress"));
    prgProgress_->hide();
    cmdCancel_ = new QPushButton(LoadResString(3612), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);
    cmdCancel_->hide();
    progressRow->addWidget(prgProgress_, 1);
    progressRow->addWidget(cmdCancel_);
    layout->addLayout(progressRow);

    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->addTab(BuildSynthesisTab(), LoadResString(1503));
    SSTab1_->addTab(BuildTableTab(), LoadResString(1504));
    SSTab1_->addTab(BuildTermTab(), LoadResString(1505));
    SSTab1_->installEventFilter(this);
    SSTab1_->setMouseTracking(true);
    layout->addWidget(SSTab1_, 1);

    auto* bottom = new QHBoxLayout;
    FokusFaenger_ = new QPushButton(this);
    FokusFaenger_->setObjectName(QStringLiteral("FokusFaenger"));
    FokusFaenger_->setFixedSize(1, 1);
    FokusFaenger_->setAutoDefault(false);
    cmdSchliessen_ = new QPushButton(LoadResString(1513), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen_->setAutoDefault(false);
    bottom->addWidget(FokusFaenger_);
    bottom->addStretch();
    bottom->addWidget(cmdSchliessen_);
    layout->addLayout(bottom);
    ConnectControls();
}

void frmBoolean::ConnectControls()
{
    errorSink_ = std::make_unique<ErrorLabel>(lblError_);
    protocolSink_ = std::make_unique<ProtocolList>(lstProtokoll_);
    treeSink_ = std::make_unique<frmBool>();
    objGroups.tvwGroups = treeSink_.get();
    objGroups.lblError = errorSink_.get();
    objBool.ErrorDevice = errorSink_.get();
    objQuineMcCluskey.InfoDevice = protocolSink_.get();

    const auto slot = [this](QString where, auto f) { return GuardedSlot(dialogs_, std::move(where), f); };
    connect(cmbFormel_, &QComboBox::editTextChanged, this, slot(QStringLiteral("cmbFormel_Change"), [this] {
                cmbFormel_Change();
            }));
    connect(cmbFormel_, &QComboBox::activated, this,
            slot(QStringLiteral("cmbFormel_Click"), [this] { cmbFormel_Click(); }));
    connect(SSTab1_, &QTabWidget::currentChanged, this,
            slot(QStringLiteral("SSTab1_Click"), [this](int tab) { SSTab1_Click(tab); }));
    connect(cmdErstellen_, &QPushButton::clicked, this,
            slot(QStringLiteral("cmdErstellen_Click"), [this] { cmdErstellen_Click(); }));
    connect(cmdTabelle_, &QPushButton::clicked, this,
            slot(QStringLiteral("cmdTabelle_Click"), [this] { cmdTabelle_Click(); }));
    connect(cmdTerm_, &QPushButton::clicked, this, slot(QStringLiteral("cmdTerm_Click"), [this] { cmdTerm_Click(); }));
    connect(cmdTermsynthese_, &QPushButton::clicked, this,
            slot(QStringLiteral("cmdTermsynthese_Click"), [this] { cmdTermsynthese_Click(); }));
    connect(cmdSort_, &QPushButton::clicked, this, slot(QStringLiteral("cmdSort_Click"), [this] { cmdSort_Click(); }));
    connect(cmdDelete_, &QPushButton::clicked, this,
            slot(QStringLiteral("cmdDelete_Click"), [this] { cmdDelete_Click(); }));
    connect(chkSchnell_, &QCheckBox::clicked, this,
            slot(QStringLiteral("chkSchnell_Click"), [this] { chkSchnell_Click(); }));
    connect(chkSorted_, &QToolButton::toggled, this, [this](bool down) { objGroups.Sorted = down; });
    connect(cmbArt_, &QComboBox::activated, this, slot(QStringLiteral("cmbArt_Click"), [this] { cmbArt_Click(); }));
    connect(cmbBauteile_, &QComboBox::currentIndexChanged, this,
            [this](int index) { objGroups.ConvertTo = static_cast<int16_t>(std::max(index, 0)); });
    connect(lstProtokoll_, &QListWidget::itemDoubleClicked, lstProtokoll_, &QListWidget::clear);
    connect(cmdSchliessen_, &QPushButton::clicked, this,
            slot(QStringLiteral("cmdSchliessen_Click"), [this] { cmdSchliessen_Click(); }));
    connect(cmdCancel_, &QPushButton::clicked, this, slot(QStringLiteral("cmdCancel_Click"), [this] { CancelRun(); }));
}

QWidget* frmBoolean::BuildSynthesisTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* frame1 = new QGroupBox(LoadResString(1506), page);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* spacing = new QHBoxLayout(frame1);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(LoadResString(1508 + i), frame1);
        label->setObjectName(QStringLiteral("lblInfo") + QString::number(2 + i));
        auto* box = new QLineEdit(frame1);
        box->setObjectName(QStringLiteral("txtOption") + QString::number(i));
        box->setFixedWidth(36);
        box->installEventFilter(this);
        txtOption_[static_cast<std::size_t>(i)] = box;
        spacing->addWidget(label);
        spacing->addWidget(box);
        // The box's up-down buddy steps by one within the box's limits.
        for (int step : {1, -1}) {
            auto* arrow = new QToolButton(frame1);
            arrow->setObjectName(QStringLiteral("updOption%1%2").arg(i).arg(step > 0 ? QStringLiteral("Up")
                                                                                        : QStringLiteral("Down")));
            arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
            connect(arrow, &QToolButton::clicked, this, [box, i, step] {
                const double next = RoundHalfEven(Val(box->text())) + step;
                box->setText(ClampSpacing(i, QString::number(next)));
            });
            spacing->addWidget(arrow);
        }
    }
    layout->addWidget(frame1);
    auto* frame2 = new QGroupBox(LoadResString(1507), page);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* circuit = new QHBoxLayout(frame2);
    cmbBauteile_ = new QComboBox(frame2);
    cmbBauteile_->setObjectName(QStringLiteral("cmbBauteile"));
    cmbBauteile_->addItems({LoadResString(1523), LoadResString(1524), LoadResString(1525)});
    circuit->addWidget(cmbBauteile_);
    layout->addWidget(frame2);
    chkVereinfachen_ = new QCheckBox(LoadResString(1511), page);
    chkVereinfachen_->setObjectName(QStringLiteral("chkVereinfachen"));
    chkSave_ = new QCheckBox(LoadResString(1515), page);
    chkSave_->setObjectName(QStringLiteral("chkSave"));
    cmdErstellen_ = new QPushButton(LoadResString(1514), page);
    cmdErstellen_->setObjectName(QStringLiteral("cmdErstellen"));
    lstProtokoll_ = new QListWidget(page);
    lstProtokoll_->setObjectName(QStringLiteral("lstProtokoll"));
    layout->addWidget(chkVereinfachen_);
    layout->addWidget(chkSave_);
    layout->addWidget(cmdErstellen_);
    layout->addWidget(lstProtokoll_, 1);
    return page;
}

QWidget* frmBoolean::BuildTableTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    cmdTabelle_ = new QPushButton(QStringLiteral("="), page);
    cmdTabelle_->setObjectName(QStringLiteral("cmdTabelle"));
    cmdTabelle_->setToolTip(LoadResString(1516));
    chkSorted_ = new QToolButton(page);
    chkSorted_->setObjectName(QStringLiteral("chkSorted"));
    chkSorted_->setCheckable(true);
    chkSorted_->setText(QStringLiteral("↓"));
    chkSorted_->setToolTip(LoadResString(1517));
    row->addWidget(cmdTabelle_);
    row->addWidget(chkSorted_);
    row->addStretch();
    layout->addLayout(row);
    lvwTabelle_ = new QTableView(page);
    lvwTabelle_->setObjectName(QStringLiteral("lvwTabelle"));
    tableModel_ = new CalculatedTableModel(table_, lvwTabelle_);
    lvwTabelle_->setModel(tableModel_);
    lvwTabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwTabelle_->verticalHeader()->hide();
    layout->addWidget(lvwTabelle_, 1);
    return page;
}

QWidget* frmBoolean::BuildTermTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    cmbArt_ = new QComboBox(page);
    cmbArt_->setObjectName(QStringLiteral("cmbArt"));
    cmbArt_->addItems({LoadResString(1534), LoadResString(1535)});
    chkSchnell_ = new QCheckBox(LoadResString(1512), page);
    chkSchnell_->setObjectName(QStringLiteral("chkSchnell"));
    row->addWidget(cmbArt_);
    row->addWidget(chkSchnell_);
    static constexpr struct {
        const char* name;
        const char* text;
        int tip;
    } kButtons[] = {{"cmdTerm", "T", 1519}, {"cmdTermsynthese", "G", 1518}, {"cmdSort", "S", 1520},
                    {"cmdDelete", "X", 1521}};
    QPushButton** targets[] = {&cmdTerm_, &cmdTermsynthese_, &cmdSort_, &cmdDelete_};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kButtons[i].text), page);
        b->setObjectName(QLatin1String(kButtons[i].name));
        b->setToolTip(LoadResString(kButtons[i].tip));
        *targets[i] = b;
        row->addWidget(b);
    }
    row->addStretch();
    layout->addLayout(row);
    tableView_ = new TruthTableView(grid_, headers_, page);
    layout->addWidget(tableView_, 1);
    return page;
}

