#pragma once

#include "ui/pathchooser.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ImportRecordFile;
}

// Asks for the folder or the single file to import. exec() gives 1 when the
// user confirmed a non-empty path, else 0; whether the path exists is left
// to the caller.
class ImportRecordFile : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFolderMode = 1;
    static constexpr int kFileMode = 2;

    explicit ImportRecordFile(QWidget *parent = nullptr);
    ~ImportRecordFile() override;

    int GetSelectMode() const;
    QString GetSelectPath() const;
    // What the browse buttons ask for the folder or the file.
    void SetPathChooser(const PathChooser &chooser);

private slots:
    void on_pbtn_OK_clicked();
    void on_pbtn_Cancel_clicked();
    void on_pbtn_folder_clicked();
    void on_pbtn_file_clicked();
    void on_rbtn_SelectFile_clicked();
    void on_rbtn_SelectFolder_clicked();
    void on_pbtn_ImportClose_clicked();

private:
    void SelectMode(int mode);
    void InitStyle();

    std::unique_ptr<Ui::ImportRecordFile> ui;
    int m_selectMode = kFolderMode;
    PathChooser m_choosePath = ChoosePathInDialog;
};
