#pragma once

#include <QString>
#include <exception>

// A failure raised by a program operation: the classic error number and a Spanish description
// that the handlers show to the user as it stands.
class RuntimeError : public std::exception
{
public:
    RuntimeError(int number, QString description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    static constexpr int InvalidCall = 5;
    static constexpr int Overflow = 6;
    static constexpr int TypeMismatch = 13;
    static constexpr int InvalidPropertyValue = 380;
    static constexpr int PrinterError = 482;
    static constexpr int NoPrinter = 484;

    static RuntimeError invalidCall();
    static RuntimeError overflow();
    static RuntimeError typeMismatch();
    static RuntimeError invalidPropertyValue();

private:
    int m_number;
    QString m_description;
    QByteArray m_utf8;
};
