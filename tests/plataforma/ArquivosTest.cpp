#include "IdentidadeDeArquivo.h"
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
