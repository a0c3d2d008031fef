#include "import/recordingopen.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
int OpenForReading(const QString &path)
{
    return _wopen(reinterpret_cast<const wchar_t *>(path.utf16()),
                  _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

// The size of the regular file open on handle, or -1 for anything else.
qint64 RegularFileSize(int handle, FileIdentity *)
{
    struct _stat64 status;
    if (_fstat64(handle, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)
        return -1;
    return status.st_size;
}

qint64 ReadSome(int handle, char *buffer, qint64 size)
{
    return _read(handle, buffer, unsigned(size));
}
#else
int OpenForReading(const QString &path)
{
    int handle;
    do {
        handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (handle < 0 && errno == EINTR);
    return handle;
}

qint64 RegularFileSize(int handle, FileIdentity *identity)
{
    struct stat status;
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    if (identity)
        *identity = FileIdentity{quint64(status.st_dev), quint64(status.st_ino)};
    return status.st_size;
}

qint64 ReadSome(int handle, char *buffer, qint64 size)
{
    ssize_t count;
    do {
        count = ::read(handle, buffer, size_t(size));
    } while (count < 0 && errno == EINTR);
    return count;
}
#endif

void CloseRecordingHandle(int handle)
{
#ifdef Q_OS_WIN
    _close(handle);
#else
    ::close(handle);
#endif
}

// The handle of the regular file at path, and its size when opened.
int OpenRegularFile(const QString &path, qint64 *size, FileIdentity *identity = nullptr)
{
    if (path.isEmpty())
        return -1;
    const int handle = OpenForReading(path);
    if (handle < 0)
        return -1;
    *size = RegularFileSize(handle, identity);
    if (*size < 0) {
        CloseRecordingHandle(handle);
        return -1;
    }
    return handle;
}

} // namespace

bool IsMachineFailure(int error)
{
    switch (error) {
    case 0:
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case EPERM:
    case ELOOP:
    case ENXIO:
    case ENODEV:
        return false;
    default:
        return true;
    }
}

RecordingStart ReadRecordingStart(const QString &path, char *buffer, qint64 size)
{
    RecordingStart start;
    qint64 fileSize = 0;
    errno = 0;
    const int handle = OpenRegularFile(path, &fileSize, &start.identity);
    if (handle < 0) {
        start.failure = IsMachineFailure(errno) ? errno : 0;
        return start;
    }
    // Reading stops at the size the file had when opened, which spares the
    // read that would only find its end.
    const qint64 wanted = std::max<qint64>(1, std::min(size, fileSize));
    qint64 total = 0;
    while (total < wanted) {
        const qint64 count = ReadSome(handle, buffer + total, size - total);
        if (count < 0) {
            start.failure = IsMachineFailure(errno) ? errno : 0;
            CloseRecordingHandle(handle);
            return start;
        }
        if (count == 0)
            break;
        total += count;
    }
    CloseRecordingHandle(handle);
    start.count = total;
    return start;
}

bool OpenRecordingFile(QFile &file, const QString &path)
{
    qint64 size = 0;
    const int handle = OpenRegularFile(path, &size);
    if (handle < 0)
        return false;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        CloseRecordingHandle(handle);
        return false;
    }
    return true;
}
