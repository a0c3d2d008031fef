#include "records/filemove.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

// Without MOVEFILE_REPLACE_EXISTING and MOVEFILE_COPY_ALLOWED: a taken name
// or another volume is refused.
bool MoveWithoutReplacing(const QString &from, const QString &to)
{
    return MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                       reinterpret_cast<const wchar_t *>(to.utf16()), 0);
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
bool MoveByLink(const QByteArray &from, const QByteArray &to)
{
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    if (::unlink(from.constData()) == 0)
        return true;
    ::unlink(to.constData());
    return false;
}

} // namespace

bool MoveWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
        == 0)
        return true;
    if (!FileSystemLacksNoReplace(errno))
        return false;
#endif
    return MoveByLink(source, target);
}

#endif
