#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>

// Names for radio IDs, from a CSV list that the user keeps: a header row,
// then one ID a row.
//
// - UTF-8, with or without a byte-order mark; the header line decides the
//   separator: a semicolon where it holds more semicolons than commas, else
//   a comma. Quoting as RFC 4180 has it: a field in double quotes may hold
//   separators, line ends and "" for a quote; lines end with LF or CRLF.
// - Columns by header name, in any order, named without regard to case:
//   `id` (decimal, 0 to 4294967295), `name` and an optional `kind`, `radio`
//   or `group` (empty: either); other columns are left alone. A header of two
//   columns and no `kind` needs no names: a column named neither `id` nor
//   `name` is the one the other leaves, the ID first ("Radio,Alias").
// - IDs, names and kinds are read without the blanks around them; rows with
//   nothing but blanks are skipped. A list with no row after its header is a
//   list of no names.
// - Any fault refuses the whole list, naming the first faulty line: a field
//   count other than the header's, an ID that is no such number, an empty
//   name, an unknown kind, an ID named twice for one kind, a quote not closed,
//   text after a closing quote, bytes that are not UTF-8.

enum class AliasKind { Any, Radio, Group };

// The names of IDs. A name given for a kind applies to IDs of that kind only;
// a name given without a kind to IDs of any kind, where none for that kind is
// given.
class IdAliases
{
public:
    // False, and nothing changed, when the ID has a name of that kind already.
    bool Add(quint32 id, AliasKind kind, const QString &name);
    // Empty when the ID has no name for kind. Kind Any takes only a name given
    // without a kind.
    QString NameOf(quint32 id, AliasKind kind) const;

private:
    // By ID, the names for AliasKind::Any, Radio and Group; empty where none.
    QHash<quint32, std::array<QString, 3>> m_names;
};

// What reading a list came to: its names and its bytes as read, or the
// reason it was refused, with the line that shows it (0 for the whole file).
struct AliasListRead
{
    IdAliases aliases;
    QByteArray bytes;
    int faultLine = 0;
    QString fault;

    bool IsRead() const { return fault.isEmpty(); }
};

AliasListRead ParseAliasList(const QByteArray &bytes);
// Reads the list at path, which must be a regular file; opening it never
// waits (on a FIFO, say).
AliasListRead ReadAliasList(const QString &path);
// "line 3: the name is empty", or the fault alone for the whole file; texts
// translated in the context "MainWindow".
QString AliasListFault(const AliasListRead &read);

// Writes the bytes of an accepted list to path as a whole, its folder made
// where missing. Empty when done, else the reason.
QString KeepAliasList(const QByteArray &bytes, const QString &path);

// "name (id)"; the ID text alone for an empty name.
QString NamedIdText(const QString &idText, const QString &name);
