#include "shell/select_all_on_focus.h"

#include <QEvent>
#include <QLineEdit>

#include <utility>

namespace {

class GotFocusFilter : public QObject {
public:
    GotFocusFilter(QObject* parent, std::function<void()> gotFocus) : QObject(parent), gotFocus_(std::move(gotFocus)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            gotFocus_();
        return false;
    }

private:
    std::function<void()> gotFocus_;
};

} // namespace

void OnGotFocus(QLineEdit* box, std::function<void()> gotFocus)
{
    box->installEventFilter(new GotFocusFilter(box, std::move(gotFocus)));
}

void SelectWholeText(QLineEdit* box)
{
    // Queued: the click that brought the focus would place the caret over the selection.
    QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
}
