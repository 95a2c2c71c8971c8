#include "ic/wrapping_delegate.h"

#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

WrappingDelegate::WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), view_(view)
{
    view->setWordWrap(true);
    view->setItemDelegate(this);
    // Row heights are kept once measured: a new width measures them again.
    connect(view->header(), &QHeaderView::sectionResized, view, &QTreeView::doItemsLayout, Qt::QueuedConnection);
}

QSize WrappingDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    int depth = view_->rootIsDecorated() ? 1 : 0;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        ++depth;
    const int indent = index.column() == 0 ? depth * view_->indentation() : 0;
    // The view asks without a width, which a style takes as room for one line.
    QStyleOptionViewItem wrapped = option;
    wrapped.rect = QRect(0, 0, std::max(1, view_->columnWidth(index.column()) - indent), 1);
    wrapped.features |= QStyleOptionViewItem::WrapText;
    return QStyledItemDelegate::sizeHint(wrapped, index);
}
