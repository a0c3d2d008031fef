#include "records/tablemodel.h"

#include "records/visiblename.h"

#include <QColor>
#include <QFont>

namespace {

constexpr int kCheckColumn = 0;
constexpr int kNumberColumn = 1;
constexpr int kColumnCount = 12;
const int kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

// Column 10 shows SendFre and column 11 RecFre under these headers.
const char *const kHeaderTexts[kColumnCount] = {
    "",
    QT_TRANSLATE_NOOP("TableModel", "No."),
    QT_TRANSLATE_NOOP("TableModel", "File Name"),
    QT_TRANSLATE_NOOP("TableModel", "Time"),
    QT_TRANSLATE_NOOP("TableModel", "Duration"),
    QT_TRANSLATE_NOOP("TableModel", "Talker ID"),
    QT_TRANSLATE_NOOP("TableModel", "Call ID"),
    QT_TRANSLATE_NOOP("TableModel", "Radio ID"),
    QT_TRANSLATE_NOOP("TableModel", "Recording Type"),
    QT_TRANSLATE_NOOP("TableModel", "Call Type"),
    QT_TRANSLATE_NOOP("TableModel", "Receive Freq."),
    QT_TRANSLATE_NOOP("TableModel", "Transmit Freq."),
};

bool IsTextColumn(int column)
{
    return column >= FieldNumber && column <= FieldFilePath;
}

QFont PlayingFont()
{
    QFont font;
    font.setBold(true);
    return font;
}

} // namespace

TableModel::TableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void TableModel::SetRows(const QList<RecordRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void TableModel::SetAliases(const IdAliases &aliases)
{
    m_aliases = aliases;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, FieldCallingId), index(m_rows.size() - 1, FieldRadioId));
}

void TableModel::SetPlayingPath(const QString &path)
{
    if (path == m_playingPath)
        return;
    const QString before = m_playingPath;
    m_playingPath = path;
    RedrawRowsOf(before);
    RedrawRowsOf(path);
}

void TableModel::RedrawRowsOf(const QString &path)
{
    if (path.isEmpty())
        return;
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row).filePath == path)
            emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const RecordRow &row = m_rows.at(index.row());
    const int column = index.column();
    const bool playing = !m_playingPath.isEmpty() && row.filePath == m_playingPath;
    switch (role) {
    case Qt::TextAlignmentRole:
        return kCentred;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::FontRole:
        return playing ? PlayingFont() : QVariant();
    case Qt::DecorationRole:
        return playing && column == kNumberColumn ? QVariant(m_playingMark) : QVariant();
    case Qt::UserRole:
        return column == kCheckColumn ? QVariant(row.checked) : QVariant();
    case Qt::DisplayRole:
        return IsTextColumn(column) ? VisibleName(RecordCellText(row, column, m_aliases))
                                    : QString();
    case Qt::ToolTipRole:
        return IdToolTip(row, column);
    default:
        return QVariant();
    }
}

QVariant TableModel::IdToolTip(const RecordRow &row, int column) const
{
    const QString name = IdName(row, column, m_aliases);
    return name.isEmpty() ? QVariant() : VisibleName(NamedIdText(row.Text(column), name));
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    const bool checkColumn = index.column() == kCheckColumn;
    switch (role) {
    case Qt::CheckStateRole:
    case Qt::UserRole:
        return checkColumn && SetCheckMark(index, value.toBool());
    case Qt::DisplayRole:
        return checkColumn ? SetCheckMark(index, value.toBool()) : SetText(index, value.toString());
    default:
        return false;
    }
}

bool TableModel::SetCheckMark(const QModelIndex &index, bool checked)
{
    emit CheckBoxChange_Signals(index.row(), checked ? 1 : 0);
    m_rows[index.row()].checked = checked;
    emit dataChanged(index, index);
    return true;
}

bool TableModel::SetText(const QModelIndex &index, const QString &text)
{
    if (!IsTextColumn(index.column()))
        return false;
    m_rows[index.row()].Text(index.column()) = text;
    emit dataChanged(index, index);
    return true;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return kCentred;
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    if (section >= 0 && section < kColumnCount)
        return tr(kHeaderTexts[section]);
    return QString();
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractTableModel::flags(index);
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
