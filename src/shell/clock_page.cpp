#include "shell/clock_page.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "model/ports/clock_timer_port.h"
#include "model/state.h"
#include "shell/control_panel_logic.h"
#include "shell/panel_controls.h"
#include "shell/panel_metrics.h"
#include "shell/select_all_on_focus.h"

ClockPage::ClockPage(ProgramState& s, ClockTimerPort& timers, QToolBar* toolbar3, QWidget* parent)
    : QWidget(parent), Toolbar3(toolbar3), s_(s), timers_(timers)
{
    setObjectName(QStringLiteral("picEigenschaft3"));
    lblTaktgeber = MakeLabel(QStringLiteral("lblTaktgeber"), QString(), this, 0, 0, kPageWidth, 16);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(0, 16, kPageWidth, 96);
    BuildCyclesTab();
    BuildPhasesTab();
}

void ClockPage::BuildCyclesTab()
{
    const int pw = kPageWidth;
    auto* tab0 = new QWidget;
    tab0->setObjectName(QStringLiteral("SSTab1Tab0"));
    Toolbar3->setParent(tab0);
    Toolbar3->setIconSize(QSize(20, 20));
    Toolbar3->setGeometry(0, 0, pw - 4, 28);
    lblAllgemein1 = MakeLabel(QStringLiteral("lblAllgemein1"), QStringLiteral("Label"), tab0, 2, 29, pw - 8, 14);
    txtAnzTakte = new QLineEdit(QStringLiteral("1"), tab0);
    txtAnzTakte->setObjectName(QStringLiteral("txtAnzTakte"));
    txtAnzTakte->setGeometry(2, 44, 40, 22);
    txtAnzTakte->installEventFilter(this);
    OnGotFocus(txtAnzTakte, [this] { txtAnzTakte_GotFocus(); });
    cmdAnzTakte[0] = MakeStepButton(QStringLiteral("cmdAnzTakte0"), Qt::UpArrow, tab0, 44, 44);
    cmdAnzTakte[1] = MakeStepButton(QStringLiteral("cmdAnzTakte1"), Qt::DownArrow, tab0, 44, 55);
    SSTab1->addTab(tab0, QStringLiteral("1"));
    for (int index = 0; index < 2; ++index)
        connect(cmdAnzTakte[static_cast<size_t>(index)], &QToolButton::clicked, this,
                [this, index] { cmdAnzTakte_Click(index); });
}

void ClockPage::BuildPhasesTab()
{
    auto* tab1 = new QWidget;
    tab1->setObjectName(QStringLiteral("SSTab1Tab1"));
    for (int i = 0; i < 2; ++i) {
        auto* slider = new QSlider(Qt::Vertical, tab1);
        slider->setObjectName(QStringLiteral("Slider%1").arg(i));
        slider->setRange(0, 10000);
        slider->setSingleStep(100);
        slider->setPageStep(1000);
        slider->setGeometry(8 + i * 44, 2, 24, 48);
        Slider[static_cast<size_t>(i)] = slider;
        lbl[static_cast<size_t>(i)] = MakeLabel(QStringLiteral("lbl%1").arg(i), QString(), tab1, 4 + i * 44, 51, 42, 16);
    }
    chkLink = new QCheckBox(tab1);
    chkLink->setObjectName(QStringLiteral("chkLink"));
    chkLink->setGeometry(96, 18, 20, 20);
    SSTab1->addTab(tab1, QStringLiteral("0 / 1"));

    connect(Slider[0], &QSlider::valueChanged, this, [this] { Slider0_Change(); });
    connect(Slider[1], &QSlider::valueChanged, this, [this] { Slider1_Change(); });
    connect(chkLink, &QCheckBox::clicked, this, [this] { chkLink_Click(); });
}

void ClockPage::Slider0_Change()
{
    if (!settingSliders_)
        ShowPhases(::Slider0_Scroll(SelectedSlot(), Slider[0]->value(), Slider[1]->value(), chkLink->isChecked(),
                                    timers_.ClockTimerInterval(s_.SelectedClock)));
}

void ClockPage::Slider1_Change()
{
    if (!settingSliders_)
        ShowPhases(::Slider1_Scroll(SelectedSlot(), Slider[0]->value(), Slider[1]->value(), chkLink->isChecked(),
                                    timers_.ClockTimerInterval(s_.SelectedClock)));
}

void ClockPage::chkLink_Click()
{
    ShowPhases(::chkLink_Click(SelectedSlot(), chkLink->checkState(), Slider[0]->value(), Slider[1]->value(),
                               timers_.ClockTimerInterval(s_.SelectedClock)));
}

ClockSlot* ClockPage::SelectedSlot()
{
    return SelectedClockSlot(s_.circuit, s_.SelectedClock);
}

void ClockPage::ShowPhases(const PhaseSliders& p)
{
    const bool was = settingSliders_;
    settingSliders_ = true;
    Slider[0]->setValue(p.slider0);
    Slider[1]->setValue(p.slider1);
    settingSliders_ = was;
    SetClockPhaseLabels(p.lbl1, p.lbl0);
    if (timers_.ClockTimerInterval(s_.SelectedClock) != p.timerInterval)
        timers_.SetClockTimerInterval(s_.SelectedClock, p.timerInterval);
}

void ClockPage::ShowForRun(bool clockFound)
{
    SSTab1->setTabEnabled(1, clockFound);
    txtAnzTakte->setEnabled(clockFound);
    for (QToolButton* step : cmdAnzTakte)
        step->setEnabled(clockFound);
    lblTaktgeber->setVisible(clockFound);
    SSTab1->setVisible(clockFound);
}

void ClockPage::cmdAnzTakte_Click(int index)
{
    if (const auto text = index == 0 ? cmdAnzTakte_UpClick(SelectedSlot()) : cmdAnzTakte_DownClick(SelectedSlot()))
        txtAnzTakte->setText(*text);
}

void ClockPage::txtAnzTakte_GotFocus()
{
    SelectWholeText(txtAnzTakte);
}

void ClockPage::SetClockButtonEnabled(const QString& key, bool enabled)
{
    for (QAction* a : Toolbar3->actions())
        if (a->objectName() == key)
            a->setEnabled(enabled);
}

void ClockPage::SetClockCyclesText(const QString& text)
{
    txtAnzTakte->setText(text);
}

void ClockPage::SetClockSliders(int slider1, int slider0)
{
    // The engine shows a generator's phases; only the user's moves apply them.
    const bool was = settingSliders_;
    settingSliders_ = true;
    for (auto [slider, value] : {std::pair{Slider[1], slider1}, std::pair{Slider[0], slider0}}) {
        slider->setRange(0, 10000);
        slider->setValue(value);
    }
    settingSliders_ = was;
}

void ClockPage::SetClockPhaseLabels(const QString& lbl1, const QString& lbl0)
{
    lbl[1]->setText(lbl1);
    lbl[0]->setText(lbl0);
}

void ClockPage::SetClockTitle(const QString& text)
{
    lblTaktgeber->setText(text);
}

void ClockPage::SetClockLinkChecked(bool checked)
{
    chkLink->setChecked(checked);
}

void ClockPage::HideSelectedClockFrame()
{
    if (shpSelectedTimer_)
        shpSelectedTimer_->setVisible(false);
}

bool ClockPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtAnzTakte) {
        if (event->type() == QEvent::FocusOut) {
            if (const auto text = txtAnzTakte_LostFocus(SelectedSlot(), txtAnzTakte->text()))
                txtAnzTakte->setText(*text);
        } else if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const CyclesKeyUp r =
                txtAnzTakte_KeyUp(SelectedSlot(), txtAnzTakte->text(), key == Qt::Key_Return || key == Qt::Key_Enter);
            if (r.text) {
                txtAnzTakte->setText(*r.text);
                txtAnzTakte->setCursorPosition(r.caret);
            }
            if (r.focusWorksheet && FocusWorksheet)
                FocusWorksheet();
        }
    }
    return QWidget::eventFilter(watched, event);
}
