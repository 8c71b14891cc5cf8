#pragma once

#include <QString>
#include <optional>

namespace Quorvane {

// How the database is reached (Config.ini's MOTOR). Automatico is only ever asked for: a
// connection decides it once, the first time, and keeps the route for every reconnection.
enum class Motor {
    Automatico, // the machine's server when one answers, the embedded engine only when none does
    Servidor,   // always a server, never the embedded engine
    Embutido,   // always the embedded engine: a file of this machine, held by this program alone
};

// "servidor" or "embutido" (empty for Automatico), as Config.ini and the JSON report write it.
QString NomeDoMotor(Motor motor);

// MOTOR's value in any letter case; an empty value is Automatico; nullopt for anything else.
std::optional<Motor> LerMotor(const QString& valor);

// The line that tells the user which route an open connection took.
QString DescricaoDoMotor(Motor motor);

} // namespace Quorvane
