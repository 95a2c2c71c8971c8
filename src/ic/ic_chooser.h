#pragma once
// The main window's IC panel as the IC subsystem drives it: the chooser
// cmbIC with the ICs of the IC directory, the preview picICVorschau of the
// chosen IC, its notes box txtNotizen and the fault label lblICFehler.
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "ic/ic_preview.h"
#include "model/records.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class UserDialogs;

// What the chooser reads of the program: the IC directory it lists, the IC
// it selects, and the tool, which decides whether a selection is a click.
struct ICChooserFields {
    const QString& icDirectory;
    const QString& icName;
    const ToolCode& toolMode;
};

class ICChooser : public QObject {
    Q_OBJECT
public:
    ICChooser(const ICChooserFields& fields, UserDialogs& dialogs, QComboBox* cmbIC, QWidget* picICVorschau,
              QLineEdit* txtNotizen, QLabel* lblICFehler, QObject* parent);

    // The chooser's click handling (the main window's), raised when
    // ShowICNames selects an entry while the IC tool is current.
    std::function<void()> Click;
    // Notes written to IC name's file: the IC manager shows them too.
    std::function<void(const QString& name, const QString& notes)> NotesWritten;

    // Refills the chooser from the IC directory and selects ICName, else the
    // first entry. An empty directory empties the chooser, preview and notes.
    void ShowICNames();
    // Draws IC name's outline and connectors into the preview; a missing
    // file leaves it empty.
    void ICPreview(const QString& name);
    void ClearPreview();
    // Shows notes without counting them as an edit.
    void SetNotes(const QString& notes);
    // Selects the entry that equals name, ignoring case, without raising the click handling.
    void SelectSilently(const QString& name);
    // The fault label, with the reason as its tooltip.
    void ShowFault(bool faulty, const QString& why = QString());

    void txtNotizen_Change();
    // Writes edited notes into the IC's file, once per edit.
    void txtNotizen_LostFocus();

    // What the preview shows; empty when it shows nothing.
    const std::optional<ICPreviewData>& previewed() const { return previewed_; }
    const QImage& previewPicture() const { return picture_; }
    QString NotesFile() const { return notesFile_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RenderPreview();
    // The chooser's entries from the IC directory, choosing nothing.
    void Refill();

    const ICChooserFields f_;
    UserDialogs& dialogs_;
    QComboBox* cmbIC_;
    QWidget* picICVorschau_;
    QLineEdit* txtNotizen_;
    QLabel* lblICFehler_;
    std::optional<ICPreviewData> previewed_;
    QImage picture_;
    QString notesFile_;
    QString notesName_;
    // The text the box was filled with: leaving it unedited writes nothing.
    QString shownNotes_;
};
