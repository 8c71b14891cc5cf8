#include "Motor.h"

namespace Quorvane {

QString NomeDoMotor(Motor motor)
{
    switch (motor) {
    case Motor::Servidor:
        return QStringLiteral("servidor");
    case Motor::Embutido:
        return QStringLiteral("embutido");
    case Motor::Automatico:
        break;
    }
    return {};
}

std::optional<Motor> LerMotor(const QString& valor)
{
    if (valor.isEmpty())
        return Motor::Automatico;
    for (const Motor motor : {Motor::Servidor, Motor::Embutido})
        if (valor.compare(NomeDoMotor(motor), Qt::CaseInsensitive) == 0)
            return motor;
    return std::nullopt;
}

QString DescricaoDoMotor(Motor motor)
{
    if (motor == Motor::Embutido)
        return QStringLiteral("Motor: embutido (o banco fica reservado a este programa enquanto ele o usar)");
    return QStringLiteral("Motor: servidor (o banco é lido pelo servidor Firebird)");
}

} // namespace Quorvane
