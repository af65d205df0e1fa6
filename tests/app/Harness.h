#pragma once

// A main window over a temporary program directory and a temporary settings file,
// with the helpers the window tests share: typing into the entry chain, clicking
// list rows, and log lines put together column by column.

#include "Fakes.h"
#include "common/LogLines.h"

#include "entry/QsoEntry.h"
#include "app/QsoListModel.h"
#include "Composition.h"
#include "kit/ui/AppContext.h"
#include "app/ui/MainWindow.h"
#include "kit/ui/SharedPrinter.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/LogIndex.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace zeltest {


inline const QByteArray SanClemente = "Abbazia di San Clemente a Casauria";
inline const QByteArray PieDiChienti = "Abbazia di Santa Maria a pi\xE8 di Chienti";

inline QByteArray abbeyList()
{
    return crlf({abbeyLine("AZ0001", SanClemente, "JN62"),
                 abbeyLine("MR0005", PieDiChienti, "JN63"),
                 abbeyLine("TO0007", "Abbazia di Sant'Antimo", "JN53")});
}

// "Liste_Prenom.txt": callsign padded to 12, four blanks, first name.
inline QByteArray firstNameList()
{
    return crlf({"F1ABC           JEAN", "IK0AAA          MARCO"});
}

class MainHarness
{
public:
    MainHarness()
        : settings(std::make_unique<Settings>(confDir.filePath(QStringLiteral("zel.ini"))))
    {
    }

    ~MainHarness()
    {
        window.reset();
        entry.reset();
        index.reset();
        session.reset();
        // Windows the main window opened without a parent are closed with it.
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString iniPath() const { return confDir.filePath(QStringLiteral("zel.ini")); }
    QString logPath(const QString &call) const { return path(call + QStringLiteral("_ZEL.log")); }

    void setStation(const QString &call)
    {
        settings->write(Settings::CommonSection, Settings::KeyCallsign, call);
    }

    // Station TEST1 on 14 Mhz SSB, with the reference lists and the given log.
    bool prepare(const QList<QByteArray> &log, const QString &call = QStringLiteral("TEST1"))
    {
        setStation(call);
        settings->write(Settings::stationSection(call), Settings::KeyBand, QStringLiteral("4"));
        settings->write(Settings::stationSection(call), Settings::KeyMode, QStringLiteral("0"));
        return writeBytes(path(QStringLiteral("Liste_Abbayes.txt")), abbeyList())
            && writeBytes(path(QStringLiteral("Liste_Prenom.txt")), firstNameList())
            && writeBytes(logPath(call), crlf(log));
    }

    bool start()
    {
        session = std::make_unique<LogSession>(*settings, dir.path());
        session->setLockTimeout(200);
        index = std::make_unique<LogIndex>(*session);
        entry = std::make_unique<QsoEntry>(*session, *settings, messages, clock);
        entry->useIndex(*index);
        window = std::make_unique<MainWindow>(*settings, messages, clock, *session, *entry);
        installWindows(*window, *entry, AppContext{*session, *index, messages, clock, *settings, printer, window.get(), window->items()});
        window->startUp();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // A value as stored in the settings file (read afresh from the file).
    QString stored(const QString &section, const QString &key) const
    {
        return Settings(iniPath()).read(section, key, QStringLiteral("<absent>"));
    }

    template <class T = QWidget>
    T *get(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qWarning("no child named %s", name);
        return w;
    }
    QLineEdit *edit(const char *name) const { return get<QLineEdit>(name); }
    QComboBox *combo(const char *name) const { return get<QComboBox>(name); }
    QPushButton *button(const char *name) const { return get<QPushButton>(name); }
    QLabel *label(const char *name) const { return get<QLabel>(name); }
    QTableView *list() const { return get<QTableView>("Liste_QSO"); }
    QString modeShown() const { return label("Mode_Aff")->text(); }

    QList<QWidget *> chain() const
    {
        QList<QWidget *> out;
        for (const char *n : {"Ind_A", "Prenom_A", "Ref_A", "Loc_A", "Date_A", "Heure_A", "Mode_A",
                              "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"})
            out << get(n);
        return out;
    }

    // The entry field (or Valide_A) that has the keyboard focus.
    QWidget *focused() const
    {
        QList<QWidget *> candidates = chain();
        candidates << button("Valide_A");
        for (QWidget *w : candidates) {
            if (w->hasFocus())
                return w;
            if (auto *c = qobject_cast<QComboBox *>(w); c && c->lineEdit()->hasFocus())
                return w;
        }
        return nullptr;
    }

    static QString text(QWidget *field)
    {
        if (auto *c = qobject_cast<QComboBox *>(field))
            return c->currentText();
        if (auto *e = qobject_cast<QLineEdit *>(field))
            return e->text();
        return {};
    }

    // Keys as the operator types them; accented letters carry their text only.
    static void type(QWidget *field, const QString &text)
    {
        QWidget *target = field;
        if (auto *c = qobject_cast<QComboBox *>(field))
            target = c->lineEdit();
        for (QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(target, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    static void enter(QWidget *field)
    {
        if (auto *c = qobject_cast<QComboBox *>(field))
            field = c->lineEdit();
        QTest::keyClick(field, Qt::Key_Return);
    }

    static void retype(QWidget *field, const QString &text)
    {
        if (auto *c = qobject_cast<QComboBox *>(field))
            c->lineEdit()->clear();
        else if (auto *e = qobject_cast<QLineEdit *>(field))
            e->clear();
        type(field, text);
    }

    // Presses Enter field after field until the focus reaches target, typing the
    // usual value into an empty field that needs one.
    bool walkTo(QWidget *target)
    {
        const QHash<QString, QString> usual{
            {QStringLiteral("Ind_A"), QStringLiteral("f1abc")},
            {QStringLiteral("Ref_A"), QStringLiteral("az0001")},
            {QStringLiteral("Date_A"), QStringLiteral("14/03/07")},
            {QStringLiteral("Heure_A"), QStringLiteral("09:05")},
        };
        for (int step = 0; step < 20; ++step) {
            QWidget *at = focused();
            if (!at) {
                qWarning("no entry field has the focus");
                return false;
            }
            if (at == target)
                return true;
            if (usual.contains(at->objectName()) && text(at).trimmed().isEmpty())
                type(at, usual.value(at->objectName()));
            enter(at);
            if (focused() == at) {
                qWarning() << "the entry stopped at" << at->objectName() << messages.notices;
                return false;
            }
        }
        return false;
    }

    void clickRow(int row) const { mouseOnRow(row, false); }
    void doubleClickRow(int row) const { mouseOnRow(row, true); }

    QByteArray log(const QString &call = QStringLiteral("TEST1")) const { return readBytes(logPath(call)); }

    QTemporaryDir dir;
    QTemporaryDir confDir;
    FakeMessages messages;
    FakeClock clock;
    std::unique_ptr<Settings> settings;
    SharedPrinter printer;
    std::unique_ptr<LogSession> session;
    std::unique_ptr<LogIndex> index;
    std::unique_ptr<QsoEntry> entry;
    std::unique_ptr<MainWindow> window;

private:
    void mouseOnRow(int row, bool twice) const
    {
        QTableView *view = list();
        const QModelIndex index = view->model()->index(row, 1);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            // A double click is the second press of two, reported as such.
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
        }
    }
};

} // namespace zeltest
