// The start-up floor with text: the logbook's main window as the operator sees it
// (its menus and captions, the entry row, the QSO list with its columns, size and
// fonts, the same controls built by MainForm) doing the least work that can fill it.
//
//   zel_text_window LOG    reads LOG, finds its line ends and shows every line
//                          in the list, cut into the list's columns on demand;
//   zel_text_window        the same window, its list empty, nothing read.
//
// Started and detected as the logbook is (KVR_ZEL_STARTUP_PROBE, bench/startup.sh).

#include "app/QsoListModel.h"
#include "kit/ui/Centre.h"
#include "app/ui/MainForm.h"
#include "app/ui/StartupProbe.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>

#include <cstring>
#include <vector>

namespace {

const char *const Titles[QsoListModel::ColumnCount] = {
    "N°", "Indicatif", "Locator", "Prenom", "Ref", "Date", "QTR",
    "Mode", "QRG", "RSTR", "RSTE", "Mom de l'Abbaye", "QSL",
};

// The file's bytes and where each line starts: nothing checked, nothing decoded
// until a row is drawn.
class LinesModel : public QAbstractTableModel
{
public:
    explicit LinesModel(QByteArray bytes) : m_bytes(std::move(bytes))
    {
        const char *begin = m_bytes.constData();
        const char *end = begin + m_bytes.size();
        const char *p = begin;
        while (p < end) {
            m_starts.push_back(int(p - begin));
            const void *nl = std::memchr(p, '\n', size_t(end - p));
            p = nl ? static_cast<const char *>(nl) + 1 : end;
        }
        m_starts.push_back(int(m_bytes.size()));
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_starts.size()) - 1;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : QsoListModel::ColumnCount;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int((index.column() == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        if (index.column() == 0)
            return QString::number(index.row() + 1);
        const int from = m_starts[size_t(index.row())];
        int length = m_starts[size_t(index.row()) + 1] - from;
        while (length > 0 && (m_bytes[from + length - 1] == '\n' || m_bytes[from + length - 1] == '\r'))
            --length;
        const QsoRecord::Column c = QsoRecord::logLayout()[index.column() - 1];
        const int start = qMin(c.start - 1, length);
        return QString::fromLatin1(m_bytes.constData() + from + start, qMin(c.width, length - start)).trimmed();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QString::fromUtf8(Titles[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QByteArray m_bytes;
    std::vector<int> m_starts;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QByteArray bytes;
    if (argc > 1) {
        QFile f(QString::fromLocal8Bit(argv[1]));
        if (f.open(QIODevice::ReadOnly))
            bytes = f.readAll();
    }
    QMainWindow window;
    LinesModel model(std::move(bytes));
    MainForm ui;
    ui.setupUi(&window, &model);
    ui.Bande_A->addItems(QsoLabels::bands());
    ui.Mode_A->addItems(QsoLabels::modes());
    ui.I_Station->setText(QStringLiteral("F4ZEL"));
    ui.Init_Libelles();
    ui.Mode_Aff->setText(QStringLiteral("Nouveau QSO"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    ui.Label33->setText(now.toString(QStringLiteral("dd/MM/yyyy")));
    ui.Label37->setText(now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" UTC"));
    ui.Label34->setText(now.toLocalTime().toString(QStringLiteral("HH:mm:ss")));
    window.setWindowTitle(QStringLiteral("KVR_ZEL"));
    installStartupProbe(&window);
    centreOnScreen(&window);
    window.show();
    ui.Ind_A->setFocus();
    // The logbook shows its last QSO.
    if (model.rowCount() > 0) {
        ui.Liste_QSO->selectRow(model.rowCount() - 1);
        ui.Liste_QSO->scrollToBottom();
    }
    return QApplication::exec();
}
