#include "shell/gate_inputs_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "editing/worksheet_size.h"
#include "model/state.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"
#include "shell/select_all_on_focus.h"

GateInputsPage::GateInputsPage(ProgramState& s, QWidget* parent) : QWidget(parent), s_(s)
{
    setObjectName(QString::fromUtf8("picAnschlüsse"));
    lblAllgemein0 = MakeLabel(QStringLiteral("lblAllgemein0"), QStringLiteral("Label"), this, 0, 0, kPageWidth, 16);
    txtAnschluesse = new QLineEdit(QStringLiteral("2"), this);
    txtAnschluesse->setObjectName(QString::fromUtf8("txtAnschlüsse"));
    txtAnschluesse->setGeometry(0, 17, 40, 22);
    UpDown1Up = MakeStepButton(QStringLiteral("UpDown1Up"), Qt::UpArrow, this, 42, 17);
    UpDown1Down = MakeStepButton(QStringLiteral("UpDown1Down"), Qt::DownArrow, this, 42, 28);

    // The placing routines read the count from the program state.
    s_.GateInputsText = txtAnschluesse->text();
    connect(txtAnschluesse, &QLineEdit::textChanged, this, [this](const QString& text) { s_.GateInputsText = text; });
    connect(txtAnschluesse, &QLineEdit::editingFinished, this, [this] { txtAnschluesse_LostFocus(); });
    SelectAllOnFocus(txtAnschluesse);
    for (auto [button, step] : {std::pair{UpDown1Up, 1}, std::pair{UpDown1Down, -1}}) {
        const int st = step;
        // Its own hover rule only: the page under it would hide more.
        button->setAttribute(Qt::WA_NoMousePropagation);
        connect(button, &QToolButton::clicked, this, [this, st] { UpDown1_Change(st); });
    }
}

void GateInputsPage::txtAnschluesse_LostFocus()
{
    txtAnschluesse->setText(ValidateGateInputs(txtAnschluesse->text()));
}

void GateInputsPage::UpDown1_Change(int step)
{
    const GateInputsStep g = GateInputsUpDown(upDown1Value_ + step);
    upDown1Value_ = g.value;
    txtAnschluesse->setText(g.text);
}
