#include "ic/ic_nesting_tree.h"

#include "ic/ic_manager_texts.h"
#include "model/file_names.h"
#include "model/files/ic_lookup.h"
#include "model/files/ic_nesting.h"
#include "model/files/record_reader.h"
#include "platform/string_table.h"

namespace {

struct FileContents {
    QStringList ics;
    std::optional<QString> notes;
};

// Nothing when the file is missing or cannot be read.
std::optional<FileContents> ReadDefinition(const QString& path)
{
    auto file = RecordFile::Open(path);
    if (!file)
        return std::nullopt;
    FileContents c;
    try {
        ForEachRecord(*file, nullptr, [&](Section section, const QString& line) {
            if (section == Section::IC && c.ics.size() < kMaxNestingNodes)
                c.ics.append(FieldList(line).Text(1));
            else if (section == Section::Notizen && !line.isEmpty())
                c.notes = line;
        });
    } catch (const RecordFormatError&) {
        return std::nullopt;
    }
    return c;
}

class TreeWalk {
public:
    TreeWalk(const QString& icDir, NestingTree& tree) : dir_(icDir), tree_(tree) {}

    // Adds the ICs of IC name's definition below its node, then descends
    // into each of them.
    void ICSchachtelung(const QString& name, int parentIndex, bool ownNotes)
    {
        const QString path = ResolveICFile(dir_, name);
        const auto contents = path.isEmpty() ? std::nullopt : ReadDefinition(path);
        if (!contents) {
            // A name that is not a plain file name is missing too: it is never looked up.
            const QString file = name + QStringLiteral(".icd");
            tree_.MissingICs.append(file.size() >= 5 ? file.chopped(4) : file);
            NestingNode& parent = tree_.nodes[parentIndex];
            parent.text = u'(' + parent.text + u')';
            return;
        }
        if (ownNotes)
            tree_.notes = contents->notes;
        const QString parentKey = tree_.nodes[parentIndex].key;
        const int first = static_cast<int>(tree_.nodes.size());
        for (const QString& ic : contents->ics) {
            if (tree_.nodes.size() >= kMaxNestingNodes) {
                tree_.truncated = true;
                break;
            }
            tree_.nodes.append({QStringLiteral("entry%1").arg(++NodeCounter), ic, parentKey});
        }
        const int last = static_cast<int>(tree_.nodes.size());
        path_.append(name.toCaseFolded());
        for (int i = first; i < last && !tree_.truncated; ++i) {
            const QString child = tree_.nodes[i].text;
            if (path_.contains(child.toCaseFolded())) {
                tree_.Cycles.append(child);
                tree_.nodes[i].text = CycleNodeText(child);
                continue;
            }
            ICSchachtelung(child, i, false);
        }
        path_.removeLast();
    }

private:
    QString dir_;
    NestingTree& tree_;
    // The first IC node gets the number 2.
    int NodeCounter = 1;
    QStringList path_;
};

} // namespace

const NestingNode* NestingTree::Find(const QString& key) const
{
    for (const NestingNode& n : nodes)
        if (n.key == key)
            return &n;
    return nullptr;
}

NestingTree BuildNestingTree(const QString& icDir, const QString& name)
{
    NestingTree tree;
    tree.nodes.append({QStringLiteral("main"), name, QString()});
    TreeWalk(icDir, tree).ICSchachtelung(name, 0, true);
    const bool leaf = tree.nodes.size() == 1;
    if (!tree.MissingICs.isEmpty()) {
        tree.nodes.append({QStringLiteral("Fehler"), LoadResString(2124), QString()});
        for (qsizetype i = 0; i < tree.MissingICs.size(); ++i) {
            // Each missing name once, under the index of its first occurrence.
            if (tree.MissingICs.indexOf(tree.MissingICs[i]) == i)
                tree.nodes.append({QStringLiteral("Fehler%1").arg(i + 1), tree.MissingICs[i], QStringLiteral("Fehler")});
        }
    }
    const bool found = tree.MissingICs.isEmpty() && tree.Cycles.isEmpty() && !tree.truncated;
    if (found)
        tree.fault = CheckICDefinition(icDir, name);
    // A damaged file's dependencies are not known: its root keeps the IC's name.
    if (leaf && !tree.fault)
        tree.nodes[0].text = u'(' + LoadResString(2122) + u')';
    if (tree.fault) {
        tree.nodes.append({QStringLiteral("Defekt"), DamagedGroupText(), QString()});
        tree.nodes.append({QStringLiteral("Defekt1"), GetFileName(tree.fault->path) + QStringLiteral(": ") + tree.fault->reason,
                           QStringLiteral("Defekt")});
    }
    // The placer's own check also counts the IC table's slots.
    tree.ICNestingOK = found && !tree.fault && CheckICNesting(icDir, name).ICNestingOK;
    return tree;
}
