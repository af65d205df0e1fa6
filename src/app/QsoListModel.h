#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>

class LogSession;
struct LogChange;

// The QSOs of the station's log, in file order, as the main window's list shows
// them. The lines stay in the log session; each row's text is cut out of its
// line only when the view asks for it, so a long log loads quickly.
class QsoListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        ColNumero, ColIndicatif, ColLocator, ColPrenom, ColRef, ColDate, ColHeure,
        ColMode, ColBande, ColRstRecu, ColRstEnvoye, ColNom, ColQsl, ColumnCount
    };

    explicit QsoListModel(const LogSession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The 153-column list line of a row: counter, then the log fields.
    QString listLine(int row) const;
    QByteArray rawLine(int row) const;
    // How many characters of the list line a column shows (for its width).
    static int columnChars(int column);

private:
    void refresh();
    // Follows one change of the log: a QSO added at the end is inserted, lines
    // changed in place are repainted; anything else lists the log again.
    void follow(const LogChange &change);
    bool isMalformed(int row) const;

    const LogSession &m_session;
    int m_rows = 0;
    // 1-based numbers of the hand-edited lines, in order (shared with the session).
    QList<int> m_malformed;
};
