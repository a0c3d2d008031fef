#pragma once

#include <QString>

#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

enum class PathKind { Folder, RecordingFile, AliasList };

// Asks for an existing folder, recording file or CSV list of ID names, in a dialog parented to
// parent and titled caption; empty when the user cancelled. The windows ask
// through one of these, so that a test can hand the path in itself.
using PathChooser =
    std::function<QString(QWidget *parent, const QString &caption, PathKind kind)>;

// The file dialogs that the windows use unless told otherwise; each opens in
// the start folder of the run (RunStartFolder) and moves it to what the user
// chose.
QString ChoosePathInDialog(QWidget *parent, const QString &caption, PathKind kind);

// Where a chooser opens: the folder chosen last, or the folder of the file
// chosen last; the user's home folder before any choice and once that folder
// is gone. A cancelled choice leaves it.
class ChooserStartFolder
{
public:
    QString Folder() const;
    void Remember(const QString &chosenPath, PathKind kind);

private:
    QString m_folder;
};

// The start folder that every chooser of this run shares.
ChooserStartFolder &RunStartFolder();

// The dialog that ChoosePathInDialog runs, not shown yet.
std::unique_ptr<QFileDialog> MakeChooserDialog(QWidget *parent, const QString &caption,
                                               PathKind kind);
