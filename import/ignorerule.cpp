#include "import/ignorerule.h"

#include <QFileInfo>

namespace {

bool IsSameOrBelow(const QString &path, const QString &folder)
{
    if (!path.startsWith(folder))
        return false;
    return path.size() == folder.size() || folder.endsWith(QLatin1Char('/'))
           || path.at(folder.size()) == QLatin1Char('/');
}

} // namespace

IgnoreRule::IgnoreRule(const QStringList &ignoredPaths)
{
    for (const QString &path : ignoredPaths)
        m_ignoredPaths.append(QFileInfo(path).absoluteFilePath());
}

bool IgnoreRule::Hides(const QString &absolutePath) const
{
    for (const QString &ignored : m_ignoredPaths) {
        if (IsSameOrBelow(absolutePath, ignored))
            return true;
    }
    return false;
}
