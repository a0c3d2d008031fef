#pragma once

#include "records/recordrow.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

// The rows of the current page as the record table shows them. Column 0 is the
// check column: its mark is read and written through Qt::UserRole. A named
// ID shows as "name (id)", and as its tooltip.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TableModel(QObject *parent = nullptr);

    void SetRows(const QList<RecordRow> &rows);
    void SetAliases(const IdAliases &aliases);
    // The row of the recording at path, on whatever page it shows, is drawn
    // in bold with the mark in its number column; an empty path marks none.
    void SetPlayingPath(const QString &path);
    void SetPlayingMark(const QIcon &mark) { m_playingMark = mark; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // Emitted before the model stores the new mark of the row (value 0 or 1).
    void CheckBoxChange_Signals(int row, int value);

private:
    bool SetCheckMark(const QModelIndex &index, bool checked);
    bool SetText(const QModelIndex &index, const QString &text);
    QVariant IdToolTip(const RecordRow &row, int column) const;

    void RedrawRowsOf(const QString &path);

    QList<RecordRow> m_rows;
    IdAliases m_aliases;
    QString m_playingPath;
    QIcon m_playingMark;
};
