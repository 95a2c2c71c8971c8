#include "placement/frmUndoList.h"

#include "model/state.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <functional>

#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/wait.h"

namespace {

// The list reports a press once it has moved its current line there.
class UndoListBox : public QListWidget {
public:
    std::function<void()> pressed;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QListWidget::mousePressEvent(event);
        if (pressed)
            pressed();
    }
};

} // namespace

frmUndoList::frmUndoList(PlacementContext& c, QWidget* parent) : QDialog(parent), c_(c)
{
    setObjectName(QStringLiteral("frmUndoList"));

    auto* list = new UndoListBox;
    lstUndo_ = list;
    lstUndo_->setParent(this);
    lstUndo_->setObjectName(QStringLiteral("lstUndo"));
    lstUndo_->setSelectionMode(QAbstractItemView::MultiSelection);
    list->pressed = [this] { lstUndo_MouseDown(); };

    lblUndo_ = new QLabel(this);
    lblUndo_->setObjectName(QStringLiteral("lblUndo"));
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(style()->standardIcon(QStyle::SP_ArrowBack).pixmap(32, 32));

    cmdUndo_ = new QPushButton(this);
    cmdUndo_->setObjectName(QStringLiteral("cmdUndo"));
    cmdAbbruch_ = new QPushButton(this);
    cmdAbbruch_->setObjectName(QStringLiteral("cmdAbbruch"));
    connect(cmdUndo_, &QPushButton::clicked, this, &frmUndoList::cmdUndo_Click);
    connect(cmdAbbruch_, &QPushButton::clicked, this, &frmUndoList::cmdAbbruch_Click);

    picUndo_ = new QFrame(this);
    picUndo_->setObjectName(QStringLiteral("picUndo"));
    picUndo_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblWarten_ = new QLabel(picUndo_);
    lblWarten_->setObjectName(QStringLiteral("lblWarten"));
    lblFertig_ = new QLabel(picUndo_);
    lblFertig_->setObjectName(QStringLiteral("lblFertig"));
    auto* progress = new QVBoxLayout(picUndo_);
    progress->addWidget(lblWarten_);
    progress->addWidget(lblFertig_);
    picUndo_->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(Image1_);
    top->addWidget(lblUndo_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdUndo_);
    buttons->addWidget(cmdAbbruch_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lstUndo_, 1);
    layout->addWidget(picUndo_);
    layout->addLayout(buttons);

    Form_Load();
}

void frmUndoList::FillList()
{
    lstUndo_->clear();
    QStringList lines;
    c_.objUndo.ListUndos(lines);
    lstUndo_->addItems(lines);
}

void frmUndoList::Form_Load()
{
    FillList();
    cmdUndo_->setEnabled(lstUndo_->count() >= 1);
    setWindowTitle(LoadResString(4305));
    cmdAbbruch_->setText(LoadResString(4302));
    cmdUndo_->setText(LoadResString(4301));
    lblUndo_->setText(LoadResString(4300).replace(QStringLiteral("%1"), QStringLiteral("0")));
    lblWarten_->setText(LoadResString(4303));
}

void frmUndoList::lstUndo_MouseDown()
{
    const int k = lstUndo_->currentRow();
    steps_ = static_cast<int16_t>(k + 1);
    for (int i = 0; i < lstUndo_->count(); ++i)
        lstUndo_->item(i)->setSelected(i <= k);
    lstUndo_->setCurrentRow(k, QItemSelectionModel::NoUpdate);
    if (lstUndo_->currentRow() > 0)
        lblUndo_->setText(LoadResString(4300).replace(QStringLiteral("%1"), QString::number(steps_)));
    else
        lblUndo_->setText(LoadResString(4306));
    cmdUndo_->setEnabled(true);
}

void frmUndoList::cmdUndo_Click()
{
    const int n = steps_;
    cmdUndo_->setEnabled(false);
    cmdAbbruch_->setEnabled(false);
    picUndo_->show();
    for (int i = 1; i <= n; ++i) {
        const int percent = static_cast<int>(Int(i * 100.0 / n));
        lblFertig_->setText(LoadResString(4304).replace(QStringLiteral("%1"), QString::number(percent)));
        c_.objUndo.Undo(c_);
        // Each step shows before the next.
        c_.s.Changes.Flush();
        QCoreApplication::processEvents();
    }
    WaitSeconds(0.1, false);
    picUndo_->hide();
    FillList();
    lblUndo_->setText(LoadResString(4300).replace(QStringLiteral("%1"), QStringLiteral("0")));
    cmdAbbruch_->setEnabled(true);
    cmdUndo_->setEnabled(false);
    if (lstUndo_->count() == 0)
        done(QDialog::Accepted);
}

void frmUndoList::cmdAbbruch_Click()
{
    done(QDialog::Rejected);
}
