#pragma once

#include "import/recordingopen.h"
#include "records/recordrow.h"

#include <QDateTime>
#include <QList>
#include <QString>

// True when the path is not empty and names an existing regular file.
bool IsFileValid(const QString &path);

bool HasCheckedRecord(const QList<RecordRow> &rows);

// Delete: the checked records whose files are gone afterwards lose their
// record in SaveViewDisp and their row; a file that was already gone counts as
// deleted. A record whose file still exists after the removal was refused
// keeps its record, row and mark.
struct DeleteOutcome
{
    QList<RecordRow> keptRows; // in page order, not renumbered
    int deletedCount = 0;
    bool someRefused = false;
    // A file went but its record could not be deleted (the working database
    // not writable): the listing no longer agrees with the disk.
    bool recordsKept = false;
};

DeleteOutcome DeleteCheckedRecords(const QList<RecordRow> &rows);
// What identified the file of the record of filePath when it was listed;
// unknown when no record of that path has an identity.
FileIdentity ListedIdentity(const QString &filePath);

// Removes the recording of the record of path, only while the path still
// names the file that was listed (RemoveListedFile); true when the path no
// longer names it.
bool RemoveRecordingFile(const QString &path);

// Rename: the check of the name typed in the rename dialog.
enum class RenameCheck {
    Blank,     // empty or blanks only: the dialog stays open, silently
    NameTaken, // an entry of any kind has that path, or a record holds it
    Hidden,    // begins with a dot: every scan would leave the file out
    Accepted,  // also for the unchanged name; newPath then equals the old path
};

struct RenameDecision
{
    RenameCheck check = RenameCheck::Blank;
    QString newName;
    QString newPath;
};

RenameDecision CheckRename(const QString &oldPath, const QString &typedName);
// Renames the file without replacing anything, only while oldPath still names
// the file that was listed (MoveListedFile), then its record; false when the
// file system refused or the file is no longer the listed one, or the record
// could not be updated and the file was given its old name back: then
// nothing changed.
bool RenameRecording(const QString &oldPath, const QString &newName, const QString &newPath);

// Export: the checked records with an existing file are taken; the checked
// records whose files are missing, listed as such in the export's manifest,
// make it partial. Both in page order.
struct ExportPlan
{
    QList<RecordRow> taken;
    QList<RecordRow> missing;
};

ExportPlan PlanExport(const QList<RecordRow> &rows);
bool IsWritableDirectory(const QString &dir);
// target with "-yyMMddhhmmsszzz" of time inserted before its last four
// characters (the ".wav").
QString WithTimeSuffix(const QString &target, const QDateTime &time);
// dir/fileName, or while that is taken, the same with the current time suffix.
QString FreeExportTarget(const QString &dir, const QString &fileName);
// dir/ and the first ManifestStem of time for which no entry holds the
// manifest's name nor the checksum file's.
QString FreeManifestStem(const QString &dir, const QDateTime &time);
