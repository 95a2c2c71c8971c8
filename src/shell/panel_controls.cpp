#include "shell/panel_controls.h"

#include <QLabel>
#include <QToolButton>

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent, int x, int y, int w, int h)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(x, y, w, h);
    return label;
}

QToolButton* MakeStepButton(const QString& name, Qt::ArrowType arrow, QWidget* parent, int x, int y)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setGeometry(x, y, 16, 11);
    return b;
}

QString PlainCaption(QString text)
{
    return text.remove(QLatin1Char('&'));
}
