#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class RenameDialog;
}

// Asks for a recording's new file name. The caller sets the old path and name,
// calls ShowName and exec, and on QDialog::Accepted reads the new name and path.
class RenameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RenameDialog(QWidget *parent = nullptr);
    ~RenameDialog() override;

    void SetOldPath(const QString &path) { m_oldPath = path; }
    void SetOldName(const QString &name) { m_oldName = name; }
    // Fills the name field with the old file name without its extension.
    void ShowName();

    QString NewName() const { return m_newName; }
    QString NewPath() const { return m_newPath; }

private slots:
    void on_pbtn_OK_clicked();
    void on_pbtn_Cancel_clicked();
    void on_pbtn_RenameClose_clicked();

private:
    void InitStyle();

    QString m_oldPath;
    QString m_oldName;
    QString m_newName;
    QString m_newPath;
    std::unique_ptr<Ui::RenameDialog> ui;
};
