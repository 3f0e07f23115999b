#include "RuntimeError.h"

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_utf8(m_description.toUtf8())
{}

RuntimeError RuntimeError::invalidCall()
{
    return {InvalidCall, QStringLiteral("Llamada a procedimiento o argumento no válidos")};
}

RuntimeError RuntimeError::overflow()
{
    return {Overflow, QStringLiteral("Desbordamiento")};
}

RuntimeError RuntimeError::typeMismatch()
{
    return {TypeMismatch, QStringLiteral("No coinciden los tipos")};
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return {InvalidPropertyValue, QStringLiteral("El valor de la propiedad no es válido")};
}
