#pragma once

#include <QIODevice>
#include <QString>
#include <vector>

// The file a PDF document streams into. The PDF writer ignores failed writes and reports success
// regardless, so this file keeps the first failure with its reason, and when finished checks
// that the disk holds every byte it was given. It never replaces an existing file, and a file
// that was not finished is removed.
class PdfOutputFile final : public QIODevice
{
public:
    explicit PdfOutputFile(QString path);
    ~PdfOutputFile() override;

    // Creates the file; false (with failure()) when it cannot.
    bool create();
    // Writes out what is still buffered and closes the file; false (with failure()) when the
    // file on disk is not complete.
    bool finish();
    // Closes and removes the file.
    void discard();

    const QString &path() const { return m_path; }
    bool failed() const { return !m_failure.isEmpty(); }
    // Why the file could not be written, for the user.
    const QString &failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    bool writeOut(const char *data, qint64 length);
    void fail(int error);
    void closeDescriptor();

    QString m_path;
    int m_fd = -1;
    std::vector<char> m_buffer;
    qint64 m_accepted = 0; // bytes the writer handed over
    QString m_failure;
    bool m_created = false;
    bool m_finished = false;
};
