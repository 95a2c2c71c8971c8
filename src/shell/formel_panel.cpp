#include "shell/formel_panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "shell/command_line.h"

FormelPanel::FormelPanel(QWidget* client, int left) : QObject(client)
{
    cmdFormel = new QToolButton(client);
    cmdFormel->setObjectName(QStringLiteral("cmdFormel"));
    cmdFormel->setText(QStringLiteral("f(x)"));
    cmdFormel->setCheckable(true);
    cmdFormel->setGeometry(left, 2, 40, 22);
    cmbFormel = new QComboBox(client);
    cmbFormel->setObjectName(QStringLiteral("cmbFormel"));
    cmbFormel->setEditable(true);
    cmbFormel->setInsertPolicy(QComboBox::NoInsert);
    cmbFormel->setGeometry(cmdFormel->x() + 44, 2, 300, 22);
    cmdCloseFormel = new QToolButton(client);
    cmdCloseFormel->setObjectName(QStringLiteral("cmdCloseFormel"));
    cmdCloseFormel->setText(QStringLiteral("\u00d7"));
    cmdCloseFormel->setCheckable(true);
    cmdCloseFormel->setGeometry(cmbFormel->x() + 304, 2, 20, 22);

    // Qt's click comes with the button's release.
    connect(cmdFormel, &QToolButton::clicked, this, &FormelPanel::cmdFormel_MouseUp);
    connect(cmdCloseFormel, &QToolButton::clicked, this, [this](bool pressed) { cmdCloseFormel_Click(pressed); });
    // Keys reach the combo box, which has the focus and hands them to its
    // line on its own: a filter on the line would never see them.
    cmbFormel->installEventFilter(this);
}

void FormelPanel::SetShown(bool shown)
{
    for (QWidget* w : {static_cast<QWidget*>(cmdFormel), static_cast<QWidget*>(cmbFormel),
                       static_cast<QWidget*>(cmdCloseFormel)})
        w->setVisible(shown);
}

void FormelPanel::cmdFormel_MouseUp()
{
    cmbFormel->setFocus();
}

void FormelPanel::cmdCloseFormel_Click(bool pressed)
{
    if (pressed && Close)
        Close();
    cmdCloseFormel->setChecked(false);
}

bool FormelPanel::FormulaMode() const
{
    return cmdFormel->isChecked();
}

bool FormelPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || watched != cmbFormel)
        return QObject::eventFilter(watched, event);
    auto* ke = static_cast<QKeyEvent*>(event);
    if (FormulaMode() && ke->text().size() == 1 && ke->text() != QLatin1String("\r")) {
        const QChar mapped = FormulaKey(ke->text().at(0));
        if (mapped != ke->text().at(0)) {
            cmbFormel->lineEdit()->insert(QString(mapped));
            return true;
        }
    }
    if (KeyPress)
        KeyPress(ke);
    return ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter;
}
