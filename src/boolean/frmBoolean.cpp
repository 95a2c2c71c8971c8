// Loading the Boolean tools window, its term box, preview, options and closing.
#include "boolean/frmBoolean.h"

#include "boolean/term_display.h"
#include "boolean/truth_table_view.h"
#include "model/settings.h"
#include "platform/color.h"
#include "platform/guard.h"
#include "platform/numeric.h"
#include "platform/painter_surface.h"
#include "platform/string_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTwipsPerPixel = 15;

void TextColour(QLabel* label, int32_t bgr)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, ColorFromBgr(bgr));
    label->setPalette(p);
}

} // namespace

void frmBoolean::Form_Load()
{
    objGroups.Dialogs = &dialogs_;
    objGroups.Tabelle = &table_;
    objGroups.ProcessEvents = [this] { LetEventsRun(); };
    objGroups.Progress = [this](int done, int total) { ShowProgress(done, total); };
    objQuineMcCluskey.Tabelle = &table_;
    objQuineMcCluskey.PressTabelle = [this] { CalculateTable(); };
    objQuineMcCluskey.RunWork = [this](const std::function<void()>& work) { MinimiseAside(work); };
    table_.OnChanged = [this] { tableDirty_ = true; };
    previewSurface_ = std::make_unique<PainterSurface>(kPreviewContainerWidth, kPreviewHeight);
    objGroups.Output = previewSurface_.get();
    objBool.Output = previewSurface_.get();

    setWindowTitle(LoadResString(1500));
    tabAllowed_[0] = tool_ != ToolCode::ICDefinitionView;

    const TermOptions options = LoadTermOptions(settings_);
    for (std::size_t i = 0; i < 3; ++i)
        txtOption_[i]->setText(options.txtOption[i].trimmed());
    chkVereinfachen_->setChecked(options.chkVereinfachen != 0);
    chkSave_->setChecked(options.chkSave != 0);
    chkSorted_->setChecked(options.chkSorted);
    objGroups.Sorted = options.chkSorted;
    SetHistory(options.history);
    cmbFormel_->setEditText(QString());
    cmbArt_->setCurrentIndex(0);

    // The design-time table: its columns beyond "F" are never used.
    grid_.Dialogs = &dialogs_;
    for (int c = TruthTableGrid::kUsableColumns; c < TruthTableGrid::kColumns; ++c)
        grid_.SetColumnInUse(c, false);
    WireTable();
    grid_.AddLine();
    for (int i = 0; i < 3; ++i)
        truth_table::RemoveVariable(grid_);
    cmbBauteile_->setCurrentIndex(0);
    objGroups.ConvertTo = 0;

    const ToolsAvailability tools = AvailableTools(settings_.FeatureEnable, tool_);
    chkVereinfachen_->setEnabled(tools.simplify);
    for (std::size_t t = 0; t < 3; ++t) {
        tabFeature_[t] = tools.tab[t];
        SSTab1_->setTabEnabled(static_cast<int>(t), tabAllowed_[t] && tabFeature_[t]);
    }
    cmdTermsynthese_->setEnabled(tools.termSynthesis);
    for (int i = 0; i < 3; ++i)
        statusLabels_[static_cast<std::size_t>(i)]->setAutoFillBackground(true);
    status_.fill(PreviewStrip::kGrey);
    grid_.lblFehlerColor = PreviewStrip::kGrey;
    cmbFormel_Change();
    SSTab1_Click(SSTab1_->currentIndex());
    tableView_->Sync();
    SyncStatus();
}

QString frmBoolean::Formula() const
{
    return cmbFormel_->currentText();
}

int32_t frmBoolean::StatusColour(int label) const
{
    return label == 2 ? grid_.lblFehlerColor : status_[static_cast<std::size_t>(label)];
}

void frmBoolean::SyncStatus()
{
    for (int i = 0; i < 3; ++i) {
        QLabel* l = statusLabels_[static_cast<std::size_t>(i)];
        QPalette p = l->palette();
        p.setColor(QPalette::Window, ColorFromBgr(StatusColour(i)));
        l->setPalette(p);
    }
}

void frmBoolean::ShowTab(int tab)
{
    tab = std::clamp(tab, 0, 2);
    if (SSTab1_->isTabEnabled(tab)) {
        if (SSTab1_->currentIndex() == tab)
            SSTab1_Click(tab);
        else
            SSTab1_->setCurrentIndex(tab);
    }
    show();
    raise();
    activateWindow();
}

void frmBoolean::SetSimplificationEnabled(bool on)
{
    chkVereinfachen_->setEnabled(on);
}

void frmBoolean::SSTab1_Click(int tab)
{
    const TabBehaviour b = TabBehaviourOf(tab);
    setWindowTitle(LoadResString(b.captionId));
    for (QPushButton* button : {cmdErstellen_, cmdTabelle_, cmdTerm_}) {
        const bool isDefault = button->objectName() == QLatin1String(b.defaultButton);
        button->setAutoDefault(isDefault);
        button->setDefault(isDefault);
    }
    if (tab == 2) {
        if (!chkSchnell_->isChecked())
            cmdTerm_->setEnabled(true);
    } else {
        cmdTerm_->setEnabled(false);
    }
}

void frmBoolean::SetHistory(const QStringList& history)
{
    history_ = history;
    const QString text = cmbFormel_->currentText();
    const QSignalBlocker block(cmbFormel_);
    cmbFormel_->clear();
    cmbFormel_->addItems(history_);
    // The text's own item is the current one: leaving the box must not take
    // it for a pick from the history.
    cmbFormel_->setCurrentIndex(static_cast<int>(history_.indexOf(text)));
    cmbFormel_->setEditText(text);
}

void frmBoolean::AddTermToList()
{
    ::AddTermToList(history_, Formula());
    SetHistory(history_);
}

void frmBoolean::cmbFormel_Change()
{
    const bool any = !Formula().isEmpty();
    cmdErstellen_->setEnabled(any);
    cmdTabelle_->setEnabled(any);
    DrawPreview(Formula());
    if (!table_.Columns().empty()) {
        table_.ClearRows();
        table_.ClearColumns();
        SyncCalculatedTable();
    }
    preview_.left = 0;
    PlacePreview();
    status_[0] = PreviewStrip::kGrey;
    status_[1] = PreviewStrip::kGrey;
    SyncStatus();
}

void frmBoolean::cmbFormel_Click()
{
    cmbFormel_Change();
    grid_.lblFehlerColor = PreviewStrip::kGrey;
    SyncStatus();
}

void frmBoolean::DrawPreview(const QString& term)
{
    const int width =
        std::max(kPreviewContainerWidth, static_cast<int>(TermPreviewWidthTwips(term, 5, kTwipsPerPixel) / kTwipsPerPixel));
    previewSurface_->Resize(width, kPreviewHeight);
    previewSurface_->Cls();
    if (!term.isEmpty())
        objGroups.ShowTerm(term, 5, 17);
    preview_.width = width * kTwipsPerPixel;
    preview_.containerWidth = kPreviewContainerWidth * kTwipsPerPixel;
    picVorschau_->setFixedSize(width, kPreviewHeight);
    picVorschau_->setPixmap(QPixmap::fromImage(previewSurface_->Image().copy()));
    PlacePreview();
}

void frmBoolean::PlacePreview()
{
    preview_.UpdateArrows();
    picVorschau_->move(preview_.left / kTwipsPerPixel, 0);
    TextColour(lblLinks_, preview_.leftArrow);
    TextColour(lblRechts_, preview_.rightArrow);
}

void frmBoolean::txtOption_LostFocus(int index)
{
    QLineEdit* box = txtOption_[static_cast<std::size_t>(index)];
    const QString clamped = ClampSpacing(index, box->text());
    if (clamped != box->text())
        box->setText(clamped);
}

void frmBoolean::SaveTermOptions()
{
    TermOptions options;
    for (std::size_t i = 0; i < 3; ++i)
        options.txtOption[i] = txtOption_[i]->text();
    options.chkVereinfachen = chkVereinfachen_->isChecked() ? 1 : 0;
    options.chkSave = chkSave_->isChecked() ? 1 : 0;
    options.chkSorted = chkSorted_->isChecked();
    options.history = history_;
    ::SaveTermOptions(options, settings_);
    if (WriteSettings)
        WriteSettings();
}

void frmBoolean::cmdSchliessen_Click()
{
    close();
}

void frmBoolean::reject()
{
    close();
}

void frmBoolean::closeEvent(QCloseEvent* event)
{
    RunGuarded(&dialogs_, QStringLiteral("frmBoolean.QueryUnload"), [this] { SaveTermOptions(); });
    // Neither a calculation nor a synthesis may lose its window under it.
    if (running_ || generating_) {
        event->ignore();
        return;
    }
    event->accept();
}

bool frmBoolean::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // The combo box has the focus and passes each key to its line edit
    // directly, past any filter there, so its keys are filtered here.
    if (watched == cmbFormel_ && type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isPrint())
            return false;
        const std::optional<QChar> mapped = FilterFormulaKey(text[0], cmdFormel_->isChecked());
        if (mapped && *mapped == text[0])
            return false;
        if (mapped)
            cmbFormel_->lineEdit()->insert(QString(*mapped));
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (watched == txtOption_[static_cast<std::size_t>(i)] && type == QEvent::FocusOut)
            txtOption_LostFocus(i);
    }
    if (watched == lblError_ && type == QEvent::MouseButtonPress)
        cmbFormel_->setFocus();
    if ((watched == lblLinks_ || watched == lblRechts_)
        && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        if (watched == lblLinks_)
            preview_.PressLeft();
        else
            preview_.PressRight();
        picVorschau_->move(preview_.left / kTwipsPerPixel, 0);
        TextColour(lblLinks_, preview_.leftArrow);
        TextColour(lblRechts_, preview_.rightArrow);
        return true;
    }
    if ((watched == lblLinks_ || watched == lblRechts_) && type == QEvent::MouseButtonRelease) {
        preview_.Release();
        TextColour(lblLinks_, preview_.leftArrow);
        TextColour(lblRechts_, preview_.rightArrow);
        return true;
    }
    if (watched == picVorschau_ && type == QEvent::MouseButtonPress) {
        cmbFormel_->setFocus();
        dragX_ = static_cast<int>(std::lround(static_cast<QMouseEvent*>(event)->position().x()));
    }
    if (watched == picVorschau_ && type == QEvent::MouseMove) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->buttons() & Qt::LeftButton) {
            const int x = static_cast<int>(std::lround(me->position().x()));
            preview_.Drag((x - dragX_) * kTwipsPerPixel);
            picVorschau_->move(preview_.left / kTwipsPerPixel, 0);
            TextColour(lblLinks_, preview_.leftArrow);
            TextColour(lblRechts_, preview_.rightArrow);
        }
    }
    if (watched == SSTab1_ && type == QEvent::MouseMove) {
        truth_table::Hover(grid_, headers_, truth_table::HoverTarget::TabControl, 0);
        tableView_->Sync();
    }
    return QDialog::eventFilter(watched, event);
}
