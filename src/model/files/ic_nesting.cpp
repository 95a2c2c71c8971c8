#include "model/files/ic_nesting.h"

#include <QFileInfo>

#include "model/files/ic_lookup.h"

namespace {

class NestingWalk {
public:
    explicit NestingWalk(const QString& icDir) : dir_(icDir) {}

    void Visit(const QString& name)
    {
        const QString path = ResolveICFile(dir_, name);
        if (path.isEmpty()) {
            result.MissingICs.append(name);
            return;
        }
        // The resolved file, not the name, decides: names may differ in case.
        QString key = QFileInfo(path).canonicalFilePath();
        if (key.isEmpty())
            key = path;
        if (const qsizetype at = chainFiles_.indexOf(key); at >= 0) {
            result.Cycles.append(chainNames_.mid(at) << name);
            return;
        }
        const auto children = ReadICNames(path);
        if (!children) {
            result.MissingICs.append(name);
            return;
        }
        // The IC itself takes one slot too.
        if (result.NestedCount + children->size() > kMaxICSlots - 1) {
            result.TooManyICs = true;
            return;
        }
        result.NestedCount += static_cast<int>(children->size());
        chainFiles_.append(key);
        chainNames_.append(name);
        for (const QString& child : *children) {
            if (result.TooManyICs)
                break;
            Visit(child);
        }
        chainFiles_.removeLast();
        chainNames_.removeLast();
    }

    ICNestingResult result;

private:
    QString dir_;
    QStringList chainFiles_;
    QStringList chainNames_;
};

} // namespace

ICNestingResult CheckICNesting(const QString& icDir, const QString& name)
{
    NestingWalk walk(icDir);
    walk.Visit(name);
    ICNestingResult r = walk.result;
    r.ICNestingOK = r.MissingICs.isEmpty() && r.Cycles.isEmpty() && !r.TooManyICs;
    return r;
}
