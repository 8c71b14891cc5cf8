#include "ExecucaoCli.h"

using namespace Quorvane::Testes;

// Each bad command line is refused before anything is opened: the message, then the usage.
TEST(CliArgumentos, ArgumentoInvalidoSaiCom64ComMensagemEUso)
{
    const std::vector<std::pair<QStringList, QString>> casos = {
        {{QStringLiteral("--formato"), QStringLiteral("tsv")}, QStringLiteral("Opção desconhecida: --formato")},
        {{QStringLiteral("--check"), QStringLiteral("ImportacaoSemFrete")}, QStringLiteral("Verificação desconhecida: ImportacaoSemFrete")},
        {{QStringLiteral("--check"), QStringLiteral("importacaosemfob")}, QStringLiteral("Verificação desconhecida: importacaosemfob")},
        {{QStringLiteral("--format"), QStringLiteral("xml")}, QStringLiteral("Formato desconhecido: xml (use text, tsv, csv, json ou html)")},
        {{QStringLiteral("--format")}, QStringLiteral("A opção --format exige um valor (FORMATO)")},
        {{QStringLiteral("--output"), QStringLiteral("--progress")}, QStringLiteral("A opção --output exige um valor (ARQUIVO)")},
        {{QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--format"), QStringLiteral("tsv")},
         QStringLiteral("A opção --format foi informada mais de uma vez")},
        {{QStringLiteral("--timeout"), QStringLiteral("0")},
         QStringLiteral("Tempo limite inválido: 0 (informe um número inteiro de segundos maior que zero)")},
        {{QStringLiteral("Config.ini")}, QStringLiteral("Argumento inesperado: Config.ini")},
    };
    for (const auto& [argumentos, mensagem] : casos) {
        // A --config that does not exist: had the arguments been accepted, the exit would be 4.
        const ExecucaoCli r = RodarCli(argumentos + QStringList{QStringLiteral("--config=/nao/existe/Config.ini")});
        const std::string caso = argumentos.join(u' ').toStdString();
        EXPECT_EQ(r.codigo, 64) << caso;
        EXPECT_TRUE(r.Erros().startsWith(mensagem + QStringLiteral("\n\nUso: quorvane-cli [--config ARQUIVO]")))
            << caso << "\n" << r.Erros().toStdString();
        EXPECT_TRUE(r.saida.isEmpty()) << caso;
    }
}

TEST(CliArgumentos, AjudaEVersao)
{
    ExecucaoCli r = RodarCli({QStringLiteral("--help")});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_TRUE(r.Saida().startsWith(QStringLiteral(
        "Uso: quorvane-cli [--config ARQUIVO] [--format FORMATO] [--output ARQUIVO] [--xlsx ARQUIVO] [--baseline ARQUIVO] "
        "[--check NOME]... "
        "[--timeout SEGUNDOS] [--progress] [--help] [--version]\n")))
        << r.Saida().toStdString();
    // The usage lists every check by the name --check takes.
    for (const char* nome : {"CargaInicialSemCustoUnitarioEntrada", "CFOPBeneficiamentoTerceiroAoMesmoTempo",
                             "CFOPConsumoMovimentandoEstoque", "PrimeiroLancamentoSaidaMovimentaEstoque",
                             "ImportacaoSemDespesas", "ImportacaoSemFOB", "AcertoEntradaSemValorUnitario"})
        EXPECT_TRUE(r.Saida().contains(QString::fromLatin1(nome))) << nome;
    EXPECT_TRUE(r.erros.isEmpty());

    r = RodarCli({QStringLiteral("--version")});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_TRUE(r.Saida().startsWith(QStringLiteral("quorvane-cli "))) << r.Saida().toStdString();
}
