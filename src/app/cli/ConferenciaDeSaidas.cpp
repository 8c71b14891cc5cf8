#include "ConferenciaDeSaidas.h"

#include "ArquivoIni.h"
#include "CaminhoDoBanco.h"
#include "EstruturaDoBanco.h"
#include "PastaDoPrograma.h"

#include <QFile>

#include <sys/stat.h>

namespace Quorvane::Cli {

namespace {

bool PadraoOuTraco(const std::optional<std::filesystem::path>& saida)
{
    return !saida || *saida == "-";
}

// The same file, whatever the path or the links to it; a file not there yet, by its absolute
// path with the links resolved (so "x.tsv" and "./x.tsv" are one file). A path that cannot be
// resolved (a loop of links) is the same as nothing.
bool MesmoArquivo(const std::filesystem::path& a, const std::filesystem::path& b)
{
    struct stat infoA {}, infoB {};
    if (::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0)
        return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    std::error_code erroA, erroB;
    const std::filesystem::path canonicoA = std::filesystem::weakly_canonical(std::filesystem::absolute(a, erroA), erroA);
    const std::filesystem::path canonicoB = std::filesystem::weakly_canonical(std::filesystem::absolute(b, erroB), erroB);
    return !erroA && !erroB && canonicoA == canonicoB;
}

QString Texto(const std::filesystem::path& caminho)
{
    return QFile::decodeName(caminho.c_str());
}

std::vector<std::filesystem::path> Saidas(const OpcoesCli& opcoes)
{
    std::vector<std::filesystem::path> saidas;
    for (const auto& saida : {opcoes.saida, opcoes.planilha})
        if (!PadraoOuTraco(saida))
            saidas.push_back(*saida);
    return saidas;
}

std::filesystem::path Caminho(const QString& arquivo)
{
    return std::filesystem::path(QFile::encodeName(arquivo).toStdString());
}

} // namespace

void ConferirSaidas(const OpcoesCli& opcoes)
{
    if (PadraoOuTraco(opcoes.saida) && opcoes.planilha && PadraoOuTraco(opcoes.planilha))
        throw ErroUso(QStringLiteral("A planilha e os achados não podem ir os dois para a saída padrão: use --output ou outro --xlsx"));
    if (opcoes.saida && opcoes.planilha && !PadraoOuTraco(opcoes.saida) && MesmoArquivo(*opcoes.saida, *opcoes.planilha))
        throw ErroUso(QStringLiteral("--output e --xlsx apontam para o mesmo arquivo: %1").arg(Texto(*opcoes.saida)));

    const std::filesystem::path config = opcoes.config.value_or(PastaDoPrograma() / "Config.ini");
    const QString banco = ArquivoDoBancoNestaMaquina(LerValorIni(config, QStringLiteral("BANCO"), QStringLiteral("CAMINHO")));
    for (const std::filesystem::path& saida : Saidas(opcoes)) {
        if (!banco.isEmpty() && MesmoArquivo(saida, Caminho(banco)))
            throw ErroUso(QStringLiteral("%1 é o banco de dados auditado: escolha outro arquivo de saída").arg(Texto(saida)));
        if (LerEstruturaDoBanco(saida))
            throw ErroUso(QStringLiteral("%1 guarda um banco de dados Firebird: escolha outro arquivo de saída").arg(Texto(saida)));
        if (MesmoArquivo(saida, config))
            throw ErroUso(QStringLiteral("%1 é o arquivo de configuração: escolha outro arquivo de saída").arg(Texto(saida)));
        if (opcoes.linhaDeBase && MesmoArquivo(saida, *opcoes.linhaDeBase))
            throw ErroUso(QStringLiteral("%1 é a linha de base: escolha outro arquivo de saída").arg(Texto(saida)));
    }
}

void ConferirSaidasContraOBanco(const OpcoesCli& opcoes, const QString& arquivoDoBanco)
{
    if (arquivoDoBanco.isEmpty())
        return;
    for (const std::filesystem::path& saida : Saidas(opcoes))
        if (MesmoArquivo(saida, Caminho(arquivoDoBanco)))
            throw ErroUso(QStringLiteral("%1 é o banco de dados auditado: escolha outro arquivo de saída").arg(Texto(saida)));
}

} // namespace Quorvane::Cli
