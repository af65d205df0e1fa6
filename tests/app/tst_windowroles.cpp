// What a screen reader is told a widget is: the program's own windows read as
// windows, and nothing else changes (Qt's widgets keep their own readers, a
// widget read while it had no parent yet still reads as what it is).

#include "app/ui/WindowRoles.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>

// A window of the program, made straight from QWidget as its windows are.
class OwnWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

class TstWindowRoles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installWindowRoles(); }

    void role_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("reparent"); // read before it is put in a window
        QTest::addColumn<int>("role");
        QTest::newRow("own window") << "own window" << false << int(QAccessible::Window);
        QTest::newRow("own dialog-type window") << "own dialog" << false << int(QAccessible::Dialog);
        QTest::newRow("own widget inside a window") << "own child" << false << int(QAccessible::Client);
        QTest::newRow("own window put inside another") << "own window" << true << int(QAccessible::Client);
        QTest::newRow("line edit read before its parent") << "line edit" << true << int(QAccessible::EditableText);
        QTest::newRow("label read before its parent") << "label" << true << int(QAccessible::StaticText);
        QTest::newRow("button") << "button" << false << int(QAccessible::Button);
    }

    void role()
    {
        QFETCH(QString, kind);
        QFETCH(bool, reparent);
        QFETCH(int, role);

        QWidget host;
        std::unique_ptr<QWidget> owned;
        QWidget *w = nullptr;
        if (kind == QLatin1String("own window"))
            w = new OwnWindow(nullptr, Qt::Window);
        else if (kind == QLatin1String("own dialog"))
            w = new OwnWindow(nullptr, Qt::Dialog);
        else if (kind == QLatin1String("own child"))
            w = new OwnWindow(&host);
        else if (kind == QLatin1String("line edit"))
            w = new QLineEdit;
        else if (kind == QLatin1String("label"))
            w = new QLabel(QStringLiteral("F6ABC/P"));
        else
            w = new QPushButton(QStringLiteral("Validez"), &host);
        if (!w->parent())
            owned.reset(w);

        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        if (reparent) {
            owned.release();
            w->setParent(&host);
        }
        QCOMPARE(int(iface->role()), role);
        if (role == QAccessible::Window)
            QCOMPARE(iface->text(QAccessible::Name), w->windowTitle());
    }
};

QTEST_MAIN(TstWindowRoles)
#include "tst_windowroles.moc"
