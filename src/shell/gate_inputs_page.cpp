#include "shell/gate_inputs_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "editing/worksheet_size.h"
#include "model/state.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"
#include "shell/select_all_on_focus.h"

GateInputsPage::GateInputsPage(QString& gateInputsText, QWidget* parent)
    : QWidget(parent), gateInputsText_(gateInputsText)
{
    setObjectName(QString::fromUtf8("picAnschlüsse"));
    lblAllgemein0 = MakeLabel(QStringLiteral("lblAllgemein0"), QStringLiteral("Label"), this, 0, 0, kPageWidth, 16);
    txtAnschluesse = new QLineEdit(QStringLiteral("2"), this);
    txtAnschluesse->setObjectName(QString::fromUtf8("txtAnschlüsse"));
    txtAnschluesse->setGeometry(0, 17, 40, 22);
    UpDown1Up = MakeStepButton(QStringLiteral("UpDown1Up"), Qt::UpArrow, this, 42, 17);
    UpDown1Down = MakeStepButton(QStringLiteral("UpDown1Down"), Qt::DownArrow, this, 42, 28);

    // The placing routines read the count from the program state.
    gateInputsText_ = txtAnschluesse->text();
    connect(txtAnschluesse, &QLineEdit::textChanged, this, [this](const QString& text) { gateInputsText_ = text; });
    // Qt finishes an edit on Enter, while the box still has the focus, and on leaving it.
    connect(txtAnschluesse, &QLineEdit::editingFinished, this,
            [this] { txtAnschluesse->hasFocus() ? txtAnschluesse_KeyPress(13) : txtAnschluesse_LostFocus(); });
    OnGotFocus(txtAnschluesse, [this] { txtAnschluesse_GotFocus(); });
    // Their own hover rule only: the page under them would hide more.
    for (QToolButton* button : {UpDown1Up, UpDown1Down})
        button->setAttribute(Qt::WA_NoMousePropagation);
    connect(UpDown1Up, &QToolButton::clicked, this, &GateInputsPage::UpDown1_UpClick);
    connect(UpDown1Down, &QToolButton::clicked, this, &GateInputsPage::UpDown1_DownClick);
}

void GateInputsPage::txtAnschluesse_GotFocus()
{
    SelectWholeText(txtAnschluesse);
}

void GateInputsPage::txtAnschluesse_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        txtAnschluesse->setText(ValidateGateInputs(txtAnschluesse->text()));
}

void GateInputsPage::txtAnschluesse_LostFocus()
{
    txtAnschluesse_KeyPress(13);
}

void GateInputsPage::UpDown1_UpClick()
{
    StepUpDown1(1);
}

void GateInputsPage::UpDown1_DownClick()
{
    StepUpDown1(-1);
}

void GateInputsPage::StepUpDown1(int step)
{
    const GateInputsStep g = GateInputsUpDown(upDown1Value_ + step);
    upDown1Value_ = g.value;
    txtAnschluesse->setText(g.text);
}
