#include "settings/directory_tree_model.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString JoinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool SortsBefore(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

DirectoryTreeModel::DirectoryTreeModel(QObject* parent) : QAbstractItemModel(parent)
{
    auto root = std::make_unique<Node>();
    root->name = root->path = QDir::rootPath();
    root->parent = &top_;
    top_.children.push_back(std::move(root));
    top_.read = true;
}

DirectoryTreeModel::~DirectoryTreeModel() = default;

DirectoryTreeModel::Node* DirectoryTreeModel::NodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : const_cast<Node*>(&top_);
}

QModelIndex DirectoryTreeModel::IndexOfNode(Node* node) const
{
    return node == &top_ ? QModelIndex() : createIndex(node->row, 0, node);
}

QString DirectoryTreeModel::FilePath(const QModelIndex& index) const
{
    return index.isValid() ? NodeOf(index)->path : QString();
}

void DirectoryTreeModel::Read(Node* node)
{
    if (node->read)
        return;
    node->read = true;
    const QStringList names =
        QDir(node->path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    if (names.isEmpty())
        return;
    beginInsertRows(IndexOfNode(node), 0, int(names.size()) - 1);
    for (const QString& name : names) {
        auto child = std::make_unique<Node>();
        child->name = name;
        child->path = JoinPath(node->path, name);
        child->parent = node;
        child->row = int(node->children.size());
        node->children.push_back(std::move(child));
    }
    endInsertRows();
}

void DirectoryTreeModel::Renumber(Node* node, size_t from)
{
    for (size_t i = from; i < node->children.size(); ++i)
        node->children[i]->row = int(i);
}

DirectoryTreeModel::Node* DirectoryTreeModel::Child(Node* node, const QString& name)
{
    Read(node);
    auto& children = node->children;
    for (const auto& child : children)
        if (child->name == name)
            return child.get();
    const QString path = JoinPath(node->path, name);
    if (!QFileInfo(path).isDir())
        return nullptr;
    // Made after the folder was read (a new directory): insert it in order.
    size_t at = 0;
    while (at < children.size() && SortsBefore(children[at]->name, name))
        ++at;
    beginInsertRows(IndexOfNode(node), int(at), int(at));
    auto child = std::make_unique<Node>();
    child->name = name;
    child->path = path;
    child->parent = node;
    Node* made = child.get();
    children.insert(children.begin() + qsizetype(at), std::move(child));
    Renumber(node, at);
    endInsertRows();
    return made;
}

QModelIndex DirectoryTreeModel::IndexOf(const QString& path)
{
    if (QDir::isRelativePath(path))
        return {};
    Node* node = top_.children.front().get();
    const QStringList parts = QDir::cleanPath(path).split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        node = Child(node, part);
        if (!node)
            return {};
    }
    return IndexOfNode(node);
}

QModelIndex DirectoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= int(node->children.size()))
        return {};
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex DirectoryTreeModel::parent(const QModelIndex& child) const
{
    return child.isValid() ? IndexOfNode(NodeOf(child)->parent) : QModelIndex();
}

int DirectoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(NodeOf(parent)->children.size());
}

int DirectoryTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant DirectoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return NodeOf(index)->name;
    if (role == Qt::DecorationRole && !folderIcon_.isNull())
        return folderIcon_;
    return {};
}

bool DirectoryTreeModel::hasChildren(const QModelIndex& parent) const
{
    const Node* node = NodeOf(parent);
    // An unread folder may hold directories; reading it to find out would
    // read every folder on the screen.
    return !node->read || !node->children.empty();
}

bool DirectoryTreeModel::canFetchMore(const QModelIndex& parent) const
{
    return !NodeOf(parent)->read;
}

void DirectoryTreeModel::fetchMore(const QModelIndex& parent)
{
    Read(NodeOf(parent));
}
