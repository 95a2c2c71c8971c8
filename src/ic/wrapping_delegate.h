#pragma once
// Lines of a tree view that wrap at its width rather than being cut off:
// each row is as high as its text needs in the room beside its indentation.
#include <QStyledItemDelegate>

class QTreeView;

class WrappingDelegate : public QStyledItemDelegate {
public:
    // Wraps the lines of view, which owns the delegate.
    explicit WrappingDelegate(QTreeView* view);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QTreeView* view_;
};
