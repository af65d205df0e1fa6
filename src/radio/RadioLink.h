#pragma once

#include "radio/RadioConfig.h"
#include "radio/RadioReading.h"

#include <QList>
#include <QString>

// One radio through Hamlib: open it, read its frequency and mode, close it. Every
// call may wait on the radio (a switched-off radio can keep rig_open for tens of
// seconds): a RadioLink lives on the radio's own thread, never on the window's.
class RadioLink
{
public:
    struct Model
    {
        int number = 0;
        QString maker;
        QString name;
        bool needsPort = true; // false: a radio of Hamlib's own (the dummy) needs no port
    };

    RadioLink() = default;
    ~RadioLink();
    RadioLink(const RadioLink &) = delete;
    RadioLink &operator=(const RadioLink &) = delete;

    // Empty when the radio answered the opening; otherwise why not, in French.
    QString open(const RadioConfig &config);
    bool isOpen() const { return m_rig != nullptr; }
    // The radio's frequency and mode; a failed read leaves the link closed.
    RadioReading read();
    void close();
    // Sets the frequency and mode (the dummy radio of tests and measures).
    QString tune(double hertz, const QString &mode);

    // Hamlib's radios, by maker then model.
    static QList<Model> models();
    // A Hamlib error code said in French, with Hamlib's own words after it.
    static QString errorText(int code);

private:
    void *m_rig = nullptr; // RIG *, kept out of the header
};
