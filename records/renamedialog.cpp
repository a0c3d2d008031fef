#include "records/renamedialog.h"
#include "ui_renamedialog.h"

#include "records/recordfileops.h"
#include "ui/dialogtheme.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui/stylesheetbuilder.h"
#include "records/visiblename.h"
#include "ui/titlestripdrag.h"
#include "ui/windowbackground.h"

#include <QFileInfo>
#include <QRegExpValidator>

namespace {

// Any text without \ / : | * ? " < >
const char *const kAllowedName = "[^\\\\/:|*?\"<>]*";

} // namespace

RenameDialog::RenameDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::RenameDialog)
{
    ui->setupUi(this);
    setWindowTitle(ui->label_RenameTitle->text());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    new TitleStripDrag(this, kDialogStripHeight);
    ui->ledt_Rename->setValidator(
        new QRegExpValidator(QRegExp(QString::fromLatin1(kAllowedName)), ui->ledt_Rename));
    // Enter in the name field presses Yes.
    for (QPushButton *button : {ui->pbtn_Cancel, ui->pbtn_RenameClose})
        button->setAutoDefault(false);
    ui->pbtn_OK->setDefault(true);
    ui->pbtn_RenameClose->setToolTip(tr("Close"));
    InitStyle();
}

RenameDialog::~RenameDialog() = default;

void RenameDialog::ShowName()
{
    ui->ledt_Rename->setText(VisibleName(QFileInfo(m_oldPath).completeBaseName()));
    ui->ledt_Rename->selectAll();
    ui->ledt_Rename->setFocus();
}

void RenameDialog::on_pbtn_OK_clicked()
{
    const RenameDecision decision = CheckRename(m_oldPath, ui->ledt_Rename->text());
    switch (decision.check) {
    case RenameCheck::Blank:
        return;
    case RenameCheck::NameTaken:
        MsgTipWidthSingleBtn::ShowTip(tr("Rename"), tr("File name exists, please re-modify!"),
                                      tr("Cancel"), nullptr);
        return;
    case RenameCheck::Hidden:
        MsgTipWidthSingleBtn::ShowTip(tr("Rename"),
                                      tr("A file name cannot begin with a dot, please re-modify!"),
                                      tr("Cancel"), nullptr);
        return;
    case RenameCheck::Accepted:
        m_newName = decision.newName;
        m_newPath = decision.newPath;
        done(QDialog::Accepted);
        return;
    }
}

void RenameDialog::on_pbtn_Cancel_clicked()
{
    done(QDialog::Rejected);
}

void RenameDialog::on_pbtn_RenameClose_clicked()
{
    close();
}

void RenameDialog::InitStyle()
{
    PaintWindowBackground(ui->BackgroundWidget, QStringLiteral(":/PicRes/BK_ImportAndRename.png"));
    StyleDialogParts({ui->pbtn_RenameClose, {ui->label_Rename}, ui->label_RenameTitle,
                      {ui->pbtn_OK, ui->pbtn_Cancel}, QStringLiteral("ImportAndRename")});
    const LineEditHoverStyle edit{QString(), QStringLiteral("2px solid #22ac38"),
                                  QStringLiteral("12px"), DialogFontFamily(),
                                  QStringLiteral("#3a4761")};
    SetLineEditHoverStyle(ui->ledt_Rename, &edit);
    SetDialogFocusStyle({}, {ui->ledt_Rename});
}
