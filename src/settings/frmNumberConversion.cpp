#include "settings/frmNumberConversion.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "platform/string_table.h"

namespace {

constexpr const char* kBoxNames[4] = {"txtDec", "txtHex", "txtBin", "txtOct"};

} // namespace

frmNumberConversion::frmNumberConversion(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmNumberConversion"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LoadResString(3500));
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(LoadResString(3501 + i), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(kBoxNames[i]));
        box->setMinimumWidth(230);
        box->installEventFilter(this);
        boxes_[static_cast<size_t>(i)] = box;
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) { Edited(i, text); });
    }
    auto* limit = new QLabel(LoadResString(3505), this);
    limit->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(limit, 4, 0, 1, 2);
}

int frmNumberConversion::IndexOf(QObject* watched) const
{
    for (int i = 0; i < 4; ++i)
        if (boxes_[static_cast<size_t>(i)] == watched)
            return i;
    return -1;
}

bool frmNumberConversion::eventFilter(QObject* watched, QEvent* event)
{
    const int index = IndexOf(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress)
        return KeyDown(index, static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool frmNumberConversion::KeyDown(int index, QKeyEvent* key)
{
    QLineEdit* box = boxes_[static_cast<size_t>(index)];
    if ((key->modifiers() & Qt::ControlModifier) && key->key() == Qt::Key_K) {
        close();
        return true;
    }
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        const int next = (index + (key->key() == Qt::Key_Down ? 1 : 3)) % 4;
        boxes_[static_cast<size_t>(next)]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    QChar typed;
    if (key->key() == Qt::Key_Backspace)
        typed = QChar(8);
    else if (!key->text().isEmpty() && key->text().at(0).isPrint() && !(key->modifiers() & Qt::ControlModifier))
        typed = key->text().at(0);
    else
        return false; // Delete, the caret keys, shortcuts: the box's own handling
    // A refused key leaves the box read-only until the next accepted one.
    const auto accepted = FilterKey(static_cast<NumberBox>(index), box->text(), typed);
    box->setReadOnly(!accepted);
    if (!accepted)
        return true;
    if (*accepted != typed) {
        box->insert(QString(*accepted));
        Edited(index, box->text());
        return true;
    }
    return false;
}

void frmNumberConversion::Edited(int index, const QString& text)
{
    if (updating_)
        return;
    const auto box = static_cast<NumberBox>(index);
    QString own = text;
    // Text that arrives other than by a key (pasting) keeps the box's digits,
    // and a value beyond the limit is refused as a key would be; so is a digit
    // typed in front of others that pushes the value over the limit.
    const auto filtered = FilterText(box, text);
    own = filtered ? *filtered : shown_[static_cast<size_t>(index)];
    if (own != text)
        SetBoxText(index, own);
    const auto texts = ConvertFrom(box, own);
    for (int i = 0; i < 4; ++i)
        if (i != index)
            SetBoxText(i, texts[static_cast<size_t>(i)]);
    shown_[static_cast<size_t>(index)] = own;
}

void frmNumberConversion::SetBoxText(int index, const QString& text)
{
    QLineEdit* box = boxes_[static_cast<size_t>(index)];
    shown_[static_cast<size_t>(index)] = text;
    if (box->text() == text)
        return;
    updating_ = true;
    box->setText(text);
    updating_ = false;
}
