#include "Erro.h"
#include "IdentidadeDeArquivo.h"
#include "PlanilhaAchados.h"
#include "SubstituicaoDeArquivo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace Quorvane;

namespace {

std::string Conteudo(const std::filesystem::path& arquivo)
{
    std::ostringstream texto;
    texto << std::ifstream(arquivo, std::ios::binary).rdbuf();
    return texto.str();
}

std::ptrdiff_t Itens(const std::filesystem::path& pasta)
{
    return std::distance(std::filesystem::directory_iterator(pasta), std::filesystem::directory_iterator());
}

} // namespace

TEST(Arquivos, SubstituicaoTrocaOAntigoPeloNovoEIdentidadeSegueOArquivo)
{
    const std::filesystem::path pasta = std::filesystem::temp_directory_path() / u8"quorvane-arquivos-ção";
    std::filesystem::remove_all(pasta);
    std::filesystem::create_directories(pasta);
    const auto alvo = pasta / "achados.tsv";
    const auto provisorio = pasta / ".achados.tsv.novo";
    std::ofstream(alvo, std::ios::binary) << "antigo";
    std::ofstream(provisorio, std::ios::binary) << "novo";
    EXPECT_FALSE(MesmoArquivo(alvo, provisorio));
    EXPECT_TRUE(MesmoArquivo(alvo, pasta / "." / "achados.tsv"));

    EXPECT_EQ(SubstituirArquivo(provisorio, alvo), QString());
    EXPECT_EQ(Conteudo(alvo), "novo");
    EXPECT_FALSE(std::filesystem::exists(provisorio));
    // Nothing to put in place: the system's reason, and the target untouched.
    EXPECT_NE(SubstituirArquivo(provisorio, alvo), QString());
    EXPECT_EQ(Conteudo(alvo), "novo");
#ifdef _WIN32
    EXPECT_TRUE(MesmoArquivo(alvo, pasta / "ACHADOS.TSV"));
    EXPECT_TRUE(MesmoArquivo(pasta / "ainda-nao.tsv", pasta / "AINDA-NAO.TSV"));
#endif
    std::filesystem::remove_all(pasta);
}

// The workbook library opens its files by `char*` names: a folder and a name with Portuguese
// letters still get the workbook, and nothing else is left beside it.
TEST(Arquivos, PlanilhaNumaPastaComAcentos)
{
    const std::filesystem::path pasta = std::filesystem::temp_directory_path() / u8"quorvane-relatórios-ação";
    std::filesystem::remove_all(pasta);
    std::filesystem::create_directories(pasta);
    const TListaLogAlertasAndErros achados = {{QString(), QStringLiteral("Correção"), nullptr, QStringLiteral("Alerta")}};
    GravarPlanilhaAchados(pasta / u8"achados de março.xlsx", achados);
    EXPECT_EQ(Conteudo(pasta / u8"achados de março.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(Itens(pasta), 1);
#ifdef _WIN32
    // A letter the ANSI code page lacks cannot reach it: said, and nothing written.
    try {
        GravarPlanilhaAchados(pasta / u8"表.xlsx", achados);
        ADD_FAILURE() << "gravou";
    } catch (const Erro& erro) {
        EXPECT_TRUE(erro.Mensagem().contains(QStringLiteral("表.xlsx"))) << erro.Mensagem().toStdString();
    }
    EXPECT_EQ(Itens(pasta), 1);
#endif
    std::filesystem::remove_all(pasta);
}
