#include "RuntimeError.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_utf8(m_description.toUtf8())
{}

RuntimeError RuntimeError::invalidCall()
{
    return {InvalidCall,
            QCoreApplication::translate("RuntimeError", "Llamada a procedimiento o argumento no válidos")};
}

RuntimeError RuntimeError::overflow()
{
    return {Overflow, QCoreApplication::translate("RuntimeError", "Desbordamiento")};
}

RuntimeError RuntimeError::typeMismatch()
{
    return {TypeMismatch, QCoreApplication::translate("RuntimeError", "No coinciden los tipos")};
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return {InvalidPropertyValue,
            QCoreApplication::translate("RuntimeError", "El valor de la propiedad no es válido")};
}
