#pragma once
// Keys as a user's keystrokes reach a window: to the widget that has the
// focus. An editable combo box keeps the focus itself and hands each key to
// its line edit by calling the edit directly, so a key sent straight to the
// line edit passes filters that a user's key never meets.
#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <QWidget>

namespace keystrokes {

// Gives w the focus; the keys then go to w, which must be the focus widget.
inline void Focus(QWidget* w)
{
    w->setFocus();
    ASSERT_EQ(w->window()->focusWidget(), w) << "keys reach the focus widget, not " << w->metaObject()->className();
}

inline void Type(QWidget* w, const QString& text)
{
    Focus(w);
    QTest::keyClicks(w, text);
}

inline void Press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Focus(w);
    QTest::keyClick(w, key, modifiers);
}

} // namespace keystrokes
