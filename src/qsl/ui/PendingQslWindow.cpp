#include "qsl/ui/PendingQslWindow.h"

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "kit/QsoRowsModel.h"
#include "kit/ui/Centre.h"
#include "kit/ui/KeyboardUse.h"
#include "kit/ui/QsoTableView.h"
#include "kit/ui/WindowKeys.h"
#include "kit/ui/SharedPrinter.h"
#include "listing/ui/PrintListing.h"
#include "refdata/LogIndex.h"
#include "logstore/LogSession.h"
#include "qsl/PendingQsl.h"
#include "qsl/QslMarking.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

PendingQslWindow::PendingQslWindow(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("QSL_A_Recevoir"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("QSL à recevoir"));

    auto *title = new QLabel(tr("QSL à recevoir"));
    title->setObjectName(QStringLiteral("Label_Titre"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);

    auto *filterLabel = new QLabel(tr("Fil&tre (indicatif ou référence) :"));
    filterLabel->setObjectName(QStringLiteral("Label_Filtre"));
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("Filtre"));
    m_filter->setAccessibleName(tr("Filtre sur l'indicatif ou la référence"));
    filterLabel->setBuddy(m_filter);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("Nb_QSL"));
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_model = new QsoRowsModel(m_context.session,
                               {QsoRecord::Reference, QsoRecord::NomAbbaye, QsoRecord::Indicatif, QsoRecord::Date,
                                QsoRecord::Heure, QsoRecord::Bande, QsoRecord::Mode},
                               true, this);
    m_list = new QsoTableView;
    m_list->setObjectName(QStringLiteral("Liste_QSL"));
    m_list->setAccessibleName(tr("QSO dont la QSL est à recevoir"));
    m_list->setAccessibleDescription(tr(
        "Espace coche la ligne, Entrée ou un double clic montre le QSO dans la fenêtre principale"));
    setUpQsoTable(m_list, m_model, {10, 0, 10, 7, 5, 7, 4});
    m_list->installEventFilter(this);

    m_mark = new QPushButton(tr("&Marquer QSL reçue"));
    m_mark->setObjectName(QStringLiteral("Marquer"));
    m_mark->setAccessibleDescription(tr("Marque les QSO cochés comme confirmés"));
    m_save = new QPushButton(tr("&Enregistrer"));
    m_save->setObjectName(QStringLiteral("Enregistrer"));
    m_print = new QPushButton(tr("&Imprimer"));
    m_print->setObjectName(QStringLiteral("Imprimer"));
    m_close = new QPushButton(tr("&Fermer"));
    m_close->setObjectName(QStringLiteral("Fermer"));

    auto *top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(m_filter, 1);
    top->addSpacing(24);
    top->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_mark);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_print);
    buttons->addSpacing(24);
    buttons->addWidget(m_close);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(title, 0, Qt::AlignHCenter);
    outer->addLayout(top);
    outer->addWidget(m_list, 1);
    outer->addLayout(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &PendingQslWindow::applyFilter);
    connect(m_mark, &QPushButton::clicked, this, &PendingQslWindow::markReceived);
    connect(m_save, &QPushButton::clicked, this, &PendingQslWindow::save);
    connect(m_print, &QPushButton::clicked, this, &PendingQslWindow::print);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    KeyboardUse::onRowChosen(m_list, [this](const QModelIndex &index) {
        KeyboardUse::showInMainWindow(m_context.session, m_context.mainWindow, m_model->logRow(index.row()));
    });
    WindowKeys::install(this);
    // The list follows the log: QSOs committed, edited, deleted, confirmed, another station.
    connect(&m_context.index, &LogIndex::changed, this, &PendingQslWindow::follow);

    const int w = QFontMetrics(m_list->font()).horizontalAdvance(QLatin1Char('M'));
    resize(qMin(w * 118 + 40, 1000), 600);
    refresh();
}

void PendingQslWindow::open()
{
    if (!isVisible())
        centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void PendingQslWindow::follow(const LogChange &change)
{
    const int now = m_context.session.lineCount();
    const bool atEnd = change.isEdit() && change.replaced.isEmpty() && change.removed.isEmpty()
        && !change.added.isEmpty() && change.added.first() == m_logRows && now == m_logRows + change.added.size();
    if (!atEnd || !m_filter->text().trimmed().isEmpty() || m_model->rows() != m_pending) {
        refresh();
        return;
    }
    m_logRows = now;
    m_model->clearChecks();
    const LogIndex &index = m_context.index;
    for (const int row : change.added) {
        if (!index.isUnconfirmed(row))
            continue;
        // By reference, then in log order: after every row of the same or a smaller reference.
        const quint64 key = index.referenceKeyOf(row);
        const auto at = std::upper_bound(m_pending.cbegin(), m_pending.cend(), key, [&index](quint64 k, int other) {
            return k < index.referenceKeyOf(other);
        });
        const int position = int(at - m_pending.cbegin());
        m_pending.insert(position, row);
        m_model->insertRow(position, row);
    }
    m_count->setText(PendingQsl::shownCount(m_model->rowCount()));
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
}

void PendingQslWindow::refresh()
{
    m_logRows = m_context.session.lineCount();
    m_pending = PendingQsl::rows(m_context.index);
    m_model->clearChecks();
    applyFilter();
}

void PendingQslWindow::applyFilter()
{
    m_model->setRows(PendingQsl::filter(m_context.session, m_pending, m_filter->text()));
    m_count->setText(PendingQsl::shownCount(m_model->rowCount()));
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
}

bool PendingQslWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Space ticks or unticks the line, whichever cell has the focus.
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        const QModelIndex current = m_list->currentIndex();
        if (current.isValid()) {
            const int row = m_model->logRow(current.row());
            m_model->setChecked(row, !m_model->isChecked(row));
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PendingQslWindow::markReceived()
{
    // Every ticked QSO, those the filter hides included: a tick is the operator's.
    QList<int> rows;
    for (int row : m_pending) {
        if (m_model->isChecked(row))
            rows.append(row);
    }
    if (rows.isEmpty()) {
        m_context.messages.notice(QslMarking::noTickMessage());
        return;
    }
    const QList<int> seen = m_model->checkedRows();
    if (!m_context.messages.question(PendingQsl::markQuestion(int(rows.size()), int(rows.size() - seen.size()))))
        return;
    QList<int> numbers;
    QList<QByteArray> shown;
    for (int row : rows) {
        numbers.append(row + 1);
        shown.append(m_context.session.line(row).toByteArray());
    }
    // The session says the log changed: the list, the score and the maps follow.
    const AtomicFile::Result r = QslMarking::Modif_Fichier_Log(m_context.session, numbers, shown);
    if (!r.ok) {
        m_context.messages.notice(r.error);
        m_context.session.reload();
    }
}

void PendingQslWindow::save()
{
    const PendingQsl::Saved s =
        PendingQsl::save(m_context.session, m_model->rows(), m_context.clock.localNow().date());
    m_context.messages.notice(s.message);
}

void PendingQslWindow::print()
{
    const LogSession &session = m_context.session;
    if (!logReadableForPrinting(session, m_context.messages))
        return;
    printListing(this, m_context.printer.get(), m_context.messages, [this, &session] {
        return PendingQsl::printedLines(session, m_model->rows(), m_context.clock.localNow().date());
    });
}
