#include "ConferenciaDeSaidas.h"

#include "ArquivoIni.h"
#include "CaminhoDoBanco.h"
#include "EstruturaDoBanco.h"
#include "IdentidadeDeArquivo.h"
#include "PastaDoPrograma.h"
#include "TextoDeCaminho.h"

namespace Quorvane::Cli {

namespace {

bool PadraoOuTraco(const std::optional<std::filesystem::path>& saida)
{
    return !saida || *saida == "-";
}

std::vector<std::filesystem::path> Saidas(const OpcoesCli& opcoes)
{
    std::vector<std::filesystem::path> saidas;
    for (const auto& saida : {opcoes.saida, opcoes.planilha})
        if (!PadraoOuTraco(saida))
            saidas.push_back(*saida);
    return saidas;
}

void RecusarSeForOBanco(const std::filesystem::path& saida, const QString& banco)
{
    if (!banco.isEmpty() && MesmoArquivo(saida, CaminhoDoTexto(banco)))
        throw ErroUso(QStringLiteral("%1 é o banco de dados auditado: escolha outro arquivo de saída").arg(NomeParaExibir(saida)));
}

} // namespace

bool HaSaidaEmArquivo(const OpcoesCli& opcoes)
{
    return !Saidas(opcoes).empty();
}

void ConferirSaidas(const OpcoesCli& opcoes)
{
    if (PadraoOuTraco(opcoes.saida) && opcoes.planilha && PadraoOuTraco(opcoes.planilha))
        throw ErroUso(QStringLiteral("A planilha e os achados não podem ir os dois para a saída padrão: use --output ou outro --xlsx"));
    if (opcoes.saida && opcoes.planilha && !PadraoOuTraco(opcoes.saida) && MesmoArquivo(*opcoes.saida, *opcoes.planilha))
        throw ErroUso(QStringLiteral("--output e --xlsx apontam para o mesmo arquivo: %1").arg(NomeParaExibir(*opcoes.saida)));

    const std::filesystem::path config = opcoes.config.value_or(PastaDoPrograma() / "Config.ini");
    const QString banco = ArquivoDoBancoNestaMaquina(LerValorIni(config, QStringLiteral("BANCO"), QStringLiteral("CAMINHO")));
    for (const std::filesystem::path& saida : Saidas(opcoes)) {
        RecusarSeForOBanco(saida, banco);
        if (LerEstruturaDoBanco(saida))
            throw ErroUso(QStringLiteral("%1 guarda um banco de dados Firebird: escolha outro arquivo de saída").arg(NomeParaExibir(saida)));
        if (MesmoArquivo(saida, config))
            throw ErroUso(QStringLiteral("%1 é o arquivo de configuração: escolha outro arquivo de saída").arg(NomeParaExibir(saida)));
        if (opcoes.linhaDeBase && MesmoArquivo(saida, *opcoes.linhaDeBase))
            throw ErroUso(QStringLiteral("%1 é a linha de base: escolha outro arquivo de saída").arg(NomeParaExibir(saida)));
    }
}

void ConferirSaidasContraOBanco(const OpcoesCli& opcoes, const QString& arquivoDoBanco)
{
    for (const std::filesystem::path& saida : Saidas(opcoes))
        RecusarSeForOBanco(saida, arquivoDoBanco);
}

} // namespace Quorvane::Cli
