#pragma once

#include <QString>

class QFile;

// The one way the program opens a file to read it: the recordings of the
// scan and the export, and the settings file. The open never blocks: the file is opened
// non-blocking and kept only when the opened handle is a regular file, so a
// FIFO, a device or a folder put in a recording's place after it was listed
// is refused instead of waited on. A check by name before opening would race.

// True for the error (an errno value) of an open, a read or a folder listing
// that says something about the machine rather than the entry: too many open
// files, no memory, an I/O error, a path too long... False for 0 and for what
// an archive may well hold: an entry that has gone (or a path through
// something that is not a folder), one the user may not read, a link loop
// and a special file without a device.
bool IsMachineFailure(int error);

// What identifies a file while it exists: its device and inode. Unknown
// (both 0) where the system has none.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    bool IsKnown() const { return device != 0 || inode != 0; }
    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
    bool operator!=(const FileIdentity &other) const { return !(*this == other); }
};

// What reading the start of a recording came to.
struct RecordingStart
{
    // The number of bytes read, -1 when the file could not be opened as a
    // regular file or read.
    qint64 count = -1;
    // The error of an open or read that failed for a machine failure, else 0.
    int failure = 0;
    // The file that was read.
    FileIdentity identity;
};

// Reads up to size bytes from the start of the recording at path into buffer.
RecordingStart ReadRecordingStart(const QString &path, char *buffer, qint64 size);

// Opens file on the recording at path for reading; false when it is not a
// regular file that can be opened. The file owns the handle afterwards.
bool OpenRecordingFile(QFile &file, const QString &path);
