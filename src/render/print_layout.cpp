#include "render/print_layout.h"

#include <algorithm>

#include "model/state.h"
#include "platform/string_table.h"

namespace {

constexpr double kPageFill = 0.9;
constexpr int kStrNoName = 4611;

} // namespace

float PageZoom(int16_t maxX, int16_t maxY, int16_t gridPixel)
{
    const double columns = std::max<int>(maxX, 1);
    const double rows = std::max<int>(maxY, 1);
    const double pitch = std::max<int>(gridPixel, 1);
    const double byHeight = kPageHeight / rows / pitch;
    const double byWidth = kPageWidth / columns / pitch;
    return static_cast<float>(std::min(byHeight, byWidth) * kPageFill);
}

QString PageFileName(const Circuit& c, int16_t level, const QString& circuitFile, const QString& programFolder)
{
    if (level == 0)
        return circuitFile;
    const size_t i = static_cast<size_t>(level);
    const QString name = i < c.ICInstances.size() ? c.ICInstances[i].Name : QString();
    QString folder = programFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + name + QStringLiteral(".icd");
}

QString CaptionText(const QString& fileName)
{
    const QString name = fileName.isEmpty() ? LoadResString(kStrNoName) : fileName;
    return QLatin1Char('(') + name + QLatin1Char(')');
}

double CaptionTop(double wanted, double textHeight)
{
    return std::min(wanted, kPageTop + kPageHeight - textHeight);
}
