#pragma once
// The IC manager's list of ICs (lvwICs): large icons, a plain list, or
// details with the notes in a second column. One model behind two views
// that share their selection.
#include <QStackedWidget>

class QListView;
class QStandardItemModel;
class QTreeView;

class ICListView : public QStackedWidget {
    Q_OBJECT
public:
    explicit ICListView(QWidget* parent);

    // 0 large icons, 1 list, 2 details.
    void SetView(int view);
    int View() const { return view_; }
    void SetHeadings(const QString& name, const QString& notes);

    void Clear();
    void AddEntry(const QString& name, const QString& notes);
    void RemoveEntry(int row);
    int Count() const;
    QString Text(int row) const;
    QString Notes(int row) const;
    void SetNotes(int row, const QString& notes);
    // -1 when none.
    int SelectedRow() const;
    void Select(int row);
    // The first entry whose text equals name ignoring case, else -1.
    int Find(const QString& name) const;
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;

    QListView* iconView() const { return icons_; }
    QTreeView* detailsView() const { return details_; }
    // The view showing now.
    QWidget* currentView() const;

signals:
    void ItemClicked(int row);
    void MouseMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStandardItemModel* model_;
    QListView* icons_;
    QTreeView* details_;
    int view_ = 2;
};
