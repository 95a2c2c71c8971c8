#include "shell/quick_help_box.h"

#include "platform/font_map.h"
#include "shell/main_window_layout.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace {

const QColor kBackground(0xFF, 0xFF, 0xC0);

int ToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QLabel* MakeLabel(const QString& name, bool bold, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QFont font(MapFontFamily(QStringLiteral("MS Sans Serif")), 8);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

bool IsLeftClickInside(const QWidget* w, const QMouseEvent* e)
{
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

} // namespace

QuickHelpBox::QuickHelpBox(QWidget* parent)
    : QFrame(parent),
      headline_(MakeLabel(QStringLiteral("lblHeadline"), true, this)),
      text_(MakeLabel(QStringLiteral("lblQText"), false, this))
{
    setObjectName(QStringLiteral("picQuickHelp"));
    setFrameShape(QFrame::Box);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    headline_->move(ToPixels(120), ToPixels(120));
    text_->move(ToPixels(120), ToPixels(480));
    for (QLabel* label : {headline_, text_})
        label->installEventFilter(this);
    // Clicking it gives it the focus, so that clicking elsewhere hides it.
    setFocusPolicy(Qt::ClickFocus);
    setGeometry(ToPixels(2400), ToPixels(4320), ToPixels(4695), ToPixels(855));
    hide();
}

void QuickHelpBox::SetCaptions(const QString& headline, const QString& body)
{
    headline_->setText(headline);
    headline_->adjustSize();
    lblHeadline_Change();
    // A label breaks lines at "\n"; a lone "\r" would show as a glyph.
    text_->setText(QString(body).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    text_->adjustSize();
    lblQText_Change();
}

void QuickHelpBox::lblHeadline_Change()
{
    ResizeQuickHelp();
}

void QuickHelpBox::lblQText_Change()
{
    ResizeQuickHelp();
}

void QuickHelpBox::ResizeQuickHelp()
{
    QuickHelpLabels l;
    l.headlineLeft = headline_->x() * kTwipsPerPixel;
    l.headlineWidth = headline_->width() * kTwipsPerPixel;
    l.textLeft = text_->x() * kTwipsPerPixel;
    l.textTop = text_->y() * kTwipsPerPixel;
    l.textWidth = text_->width() * kTwipsPerPixel;
    l.textHeight = text_->height() * kTwipsPerPixel;
    const QuickHelpSize size = ::ResizeQuickHelp(l);
    resize(ToPixels(size.width), ToPixels(size.height));
}

void QuickHelpBox::ShowAt(QPoint pos)
{
    move(pos);
    raise();
    show();
    setFocus(Qt::OtherFocusReason);
}

void QuickHelpBox::PlaceQuickHelp(const QString& headline, const QString& body, const QString& key, int16_t index,
                                  QuickHelpGeometry g)
{
    if (isVisible())
        hide();
    SetCaptions(headline, body);
    g.boxLeft = x() * g.tpx;
    g.boxTop = y() * g.tpy;
    g.boxWidth = width() * g.tpx;
    g.boxHeight = height() * g.tpy;
    const QuickHelpPlace p = QuickHelpPosition(key, index, g);
    ShowAt(QPoint(static_cast<int>(std::lround(p.left / g.tpx)), static_cast<int>(std::lround(p.top / g.tpy))));
}

void QuickHelpBox::picQuickHelp_Click()
{
    hide();
}

void QuickHelpBox::picQuickHelp_LostFocus()
{
    hide();
}

void QuickHelpBox::lblHeadline_Click()
{
    hide();
}

void QuickHelpBox::lblQText_Click()
{
    hide();
}

void QuickHelpBox::mousePressEvent(QMouseEvent* event)
{
    // Taken, so that the release comes back here as a click.
    event->accept();
}

void QuickHelpBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsLeftClickInside(this, event))
        picQuickHelp_Click();
    else
        QFrame::mouseReleaseEvent(event);
}

void QuickHelpBox::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    // Switching to another program and back leaves the help up.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        picQuickHelp_LostFocus();
}

bool QuickHelpBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == headline_ || watched == text_) {
        if (event->type() == QEvent::MouseButtonPress)
            return true; // the label keeps the press, so the release reaches it
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* label = static_cast<QLabel*>(watched);
            if (IsLeftClickInside(label, static_cast<QMouseEvent*>(event))) {
                if (label == headline_)
                    lblHeadline_Click();
                else
                    lblQText_Click();
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
