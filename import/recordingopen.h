#pragma once

#include <QString>

class QFile;

// The one way the program opens a file to read it: the recordings of the
// scan and the export, and the settings file. The open never blocks: the file is opened
// non-blocking and kept only when the opened handle is a regular file, so a
// FIFO, a device or a folder put in a recording's place after it was listed
// is refused instead of waited on. A check by name before opening would race.

// Reads up to size bytes from the start of the recording at path into
// buffer; the number of bytes read, or -1 when it could not be opened as a
// regular file or read.
qint64 ReadRecordingStart(const QString &path, char *buffer, qint64 size);

// Opens file on the recording at path for reading; false when it is not a
// regular file that can be opened. The file owns the handle afterwards.
bool OpenRecordingFile(QFile &file, const QString &path);
