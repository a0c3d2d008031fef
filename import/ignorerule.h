#pragma once

#include <QString>
#include <QStringList>

// The paths that the user removed from one import path's tree. A removed
// path hides itself and everything below it, on folder boundaries: with
// "/rec/a" removed, "/rec/a" and "/rec/a/x.wav" are hidden, "/rec/ab" and
// "/rec/a2/x.wav" are not. The comparison is case-sensitive.
class IgnoreRule
{
public:
    IgnoreRule() = default;
    explicit IgnoreRule(const QStringList &ignoredPaths);

    bool IsEmpty() const { return m_ignoredPaths.isEmpty(); }
    // absolutePath: a clean absolute path, as QFileInfo::absoluteFilePath gives.
    bool Hides(const QString &absolutePath) const;

private:
    QStringList m_ignoredPaths;
};
