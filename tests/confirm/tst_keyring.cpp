// The keyring module against a real keyring: gnome-keyring-daemon on a private D-Bus
// session bus of the test's own (no service activation, a temporary home), where
// both can run here; skipped otherwise. A password stored, read back, removed; the
// confirmations window filling it in; a keyring that stops answering given up
// within its limit; nothing of the password in any file.

#include "confirm/ConfirmHarness.h"

#include "confirm/PasswordKeyring.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>

using namespace zeltest;

class TestKeyring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void storeReadRemove();
    void windowUsesTheKeyring();
    void silentKeyringIsGivenUp();

private:
    QTemporaryDir m_home;
    QProcess m_bus;
    QProcess m_keyring;
    std::unique_ptr<PasswordKeyring> m_ring;
};

void TestKeyring::initTestCase()
{
    for (const char *v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(v);
    const QString busProgram = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    const QString keyringProgram = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
    if (busProgram.isEmpty() || keyringProgram.isEmpty())
        QSKIP("dbus-daemon or gnome-keyring-daemon is not installed");
    // A bus that starts nothing by itself: only the daemon started here answers.
    const QString config = m_home.filePath(QStringLiteral("bus.conf"));
    QVERIFY(writeBytes(config, "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\" "
                               "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                               "<busconfig><type>session</type><listen>unix:tmpdir=" + m_home.path().toUtf8()
                                   + "</listen><policy context=\"default\"><allow send_destination=\"*\" "
                                     "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                                     "</busconfig>\n"));
    m_bus.start(busProgram, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                             QStringLiteral("--print-address=1")});
    QVERIFY(m_bus.waitForStarted());
    QTRY_VERIFY(m_bus.canReadLine());
    const QByteArray address = m_bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    qputenv("HOME", m_home.path().toUtf8());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_home.path().toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    m_keyring.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    m_keyring.start(keyringProgram, {QStringLiteral("--foreground"), QStringLiteral("--components=secrets"),
                                     QStringLiteral("--unlock")});
    QVERIFY(m_keyring.waitForStarted());
    m_keyring.write("motdepasse-du-trousseau\n");
    m_keyring.closeWriteChannel();

    QString why;
    m_ring.reset(ConfirmController::desktopKeyring(&why));
    QVERIFY2(m_ring, qPrintable(why));
    // The daemon takes a moment to be on the bus.
    QElapsedTimer waited;
    waited.start();
    PasswordKeyring::Answer a;
    do {
        a = m_ring->read(QStringLiteral("sonde"), 2000);
        if (a.status != PasswordKeyring::Status::Unavailable)
            break;
        QTest::qWait(200);
    } while (waited.elapsed() < 10000);
    if (a.status == PasswordKeyring::Status::Unavailable)
        QSKIP(qPrintable(QStringLiteral("the keyring daemon did not answer here: ") + a.why));
}

void TestKeyring::cleanupTestCase()
{
    m_ring.reset();
    for (QProcess *p : {&m_keyring, &m_bus}) {
        if (p->state() != QProcess::NotRunning) {
            ::kill(pid_t(p->processId()), SIGCONT);
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
        }
    }
}

void TestKeyring::storeReadRemove()
{
    const QString key = PasswordKeyring::key(QStringLiteral("LoTW"), QStringLiteral("f4xyz"));
    QCOMPARE(key, QStringLiteral("LoTW F4XYZ"));
    QCOMPARE(m_ring->read(key, PasswordKeyring::LimitMs).status, PasswordKeyring::Status::NotFound);
    QCOMPARE(m_ring->write(key, QString::fromLatin1(Secret), PasswordKeyring::LimitMs).status,
             PasswordKeyring::Status::Stored);
    const PasswordKeyring::Answer a = m_ring->read(key, PasswordKeyring::LimitMs);
    QCOMPARE(a.status, PasswordKeyring::Status::Found);
    QCOMPARE(a.password, QString::fromLatin1(Secret));
    QCOMPARE(m_ring->remove(key, PasswordKeyring::LimitMs).status, PasswordKeyring::Status::Stored);
    QCOMPARE(m_ring->read(key, PasswordKeyring::LimitMs).status, PasswordKeyring::Status::NotFound);
}

void TestKeyring::windowUsesTheKeyring()
{
    FakeService lotw([](const QUrl &) {
        FakeReply r;
        r.body = LoginPage;
        return r;
    });
    ConfirmHarness h;
    QVERIFY(h.prepareStation({bigLogQso(0).line()}));
    h.pointAt(lotw);
    QVERIFY(h.start());
    auto *controller = h.window->findChild<ConfirmController *>();
    QVERIFY(controller);
    h.window->items().Mnu_Telecharger_Confirmations->trigger();
    ConfirmWindow *w = h.window->findChild<ConfirmWindow *>();
    QVERIFY(w);
    auto *remember = ConfirmHarness::in<QCheckBox>(w, "Memoriser_LoTW");
    QTRY_VERIFY(remember->isEnabled() && remember->isVisible());
    QVERIFY(ConfirmHarness::in<QLabel>(w, "Trousseau")->text().contains(QStringLiteral("trousseau du bureau")));
    ConfirmHarness::retype(ConfirmHarness::in<QLineEdit>(w, "Mot_De_Passe_LoTW"), QString::fromLatin1(Secret));
    remember->setFocus();
    QTest::keyClick(remember, Qt::Key_Space);
    ConfirmHarness::download(w);
    QTRY_VERIFY(!w->busy());
    QCOMPARE(m_ring->read(QStringLiteral("LoTW F4XYZ"), PasswordKeyring::LimitMs).password, QString::fromLatin1(Secret));
    QPointer<ConfirmWindow> gone(w);
    QTest::keyClick(w, Qt::Key_Escape);
    QTRY_VERIFY(!gone);

    // Opened again: the password comes from the keyring.
    h.window->items().Mnu_Telecharger_Confirmations->trigger();
    w = h.window->findChild<ConfirmWindow *>();
    QVERIFY(w);
    QTRY_COMPARE(ConfirmHarness::in<QLineEdit>(w, "Mot_De_Passe_LoTW")->text(), QString::fromLatin1(Secret));
    QVERIFY(ConfirmHarness::in<QCheckBox>(w, "Memoriser_LoTW")->isChecked());
    QVERIFY(h.noSecrets());
    // Nor in the keyring's own files, which it keeps encrypted.
    QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        QVERIFY2(!readBytes(it.next()).contains(Secret), qPrintable(it.filePath()));
    m_ring->remove(QStringLiteral("LoTW F4XYZ"), PasswordKeyring::LimitMs);
}

void TestKeyring::silentKeyringIsGivenUp()
{
    // A keyring that stops answering (stopped, as a hung desktop service would be).
    ::kill(pid_t(m_keyring.processId()), SIGSTOP);
    QElapsedTimer clock;
    clock.start();
    const PasswordKeyring::Answer a = m_ring->read(QStringLiteral("LoTW F4XYZ"), 1000);
    ::kill(pid_t(m_keyring.processId()), SIGCONT);
    QCOMPARE(a.status, PasswordKeyring::Status::Unavailable);
    QVERIFY(!a.why.isEmpty());
    QVERIFY(clock.elapsed() < 3000);
}

QTEST_MAIN(TestKeyring)
#include "tst_keyring.moc"
