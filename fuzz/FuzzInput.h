#pragma once

#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Splits a fuzzer's bytes into the few pieces a target needs: length-prefixed chunks first,
// whatever is left over last. Missing bytes read as empty, so every input is usable.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    // A chunk of at most `max` bytes whose length is the next byte.
    QByteArray chunk(size_t max)
    {
        const size_t n = std::min<size_t>({size_t(byte()), max, m_size - m_pos});
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }

    QByteArray rest()
    {
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(m_size - m_pos));
        m_pos = m_size;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A private folder for the files a target writes, removed when the process ends. In memory
// where the system offers it: every write syncs to disk, which would make the run crawl.
inline const QString &fuzzFolder()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tessarino-fuzz-XXXXXX")
                                 : QString());
    static const QString path = dir.path();
    return path;
}

// A fresh path for every input, so no cache keyed by path can answer for an earlier input.
QString freshFuzzPath(const char *suffix);

// Writes `bytes` to a fresh path and returns it.
QString fuzzInputFile(const QByteArray &bytes, const char *suffix);

// Stops the process with a message the fuzzer reports as a finding.
[[noreturn]] void fuzzFailure(const char *what, const QString &detail);
