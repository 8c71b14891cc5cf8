#include "Destino.h"

#include "Erro.h"

#include <cstdio>

namespace Quorvane::Cli {

namespace {

Erro ErroGravacao(const QString& arquivo, const QString& motivo)
{
    return Erro(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(arquivo, motivo));
}

} // namespace

Destino::Destino(const std::optional<std::filesystem::path>& arquivo)
{
    if (arquivo) {
        arquivo_.emplace(QFile::decodeName(arquivo->c_str()));
        if (!arquivo_->open(QIODevice::WriteOnly))
            throw ErroGravacao(arquivo_->fileName(), arquivo_->errorString());
    } else if (!saidaPadrao_.open(stdout, QIODevice::WriteOnly)) {
        throw Erro(QStringLiteral("Não foi possível escrever na saída padrão: %1").arg(saidaPadrao_.errorString()));
    }
}

QIODevice& Destino::Dispositivo()
{
    if (arquivo_)
        return *arquivo_;
    return saidaPadrao_;
}

void Destino::Concluir()
{
    if (arquivo_) {
        if (!arquivo_->commit())
            throw ErroGravacao(arquivo_->fileName(), arquivo_->errorString());
        return;
    }
    if (!saidaPadrao_.flush() || saidaPadrao_.error() != QFileDevice::NoError)
        throw Erro(QStringLiteral("Não foi possível escrever na saída padrão: %1").arg(saidaPadrao_.errorString()));
}

} // namespace Quorvane::Cli
