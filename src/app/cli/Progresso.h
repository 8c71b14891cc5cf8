#pragma once

#include "Auditoria.h"

namespace Quorvane::Cli {

// Reports on standard error: a check that did not run, always; with progress, also one line per
// check that ran, with its findings count and time.
class Progresso final : public iAcompanhamento {
public:
    explicit Progresso(bool mostrarCadaVerificacao) : mostrarCadaVerificacao_(mostrarCadaVerificacao) {}
    void VerificacaoConcluida(const ResultadoVerificacao& resultado) override;

private:
    bool mostrarCadaVerificacao_;
};

} // namespace Quorvane::Cli
