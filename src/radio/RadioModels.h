#pragma once

#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>

class QProcess;

// One radio model Hamlib knows.
struct RadioModel
{
    int number = 0; // what rigctld's -m takes (names change between versions, numbers do not)
    QString maker;
    QString name;
    bool needsPort = true; // false: a radio of Hamlib's own (the dummy) needs no serial port

    bool operator==(const RadioModel &o) const
    {
        return number == o.number && maker == o.maker && name == o.name && needsPort == o.needsPort;
    }
};

// Hamlib's list of radios, as `rigctl -l` prints it, read without blocking the window.
class RadioModels : public QObject
{
    Q_OBJECT
public:
    explicit RadioModels(QObject *parent = nullptr);
    ~RadioModels() override;

    // Runs `rigctl -l`; loaded() follows.
    void load();

    // The models of `rigctl -l`'s table, by maker then model. Lines that are not
    // rows of the table are skipped. The dummy radio is always there.
    static QList<RadioModel> parse(QByteArrayView listing);
    static RadioModel dummy();

    // Said in the window when the list cannot be read.
    static QString missingTools();

signals:
    // The list, and "" or why it holds only the dummy radio.
    void loaded(const QList<RadioModel> &models, const QString &error);

private:
    QProcess *m_process = nullptr;
};
