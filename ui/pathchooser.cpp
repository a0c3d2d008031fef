#include "ui/pathchooser.h"

#include <QFileDialog>

namespace {

QString ChooseFolder(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(
        parent, caption, QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

QString ChooseFile(QWidget *parent, const QString &caption, const QString &nameFilter)
{
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(nameFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString ChoosePathInDialog(QWidget *parent, const QString &caption, PathKind kind)
{
    switch (kind) {
    case PathKind::Folder:
        return ChooseFolder(parent, caption);
    case PathKind::RecordingFile:
        return ChooseFile(parent, caption, QStringLiteral("wav(*.wav)"));
    default:
        return ChooseFile(parent, caption, QStringLiteral("csv(*.csv *.CSV);;*(*)"));
    }
}
