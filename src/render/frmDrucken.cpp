#include "render/frmDrucken.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "model/file_names.h"
#include "model/state.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/printer.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"
#include "render/print_options.h"
#include "render/print_pages.h"

namespace {

constexpr int kStrPrinter = 1800;
constexpr int kStrQuality = 1801;
constexpr int kStrCopies = 1802;
constexpr int kStrPrintICs = 1803;
constexpr int kStrPages = 1804;
constexpr int kStrPrint = 1805;
constexpr int kStrClose = 1806;
constexpr int kStrCaption = 1807;
constexpr int kStrDraft = 1808; // .. 1811 "High"
constexpr int kStrNoPrinter = 1812;
constexpr int kStrMessageTitle = 1813;
constexpr int kStrPdfTitle = 1815;
constexpr int kStrPdfFilter = 1816;
constexpr int kStrPrintFailed = 1817;
constexpr int kHighQuality = 3;
constexpr int kBlackAndWhite = 1;

template <class W>
W* Named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

} // namespace

frmDrucken::frmDrucken(ProgramState& s, clsGrafik& g, Printer& printer, UserDialogs& dialogs,
                       QString programFolder, QWidget* parent)
    : QDialog(parent), s_(s), g_(g), printer_(printer), dialogs_(dialogs), programFolder_(std::move(programFolder))
{
    setObjectName(QStringLiteral("frmDrucken"));
    BuildControls();
    Form_Load();
}

void frmDrucken::BuildControls()
{
    for (int i = 0; i < 3; ++i)
        lblInfo_[i] = Named(new QLabel(this), QStringLiteral("lblInfo%1").arg(i));
    cmbDrucker_ = Named(new QComboBox(this), QStringLiteral("cmbDrucker"));
    cmbQualitaet_ = Named(new QComboBox(this), QStringLiteral("cmbQualität"));
    cmbFarbe_ = Named(new QComboBox(this), QStringLiteral("cmbFarbe"));
    txtKopien_ = Named(new QLineEdit(this), QStringLiteral("txtKopien"));
    txtKopien_->installEventFilter(this);

    UpDown1_ = Named(new QWidget(this), QStringLiteral("UpDown1"));
    auto* up = Named(new QToolButton(UpDown1_), QStringLiteral("UpDown1Up"));
    auto* down = Named(new QToolButton(UpDown1_), QStringLiteral("UpDown1Down"));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    auto* arrows = new QVBoxLayout(UpDown1_);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up);
    arrows->addWidget(down);

    Frame1_ = Named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* area = new QVBoxLayout(Frame1_);
    for (int i = 0; i < 2; ++i) {
        optBereich_[i] = Named(new QRadioButton(Frame1_), QStringLiteral("optBereich%1").arg(i));
        area->addWidget(optBereich_[i]);
    }
    chkIC_ = Named(new QCheckBox(this), QStringLiteral("chkIC"));
    Label1_ = Named(new QLabel(this), QStringLiteral("Label1"));
    lblSeiten_ = Named(new QLabel(this), QStringLiteral("lblSeiten"));
    cmdDrucken_ = Named(new QPushButton(this), QStringLiteral("cmdDrucken"));
    cmdDrucken_->setDefault(true);
    cmdAbbrechen_ = Named(new QPushButton(this), QStringLiteral("cmdAbbrechen"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblInfo_[0], 0, 0);
    grid->addWidget(cmbDrucker_, 0, 1, 1, 3);
    grid->addWidget(lblInfo_[1], 1, 0);
    grid->addWidget(cmbQualitaet_, 1, 1);
    grid->addWidget(cmbFarbe_, 1, 2, 1, 2);
    grid->addWidget(lblInfo_[2], 2, 0);
    auto* copies = new QHBoxLayout;
    copies->addWidget(txtKopien_);
    copies->addWidget(UpDown1_);
    copies->addStretch();
    grid->addLayout(copies, 2, 1);
    grid->addWidget(Frame1_, 3, 0, 1, 4);
    grid->addWidget(chkIC_, 4, 0, 1, 2);
    grid->addWidget(Label1_, 4, 2);
    grid->addWidget(lblSeiten_, 4, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDrucken_);
    buttons->addWidget(cmdAbbrechen_);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    // A selection made by the program acts like one made by the user.
    connect(cmbDrucker_, &QComboBox::currentIndexChanged, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.cmbDrucker_Click"), [this] { cmbDrucker_Click(); }));
    connect(cmbQualitaet_, &QComboBox::currentIndexChanged, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.cmbQualität_Click"),
                        [this](int i) { cmbQualitaet_Click(i); }));
    connect(cmbFarbe_, &QComboBox::currentIndexChanged, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.cmbFarbe_Click"), [this](int i) { cmbFarbe_Click(i); }));
    connect(txtKopien_, &QLineEdit::textChanged, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.txtKopien_Change"), [this] { txtKopien_Change(); }));
    connect(up, &QToolButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.UpDown1_UpClick"), [this] { UpDown1_Step(1); }));
    connect(down, &QToolButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.UpDown1_DownClick"), [this] { UpDown1_Step(-1); }));
    connect(chkIC_, &QCheckBox::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.chkIC_Click"), [this] { chkIC_Click(); }));
    connect(cmdDrucken_, &QPushButton::clicked, this,
            GuardedSlot(dialogs_, QStringLiteral("frmDrucken.cmdDrucken_Click"), [this] { cmdDrucken_Click(); }));
    connect(cmdAbbrechen_, &QPushButton::clicked, this, &QDialog::close);
}

void frmDrucken::Form_Load()
{
    setWindowTitle(LoadResString(kStrCaption));
    lblInfo_[0]->setText(LoadResString(kStrPrinter));
    lblInfo_[1]->setText(LoadResString(kStrQuality));
    lblInfo_[2]->setText(LoadResString(kStrCopies));
    {
        const QSignalBlocker quiet(cmbQualitaet_);
        const QSignalBlocker quietToo(cmbFarbe_);
        for (int i = 0; i < 4; ++i)
            cmbQualitaet_->addItem(LoadResString(kStrDraft + i));
        cmbFarbe_->addItems({QStringLiteral("Farbe"), QStringLiteral("s/w")});
    }
    txtKopien_->setText(QStringLiteral("1"));
    Frame1_->setTitle(QStringLiteral("Bereich"));
    optBereich_[0]->setText(QStringLiteral("&Benutzten Bereich (autom. Zoom)"));
    optBereich_[1]->setText(QStringLiteral("&Alles drucken"));
    // Printing always takes the whole worksheet; the choice shows it.
    optBereich_[1]->setChecked(true);
    chkIC_->setText(LoadResString(kStrPrintICs));
    Label1_->setText(LoadResString(kStrPages));
    lblSeiten_->setText(QStringLiteral("1"));
    cmdDrucken_->setText(LoadResString(kStrPrint));
    cmdAbbrechen_->setText(LoadResString(kStrClose));

    if (ShowPrinters()) {
        ShowPrintOptions();
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{cmbDrucker_, lblInfo_[0], lblInfo_[1], lblInfo_[2],
                                                          cmbQualitaet_, cmbFarbe_, txtKopien_, UpDown1_,
                                                          optBereich_[0], optBereich_[1], Frame1_, cmdDrucken_})
            w->setEnabled(false);
    }
    chkIC_->setChecked(false);
    chkIC_->setEnabled(s_.circuit.LevelUBound() >= 1);
}

bool frmDrucken::ShowPrinters()
{
    const QStringList names = printer_.DeviceNames();
    {
        // Filling the list chooses nothing: the current printer stays.
        const QSignalBlocker quiet(cmbDrucker_);
        cmbDrucker_->addItems(names);
        const qsizetype current = names.indexOf(printer_.DeviceName());
        cmbDrucker_->setCurrentIndex(current >= 0 ? static_cast<int>(current) : -1);
    }
    if (!names.isEmpty())
        return true;
    QString text = LoadResString(kStrNoPrinter);
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    dialogs_.ShowMessage(text, MessageButtons::OK, MessageIcon::Exclamation, LoadResString(kStrMessageTitle));
    return false;
}

void frmDrucken::ShowPrintOptions()
{
    cmbQualitaet_->setCurrentIndex(kHighQuality);
    cmbFarbe_->setCurrentIndex(kBlackAndWhite);
}

bool frmDrucken::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtKopien_ && event->type() == QEvent::FocusOut)
        RunGuarded(&dialogs_, QStringLiteral("frmDrucken.txtKopien_LostFocus"), [this] { txtKopien_LostFocus(); });
    return QDialog::eventFilter(watched, event);
}

void frmDrucken::cmbDrucker_Click()
{
    printer_.SelectDevice(cmbDrucker_->currentText());
}

void frmDrucken::cmbQualitaet_Click(int position)
{
    printer_.SetPrintQuality(QualityOfItem(position));
}

void frmDrucken::cmbFarbe_Click(int position)
{
    printer_.SetColorMode(ColorModeOfItem(position));
}

void frmDrucken::txtKopien_Change()
{
    if (const std::optional<int> copies = TypedCopies(txtKopien_->text()))
        printer_.SetCopies(*copies);
}

void frmDrucken::txtKopien_LostFocus()
{
    const QString corrected = CorrectedCopiesText(txtKopien_->text());
    if (corrected != txtKopien_->text())
        txtKopien_->setText(corrected);
}

void frmDrucken::UpDown1_Step(int by)
{
    const int now = static_cast<int>(std::clamp(Val(txtKopien_->text()), 1.0, double(kMaxCopies)));
    txtKopien_->setText(QString::number(std::clamp(now + by, 1, kMaxCopies)));
}

void frmDrucken::chkIC_Click()
{
    ICPageNames_ = QStringList{QString()};
    if (!chkIC_->isChecked()) {
        lblSeiten_->setText(QStringLiteral("1"));
        return;
    }
    ICPageNames_ = BuildICPageNames(s_.circuit);
    lblSeiten_->setText(QString::number(ICPageNames_.size()));
}

QString frmDrucken::AskPdfFile()
{
    FileDialogRequest request;
    request.title = LoadResString(kStrPdfTitle);
    request.filter = LoadResString(kStrPdfFilter);
    request.initialDir = s_.Verzeichnisse[0];
    const QString circuit = QFileInfo(s_.CmDialog1.FileName).completeBaseName();
    request.fileName = circuit.isEmpty() ? QString() : circuit + QStringLiteral(".pdf");
    const QString path = dialogs_.ChooseSaveFile(request);
    return path.isEmpty() ? path : WithDefaultExtension(path, QStringLiteral("pdf"));
}

void frmDrucken::cmdDrucken_Click()
{
    // The box is put right as losing the focus would, also when Print was
    // reached by the keyboard.
    txtKopien_LostFocus();
    if (printer_.WritesFile()) {
        const QString path = AskPdfFile();
        if (path.isEmpty())
            return;
        printer_.SetOutputFile(path);
    }
    const QStringList pages = chkIC_->isChecked() ? ICPageNames_ : QStringList{QString()};
    if (!PrintPages(s_, ShownSheetOf(s_), g_, printer_, pages, s_.CmDialog1.FileName, programFolder_))
        dialogs_.ShowMessage(LoadResString(kStrPrintFailed), MessageButtons::OK, MessageIcon::Exclamation,
                             LoadResString(kStrMessageTitle));
}
