#pragma once

// The main window over a temporary folder, with a station's log and the services'
// addresses pointed at fakes on this machine; the confirmations window opened from
// its menu and driven from the keyboard.

#include "app/Harness.h"
#include "confirm/FakeService.h"

#include "confirm/ConfirmSettings.h"
#include "confirm/ui/ConfirmWindow.h"
#include "confirm/ui/ConfirmWindows.h"

#include <QAction>
#include <QDirIterator>
#include <QProgressBar>

namespace zeltest {

inline QByteArray adif(const char *name, const QByteArray &value)
{
    return '<' + QByteArray(name) + ':' + QByteArray::number(value.size()) + '>' + value;
}

// The log's n-th QSO of a long log: one call each, one minute apart from 2007 on.
inline Qso bigLogQso(int n)
{
    static const char *refs[] = {"AZ0001", "MR0005", "TO0007"};
    const QDateTime when = QDateTime(QDate(2007, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(n) * 3600 * 7);
    QByteArray call = "I" + QByteArray::number(n % 10);
    int rest = n / 10;
    for (int i = 0; i < 3; ++i, rest /= 26)
        call += char('A' + rest % 26);
    if (rest > 0)
        call += char('A' + rest % 26);
    return qso(call, refs[n % 3], when.toString(QStringLiteral("dd/MM/yy")).toLatin1(),
               when.toString(QStringLiteral("HH:mm")).toLatin1());
}

inline QByteArray lotwRecord(const Qso &q, const QByteArray &own = "F4XYZ")
{
    const QDate day = QDate::fromString(QString::fromLatin1(q.date), QStringLiteral("dd/MM/yy")).addYears(100);
    const QByteArray date = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    const QByteArray time = QByteArray(q.time).replace(":", "") + "00";
    return "\n" + adif("APP_LoTW_OWNCALL", own) + "\n" + adif("STATION_CALLSIGN", own) + "\n" + adif("CALL", q.call)
        + "\n" + adif("BAND", "20M") + "\n" + adif("MODE", "SSB") + "\n" + adif("APP_LoTW_MODEGROUP", "PHONE")
        + "\n" + adif("QSO_DATE", date) + "\n" + adif("TIME_ON", time) + "\n" + adif("QSL_RCVD", "Y") + "\n"
        + adif("QSLRDATE", "20070301") + "\n<eor>\n";
}

inline QByteArray lotwHeader(const QByteArray &lastQsl = "2007-03-10 08:00:00")
{
    return "ARRL Logbook of the World Status Report\nGenerated at 2007-03-14 09:00:00\nfor F4XYZ\nQuery:\n"
           "    QSL ONLY: YES\n\n"
        + adif("PROGRAMID", "LoTW") + "\n" + (lastQsl.isEmpty() ? QByteArray() : adif("APP_LoTW_LASTQSL", lastQsl) + "\n")
        + "<eoh>\n";
}

inline QByteArray lotwReport(const QByteArray &records, const QByteArray &lastQsl = "2007-03-10 08:00:00")
{
    return lotwHeader(lastQsl) + records + "<APP_LoTW_EOF>\n";
}

inline const QByteArray LoginPage =
    "<!DOCTYPE html><html><head><title>Logbook of the World</title></head><body>\n"
    "<form method=\"post\" action=\"/lotwuser/default\"><p>Username <input name=\"login\"></p>\n"
    "<p>Password <input type=\"password\" name=\"password\"></p></form></body></html>\n";

inline const QByteArray Secret = "s3cr&t=Pw";

class ConfirmHarness : public MainHarness
{
public:
    // Station F4XYZ with the given log; the services' addresses on the fakes.
    bool prepareStation(const QList<QByteArray> &log)
    {
        if (!prepare(log, QStringLiteral("F4XYZ")))
            return false;
        settings->write(ConfirmSettings::Section, ConfirmSettings::KeyDelay, QStringLiteral("5"));
        return true;
    }
    void pointAt(const FakeService &lotw, const FakeService *eqsl = nullptr)
    {
        settings->write(ConfirmSettings::Section, ConfirmSettings::KeyLotwAddress,
                        lotw.address(QStringLiteral("/lotwuser/lotwreport.adi")));
        if (eqsl)
            settings->write(ConfirmSettings::Section, ConfirmSettings::KeyEqslAddress,
                            eqsl->address(QStringLiteral("/qslcard/DownloadInBox.cfm")));
    }

    // Opens the window from the menu, with no keyring (the password typed each time).
    ConfirmWindow *openWindow()
    {
        auto *controller = window->findChild<ConfirmController *>();
        if (!controller)
            return nullptr;
        controller->setKeyringMaker([](QString *why) -> PasswordKeyring * {
            *why = QStringLiteral("pas de trousseau pendant les tests");
            return nullptr;
        });
        window->items().Mnu_Telecharger_Confirmations->trigger();
        auto *w = window->findChild<ConfirmWindow *>();
        if (w) {
            w->activateWindow();
            if (!QTest::qWaitForWindowActive(w))
                qWarning("the confirmations window is not active");
            // Once the window knows whether a keyring answers.
            QLabel *keyring = w->findChild<QLabel *>(QStringLiteral("Trousseau"));
            if (!QTest::qWaitFor([keyring] { return keyring->text().contains(QStringLiteral("trousseau ne répond")); }))
                qWarning("the window did not say that no keyring answers");
        }
        return w;
    }

    template <class T = QWidget>
    static T *in(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qWarning("no child named %s", name);
        return c;
    }

    // The operator's keys go to the window in front.
    static void activate(QWidget *w)
    {
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
    }

    // Ticks the services wanted and types the password, from the keyboard.
    static void fill(ConfirmWindow *w, bool lotw, bool eqsl, const QString &eqslUser = QString())
    {
        activate(w);
        for (const auto &[name, on] : {std::pair{"Utiliser_LoTW", lotw}, std::pair{"Utiliser_eQSL", eqsl}}) {
            auto *box = in<QCheckBox>(w, name);
            if (box->isChecked() != on) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Space);
            }
        }
        if (lotw)
            retype(in<QLineEdit>(w, "Mot_De_Passe_LoTW"), QString::fromLatin1(Secret));
        if (eqsl) {
            if (!eqslUser.isEmpty())
                retype(in<QLineEdit>(w, "Utilisateur_eQSL"), eqslUser);
            retype(in<QLineEdit>(w, "Mot_De_Passe_eQSL"), QString::fromLatin1(Secret));
        }
    }

    // A button pressed from the keyboard: Enter on it.
    static void press(QWidget *w, const char *name)
    {
        auto *button = in<QPushButton>(w, name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    }

    // Presses "Télécharger" from the keyboard (Enter on the button); returns once
    // every fetch has run (the previews then stand open, one at a time).
    static void download(ConfirmWindow *w)
    {
        activate(w);
        auto *button = in<QPushButton>(w, "Telecharger");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    }

    QDialog *preview() const
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("Importation_ADIF") && top->isVisible())
                return qobject_cast<QDialog *>(top);
        }
        return nullptr;
    }

    QString datedFile(const QString &service, int n = 1) const
    {
        return path(QStringLiteral("F4XYZ_%1_14_03_07%2.adi").arg(service, n > 1 ? QStringLiteral("_%1").arg(n) : QString()));
    }
    QString since(const QString &key) const { return stored(QStringLiteral("Setup F4XYZ"), key); }

    // No file of the data and settings folders, no message shown, holds the password
    // or an address asked of a service.
    bool noSecrets() const
    {
        for (const QString &folder : {dir.path(), confDir.path()}) {
            QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QByteArray bytes = readBytes(it.next());
                if (bytes.contains(Secret) || bytes.contains(QUrl::toPercentEncoding(QString::fromLatin1(Secret)))
                    || bytes.contains("password=") || bytes.contains("Password=")) {
                    qWarning("secret in %s", qPrintable(it.filePath()));
                    return false;
                }
            }
        }
        for (const QString &text : messages.shown) {
            if (text.contains(QString::fromLatin1(Secret)) || text.contains(QLatin1String("password="), Qt::CaseInsensitive)
                || text.contains(QLatin1String("127.0.0.1"))) {
                qWarning("secret in message %s", qPrintable(text));
                return false;
            }
        }
        return true;
    }
};

} // namespace zeltest
