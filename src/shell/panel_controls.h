#pragma once
// Small controls the panels share: named captions and the arrow buttons of
// their up-down pairs.
#include <QString>
#include <Qt>

class QLabel;
class QToolButton;
class QWidget;

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent, int x, int y, int w, int h);
// An auto-repeating arrow button of 16 x 11 pixels.
QToolButton* MakeStepButton(const QString& name, Qt::ArrowType arrow, QWidget* parent, int x, int y);
// A menu caption without its access key marks.
QString PlainCaption(QString text);
