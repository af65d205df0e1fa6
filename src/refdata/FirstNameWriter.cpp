#include "refdata/FirstNameWriter.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"

#include <QFileInfo>

#include <cstring>

FirstNameWriter::FirstNameWriter(QString path) : m_path(std::move(path)), m_lock(FileLock::lockPathFor(m_path)) {}

FirstNameWriter::Status FirstNameWriter::open(int lockTimeout)
{
    if (m_lock.lock(lockTimeout) != FileLock::Status::Locked) {
        m_reason = m_lock.reason();
        return m_lock.status() == FileLock::Status::HeldByOther ? Status::HeldByOther : Status::LockFailed;
    }
    // Under the lock no copy is writing the list: a copy of it lying beside it was
    // left by a write that was stopped.
    AtomicFile::removeLeftovers(m_path, true);
    LogFile::Bytes list = LogFile::readBytes(m_path);
    if (!list.error.isEmpty()) {
        // Never rewrite a list that could not be read: its stations would be lost.
        m_reason = AtomicFile::reason(list.error);
        m_lock.unlock();
        return Status::Unreadable;
    }
    m_old = std::move(list.content);
    m_open = true;
    m_planned = false;
    return Status::Ready;
}

void FirstNameWriter::put(const QByteArray &record, EmptyName rule)
{
    const QByteArray key = record.left(KeyWidth);
    const auto at = m_byKey.constFind(key);
    if (at != m_byKey.cend()) {
        m_pending[*at] = {record, rule};
    } else {
        m_byKey.insert(key, m_pending.size());
        m_pending.append({record, rule});
    }
    m_planned = false;
}

void FirstNameWriter::plan()
{
    if (m_planned)
        return;
    m_planned = true;
    m_new.clear();
    m_touched = false;
    m_new.reserve(m_old.size() + m_pending.size() * 32 + 2);
    QList<bool> listed(m_pending.size(), false);
    const char *data = m_old.constData();
    const qsizetype size = m_old.size();
    qsizetype start = 0;
    while (start < size) {
        const void *hit = std::memchr(data + start, '\n', size_t(size - start));
        const qsizetype end = hit ? static_cast<const char *>(hit) - data : size;
        qsizetype len = end - start;
        if (hit && len > 0 && data[end - 1] == '\r')
            --len;
        const QByteArrayView line(data + start, len);
        start = end + 1;
        const auto at = line.size() >= KeyWidth ? m_byKey.constFind(line.first(KeyWidth).toByteArray())
                                                : m_byKey.cend();
        if (at != m_byKey.cend()) {
            listed[*at] = true;
            const Pending &p = m_pending.at(*at);
            const bool noName = p.record.mid(KeyWidth).trimmed().isEmpty();
            if (p.rule == EmptyName::Replaces || !noName) {
                m_touched = m_touched || line != QByteArrayView(p.record);
                m_new.append(p.record).append("\r\n", 2);
                continue;
            }
        }
        m_new.append(line.data(), line.size()).append("\r\n", 2);
    }
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (listed.at(i))
            continue;
        m_touched = true;
        m_new.append(m_pending.at(i).record).append("\r\n", 2);
    }
}

bool FirstNameWriter::changes()
{
    plan();
    return m_touched;
}

qint64 FirstNameWriter::size()
{
    plan();
    return m_new.size();
}

AtomicFile::Result FirstNameWriter::commit()
{
    if (!m_open)
        return {false, m_reason};
    if (!changes()) {
        m_open = false;
        m_lock.unlock();
        return {};
    }
    const AtomicFile::Result r = AtomicFile::write(m_path, m_new);
    // One rewrite: the list is let go at once, written or not.
    m_open = false;
    m_old.clear();
    m_new.clear();
    m_lock.unlock();
    return r;
}
