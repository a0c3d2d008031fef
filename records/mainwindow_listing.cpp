// The record list of the main window: the table, the search and the pages.

#include "app/mainwindow.h"
#include "records/celltext.h"
#include "records/checkboxdelegate.h"
#include "records/myvalidator.h"
#include "records/tablemodel.h"
#include "ui/msgtipwidthsinglebtn.h"
#include "ui_mainwindow.h"

#include <QCursor>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QIntValidator>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>

namespace {

const QDate kFirstSearchDate(1900, 1, 1);
const QDate kLastSearchDate(2037, 1, 1);
constexpr int kCheckColumnWidth = 25;
const int kColumnWidths[] = {kCheckColumnWidth, 34, 98, 120, 70, 79, 77, 77, 101, 59, 86, 86};
constexpr int kFileNameColumn = 2;
constexpr int kCallTypeColumn = 9;
// No column but File Name grows wider, whatever its texts.
constexpr int kWidestColumn = 200;

void FillFilterBox(QComboBox *box, const QList<FilterItem> &items)
{
    for (const FilterItem &item : items)
        box->addItem(QIcon(), item.text, item.code);
}

// The edits' date and time to the second; milliseconds are dropped.
QDateTime SearchBound(const QDateEdit *date, const QTimeEdit *time)
{
    const QTime t = time->time();
    return QDateTime(date->date(), QTime(t.hour(), t.minute(), t.second()));
}

// What the viewport, narrowed by a vertical scroll bar, leaves the File Name
// column beside the other columns up to Call Type, which stay in view.
int FileNameRoom(const QTableView *table)
{
    int others = 0;
    for (int column = 0; column <= kCallTypeColumn; ++column)
        if (column != kFileNameColumn)
            others += table->columnWidth(column);
    const int viewport = table->maximumViewportSize().width() - table->verticalScrollBar()->sizeHint().width();
    return viewport - others;
}

// Beside the numbers, the playing row's mark and its margins.
int MarkRoom(const QTableView *table)
{
    return table->iconSize().width() + CellTextRoom(table);
}

} // namespace

void MainWindow::InitSearchWidgets()
{
    ui->dateEdit_Begin->setDateRange(kFirstSearchDate, kLastSearchDate);
    ui->dateEdit_Begin->setCalendarPopup(true);
    ui->dateEdit_End->setDateRange(kFirstSearchDate, kLastSearchDate);
    ui->dateEdit_End->setCalendarPopup(true);
    FollowClockInEnd();
    const auto editedByUser = [this] { m_endFollowsClock = false; };
    connect(ui->dateEdit_End, &QDateEdit::dateChanged, this, editedByUser);
    connect(ui->timeEdit_End, &QTimeEdit::timeChanged, this, editedByUser);
    connect(&m_endClockTimer, &QTimer::timeout, this, &MainWindow::FollowClockInEnd);
    m_endClockTimer.start(1000);
    FillFilterBox(ui->comBox_CallType, CallTypeFilterItems());
    FillFilterBox(ui->comBox_RecordType, RecordTypeFilterItems());
    ui->ledt_ID->setValidator(new QIntValidator(0, 99999999, this));
}

void MainWindow::SetClock(const Clock &clock)
{
    m_clock = clock;
    FollowClockInEnd();
}

void MainWindow::FollowClockInEnd()
{
    if (!m_endFollowsClock)
        return;
    const QDateTime now = m_clock();
    const QSignalBlocker dateBlocker(ui->dateEdit_End);
    const QSignalBlocker timeBlocker(ui->timeEdit_End);
    ui->dateEdit_End->setDate(now.date());
    ui->timeEdit_End->setTime(now.time());
}

void MainWindow::InitTableView()
{
    m_tableModel = new TableModel;
    m_checkBoxDelegate = new CheckBoxDelegate;
    QTableView *table = ui->tableView;
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->hide();
    table->setShowGrid(true);
    table->setFrameShape(QFrame::NoFrame);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setModel(m_tableModel);
    table->setItemDelegate(m_checkBoxDelegate);
    table->setIconSize(QSize(12, 12));
    // The header's minimum, from its font, would hold the check column wider.
    table->horizontalHeader()->setMinimumSectionSize(kCheckColumnWidth);
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        table->setColumnWidth(column, kColumnWidths[column]);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);

    m_rowMenu = new QMenu;
    m_playAction = new QAction(tr("Play"), this);
    m_renameAction = new QAction(tr("ReName"), this);
    m_rowMenu->addAction(m_playAction);
    m_rowMenu->addAction(m_renameAction);
    table->setContextMenuPolicy(Qt::CustomContextMenu);

    ui->ledt_CurrentPage->setValidator(new MyValidator(1, 99999, ui->ledt_CurrentPage));
    ui->ledt_CurrentPage->setMaxLength(5);
    connect(ui->ledt_CurrentPage, &QLineEdit::returnPressed, this, &MainWindow::on_pbtn_Confirm_clicked);
    ui->ledt_SelectCount->setFocusPolicy(Qt::NoFocus);

    connect(m_tableModel, SIGNAL(CheckBoxChange_Signals(int,int)), this,
            SLOT(CheckBoxChanged(int,int)));
    connect(table, SIGNAL(customContextMenuRequested(QPoint)), this,
            SLOT(Clicked_rightMenu(QPoint)));
    connect(m_playAction, SIGNAL(triggered(bool)), this, SLOT(RightMenuToPlay()));
    connect(m_renameAction, SIGNAL(triggered(bool)), this, SLOT(RightMenuToRename()));
}

void MainWindow::Clicked_rightMenu(QPoint pos)
{
    if (IsPlaying())
        return;
    if (pos.x() <= kCheckColumnWidth)
        return;
    if (!HasRow(CurrentRow()))
        return;
    m_rowMenu->exec(QCursor::pos());
}

int MainWindow::CurrentRow() const
{
    return ui->tableView->currentIndex().row();
}

bool MainWindow::HasRow(int row) const
{
    return row >= 0 && row < m_pageRecords.size();
}

void MainWindow::ShowPageRows(const QList<RecordRow> &rows)
{
    m_pageRecords = rows;
    m_tableModel->SetRows(m_pageRecords);
    FitColumnsToTexts();
}

// Each column widens to show its texts on one line: those of the page, the
// header's, and for the code columns every text of their codes in the
// current language, so that their width holds from page to page. The file
// names grow only as far as the columns up to Call Type stay in view; what
// still does not fit is cut in the middle and shows whole in its tooltip.
void MainWindow::FitColumnsToTexts()
{
    QTableView *table = ui->tableView;
    table->ensurePolished();
    const QFontMetricsF metrics(table->font());
    const int room = CellTextRoom(table);
    for (int column = FieldNumber; column < int(std::size(kColumnWidths)); ++column) {
        if (column == kFileNameColumn)
            continue;
        const int least = std::max(kColumnWidths[column], table->horizontalHeader()->sectionSizeHint(column));
        const int textRoom = column == FieldNumber ? room + MarkRoom(table) : room;
        table->setColumnWidth(column, ColumnWidthFor(ColumnTexts(column), metrics, textRoom, least, kWidestColumn));
    }
    const int narrowest = kColumnWidths[kFileNameColumn];
    table->setColumnWidth(kFileNameColumn, ColumnWidthFor(ColumnTexts(kFileNameColumn), metrics, room,
                                                          narrowest, FileNameRoom(table)));
}

QStringList MainWindow::ColumnTexts(int column) const
{
    QStringList texts = CodeTexts(column);
    for (int row = 0; row < m_tableModel->rowCount(); ++row)
        texts.append(m_tableModel->index(row, column).data().toString());
    return texts;
}

void MainWindow::MoveCheckedCount(int change)
{
    m_checkedCount = MovedCount(m_checkedCount, change);
}

void MainWindow::UpdatePageInfo()
{
    ui->ledt_SelectCount->setText(QString::number(m_checkedCount));
    ui->ledt_CurrentPage->setText(QString::number(m_currentPage));
    ui->label_Page->setText(QStringLiteral("%1/%2").arg(
        QString::number(m_currentPage), QString::number(PageCount(m_totalCount, m_pageSize))));
}

bool MainWindow::LoadPage(PageLoadMode mode)
{
    if (m_countOutdated) {
        m_totalCount = unsigned(CountRecords(m_countStatement));
        m_countOutdated = false;
    }
    const PageState state{m_pageSize, m_currentPage, m_totalCount};
    const int page = RequestedPage(mode, state, ui->ledt_CurrentPage->text().toInt());
    if (page == 0)
        return false;
    if (mode == PageSearch)
        m_checkedCount = unsigned(CountRecords(m_checkedCountStatement));
    ShowListingPage(page);
    return true;
}

// A new listing is counted once; its pages are then read from the nearest
// known place.
void MainWindow::StartListing(const ListingStatements &statements)
{
    m_listingCondition = statements.condition;
    m_countStatement = statements.count;
    m_checkedCountStatement = statements.checkedCount;
    m_totalCount = unsigned(CountRecords(m_countStatement));
    m_countOutdated = false;
    m_pageStart = PageStart();
}

void MainWindow::ShowListingPage(int page)
{
    const ListingPage loaded =
        ReadListingPage(m_listingCondition, m_totalCount, m_pageSize, page, m_pageStart);
    m_currentPage = page;
    m_pageStart = loaded.start;
    ShowPageRows(loaded.rows);
}

void MainWindow::on_pbtn_Search_clicked()
{
    if (IsPlaying())
        return;
    FollowClockInEnd();
    SearchFilter filter;
    filter.start = SearchBound(ui->dateEdit_Begin, ui->timeEdit_Begin);
    filter.end = SearchBound(ui->dateEdit_End, ui->timeEdit_End);
    if (filter.end < filter.start) {
        MsgTipWidthSingleBtn::ShowTip(tr("Search"), tr("Start time is greater than the end time!"),
                                      tr("Cancel"), nullptr);
        return;
    }
    filter.idText = ui->ledt_ID->text();
    filter.recordTypeIndex = ui->comBox_RecordType->currentIndex();
    filter.callTypeIndex = ui->comBox_CallType->currentIndex();
    filter.keyword = ui->ledt_KeyWord->text();
    StartListing(BuildSearchStatements(filter));
    m_listingIsSearch = true;
    LoadPage(PageSearch);
    UpdatePageInfo();
    RefreshPlayList();
}

void MainWindow::FindOverAndDisplayToTable()
{
    StartListing(ListingStatements{QString(), AllRecordsCountStatement(), m_checkedCountStatement});
    m_listingIsSearch = false;
    ShowListingPage(1);
    m_checkedCount = 0;
    UpdatePageInfo();
    RefreshPlayList();
    emit CloseTipDlg_signals();
}

// A page request that is refused changes nothing at all.
void MainWindow::GoToPage(PageLoadMode mode)
{
    if (!LoadPage(mode))
        return;
    UpdatePageInfo();
    RefreshPlayList();
}

void MainWindow::on_pbtn_FirstPage_clicked()
{
    if (HomeButtonLoads(m_currentPage))
        GoToPage(PageHome);
}

void MainWindow::on_pbtn_PrePage_clicked()
{
    GoToPage(PagePrevious);
}

void MainWindow::on_pbtn_NextPage_clicked()
{
    GoToPage(PageNext);
}

void MainWindow::on_pbtn_LastPage_clicked()
{
    GoToPage(PageLast);
}

void MainWindow::on_pbtn_Confirm_clicked()
{
    GoToPage(PageGoto);
}
