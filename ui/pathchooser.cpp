#include "ui/pathchooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString FileNameFilter(PathKind kind)
{
    return kind == PathKind::RecordingFile ? QStringLiteral("wav(*.wav)")
                                           : QStringLiteral("csv(*.csv *.CSV);;*(*)");
}

} // namespace

QString ChooserStartFolder::Folder() const
{
    return !m_folder.isEmpty() && QFileInfo(m_folder).isDir() ? m_folder : QDir::homePath();
}

void ChooserStartFolder::Remember(const QString &chosenPath, PathKind kind)
{
    if (chosenPath.isEmpty())
        return;
    m_folder = kind == PathKind::Folder ? chosenPath : QFileInfo(chosenPath).absolutePath();
}

ChooserStartFolder &RunStartFolder()
{
    static ChooserStartFolder folder;
    return folder;
}

std::unique_ptr<QFileDialog> MakeChooserDialog(QWidget *parent, const QString &caption,
                                               PathKind kind)
{
    auto dialog = std::make_unique<QFileDialog>(parent, caption, RunStartFolder().Folder());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (kind == PathKind::Folder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(FileNameFilter(kind));
    }
    return dialog;
}

QString ChoosePathInDialog(QWidget *parent, const QString &caption, PathKind kind)
{
    const std::unique_ptr<QFileDialog> dialog = MakeChooserDialog(parent, caption, kind);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog->selectedFiles().first();
    RunStartFolder().Remember(chosen, kind);
    return chosen;
}
