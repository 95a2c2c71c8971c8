#include "ic/ic_chooser.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QWidget>

#include "ic/ic_directory.h"
#include "ic/ic_manager_texts.h"
#include "ic/ic_notes.h"
#include "model/file_names.h"
#include "model/files/ic_lookup.h"
#include "model/records.h"
#include "model/state.h"
#include "platform/guard.h"
#include "platform/painter_surface.h"
#include "platform/user_dialogs.h"

ICChooser::ICChooser(ProgramState& s, UserDialogs& dialogs, QComboBox* cmbIC, QWidget* picICVorschau,
                     QLineEdit* txtNotizen, QLabel* lblICFehler, QObject* parent)
    : QObject(parent), s_(s), dialogs_(dialogs), cmbIC_(cmbIC), picICVorschau_(picICVorschau),
      txtNotizen_(txtNotizen), lblICFehler_(lblICFehler)
{
    txtNotizen_->setReadOnly(false);
    connect(txtNotizen_, &QLineEdit::textChanged, this, GuardedSlot(dialogs_, QStringLiteral("txtNotizen_Change"), [this] {
                txtNotizen_Change();
            }));
    txtNotizen_->installEventFilter(this);
    picICVorschau_->installEventFilter(this);
}

void ICChooser::Refill()
{
    const QSignalBlocker quiet(cmbIC_);
    cmbIC_->clear();
    for (const ICListEntry& e : ReadICList(s_.Verzeichnisse[1]))
        if (!e.name.trimmed().isEmpty())
            cmbIC_->addItem(e.name);
}

void ICChooser::ShowICNames()
{
    Refill();
    if (cmbIC_->count() == 0) {
        // Nothing may stand for an IC that is gone.
        ClearPreview();
        SetNotes(QString());
        notesFile_.clear();
        ShowFault(false);
        return;
    }
    const int at = s_.circuit.ICName.isEmpty() ? -1 : cmbIC_->findText(s_.circuit.ICName, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    {
        const QSignalBlocker quiet(cmbIC_);
        cmbIC_->setCurrentIndex(at >= 0 ? at : 0);
    }
    if (s_.ToolMode == ToolCode::IC && Click)
        Click();
}

void ICChooser::ICPreview(const QString& name)
{
    const QString path = ResolveICFile(s_.Verzeichnisse[1], name);
    previewed_ = path.isEmpty() ? std::nullopt : LoadTmpGraphIC(path);
    RenderPreview();
}

void ICChooser::ClearPreview()
{
    previewed_.reset();
    RenderPreview();
}

void ICChooser::RenderPreview()
{
    const QSize size = picICVorschau_->size().expandedTo(QSize(1, 1));
    PainterSurface surface(size.width(), size.height());
    surface.BackColor = 0xFFFFFF;
    if (previewed_) {
        const QRectF scale = PreviewScale(size.width(), size.height());
        surface.SetScale(scale.x(), scale.y(), scale.width(), scale.height());
        DrawICPreview(surface, *previewed_);
    } else {
        surface.Cls();
    }
    picture_ = surface.Image();
    picICVorschau_->update();
}

void ICChooser::SetNotes(const QString& notes)
{
    txtNotizen_->setText(notes);
    shownNotes_ = txtNotizen_->text();
}

void ICChooser::SelectSilently(const QString& name)
{
    int at = cmbIC_->findText(name, Qt::MatchFixedString);
    // An IC new since the chooser was filled: the two lists agree again.
    if (at < 0) {
        Refill();
        at = cmbIC_->findText(name, Qt::MatchFixedString);
    }
    if (at < 0)
        return;
    const QSignalBlocker quiet(cmbIC_);
    cmbIC_->setCurrentIndex(at);
}

void ICChooser::ShowFault(bool faulty, const QString& why)
{
    lblICFehler_->setVisible(faulty);
    lblICFehler_->setToolTip(why);
}

void ICChooser::txtNotizen_Change()
{
    // The names follow the IC whose notes are shown.
    notesName_ = cmbIC_->currentText();
    notesFile_ = notesName_.isEmpty() ? QString() : ICFilePath(s_.Verzeichnisse[1], notesName_);
}

void ICChooser::txtNotizen_LostFocus()
{
    const QString text = txtNotizen_->text();
    if (notesFile_.isEmpty() || text == shownNotes_ || text == QLatin1String("[Notizen]"))
        return;
    const QString path = ResolveICFile(s_.Verzeichnisse[1], notesName_);
    if (path.isEmpty() || !FileExists(path))
        return;
    QString reason;
    if (!RewriteNotes(path, text, &reason)) {
        dialogs_.ShowMessage(NotesFailedText(notesName_, reason), MessageButtons::OK, MessageIcon::Critical,
                             QStringLiteral("Gatrel"));
        return;
    }
    shownNotes_ = text;
    if (NotesWritten)
        NotesWritten(notesName_, text);
}

bool ICChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtNotizen_ && event->type() == QEvent::FocusOut) {
        RunGuarded(&dialogs_, QStringLiteral("txtNotizen_LostFocus"), [this] { txtNotizen_LostFocus(); });
    } else if (watched == picICVorschau_ && event->type() == QEvent::Paint && !picture_.isNull()) {
        QPainter painter(picICVorschau_);
        painter.drawImage(0, 0, picture_);
    } else if (watched == picICVorschau_ && event->type() == QEvent::Resize) {
        RenderPreview();
    }
    return QObject::eventFilter(watched, event);
}
