#include "shell/size_panel.h"

#include <QLineEdit>
#include <QToolButton>

#include "editing/worksheet_size.h"
#include "model/circuit.h"
#include "model/ports/ports.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"
#include "shell/select_all_on_focus.h"

SizePanel::SizePanel(Circuit& circuit, const Ports& ports, QWidget* parent)
    : SidePanel(2, QStringLiteral("Label"), QStringLiteral("lblInfo11"), parent), circuit_(circuit), ports_(ports)
{
    txtX = new QLineEdit(this);
    txtX->setObjectName(QStringLiteral("txtX"));
    txtX->setGeometry(6, kTitleHeight + 4, 36, 22);
    updSizeX[0] = MakeStepButton(QStringLiteral("updSizeX0"), Qt::UpArrow, this, 43, kTitleHeight + 4);
    updSizeX[1] = MakeStepButton(QStringLiteral("updSizeX1"), Qt::DownArrow, this, 43, kTitleHeight + 15);
    MakeLabel(QStringLiteral("lblSizeTimes"), QStringLiteral("x"), this, 63, kTitleHeight + 7, 10, 16);
    txtY = new QLineEdit(this);
    txtY->setObjectName(QStringLiteral("txtY"));
    txtY->setGeometry(76, kTitleHeight + 4, 36, 22);
    updSizeY[0] = MakeStepButton(QStringLiteral("updSizeY0"), Qt::UpArrow, this, 113, kTitleHeight + 4);
    updSizeY[1] = MakeStepButton(QStringLiteral("updSizeY1"), Qt::DownArrow, this, 113, kTitleHeight + 15);

    // Qt finishes an edit on Enter, while the box still has the focus, and on leaving it.
    connect(txtX, &QLineEdit::editingFinished, this,
            [this] { txtX->hasFocus() ? txtX_KeyPress(13) : txtX_LostFocus(); });
    connect(txtY, &QLineEdit::editingFinished, this,
            [this] { txtY->hasFocus() ? txtY_KeyPress(13) : txtY_LostFocus(); });
    OnGotFocus(txtX, [this] { txtX_GotFocus(); });
    OnGotFocus(txtY, [this] { txtY_GotFocus(); });
    connect(updSizeX[0], &QToolButton::clicked, this, &SizePanel::updSizeX_UpClick);
    connect(updSizeX[1], &QToolButton::clicked, this, &SizePanel::updSizeX_DownClick);
    connect(updSizeY[0], &QToolButton::clicked, this, &SizePanel::updSizeY_UpClick);
    connect(updSizeY[1], &QToolButton::clicked, this, &SizePanel::updSizeY_DownClick);
}

void SizePanel::SetSizeBoxes(int16_t maxX, int16_t maxY)
{
    txtX->setText(QString::number(maxX));
    txtY->setText(QString::number(maxY));
}

void SizePanel::txtX_GotFocus()
{
    SelectWholeText(txtX);
}

void SizePanel::txtY_GotFocus()
{
    SelectWholeText(txtY);
}

void SizePanel::txtX_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        ShowSize(CommitSizeBox(circuit_, ports_.worksheet, {txtX->text(), txtY->text()}, SizeBox::Width));
}

void SizePanel::txtY_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        ShowSize(CommitSizeBox(circuit_, ports_.worksheet, {txtX->text(), txtY->text()}, SizeBox::Height));
}

void SizePanel::txtX_LostFocus()
{
    txtX_KeyPress(13);
}

void SizePanel::txtY_LostFocus()
{
    txtY_KeyPress(13);
}

void SizePanel::updSizeX_UpClick()
{
    ShowSize(StepSizeBox(circuit_, ports_.worksheet, {txtX->text(), txtY->text()}, SizeBox::Width, 5));
}

void SizePanel::updSizeX_DownClick()
{
    ShowSize(StepSizeBox(circuit_, ports_.worksheet, {txtX->text(), txtY->text()}, SizeBox::Width, -5));
}

void SizePanel::updSizeY_UpClick()
{
    ShowSize(StepSizeBox(circuit_, ports_.worksheet, {txtX->text(), txtY->text()}, SizeBox::Height, 5));
}

void SizePanel::updSizeY_DownClick()
{
    ShowSize(StepSizeBox(circuit_, ports_.worksheet, {txtX->text(), txtY->text()}, SizeBox::Height, -5));
}

void SizePanel::SetStepsEnabled(bool enabled)
{
    for (const auto& pair : {updSizeX, updSizeY})
        for (QToolButton* b : pair)
            b->setEnabled(enabled);
}

void SizePanel::SetBoxesEnabled(bool enabled)
{
    txtX->setEnabled(enabled);
    txtY->setEnabled(enabled);
}

void SizePanel::ShowSize(const SizeBoxTexts& texts)
{
    txtX->setText(texts.txtX);
    txtY->setText(texts.txtY);
}
