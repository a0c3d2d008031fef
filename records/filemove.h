#pragma once

#include <QString>

// Gives the entry at from the name to, in one step of the file system, and
// only when no entry of any kind (a file, a folder, a special file, a link,
// even one that leads nowhere) holds that name. Never replaces and never
// copies: a move that the file system cannot make this way fails, and then
// nothing changed.
bool MoveWithoutReplacing(const QString &from, const QString &to);
