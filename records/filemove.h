#pragma once

#include "import/recordingopen.h"

#include <QString>

class QTemporaryFile;

// Gives the entry at from the name to, in one step of the file system, and
// only when no entry of any kind (a file, a folder, a special file, a link,
// even one that leads nowhere) holds that name. Never replaces and never
// copies: a move that the file system cannot make this way fails, and then
// nothing changed.
bool MoveWithoutReplacing(const QString &from, const QString &to);

// The template of a hidden temporary file in dir, for a file that gets its
// own name there only when complete.
QString TemporaryFileTemplate(const QString &dir);
// Closes the complete temporary file and gives it the name target, as
// MoveWithoutReplacing does; the file is kept only when it got that name.
bool PlaceTemporaryFile(QTemporaryFile &file, const QString &target);

// The operations on a listed file act on its path only while the path still
// leads to the regular file that was listed (identity): the path's folder is
// opened, the entry is looked at inside it, and the act is on that name in
// that folder. A folder swapped for a link, or a file replaced by another
// (or by a FIFO, or by a link to another file), after the listing, is
// refused. Where the identity is unknown (a system that knows none), the
// path is taken as it is, as long as it leads to a regular file.

// Removes the listed file at path (a link there, not what it leads to); true
// when the path no longer leads to it (removed now, or gone before, a link
// that leads nowhere left as it is), false when it still does or when the
// name leads to another entry.
bool RemoveListedFile(const QString &path, const FileIdentity &identity);

// Moves the listed file at from to the name to in the same folder, as
// MoveWithoutReplacing does; false, with nothing changed, when from no longer
// names that file.
bool MoveListedFile(const QString &from, const QString &to, const FileIdentity &identity);
