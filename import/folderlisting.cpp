#include "import/folderlisting.h"

#include "import/recordingopen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#ifdef Q_OS_WIN
#include <QDirIterator>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace {

bool IsDotEntry(const QString &name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

bool IsHidden(const QString &name)
{
    return name.startsWith(QLatin1Char('.')) && !IsDotEntry(name);
}

bool Admits(ListingFilter filter, const FolderEntry &entry)
{
    if (IsDotEntry(entry.name))
        return false;
    if (filter == ListingFilter::FoldersOnly)
        return entry.kind == FolderEntry::Folder;
    return entry.kind != FolderEntry::Other || entry.isLink;
}

#ifdef Q_OS_WIN
// QDir's own filter: no hidden or system entry, no dangling link.
QVector<FolderEntry> ReadEntries(const QString &folder, ListingReport &)
{
    QVector<FolderEntry> entries;
    QDirIterator iterator(folder, QDir::AllEntries);
    while (iterator.hasNext()) {
        iterator.next();
        const QFileInfo info = iterator.fileInfo();
        FolderEntry entry;
        entry.name = info.fileName();
        entry.isLink = info.isSymLink();
        entry.kind = info.isDir() ? FolderEntry::Folder
                     : info.isFile() ? FolderEntry::File
                                     : FolderEntry::Other;
        entries.append(entry);
    }
    return entries;
}
#else
FolderEntry::Kind KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FolderEntry::File;
    if (S_ISDIR(mode))
        return FolderEntry::Folder;
    return FolderEntry::Other;
}

void NoteFailure(ListingReport &report)
{
    if (report.failure == 0 && IsMachineFailure(errno))
        report.failure = errno;
}

// False for an entry that has gone or is a dangling link, or whose type could
// not be read.
bool TypeEntry(int folderHandle, const dirent &found, FolderEntry &entry)
{
    if (found.d_type == DT_REG || found.d_type == DT_DIR) {
        entry.kind = found.d_type == DT_REG ? FolderEntry::File : FolderEntry::Folder;
        return true;
    }
    struct stat status;
    if (found.d_type == DT_UNKNOWN) {
        if (::fstatat(folderHandle, found.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        entry.isLink = S_ISLNK(status.st_mode);
        if (!entry.isLink) {
            entry.kind = KindOfMode(status.st_mode);
            return true;
        }
    } else {
        entry.isLink = found.d_type == DT_LNK;
        if (!entry.isLink)
            return true;
    }
    if (::fstatat(folderHandle, found.d_name, &status, 0) != 0)
        return false;
    entry.kind = KindOfMode(status.st_mode);
    return true;
}

QVector<FolderEntry> ReadEntries(const QString &folder, ListingReport &report)
{
    QVector<FolderEntry> entries;
    DIR *stream = ::opendir(QFile::encodeName(folder).constData());
    if (!stream) {
        NoteFailure(report);
        return entries;
    }
    for (;;) {
        errno = 0;
        const dirent *found = ::readdir(stream);
        if (!found) {
            NoteFailure(report);
            break;
        }
        if (found->d_name[0] == '.')
            continue;
        const QByteArray rawName(found->d_name);
        const std::optional<QString> name = DecodedFileName(rawName);
        if (!name) {
            report.undecodableNames.append(rawName);
            continue;
        }
        FolderEntry entry;
        entry.name = *name;
        if (!TypeEntry(::dirfd(stream), *found, entry)) {
            NoteFailure(report);
            continue;
        }
        entries.append(entry);
    }
    ::closedir(stream);
    return entries;
}
#endif

// QDir's default order: names compared in lower case, ties in the order the
// sort happens to leave them, which QDir decides by the items' places in its
// sort array. Sorting the same array the same way keeps that order too.
struct SortItem
{
    QString lowerName;
    int index = 0;
};

void SortLikeQDir(QVector<FolderEntry> &entries)
{
    std::vector<SortItem> items(size_t(entries.size()));
    for (int i = 0; i < entries.size(); ++i)
        items[size_t(i)] = {entries.at(i).name.toLower(), i};
    std::sort(items.begin(), items.end(), [](const SortItem &a, const SortItem &b) {
        const int order = a.lowerName.compare(b.lowerName);
        return order != 0 ? order < 0 : &a < &b;
    });
    QVector<FolderEntry> sorted;
    sorted.reserve(entries.size());
    for (const SortItem &item : items)
        sorted.append(entries.at(item.index));
    entries.swap(sorted);
}

} // namespace

QVector<FolderEntry> ListFolder(const QString &folder, ListingFilter filter,
                                ListingReport *report)
{
    ListingReport unread;
    if (report)
        *report = ListingReport();
    QVector<FolderEntry> entries = ReadEntries(folder, report ? *report : unread);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [filter](const FolderEntry &entry) {
                                     return !Admits(filter, entry);
                                 }),
                  entries.end());
    if (entries.size() > 1)
        SortLikeQDir(entries);
    return entries;
}

std::optional<QString> DecodedFileName(const QByteArray &name)
{
    QString text = QFile::decodeName(name);
    if (QFile::encodeName(text) != name)
        return std::nullopt;
    return text;
}

QString EscapedBytes(const QByteArray &bytes)
{
    QString text;
    for (const char byte : bytes) {
        const uchar code = uchar(byte);
        if (code == '\\')
            text += QLatin1String("\\\\");
        else if (code >= 0x20 && code < 0x7f)
            text += QLatin1Char(byte);
        else
            text += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
    }
    return text;
}

QString ListedFolderPath(const QString &folder)
{
    return QFileInfo(QDir(folder), QStringLiteral("x")).path();
}

QString AbsoluteFolderPrefix(const QString &folder)
{
    return QFileInfo(QDir(folder), QStringLiteral("x")).absoluteFilePath().chopped(1);
}

namespace {

// The part of path below folder ("" for folder itself), or a null string
// when path does not lie in folder.
QString PathBelow(const QString &path, const QString &folder)
{
    if (path == folder)
        return QLatin1String("");
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(prefix) ? path.mid(prefix.size()) : QString();
}

bool HasHiddenFolder(const QString &relativePath)
{
    const QStringList names = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return std::any_of(names.cbegin(), names.cend(), IsHidden);
}

} // namespace

bool LinkSkipped(const QString &target, const QString &currentFolder,
                 const QStringList &walkedTrees)
{
    if (!PathBelow(currentFolder, target).isNull())
        return true;
    return std::any_of(walkedTrees.cbegin(), walkedTrees.cend(), [&target](const QString &tree) {
        const QString below = PathBelow(target, tree);
        return !below.isNull() && !HasHiddenFolder(below);
    });
}

QString ChildPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

FolderWalk::FolderWalk(const QString &root)
    : m_walkedTrees(QFileInfo(root).canonicalFilePath())
{
}

QString FolderWalk::Enter(const QString &canonicalFolder, const FolderEntry &entry,
                          const QString &absolutePath)
{
    if (!entry.isLink) {
        const QString folder = ChildPath(canonicalFolder, entry.name);
        // Below a link, the real folder may be a tree walked on its own.
        return m_walkedTrees.contains(folder) ? QString() : folder;
    }
    const QString target = QFileInfo(absolutePath).canonicalFilePath();
    if (target.isEmpty() || LinkSkipped(target, canonicalFolder, m_walkedTrees))
        return QString();
    m_walkedTrees.append(target);
    return target;
}
