#pragma once
// The directory tree of the directory chooser. A folder's subdirectories are
// read only when the tree opens it, so a deep file system costs nothing
// until the user walks into it.
#include <QAbstractItemModel>
#include <QIcon>
#include <memory>
#include <vector>

class DirectoryTreeModel : public QAbstractItemModel {
public:
    // The tree holds one top item, the root of the file system.
    explicit DirectoryTreeModel(QObject* parent = nullptr);
    ~DirectoryTreeModel() override;

    void SetFolderIcon(const QIcon& icon) { folderIcon_ = icon; }
    QString FilePath(const QModelIndex& index) const;
    // The item of an absolute directory path, reading each folder on the way;
    // a directory made since its folder was read is added. Invalid when the
    // directory does not exist.
    QModelIndex IndexOf(const QString& path);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Node {
        QString name;
        QString path;
        Node* parent = nullptr;
        int row = 0;
        bool read = false;
        std::vector<std::unique_ptr<Node>> children;
    };

    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOfNode(Node* node) const;
    void Read(Node* node);
    Node* Child(Node* node, const QString& name);
    void Renumber(Node* node, size_t from);

    Node top_; // invisible; its one child is the root of the file system
    QIcon folderIcon_;
};
