#include "reports/ui/ListingWindow.h"

#include "kit/ui/QsoTableView.h"
#include "logstore/LogChange.h"

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "kit/ui/KeyboardUse.h"
#include "kit/ui/SharedPrinter.h"
#include "kit/ui/WaitNotice.h"
#include "kit/ui/WindowKeys.h"
#include "listing/ui/PrintListing.h"
#include "logstore/LogSession.h"
#include "reports/ListingModel.h"
#include "reports/ReportFile.h"
#include "reports/ReportText.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Light yellow, as every list of the program.
const QColor kListBackground(255, 255, 192);

QLabel *boldLabel(const QString &text, qreal pointSize = 0)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    if (pointSize > 0)
        f.setPointSizeF(pointSize);
    l->setFont(f);
    return l;
}

} // namespace

ListingWindow::ListingWindow(const AppContext &context, Type type, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_type(type)
{
    const bool award = type == Type::ContacteZel;
    setObjectName(award ? QStringLiteral("Aff_Contacte_ZEL") : QStringLiteral("Aff_Contacte"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("ZEL Contactés"));

    auto *outer = new QVBoxLayout(this);

    if (award) {
        auto *frame = new QGroupBox;
        frame->setObjectName(QStringLiteral("Frame1"));
        auto *row = new QHBoxLayout(frame);
        m_mode = new QButtonGroup(this);
        m_mode->setObjectName(QStringLiteral("Option1"));
        auto *contacted = new QRadioButton(tr("&contactées"));
        contacted->setObjectName(QStringLiteral("Option1(1)"));
        auto *confirmed = new QRadioButton(tr("Con&firmées"));
        confirmed->setObjectName(QStringLiteral("Option1(2)"));
        m_mode->addButton(contacted, 1);
        m_mode->addButton(confirmed, 2);
        contacted->setChecked(true);
        row->addWidget(contacted);
        row->addWidget(confirmed);
        row->addStretch(1);
        m_count = boldLabel(QStringLiteral("0"));
        m_count->setObjectName(QStringLiteral("Nb_C"));
        m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        auto *caption = boldLabel(tr("Abbayes"));
        caption->setObjectName(QStringLiteral("Label1"));
        // The count is read out under its caption; it keeps its value as its text.
        caption->setBuddy(m_count);
        row->addWidget(m_count);
        row->addWidget(caption);
        outer->addWidget(frame);
        // However the option changes (a click, the arrow keys, a screen reader's
        // "Toggle"), the list and the count follow it.
        connect(m_mode, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                Affiche();
        });
    } else {
        auto *title = boldLabel(tr("Liste alphanumerique des Abbayes contactées"), 12);
        title->setObjectName(QStringLiteral("Label1"));
        title->setAlignment(Qt::AlignHCenter);
        outer->addWidget(title);
    }

    // The one-line header, kept as the list's header text; its words are the
    // titles of the list's columns, which line up with them whatever the font.
    m_header = new QLabel(ReportText::screenHeader(kind()));
    m_header->setObjectName(QStringLiteral("Label_Entete"));
    m_header->setVisible(false);
    outer->addWidget(m_header);

    m_model = new ListingModel(kind(), this);
    m_list = new QsoTableView;
    m_list->setObjectName(QStringLiteral("Liste_QSO_Contacte"));
    m_list->setAccessibleName(award ? tr("Liste des Abbayes du diplôme")
                                    : tr("Liste des Abbayes contactées"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setShowGrid(false);
    m_list->verticalHeader()->setVisible(false);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_list->setFont(fixed);
    const QFontMetrics fm(fixed);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    const int charWidth = fm.horizontalAdvance(QLatin1Char('M'));
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_list->setColumnWidth(c, charWidth * m_model->columnChars(c) + 12);
    // The abbey name takes the room left, so the QSL column stays in sight.
    const int nameColumn = award ? 1 : 4;
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    m_list->horizontalHeader()->setMinimumSectionSize(charWidth * 3);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette p = m_list->palette();
    p.setColor(QPalette::Base, kListBackground);
    m_list->setPalette(p);
    outer->addWidget(m_list, 1);

    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(tr("&Enregistrer"));
    m_save->setObjectName(QStringLiteral("Enregistrer"));
    m_print = new QPushButton(tr("&Imprimer"));
    m_print->setObjectName(QStringLiteral("Imprimer"));
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addSpacing(24);
    buttons->addWidget(m_print);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &ListingWindow::save);
    connect(m_print, &QPushButton::clicked, this, &ListingWindow::print);
    // Enter or a double click on a QSO's line shows it in the main window (the empty first line leads nowhere).
    KeyboardUse::onRowChosen(m_list, [this](const QModelIndex &index) {
        if (index.row() >= 1)
            KeyboardUse::showInMainWindow(m_context.session, m_context.mainWindow,
                                          m_model->listing().sourceRow(index.row() - 1));
    });
    // The list follows the log: a QSO committed, edited, deleted or confirmed, another station.
    connect(&m_context.session, &LogSession::logChanged, this, [this](const LogChange &change) {
        if (!m_model->follow(change)) {
            refill();
            return;
        }
        if (m_count)
            m_count->setText(QString::number(m_model->listing().count()));
    });

    resize(charWidth * (award ? 100 : 104) + 60, 600);
    WindowKeys::install(this);
    Affiche();
}

ListingWindow::~ListingWindow() = default;

ReportListing::Kind ListingWindow::kind() const
{
    if (m_type == Type::Contacte)
        return ReportListing::Kind::Alphanumeric;
    return m_mode && m_mode->checkedId() == 2 ? ReportListing::Kind::AwardConfirmed
                                              : ReportListing::Kind::AwardContacted;
}

void ListingWindow::open()
{
    if (!isVisible())
        centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void ListingWindow::Affiche()
{
    QWidget *over = isVisible() ? this : parentWidget();
    const WaitNotice wait(over, tr("Tri de la liste des Abbayes contactées en cours…"),
                          m_context.session.lineCount());
    refill();
}

void ListingWindow::refill()
{
    m_model->setListing(ReportListing::fromSession(kind(), m_context.session));
    if (m_count)
        m_count->setText(QString::number(m_model->listing().count()));
}

void ListingWindow::save()
{
    const ReportFile::Result r =
        ReportFile::save(m_context.session, kind(), m_context.clock.localNow().date());
    m_context.messages.notice(r.message);
}

void ListingWindow::print()
{
    const LogSession &session = m_context.session;
    if (!logReadableForPrinting(session, m_context.messages))
        return;
    const ReportListing::Kind k = kind();
    ListingPrinter::Options options;
    options.repeatFirst = ReportText::PrintedHeaderFirst;
    options.repeatCount = ReportText::PrintedHeaderCount;
    printListing(this, m_context.printer.get(), m_context.messages, [this, k, &session] {
        return ReportText::printedLines(ReportListing::fromSession(k, session), session.callsign(),
                                        m_context.clock.localNow().date());
    }, options);
}
