#include "search/ui/SearchWindow.h"

#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "logstore/LogSession.h"
#include "kit/ui/FieldKeys.h"
#include "kit/ui/WindowKeys.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QColor CriterionColour(0xFF, 0xFF, 0xC0);

void paintBase(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

// The column titles over the result lines.
QString numberTitle() { return QCoreApplication::translate("SearchWindow", "N°"); }
QString callsignTitle() { return QCoreApplication::translate("SearchWindow", "Indicatif"); }
QString dateTitle() { return QCoreApplication::translate("SearchWindow", "Date"); }
QString referenceTitle() { return QCoreApplication::translate("SearchWindow", "N° ZEL"); }
QString nameTitle() { return QCoreApplication::translate("SearchWindow", "Nom de l'activité"); }

// The header the operator sees: the column titles over the columns of the result
// lines (number 1-5, callsign from 8, date from 23, reference from 33, abbey name
// from 41), up to the QSL column. A title longer than its column (in another
// language) pushes the next ones along rather than lose its last letters to them.
QString visibleHeader()
{
    QString h(102, QLatin1Char(' '));
    qsizetype end = 0; // just past the last title put, and its blank
    const auto put = [&h, &end](int column, const QString &title) {
        const qsizetype at = qMax(qsizetype(column - 1), end);
        if (at + title.size() > h.size())
            h = h.leftJustified(at + title.size(), QLatin1Char(' '));
        h.replace(at, title.size(), title);
        end = at + title.size() + 1;
    };
    put(4, numberTitle());
    put(8, callsignTitle());
    put(23, dateTitle());
    put(33, referenceTitle());
    put(41, nameTitle());
    return h;
}

} // namespace

SearchWindow::SearchWindow(LogSession &session, Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_messages(messages)
{
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Recherche QSO"));

    auto *label3 = new QLabel(tr("Rechercher un QSO par ..."));
    label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = label3->font();
    bold.setBold(true);
    label3->setFont(bold);

    m_options = new QButtonGroup(this);
    const QString captions[] = {tr("&Indicatif"), tr("&Date"), tr("&Reference")};
    auto *criteria = new QGridLayout;
    Indica = new QLineEdit;
    Data = new QLineEdit;
    Depa = new QLineEdit;
    Indica->setObjectName(QStringLiteral("Indica"));
    Data->setObjectName(QStringLiteral("Data"));
    Depa->setObjectName(QStringLiteral("Depa"));
    Indica->setAccessibleName(tr("Indicatif recherché"));
    Data->setAccessibleName(tr("Date recherchée (JJ/MM/AA)"));
    Depa->setAccessibleName(tr("Référence recherchée"));
    Data->setPlaceholderText(tr("JJ/MM/AA"));
    for (int i = 1; i <= 3; ++i) {
        auto *option = new QRadioButton(captions[i - 1]);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        m_options->addButton(option, i);
        QLineEdit *box = boxOf(i);
        paintBase(box, CriterionColour);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 13 + 12);
        box->installEventFilter(this);
        criteria->addWidget(option, i - 1, 0);
        criteria->addWidget(box, i - 1, 1);
    }
    criteria->setColumnStretch(2, 1);
    connect(m_options, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            boxOf(id)->setFocus();
    });
    // Enter runs the box's own search; the callsign and the reference are typed in capitals.
    auto *keys = new FieldKeys(this);
    keys->watch(Indica);
    keys->watch(Data, false);
    keys->watch(Depa);
    connect(keys, &FieldKeys::enterPressed, this, [this](QWidget *box) {
        onEnter(box == Indica ? QsoSearch::Indicatif : box == Data ? QsoSearch::Date : QsoSearch::Reference);
    });

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The header as the award's program words it; the visible one below lines its
    // titles up with the fixed-pitch columns of the results.
    const auto blanks = [](int n) { return QString(n, QLatin1Char(' ')); };
    Label13 = new QLabel(blanks(6) + numberTitle() + blanks(3) + callsignTitle() + blanks(16) + dateTitle()
                         + blanks(5) + referenceTitle() + blanks(18) + nameTitle() + blanks(60)
                         + QStringLiteral("QSL"));
    Label13->setObjectName(QStringLiteral("Label13"));
    Label13->setVisible(false);
    auto *header = new QLabel(visibleHeader());
    header->setObjectName(QStringLiteral("Entete_Resultats"));
    header->setFont(fixed);
    auto *label10 = new QLabel(QStringLiteral("QSL"));
    label10->setObjectName(QStringLiteral("Label10"));
    label10->setFont(fixed);

    QSO_Effectues = new QListWidget;
    QSO_Effectues->setObjectName(QStringLiteral("QSO_Effectues"));
    QSO_Effectues->setAccessibleName(tr("QSO trouvés"));
    QSO_Effectues->setToolTip(tr("Cliquez sur le QSO pour le selectionner"));
    QSO_Effectues->setFont(fixed);
    QSO_Effectues->setSortingEnabled(false);
    QSO_Effectues->setUniformItemSizes(true);
    paintBase(QSO_Effectues, CriterionColour);
    const QFontMetrics fm(fixed);
    const int listWidth = fm.horizontalAdvance(QString(104, QLatin1Char('M')))
        + QSO_Effectues->frameWidth() * 2 + 24;
    QSO_Effectues->setMinimumWidth(listWidth);
    QSO_Effectues->setMinimumHeight(fm.height() * 16);

    auto *headerRow = new QHBoxLayout;
    headerRow->setSpacing(0);
    // The list draws its text a frame and a small margin in from its edge.
    headerRow->setContentsMargins(QSO_Effectues->frameWidth() + 3, 0, 0, 0);
    headerRow->addWidget(header);
    headerRow->addWidget(label10);
    headerRow->addStretch(1);

    Command1 = new QPushButton(tr("&Quitter"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(label3);
    outer->addLayout(criteria);
    outer->addSpacing(6);
    outer->addWidget(Label13);
    outer->addLayout(headerRow);
    outer->addWidget(QSO_Effectues, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    outer->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(QSO_Effectues, &QListWidget::itemClicked, this, &SearchWindow::jumpTo);
    // Enter on a QSO found does what a click does, for the keyboard.
    connect(QSO_Effectues, &QListWidget::itemActivated, this, &SearchWindow::jumpTo);

    m_options->button(QsoSearch::Indicatif)->setChecked(true);
    WindowKeys::install(this);
}

void SearchWindow::open()
{
    if (!isVisible()) {
        Indica->clear();
        adjustSize();
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
    Indica->setFocus();
}

QLineEdit *SearchWindow::boxOf(int criterion) const
{
    switch (criterion) {
    case QsoSearch::Date:
        return Data;
    case QsoSearch::Reference:
        return Depa;
    default:
        return Indica;
    }
}

QsoSearch::Criterion SearchWindow::selected() const
{
    return QsoSearch::Criterion(m_options->checkedId());
}

bool SearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A click in a criterion box chooses its criterion.
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 1; i <= 3; ++i) {
            if (watched == boxOf(i))
                m_options->button(i)->setChecked(true);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWindow::onEnter(QsoSearch::Criterion box)
{
    QLineEdit *edit = boxOf(box);
    const QsoSearch::Check check = QsoSearch::checkBox(box, edit->text());
    if (!check.ok()) {
        m_messages.notice(check.message);
        if (check.clearBox)
            edit->clear();
        return;
    }
    // The search runs on the criterion chosen, whatever box Enter was pressed in.
    search();
}

void SearchWindow::search()
{
    QSO_Effectues->clear();
    const QsoSearch::Outcome found = QsoSearch::Cherche_QSO(
        m_session, selected(), {Indica->text(), Data->text(), Depa->text()});
    if (!found.stopMessage.isEmpty()) {
        m_messages.notice(found.stopMessage);
        if (found.clearIndica)
            Indica->clear();
        return;
    }
    for (int i = 0; i < found.lines.size(); ++i) {
        // The line number the result starts with, kept whole (five columns hold 99,999).
        auto *item = new QListWidgetItem(found.lines.at(i), QSO_Effectues);
        item->setData(Qt::UserRole, found.rows.at(i));
    }
    if (found.nothingFound)
        m_messages.notice(QsoSearch::notFoundMessage());
    Indica->clear();
    Data->clear();
    Depa->clear();
}

void SearchWindow::jumpTo(QListWidgetItem *item)
{
    if (!item)
        return;
    // The QSO of that number in the main list, as a click there would select it.
    const int row = item->data(Qt::UserRole).toInt();
    if (row >= 0 && row < m_session.lineCount())
        m_session.requestSelect(row);
    close();
}
