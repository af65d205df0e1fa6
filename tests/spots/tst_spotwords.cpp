// The spots window in another language than the program's French: what the
// operator reads is translated, while the filter, the order of the list, the
// settings and what is sent to the node keep their own untranslated words.

#include "app/Harness.h"
#include "spots/SpotHarness.h"
#include "common/BracketTranslator.h"
#include "refdata/RegionTable.h"
#include "spots/SpotModel.h"

#include "spots/ClusterSettings.h"
#include "spots/SpotFeed.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>

using namespace zeltest;

namespace {


QString announcement(const MainHarness &h)
{
    auto *l = h.window->findChild<QLabel *>(QStringLiteral("Annonce_Cluster"));
    return l && l->isVisible() ? l->text() : QString();
}

// A node that asks for the callsign and keeps what it is sent.
class Node : public QObject
{
public:
    Node()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                client = s;
                connect(s, &QTcpSocket::readyRead, this, [this, s] { received += s->readAll(); });
                s->write("login: ");
            }
        });
    }
    QTcpServer server;
    QPointer<QTcpSocket> client;
    QByteArray received;
};

const QList<QByteArray> Log = {qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()};

} // namespace

class SpotWordsTest : public QObject
{
    Q_OBJECT
private slots:
    void listShownTranslatedChosenByKey();
    void nodeAndSettingsKeepTheirWords();
};

void SpotWordsTest::listShownTranslatedChosenByKey()
{
    BracketTranslator words(BracketTranslator::ProgramTexts);
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    feed(h)->read({dxLine("IK1ABC", "14250.0", "AZ0001"), dxLine("IK0XYZ", "7025.0", "MR0005")});
    QCOMPARE(announcement(h), QStringLiteral("[abbaye à contacter MR0005 sur 7025,0 kHz (IK0XYZ), 12:34]"));

    QWidget *w = openSpots(h);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("[Abbayes sur l'air]"));
    QCOMPARE(w->findChild<QGroupBox *>()->title(), QStringLiteral("[Réglages du cluster]"));
    QAbstractItemModel *m = w->findChild<QTableView *>(QStringLiteral("Liste_Spots"))->model();
    QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("[Indicatif]"));
    // The needed abbey still comes first: the order follows the status, not its words.
    QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("IK0XYZ"));
    QCOMPARE(m->index(0, 9).data().toString(), QStringLiteral("[Nouvelle abbaye, Nouvelle région]"));
    QCOMPARE(m->index(1, 9).data().toString(), QStringLiteral("[Contactée]"));
    // The region as the interface names it; the spot keeps the award's own name.
    const QString abruzzes = RegionTable::listName(RegionTable::slotOfCode(QStringLiteral("AZ")));
    QCOMPARE(m->index(1, SpotModel::ColRegion).data().toString(), BracketTranslator::marked(abruzzes));
    QVERIFY(m->index(1, 0).data(Qt::AccessibleDescriptionRole).toString().contains(BracketTranslator::marked(abruzzes)));
    // The whole spot read as one sentence, the status's words within it.
    QVERIFY2(m->index(0, 0).data(Qt::AccessibleDescriptionRole).toString().startsWith(
                 QStringLiteral("[[Nouvelle abbaye, Nouvelle région] : IK0XYZ sur 7025,0 kHz (7.0 Mhz), MR0005")),
             qPrintable(m->index(0, 0).data(Qt::AccessibleDescriptionRole).toString()));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Nb_Spots"))->text(), QStringLiteral("[2 spot(s) affiché(s) sur 2]"));

    // The filter keeps the needed abbeys whatever their status reads, and is stored in French.
    w->findChild<QCheckBox *>(QStringLiteral("Seulement_A_Contacter"))->click();
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("IK0XYZ"));
    QCOMPARE(h.stored(ClusterSettings::Section, ClusterSettings::KeyNeededOnly), QStringLiteral("Oui"));
    w->findChild<QCheckBox *>(QStringLiteral("Seulement_A_Contacter"))->click();
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(h.stored(ClusterSettings::Section, ClusterSettings::KeyNeededOnly), QStringLiteral("Non"));
}

void SpotWordsTest::nodeAndSettingsKeepTheirWords()
{
    BracketTranslator words(BracketTranslator::ProgramTexts);
    MainHarness h;
    QVERIFY(h.prepare(Log));
    QVERIFY(h.start());
    Node node;
    QVERIFY(node.server.listen(QHostAddress::LocalHost));
    const int port = node.server.serverPort();

    QWidget *w = openSpots(h);
    QVERIFY(w);
    auto *state = w->findChild<QLabel *>(QStringLiteral("Etat_Cluster"));
    QCOMPARE(state->text(), QStringLiteral("[Non connecté]"));
    w->findChild<QLineEdit *>(QStringLiteral("Noeud_Cluster"))->setText(QStringLiteral("127.0.0.1"));
    w->findChild<QSpinBox *>(QStringLiteral("Port_Cluster"))->setValue(port);
    w->findChild<QPushButton *>(QStringLiteral("Se_Connecter"))->click();
    // The login and the request of the recent spots, as a node reads them.
    QTRY_COMPARE(node.received, QByteArray("TEST1\r\nsh/dx 50\r\n"));
    QCOMPARE(state->text(), QStringLiteral("[Connecté à 127.0.0.1:%1]").arg(port));
    QCOMPARE(h.stored(ClusterSettings::Section, ClusterSettings::KeyOn), QStringLiteral("Oui"));
    QCOMPARE(h.stored(ClusterSettings::Section, ClusterSettings::KeyHost), QStringLiteral("127.0.0.1"));
    QVERIFY(feed(h)->connection().send(SpotFeed::dxCommand(QStringLiteral("7025,0"), QStringLiteral("ik0xyz"),
                                                           QStringLiteral("ZEL MR0005"))));
    QTRY_VERIFY(node.received.endsWith("DX 7025.0 IK0XYZ ZEL MR0005\r\n"));

    // A lost connection is one sentence in the language, its reason inside it.
    node.client->abort();
    QTRY_VERIFY2(state->text().startsWith(
                     QStringLiteral("[Connexion perdue : [le nœud a fermé la connexion]. Nouvel essai dans ")),
                 qPrintable(state->text()));
    QVERIFY(state->text().endsWith(QStringLiteral(" s.]")));
    w->findChild<QPushButton *>(QStringLiteral("Se_Deconnecter"))->click();
    QCOMPARE(state->text(), QStringLiteral("[Non connecté]"));
    QCOMPARE(h.stored(ClusterSettings::Section, ClusterSettings::KeyOn), QStringLiteral("Non"));
}

QTEST_MAIN(SpotWordsTest)
#include "tst_spotwords.moc"
