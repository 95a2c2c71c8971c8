#pragma once
// The real main window with synthetic mouse events on its worksheet, at cell
// centres: what the worksheet's widget tests share.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <initializer_list>
#include <utility>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/timers.h"
#include "shell/frmGatrel.h"
#include "shell/worksheet_picture.h"
#include "support/scripted_user_dialogs.h"

class WorksheetRig : public ::testing::Test {
protected:
    WorksheetRig() : window(s, dialogs, timers) { window.show(); }

    QPointF At(int x, int y) const
    {
        return QPointF(GridToPixel(s, static_cast<int16_t>(x)), GridToPixel(s, static_cast<int16_t>(y)));
    }
    void Send(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent e(type, p, window.picGrid()->mapToGlobal(p), button, held, mods);
        QApplication::sendEvent(window.picGrid(), &e);
    }
    void Move(int x, int y, Qt::MouseButtons held = Qt::NoButton)
    {
        Send(QEvent::MouseMove, At(x, y), Qt::NoButton, held);
    }
    void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        Send(QEvent::MouseButtonPress, At(x, y), b, b, mods);
    }
    void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton)
    {
        Send(QEvent::MouseButtonRelease, At(x, y), b, Qt::NoButton);
    }
    void Click(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        Move(x, y);
        Press(x, y, b, mods);
        Release(x, y, b);
    }
    // Press on the first cell, move through the others with the button held, release on the last.
    void Drag(std::initializer_list<std::pair<int, int>> path, Qt::MouseButton b = Qt::LeftButton)
    {
        const auto first = *path.begin();
        Move(first.first, first.second);
        Press(first.first, first.second, b);
        std::pair<int, int> last = first;
        for (const auto& p : path) {
            Move(p.first, p.second, b);
            last = p;
        }
        Release(last.first, last.second, b);
    }
    // A click on a palette button, as the user chooses a tool.
    void ClickPalette(const char* key)
    {
        QAction* a = window.ToolbarButton(QStringLiteral("Toolbar2"), QString::fromLatin1(key));
        ASSERT_NE(a, nullptr) << key;
        QWidget* b = window.Toolbar(QStringLiteral("Toolbar2"))->widgetForAction(a);
        ASSERT_NE(b, nullptr) << key;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void DoubleClick(int x, int y)
    {
        Click(x, y);
        Send(QEvent::MouseButtonDblClick, At(x, y), Qt::LeftButton, Qt::LeftButton);
        Release(x, y);
    }
    // The first pin of a pin list.
    static QPoint FirstPin(const QString& list)
    {
        const QString pin = list.section(QLatin1Char(':'), 0, 0);
        const int y = static_cast<int>(pin.indexOf(QLatin1Char('Y')));
        return {pin.mid(1, y - 1).toInt(), pin.mid(y + 1).toInt()};
    }
    // The texts of a menu's visible items, "-" for a separator.
    static QStringList VisibleItems(QMenu* menu)
    {
        QStringList items;
        for (QAction* a : menu->actions())
            if (a->isVisible())
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return items;
    }
    static QAction* Item(QMenu* menu, const QString& text)
    {
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
    void Tool(uint8_t t)
    {
        s.ToolMode = ToolFor(t);
        window.ChangeSelPicture(ToolFor(t));
    }

    ProgramState s;
    ScriptedUserDialogs dialogs;
    VirtualTimerHost timers;
    frmGatrel window;
};
