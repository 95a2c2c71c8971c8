#include "ic/ic_list_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QListView>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>

ICListView::ICListView(QWidget* parent) : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("lvwICs"));
    model_ = new QStandardItemModel(0, 2, this);
    icons_ = new QListView(this);
    icons_->setObjectName(QStringLiteral("lvwICsIcons"));
    icons_->setModel(model_);
    icons_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    icons_->setSelectionMode(QAbstractItemView::SingleSelection);
    details_ = new QTreeView(this);
    details_->setObjectName(QStringLiteral("lvwICsDetails"));
    details_->setModel(model_);
    details_->setSelectionModel(icons_->selectionModel());
    details_->setRootIsDecorated(false);
    details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    details_->setSelectionMode(QAbstractItemView::SingleSelection);
    details_->header()->setStretchLastSection(false);
    addWidget(icons_);
    addWidget(details_);
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(icons_), static_cast<QAbstractItemView*>(details_)}) {
        connect(v, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { emit ItemClicked(i.row()); });
        v->viewport()->setMouseTracking(true);
        v->viewport()->installEventFilter(this);
    }
    SetView(2);
}

void ICListView::SetView(int view)
{
    view_ = view;
    if (view == 2) {
        setCurrentWidget(details_);
        return;
    }
    if (view == 0) {
        icons_->setViewMode(QListView::IconMode);
        icons_->setFlow(QListView::LeftToRight);
        icons_->setWrapping(true);
        icons_->setResizeMode(QListView::Adjust);
        icons_->setIconSize(QSize(32, 32));
        icons_->setMovement(QListView::Static);
    } else {
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::TopToBottom);
        icons_->setWrapping(true);
        icons_->setIconSize(QSize(16, 16));
    }
    setCurrentWidget(icons_);
}

void ICListView::SetHeadings(const QString& name, const QString& notes)
{
    model_->setHorizontalHeaderLabels({name, notes});
}

void ICListView::Clear()
{
    model_->removeRows(0, model_->rowCount());
}

void ICListView::AddEntry(const QString& name, const QString& notes)
{
    auto* item = new QStandardItem(style()->standardIcon(QStyle::SP_FileIcon), name);
    model_->appendRow({item, new QStandardItem(notes)});
}

void ICListView::RemoveEntry(int row)
{
    if (row >= 0 && row < Count())
        model_->removeRow(row);
}

int ICListView::Count() const
{
    return model_->rowCount();
}

QString ICListView::Text(int row) const
{
    return model_->index(row, 0).data().toString();
}

QString ICListView::Notes(int row) const
{
    return model_->index(row, 1).data().toString();
}

void ICListView::SetNotes(int row, const QString& notes)
{
    if (row >= 0 && row < Count())
        model_->setData(model_->index(row, 1), notes);
}

int ICListView::SelectedRow() const
{
    // The icon views select the name alone, the details view the whole row.
    const QModelIndexList selected = icons_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void ICListView::Select(int row)
{
    const QModelIndex i = model_->index(row, 0);
    icons_->selectionModel()->setCurrentIndex(
        i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int ICListView::Find(const QString& name) const
{
    for (int row = 0; row < Count(); ++row)
        if (Text(row).compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void ICListView::SetColumnWidth(int column, int width)
{
    details_->setColumnWidth(column, width);
}

int ICListView::ColumnWidth(int column) const
{
    return details_->columnWidth(column);
}

QWidget* ICListView::currentView() const
{
    return currentWidget();
}

bool ICListView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        emit MouseMoved();
    return QStackedWidget::eventFilter(watched, event);
}
