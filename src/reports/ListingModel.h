#pragma once

#include "reports/ReportListing.h"

#include <QAbstractTableModel>
#include <QList>

// A report list as its window shows it: the empty entry at the top, then every
// entry in list order, cut into the columns of the list's header so they line up
// under its words whatever the font. The whole entry text is the EntryRole.
struct LogChange;

class ListingModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int EntryRole = Qt::UserRole + 1;

    explicit ListingModel(ReportListing::Kind kind, QObject *parent = nullptr);

    void setListing(ReportListing listing);
    // The listing follows one edit of its log; false when it has to be made again.
    bool follow(const LogChange &change);
    const ReportListing &listing() const { return m_listing; }

    // How many characters a column shows at most (for its width).
    int columnChars(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Column {
        const char *title;
        int segment; // in the entry's layout
    };

    ReportListing m_listing;
    QList<Column> m_columns;
};
