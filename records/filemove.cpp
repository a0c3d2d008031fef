#include "records/filemove.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString TemporaryFileTemplate(const QString &dir)
{
    return dir + QStringLiteral("/.ovelia-export-XXXXXX");
}

bool PlaceTemporaryFile(QTemporaryFile &file, const QString &target)
{
    file.close();
    if (!MoveWithoutReplacing(file.fileName(), target))
        return false;
    file.setAutoRemove(false);
    return true;
}

#ifdef Q_OS_WIN

// Without MOVEFILE_REPLACE_EXISTING and MOVEFILE_COPY_ALLOWED: a taken name
// or another volume is refused.
bool MoveWithoutReplacing(const QString &from, const QString &to)
{
    return MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                       reinterpret_cast<const wchar_t *>(to.utf16()), 0);
}

bool RemoveListedFile(const QString &path, const FileIdentity &)
{
    QFile::remove(path);
    return !QFileInfo::exists(path);
}

bool MoveListedFile(const QString &from, const QString &to, const FileIdentity &)
{
    return MoveWithoutReplacing(from, to);
}

#else

namespace {

#ifdef RENAME_NOREPLACE
bool FileSystemLacksNoReplace(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}
#endif

// A second name for the entry, then the first one dropped; link() refuses a
// taken name as the rename does.
bool MoveByLink(int folder, const char *from, const char *to)
{
    if (::linkat(folder, from, folder, to, 0) != 0)
        return false;
    if (::unlinkat(folder, from, 0) == 0)
        return true;
    ::unlinkat(folder, to, 0);
    return false;
}

// from and to are names in folder, or paths with folder AT_FDCWD.
bool MoveAt(int folder, const char *from, const char *to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0)
        return true;
    if (!FileSystemLacksNoReplace(errno))
        return false;
#endif
    return MoveByLink(folder, from, to);
}

// The folder of a path, opened, and the entry's name in it.
class ParentFolder
{
public:
    explicit ParentFolder(const QString &path)
    {
        const QByteArray bytes = QFile::encodeName(path);
        const int slash = bytes.lastIndexOf('/');
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : bytes.left(slash);
        m_name = bytes.mid(slash + 1);
        do {
            m_handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        } while (m_handle < 0 && errno == EINTR);
        m_openError = m_handle < 0 ? errno : 0;
    }
    ~ParentFolder()
    {
        if (m_handle >= 0)
            ::close(m_handle);
    }
    ParentFolder(const ParentFolder &) = delete;
    ParentFolder &operator=(const ParentFolder &) = delete;

    int Handle() const { return m_handle; }
    int OpenError() const { return m_openError; }
    const char *Name() const { return m_name.constData(); }

private:
    int m_handle = -1;
    int m_openError = 0;
    QByteArray m_name;
};

enum class Listed { Same, Gone, Other };

// What the name in folder leads to now. A link there is followed: the file it
// leads to must be the listed one, as through any other link of the path.
Listed ListedEntry(const ParentFolder &folder, const FileIdentity &identity)
{
    if (folder.Handle() < 0)
        return folder.OpenError() == ENOENT ? Listed::Gone : Listed::Other;
    struct stat status;
    if (::fstatat(folder.Handle(), folder.Name(), &status, 0) != 0)
        return errno == ENOENT ? Listed::Gone : Listed::Other;
    const FileIdentity found{quint64(status.st_dev), quint64(status.st_ino)};
    const bool same = !identity.IsKnown() || found == identity;
    return S_ISREG(status.st_mode) && same ? Listed::Same : Listed::Other;
}

} // namespace

bool MoveWithoutReplacing(const QString &from, const QString &to)
{
    return MoveAt(AT_FDCWD, QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
}

bool RemoveListedFile(const QString &path, const FileIdentity &identity)
{
    const ParentFolder folder(path);
    switch (ListedEntry(folder, identity)) {
    case Listed::Gone:
        return true;
    case Listed::Other:
        return false;
    case Listed::Same:
        break;
    }
    return ::unlinkat(folder.Handle(), folder.Name(), 0) == 0 || errno == ENOENT;
}

bool MoveListedFile(const QString &from, const QString &to, const FileIdentity &identity)
{
    const ParentFolder folder(from);
    if (QFileInfo(to).path() != QFileInfo(from).path()
        || ListedEntry(folder, identity) != Listed::Same)
        return false;
    const QByteArray toName = QFile::encodeName(QFileInfo(to).fileName());
    return MoveAt(folder.Handle(), folder.Name(), toName.constData());
}

#endif
