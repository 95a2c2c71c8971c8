#include "ic/ic_manager_geometry.h"

#include <algorithm>
#include <cmath>

#include "model/settings.h"
#include "platform/numeric.h"

namespace {

int ManagerPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kManagerTwipsPerPixel));
}

// The height of a title bar the user can grab, in pixels.
constexpr int kGrabHeight = 24;
constexpr int kGrabWidth = 60;

} // namespace

int16_t ToStoredTwips(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    return static_cast<int16_t>(std::clamp(RoundHalfEven(twips), -32768.0, 32767.0));
}

QRect RestoreManagerFrame(const ICManagerFields& stored, QSize designed, const QList<QRect>& screens)
{
    QRect frame;
    if (stored.WindowHeight == 0 || stored.WindowWidth == 0)
        frame = QRect(ManagerPixels(1000), ManagerPixels(1000), designed.width(), designed.height());
    else
        frame = QRect(ManagerPixels(stored.WindowX), ManagerPixels(stored.WindowY), ManagerPixels(stored.WindowWidth),
                      ManagerPixels(stored.WindowHeight));
    frame.setWidth(std::max(frame.width(), ManagerPixels(kManagerMinWidthTwips)));
    frame.setHeight(std::max(frame.height(), ManagerPixels(kManagerMinHeightTwips)));
    if (screens.isEmpty())
        return frame;
    // Enough of the title bar to grab must lie on some screen.
    const QRect titleBar(frame.left(), frame.top(), frame.width(), kGrabHeight);
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(titleBar);
        if (seen.height() >= kGrabHeight / 2 && seen.width() >= std::min(kGrabWidth, frame.width()))
            return frame;
    }
    // Back where it opens without a stored place, on the first screen.
    const QRect& first = screens.front();
    frame.setSize(frame.size().boundedTo(first.size()));
    const QPoint designedPlace = first.topLeft() + QPoint(ManagerPixels(1000), ManagerPixels(1000));
    const bool fits = first.contains(QRect(designedPlace, frame.size()));
    frame.moveTopLeft(fits ? designedPlace : first.topLeft());
    return frame;
}

QSize FirstStartClientSize(QSize designed, int statusRowWidth, int statusBarWidth, int screenWidth)
{
    const int forPanel = static_cast<int>(std::ceil(statusRowWidth * 2.5));
    const int width = std::max({designed.width(), forPanel, statusBarWidth});
    return QSize(screenWidth > 0 ? std::min(width, screenWidth) : width, designed.height());
}

void StoreManagerFrame(ICManagerFields& stored, const QRect& frame)
{
    const double t = kManagerTwipsPerPixel;
    stored.WindowX = ToStoredTwips(frame.x() * t);
    stored.WindowY = ToStoredTwips(frame.y() * t);
    stored.WindowWidth = ToStoredTwips(frame.width() * t);
    stored.WindowHeight = ToStoredTwips(frame.height() * t);
}

ManagerLayout LayoutManager(QSize client, int listTop, int firstColumnWidth)
{
    const int W = client.width();
    const int H = client.height();
    ManagerLayout l;
    const int listHeight = std::max(0, static_cast<int>((H - listTop - ManagerPixels(1250)) * 0.9));
    l.list = QRect(0, listTop, W, listHeight);
    const int panelTop = listTop + listHeight;
    const int panelWidth = static_cast<int>(W / 2.5);
    l.panel = QRect(0, panelTop, panelWidth, std::max(0, H - panelTop));
    const int treeLeft = panelWidth + 1;
    l.tree = QRect(treeLeft, panelTop, std::max(0, W - treeLeft), std::max(0, H - panelTop));
    l.notesColumnWidth = std::max(0, W - firstColumnWidth - ManagerPixels(900));
    return l;
}
