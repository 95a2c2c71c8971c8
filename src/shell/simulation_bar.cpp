#include "shell/simulation_bar.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/state.h"
#include "platform/guard.h"
#include "shell/delay_setting.h"
#include "shell/main_window_texts.h"
#include "shell/select_all_on_focus.h"
#include "render/engine_binding.h"
#include "simulation/engine.h"

SimulationBar::SimulationBar(ProgramState& s, EngineContext& engine, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), s_(s), engine_(engine)
{
    setObjectName(QStringLiteral("picOnOff"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    picRot = new QFrame(this);
    picRot->setObjectName(QStringLiteral("picRot"));
    picGruen = new QFrame(this);
    picGruen->setObjectName(QString::fromUtf8("picGrün"));
    for (QFrame* lamp : {picRot, picGruen}) {
        lamp->setFixedSize(14, 14);
        lamp->setFrameShape(QFrame::Box);
    }
    picRot->setStyleSheet(QStringLiteral("background:#ff0000"));
    picGruen->setStyleSheet(QStringLiteral("background:#00c000"));
    picGruen->setVisible(false);
    row->addWidget(picRot);
    row->addWidget(picGruen);
    lblOnOff = new QLabel(DesignPlaceholder(2555), this);
    lblOnOff->setObjectName(QStringLiteral("lblOnOff"));
    lblOnOff->setMinimumWidth(150);
    row->addWidget(lblOnOff);
    cmdPause = new QPushButton(QStringLiteral("&Pause"), this);
    cmdPause->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cmdPause->setObjectName(QStringLiteral("cmdPause"));
    cmdStop = new QPushButton(DesignPlaceholder(2578), this);
    cmdStop->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdPause->setEnabled(false);
    cmdStop->setEnabled(false);
    row->addWidget(cmdPause);
    row->addWidget(cmdStop);
    row->addSpacing(12);
    lblText1 = new QLabel(QStringLiteral("Label"), this);
    lblText1->setObjectName(QStringLiteral("lblText1"));
    row->addWidget(lblText1);
    txtVerzoegerung = new QLineEdit(DesignPlaceholder(2557), this);
    txtVerzoegerung->setObjectName(QString::fromUtf8("txtVerzögerung"));
    txtVerzoegerung->setFixedWidth(56);
    txtVerzoegerung->installEventFilter(this);
    OnGotFocus(txtVerzoegerung, [this] { txtVerzoegerung_GotFocus(); });
    row->addWidget(txtVerzoegerung);
    auto* steps = new QVBoxLayout;
    steps->setSpacing(0);
    for (int index = 0; index < 2; ++index) {
        auto* step = new QToolButton(this);
        step->setObjectName(QString::fromUtf8("cmdVerzögerung%1").arg(index));
        step->setArrowType(index == 0 ? Qt::UpArrow : Qt::DownArrow);
        step->setAutoRepeat(true);
        step->setFixedSize(16, 11);
        steps->addWidget(step);
        connect(step, &QToolButton::clicked, this,
                index == 0 ? &SimulationBar::cmdVerzoegerung_UpClick : &SimulationBar::cmdVerzoegerung_DownClick);
        cmdVerzoegerung[static_cast<size_t>(index)] = step;
    }
    row->addLayout(steps);
    row->addStretch(1);

    connect(cmdPause, &QPushButton::clicked, this,
            GuardedSlot(dialogs, cmdPause->objectName(), [this] { cmdPause_Click(); }));
    connect(cmdStop, &QPushButton::clicked, this,
            GuardedSlot(dialogs, cmdStop->objectName(), [this] { cmdStop_Click(); }));
}

void SimulationBar::SetOnOffText(const QString& text)
{
    lblOnOff->setText(text);
}

void SimulationBar::SetRunLamp(bool red)
{
    picRot->setVisible(red);
    picGruen->setStyleSheet(QStringLiteral("background:#00ff00"));
    picGruen->setVisible(!red);
}

void SimulationBar::SetPauseEnabled(bool enabled)
{
    cmdPause->setEnabled(enabled);
}

void SimulationBar::SetPauseCaption(const QString& caption)
{
    cmdPause->setText(caption);
}

void SimulationBar::SetStopEnabled(bool enabled)
{
    cmdStop->setEnabled(enabled);
}

void SimulationBar::ApplyDelayBox()
{
    txtVerzoegerung->setText(ApplyDelayText(s_.engine.DelaySetting, txtVerzoegerung->text()));
}

void SimulationBar::txtVerzoegerung_GotFocus()
{
    SelectWholeText(txtVerzoegerung);
}

bool SimulationBar::txtVerzoegerung_KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    ApplyDelayBox();
    if (FocusWorksheet)
        FocusWorksheet();
    return true;
}

void SimulationBar::txtVerzoegerung_LostFocus()
{
    ApplyDelayBox();
}

void SimulationBar::StepDelay(int step)
{
    s_.engine.DelaySetting = DelayStep(s_.engine.DelaySetting, step);
    txtVerzoegerung->setText(DelayText(s_.engine.DelaySetting));
}

void SimulationBar::cmdVerzoegerung_UpClick()
{
    StepDelay(1);
}

void SimulationBar::cmdVerzoegerung_DownClick()
{
    StepDelay(-1);
}

void SimulationBar::cmdPause_Click()
{
    Pause(EngineOf(s_, engine_));
}

void SimulationBar::cmdStop_Click()
{
    StopEngine(EngineOf(s_, engine_));
}

bool SimulationBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtVerzoegerung) {
        if (event->type() == QEvent::FocusOut)
            txtVerzoegerung_LostFocus();
        else if (event->type() == QEvent::KeyPress && txtVerzoegerung_KeyPress(static_cast<QKeyEvent*>(event)->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
