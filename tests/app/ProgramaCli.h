#pragma once

#include "BancosDeTeste.h"
#include "ExecucaoCli.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace Quorvane::Testes {

// The Firebird client configuration of the private test server (its root as FIREBIRD): a client
// that loads it finds that server as "the server on this machine". Empty where the client cannot
// be pointed at it so (Firebird 4 reads only the system's configuration).
std::map<QString, QString> ClienteDoServidorDeTeste();
// Skips the calling test unless the test server can be the one "on this machine".
#define QUORVANE_EXIGE_SERVIDOR_DA_MAQUINA()                                                      \
    do {                                                                                         \
        QUORVANE_EXIGE_SERVIDOR();                                                               \
        if (::Quorvane::Testes::ClienteDoServidorDeTeste().empty())                              \
            GTEST_SKIP() << "O cliente Firebird não toma o servidor de teste pelo desta máquina"; \
    } while (0)

// Fixture databases, made on first use, each with a Config.ini of its own: "checks-a" (read-only:
// a run that succeeds on it wrote nothing), "estranho" (awkward-text), "sem-data" (no-start-date),
// "sem-tb002" (missing-table), "sem-fim" (endless-check), "sem-parametro" (tipos: no PARAMETRO table),
// "corrigido" (checks-a with one finding mended and one added: mended-and-added), "hostil" (markup
// in product references: hostile-text), "sem-m6-valor" (no-start-date-column), "avisos" (null-keys
// and missing-index), "controles" (control-text), "avisos-sem-fim" (endless-null-scan).
std::filesystem::path BancoDe(const std::string& nome);
QString ConfigDe(const std::string& nome);
// Runs quorvane-cli on a fixture database through --config.
ExecucaoCli RodarNoBanco(const std::string& nome, const QStringList& argumentos,
                         const QString& lang = QStringLiteral("pt_BR.UTF-8"));

// The expected findings of a fixture in the log window's order, and as quorvane-cli's tsv writes them.
std::vector<AchadoEsperado> NaOrdemDaTelaDeLog(const std::string& arquivoEsperado);
QStringList TsvEsperado(const std::string& arquivoEsperado);

} // namespace Quorvane::Testes
