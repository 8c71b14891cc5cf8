#pragma once

#include "Erro.h"
#include "FormatoSaida.h"
#include "Verificacao.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

namespace Quorvane::Cli {

// What the command line asked for.
struct OpcoesCli {
    std::optional<std::filesystem::path> config;   // Config.ini beside the program when unset
    FormatoSaida formato = FormatoSaida::Texto;
    std::optional<std::filesystem::path> saida;    // standard output when unset
    std::optional<std::filesystem::path> planilha; // the same findings as an .xlsx workbook
    std::optional<std::filesystem::path> linhaDeBase; // an earlier run's JSON to compare with
    std::vector<const Verificacao*> verificacoes;  // in run order; all seven unless --check
    std::optional<std::chrono::seconds> tempoLimite;
    std::optional<bool> progresso;                 // unset: only when standard error is a terminal
    bool ajuda = false;
    bool versao = false;
};

// A command line that cannot be followed: the caller prints the message and the usage.
class ErroUso : public Erro {
public:
    using Erro::Erro;
};

// Throws ErroUso with a Portuguese message naming the offending argument.
OpcoesCli LerOpcoes(const QStringList& argumentos);

QString TextoUso();

} // namespace Quorvane::Cli
