#pragma once

#include <QString>
#include <QStringList>

// SHA-1 of the file's bytes in hex, or "unreadable".
QString ContentHash(const QString &path);

// One line per entry below root, sorted: its path relative to root, and for
// a file its size, modification time and ContentHash. Links are described,
// never followed; FIFOs and other special files are never opened.
QStringList Snapshot(const QString &root);

// The snapshot with the entry from renamed to to, or removed for an empty
// to: what a rename or a removal on the user's request leaves.
QStringList Moved(QStringList snapshot, const QString &from, const QString &to);
