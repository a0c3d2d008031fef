#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class PathKind { Folder, RecordingFile, AliasList };

// Asks for an existing folder, recording file or CSV list of ID names, in a dialog parented to
// parent and titled caption; empty when the user cancelled. The windows ask
// through one of these, so that a test can hand the path in itself.
using PathChooser =
    std::function<QString(QWidget *parent, const QString &caption, PathKind kind)>;

// The file dialogs that the windows use unless told otherwise.
QString ChoosePathInDialog(QWidget *parent, const QString &caption, PathKind kind);
