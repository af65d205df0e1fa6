#pragma once

#include <QObject>
#include <QString>

#include <functional>

// One thing asked of the radio: read its frequency or its mode, or set them.
struct RadioRequest
{
    enum class Op { ReadFrequency, ReadMode, SetFrequency, SetMode };

    Op op = Op::ReadFrequency;
    qint64 hertz = 0; // SetFrequency
    QString mode;     // SetMode, as Hamlib names it ("USB", "CW")
};

// The radio's answer to one request.
struct RadioAnswer
{
    enum class Kind {
        Ok,   // done; `value` holds what was read
        Soft, // not this time (a timeout, a value the model cannot give, garbage): worth asking again
        Lost  // the radio cannot be reached at all (nothing listens, the connection closed)
    };

    Kind kind = Kind::Ok;
    QString value;
    QString error; // in French, when not Ok
    // The model cannot give this value at all (Hamlib's "not available" or "not
    // implemented"): asking again will not help.
    bool unavailable = false;

    static RadioAnswer ok(const QString &value = {}) { return {Kind::Ok, value, {}, false}; }
    static RadioAnswer soft(const QString &why, bool unavailable = false)
    {
        return {Kind::Soft, {}, why, unavailable};
    }
    static RadioAnswer lost(const QString &why) { return {Kind::Lost, {}, why, false}; }
};

// How the logbook talks to a radio: one request at a time, answered later on the
// window's thread. An implementation never blocks; it may never answer at all (a
// silent radio), which is why its caller keeps its own watch on time.
class RadioInterface : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const RadioAnswer &answer)>;

    explicit RadioInterface(QObject *parent = nullptr) : QObject(parent) {}

    // Asks; `done` is called once, later, unless abandon() or the destructor comes first.
    virtual void ask(const RadioRequest &request, Done done) = 0;
    // Forgets the request in progress: its answer, if it ever comes, is not taken for
    // the next one's (a connection is closed and opened again at the next request).
    virtual void abandon() = 0;
};
