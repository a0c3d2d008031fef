#include "ui/pathchooser.h"

#include <QFileDialog>

namespace {

QString ChooseFolder(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(
        parent, caption, QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

QString ChooseRecordingFile(QWidget *parent, const QString &caption)
{
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QStringLiteral("wav(*.wav)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString ChoosePathInDialog(QWidget *parent, const QString &caption, PathKind kind)
{
    return kind == PathKind::Folder ? ChooseFolder(parent, caption)
                                    : ChooseRecordingFile(parent, caption);
}
