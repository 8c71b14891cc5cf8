#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace Quorvane {

// A database's on-disk structure (ODS): 11 is Firebird 2.x's, 12 Firebird 3's, 13 Firebird 4's.
struct EstruturaDoBanco {
    int maior = 0;
    int menor = -1; // -1: not known
};

// The structure a file's header page declares, when the file (or block device) is a Firebird
// database; nullopt for anything else or nothing there. Never blocks on a FIFO or a terminal.
std::optional<EstruturaDoBanco> LerEstruturaDoBanco(const std::filesystem::path& arquivo);

// "Firebird 3" for ODS 12, "Firebird 2.5" for 11.2...
QString VersaoDoFirebird(EstruturaDoBanco estrutura);

// What the user can do about a database file of a structure this machine's Firebird does not
// open: which version made it, which this machine opens, and how to audit it all the same.
QString MotivoDaEstrutura(const QString& arquivo, EstruturaDoBanco doArquivo, EstruturaDoBanco suportada);

} // namespace Quorvane
