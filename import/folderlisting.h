#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One folder's visible entries as the scan and the tree build walk them: no
// hidden entry (a name starting with "."), no dangling link, no FIFO, socket
// or device; a link counts as what it leads to. Each entry is typed from the
// folder listing itself; only links and entries of unknown type cost a stat.
struct FolderEntry
{
    enum Kind { File, Folder, Other };

    QString name;
    Kind kind = Other; // Other: a link to something neither file nor folder
    bool isLink = false;
};

enum class ListingFilter {
    AllEntries, // files, folders and links
    FoldersOnly,
};

// What a listing left out besides hidden entries and those of no interest.
struct ListingReport
{
    // The error of a listing that failed, or left an entry out, for a machine
    // failure (IsMachineFailure); 0 otherwise.
    int failure = 0;
    // The visible entries whose names do not come back to the same bytes
    // through the file-name codec (QFile::decodeName, then encodeName): no
    // path could name them, so they are left out. Their names as bytes.
    QList<QByteArray> undecodableNames;
};

// The entries of folder, ordered by name ignoring case as QDir sorts them by
// default (names that differ only in case keep QDir's order too). An empty
// list when the folder cannot be read. report, when given, receives what was
// left out.
QVector<FolderEntry> ListFolder(const QString &folder, ListingFilter filter,
                                ListingReport *report = nullptr);

// The text of a name's bytes when the file-name codec carries them both ways
// (QFile::decodeName, then encodeName gives the same bytes); nothing when it
// does not, for then no path could name the entry.
std::optional<QString> DecodedFileName(const QByteArray &name);

// A name's bytes as printable text: backslash and the bytes outside
// printable ASCII escaped as \xHH.
QString EscapedBytes(const QByteArray &bytes);

// The folder part of the paths that a listing of folder yields, as QFileInfo
// gives it for its entries: "rec/" lists "rec/a.wav", whose folder is "rec".
QString ListedFolderPath(const QString &folder);

// The clean absolute path of folder, ending with "/": the prefix of its
// entries' absolute paths.
QString AbsoluteFolderPrefix(const QString &folder);

// The link rule of a walk, on real (canonical) paths: a link to the folder
// target is not followed when target lies in one of walkedTrees, the trees
// the walk covers under their own names (unless below a hidden folder, which
// the walk leaves out), or on the way down to currentFolder, where following
// it would loop.
bool LinkSkipped(const QString &target, const QString &currentFolder,
                 const QStringList &walkedTrees);

// folder/name for a real folder and one of its entries.
QString ChildPath(const QString &folder, const QString &name);

// The real folders whose whole trees one walk covers under their own names,
// for the link rule: the walk's root to start with, and the target of each
// link followed since.
class FolderWalk
{
public:
    explicit FolderWalk(const QString &root);

    // The real folder of the root; empty when the root is not there.
    QString RootFolder() const { return m_walkedTrees.value(0); }

    // The real folder that the subfolder entry of canonicalFolder, found at
    // absolutePath, is walked as; empty when it is a link into what this walk
    // covers anyway or onto the way down to canonicalFolder (a loop), or a
    // real folder that is a tree of the walk on its own.
    QString Enter(const QString &canonicalFolder, const FolderEntry &entry,
                  const QString &absolutePath);

private:
    QStringList m_walkedTrees;
};
