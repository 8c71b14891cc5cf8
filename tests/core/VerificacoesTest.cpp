#include "Analises.h"
#include "BancosDeTeste.h"
#include "ComandosEsperados.h"
#include "Erro.h"
#include "ExecucaoVerificacao.h"
#include "Verificacoes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

QString Tipo(const TLogAlertasAndErros& achado)
{
    return achado.FErro.isEmpty() ? QStringLiteral("Alerta") : QStringLiteral("Erro");
}

// Runs every check in the order of an analysis run and returns the findings of each.
std::map<QString, std::vector<AchadoEsperado>> ExecutarTodas(iAnalises& analises)
{
    std::map<QString, std::vector<AchadoEsperado>> porVerificacao;
    analises.LimparLog();
    const auto& lista = *analises.GetLogAlertasAndErros().FLista;
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao()) {
        const std::size_t antes = lista.size();
        analises.Executar(*v);
        for (std::size_t i = antes; i < lista.size(); ++i) {
            const TLogAlertasAndErros& a = lista[i];
            EXPECT_NE(a.FErro.isEmpty(), a.FAlerta.isEmpty()) << "exatamente um de FErro e FAlerta: " << a.FCorrecao.toStdString();
            porVerificacao[v->nome].push_back({v->nome, Tipo(a), a.FErro.isEmpty() ? a.FAlerta : a.FErro, a.FCorrecao});
        }
    }
    return porVerificacao;
}

std::map<QString, std::vector<AchadoEsperado>> PorVerificacao(const std::vector<AchadoEsperado>& achados)
{
    std::map<QString, std::vector<AchadoEsperado>> mapa;
    for (const auto& a : achados)
        mapa[a.verificacao].push_back(a);
    return mapa;
}

std::vector<std::string> Linhas(const std::vector<AchadoEsperado>& achados, bool ordenar)
{
    std::vector<std::string> linhas;
    for (const auto& a : achados)
        linhas.push_back((a.tipo + u'|' + a.texto + u'|' + a.correcao).toStdString());
    if (ordenar)
        std::sort(linhas.begin(), linhas.end());
    return linhas;
}

void CompararComEsperados(iAnalises& analises, const std::string& esperados, bool ordemLivre)
{
    const auto obtidos = ExecutarTodas(analises);
    const auto esperado = PorVerificacao(LerAchadosEsperados(esperados));
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao()) {
        const auto e = esperado.count(v->nome) ? esperado.at(v->nome) : std::vector<AchadoEsperado>{};
        const auto o = obtidos.count(v->nome) ? obtidos.at(v->nome) : std::vector<AchadoEsperado>{};
        EXPECT_EQ(Linhas(o, ordemLivre), Linhas(e, ordemLivre)) << v->nome.toStdString();
    }
}

} // namespace

TEST(ComandosDasVerificacoes, TextoExatoDeCadaComando)
{
    const QDate data(2023, 3, 1);
    ASSERT_EQ(VerificacoesNaOrdemDeExecucao().size(), ComandosEsperados().size());
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao()) {
        QString comando;
        for (const QString& linha : LinhasDoComando(*v, data))
            comando += linha + QStringLiteral("\r\n");
        ASSERT_TRUE(ComandosEsperados().count(v->nome.toStdString())) << v->nome.toStdString();
        EXPECT_EQ(comando.toStdString(), ComandosEsperados().at(v->nome.toStdString())) << v->nome.toStdString();
    }
}

TEST(ComandosDasVerificacoes, SemDataCargaInicialComparaComODiaZero)
{
    const QStringList linhas = LinhasDoComando(VerificacaoImportacaoSemFOB(), QDate());
    EXPECT_EQ(linhas[10], QStringLiteral(" WHERE SA3.NOTADATA >= '30.12.1899'"));
    EXPECT_EQ(LinhasDoComando(VerificacaoAcertoEntradaSemValorUnitario(), QDate(2024, 1, 5))[17],
              QStringLiteral("    AND DATA >= '05.01.2024'"));
}

TEST(ComandosDasVerificacoes, OrdemDeExecucaoEDadosDeCadaVerificacao)
{
    QStringList nomes;
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao())
        nomes << v->nome;
    EXPECT_EQ(nomes, QStringList({"CargaInicialSemCustoUnitarioEntrada", "CFOPBeneficiamentoTerceiroAoMesmoTempo",
                                  "CFOPConsumoMovimentandoEstoque", "PrimeiroLancamentoSaidaMovimentaEstoque",
                                  "ImportacaoSemDespesas", "ImportacaoSemFOB", "AcertoEntradaSemValorUnitario"}));
    EXPECT_EQ(VerificacaoAcertoEntradaSemValorUnitario().colunaCorrecao, QStringLiteral("NUMERO"));
    EXPECT_TRUE(VerificacaoImportacaoSemDespesas().UsaData());
    EXPECT_FALSE(VerificacaoCFOPConsumoMovimentandoEstoque().UsaData());
}

namespace {

// The checks on each fixture database, through the embedded engine and through the test server.
class VerificacoesTest : public ::testing::TestWithParam<bool> {
protected:
    static void SetUpTestSuite()
    {
        bancos = new PastaTemporaria;
        for (const char* lado : {"local", "servidor"}) {
            const std::string l = lado;
            CriarBanco({"tests/fixtures/checks-a.sql"}, *bancos / (l + "-a.fdb"));
            CriarBanco({"tests/fixtures/checks-b.sql"}, *bancos / (l + "-b.fdb"));
            CriarBanco({"demo/erp-demo.sql"}, *bancos / (l + "-demo.fdb"));
            CriarBanco({"tests/fixtures/no-start-date.sql"}, *bancos / (l + "-sem-data.fdb"));
            CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/missing-table.sql"}, *bancos / (l + "-sem-tabela.fdb"));
        }
    }
    static void TearDownTestSuite()
    {
        delete bancos;
        bancos = nullptr;
    }

    void SetUp() override
    {
        if (GetParam() && !ServidorDeTeste())
            GTEST_SKIP() << "Sem servidor de teste";
    }

    // CAMINHO for a fixture: the embedded engine, or the server, each with its own files.
    static QString Banco(const std::string& nome, bool servidor)
    {
        const auto arquivo = *bancos / ((servidor ? "servidor-" : "local-") + nome + ".fdb");
        return servidor ? CaminhoPeloServidor(arquivo) : QString::fromStdString(arquivo.string());
    }

    static PastaTemporaria* bancos;
};

PastaTemporaria* VerificacoesTest::bancos = nullptr;

} // namespace

TEST_P(VerificacoesTest, FixtureComTiposComunsDoErp)
{
    ConexaoDeTeste conexao(Banco("a", GetParam()));
    auto analises = TAnalises::New(FormatoPtBr());
    CompararComEsperados(*analises, "tests/fixtures/expected-checks-a.tsv", false);
}

TEST_P(VerificacoesTest, FixtureComOutrosTiposDeColuna)
{
    ConexaoDeTeste conexao(Banco("b", GetParam()));
    auto analises = TAnalises::New(FormatoPtBr());
    CompararComEsperados(*analises, "tests/fixtures/expected-checks-b.tsv", false);
}

TEST(VerificacoesPorServidores, MesmosAchadosEmCadaVersaoDoFirebird)
{
    // Firebird 3 and 4 servers, each making its own files, whichever client this is.
    const auto servidores = ServidoresDeTodasAsVersoes();
    if (servidores.empty())
        GTEST_SKIP() << "Sem servidores em QUORVANE_SERVIDORES";
    for (const std::string& servidor : servidores) {
        for (const char* fixture : {"a", "b"}) {
            SCOPED_TRACE(servidor + " checks-" + fixture);
            BancoNoServidor banco(servidor, {"tests/fixtures/checks-" + std::string(fixture) + ".sql"});
            ConexaoDeTeste conexao(banco.Caminho());
            auto analises = TAnalises::New(FormatoPtBr());
            CompararComEsperados(*analises, "tests/fixtures/expected-checks-" + std::string(fixture) + ".tsv", false);
        }
    }
}

TEST_P(VerificacoesTest, BancoDeDemonstracao)
{
    ConexaoDeTeste conexao(Banco("demo", GetParam()));
    auto analises = TAnalises::New(FormatoPtBr());
    CompararComEsperados(*analises, "tests/fixtures/expected-erp-demo.tsv", true);
}

TEST_P(VerificacoesTest, SemDataCargaInicialUsaODiaZero)
{
    ConexaoDeTeste conexao(Banco("sem-data", GetParam()));
    auto analises = TAnalises::New(FormatoPtBr());
    ASSERT_EQ(analises->GetDataCargaInicial(), QString());
    CompararComEsperados(*analises, "tests/fixtures/expected-no-start-date.tsv", false);
}

TEST_P(VerificacoesTest, DuasExecucoesDaoAMesmaLista)
{
    ConexaoDeTeste conexao(Banco("a", GetParam()));
    auto analises = TAnalises::New(FormatoPtBr());
    const auto primeira = ExecutarTodas(*analises);
    const std::size_t tamanho = analises->GetLogAlertasAndErros().FLista->size();
    const auto segunda = ExecutarTodas(*analises);
    EXPECT_EQ(analises->GetLogAlertasAndErros().FLista->size(), tamanho);
    ASSERT_EQ(primeira.size(), segunda.size());
    for (const auto& [nome, achados] : primeira)
        EXPECT_EQ(Linhas(achados, false), Linhas(segunda.at(nome), false)) << nome.toStdString();
}

TEST_P(VerificacoesTest, TabelaAusenteParaNaTerceiraEMantemAsAnteriores)
{
    ConexaoDeTeste conexao(Banco("sem-tabela", GetParam()));
    auto analises = TAnalises::New(FormatoPtBr());
    const auto& lista = *analises->GetLogAlertasAndErros().FLista;
    analises->LimparLog().CargaInicialSemCustoUnitarioEntrada().CFOPBeneficiamentoTerceiroAoMesmoTempo();
    const std::size_t antes = lista.size();
    ASSERT_GT(antes, 0u);
    try {
        analises->CFOPConsumoMovimentandoEstoque();
        FAIL() << "a verificação deveria falhar sem a tabela TB002";
    } catch (const ErroBanco& e) {
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("Table unknown"))) << e.what();
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("TB002"))) << e.what();
    }
    EXPECT_EQ(lista.size(), antes);
    // The engine is still usable after the failure.
    analises->LimparLog().CargaInicialSemCustoUnitarioEntrada();
    EXPECT_FALSE(lista.empty());
}

INSTANTIATE_TEST_SUITE_P(LocalEServidor, VerificacoesTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Servidor" : "Embutido"; });

TEST(VerificacoesSomenteLeitura, ExecucaoCompletaNumBancoSomenteLeitura)
{
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-a.sql"}, pasta / "ro.fdb");
    TornarSomenteLeitura(pasta / "ro.fdb");
    ConexaoDeTeste conexao(QString::fromStdString((pasta / "ro.fdb").string()));
    auto analises = TAnalises::New(FormatoPtBr());
    CompararComEsperados(*analises, "tests/fixtures/expected-checks-a.tsv", false);
}

TEST(VerificacoesNoLocalAmericano, ValoresNoFormatoDoLocal)
{
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-b.sql"}, pasta / "b.fdb");
    ConexaoDeTeste conexao(QString::fromStdString((pasta / "b.fdb").string()));
    // "01/03/2023" read month-first is the third of January: later documents are reported too.
    auto analises = TAnalises::New(FormatoEnUs());
    analises->LimparLog().ImportacaoSemDespesas();
    QStringList textos;
    for (const auto& a : *analises->GetLogAlertasAndErros().FLista)
        textos << a.FAlerta;
    EXPECT_TRUE(textos.contains(QStringLiteral("NF: 000302       Pedido: 8002 Data: 3/10/23 9:05:07") + AntesDeAmPm() +
                                QStringLiteral("AM CFOP: 3101 Valor: 1,234,567.89")))
        << textos.join(u'\n').toStdString();
}

TEST(VerificacoesComChavesNulas, MesmosAchadosQueSemElas)
{
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/null-keys.sql"}, pasta / "nulos.fdb");
    ConexaoDeTeste conexao(QString::fromStdString((pasta / "nulos.fdb").string()));
    auto analises = TAnalises::New(FormatoPtBr());
    CompararComEsperados(*analises, "tests/fixtures/expected-checks-a.tsv", false);
}
