#pragma once
// What the Boolean classes need of the Boolean tools window: a label caption
// for messages and progress, a list box for the minimiser's protocol, a tree
// list for the group tree, and the calculated truth table. The window hands
// its controls in; headless callers and tests use the plain ones below.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class CaptionSink {
public:
    virtual ~CaptionSink() = default;
    virtual void SetCaption(const QString& text) = 0;
    virtual QString Caption() const = 0;
};

class ItemListSink {
public:
    virtual ~ItemListSink() = default;
    virtual void AddItem(const QString& text) = 0;
};

// A tree list with keyed nodes; a node with an empty parent key is a root.
class GroupTreeSink {
public:
    virtual ~GroupTreeSink() = default;
    virtual void Clear() = 0;
    virtual void AddNode(const QString& parentKey, const QString& key, const QString& text) = 0;
    virtual void Expand(const QString& key) = 0;
};

class TextCaption : public CaptionSink {
public:
    void SetCaption(const QString& text) override { text_ = text; }
    QString Caption() const override { return text_; }

private:
    QString text_;
};

class TextItemList : public ItemListSink {
public:
    void AddItem(const QString& text) override { items.append(text); }
    QStringList items;
};

// The calculated truth table of a term, as the list view shows it: keyed
// columns with header text and width; each row holds one text per column
// (the first is the item's own text, the others its sub-items).
class CalculatedTable {
public:
    struct Column {
        QString key;
        QString text;
        int width = 0;
    };

    const std::vector<Column>& Columns() const { return columns_; }
    const std::vector<QStringList>& Rows() const { return rows_; }
    int ColumnIndex(const QString& key) const;

    void ClearColumns();
    void ClearRows();
    void AddColumn(const QString& key, const QString& text, int width);
    // A row with one empty text for every column, then filled from cells.
    void AddRow(const QStringList& cells);
    void SetCell(int row, int column, const QString& text);
    // Column `column` of rows 0, 1, ... from texts, in one change.
    void SetColumn(int column, const QStringList& texts);

    // Called after every change so that a window can show it.
    std::function<void()> OnChanged;

private:
    void Changed()
    {
        if (OnChanged)
            OnChanged();
    }

    std::vector<Column> columns_;
    std::vector<QStringList> rows_;
};
