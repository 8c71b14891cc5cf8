#include "Analises.h"
#include "BancosDeTeste.h"
#include "Erro.h"
#include "Verificacoes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

class AnalisesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        bancos = new PastaTemporaria;
        CriarBanco({"tests/fixtures/checks-a.sql"}, *bancos / "checks-a.fdb");
        CriarBanco({"tests/fixtures/no-start-date.sql"}, *bancos / "sem-data.fdb");
        CriarBanco({"tests/fixtures/no-start-date.sql", "tests/fixtures/invalid-start-date.sql"}, *bancos / "data-invalida.fdb");
        CriarBanco({"tests/fixtures/tipos.sql"}, *bancos / "sem-parametro.fdb");
        CriarBanco({"tests/fixtures/no-start-date.sql", "tests/fixtures/day-zero-start-date.sql"}, *bancos / "dia-zero.fdb");
    }
    static void TearDownTestSuite()
    {
        delete bancos;
        bancos = nullptr;
    }
    static QString Banco(const char* nome) { return QString::fromStdString((*bancos / nome).string()); }

    static PastaTemporaria* bancos;
};

PastaTemporaria* AnalisesTest::bancos = nullptr;

// Records what the engine hands the log window.
class TelaLogDeTeste : public iTelaLog {
public:
    void Mostrar(TLogAlertasAndErros& log, const QString&) override
    {
        ++vezes;
        tamanho = log.FLista ? static_cast<int>(log.FLista->size()) : -1;
    }
    int vezes = 0;
    int tamanho = 0;
};

} // namespace

TEST_F(AnalisesTest, DataCargaInicialNoFormatoDoLocal)
{
    ConexaoDeTeste conexao(Banco("checks-a.fdb"));
    EXPECT_EQ(TAnalises::New(FormatoPtBr())->GetDataCargaInicial(), QStringLiteral("01/03/2023"));
    // In a month-first locale the ERP's text is 3 January, shown month first as it was read.
    EXPECT_EQ(TAnalises::New(FormatoEnUs())->GetDataCargaInicial(), QStringLiteral("01/03/2023"));
}

TEST_F(AnalisesTest, SemParametroNaoHaData)
{
    {
        ConexaoDeTeste conexao(Banco("sem-data.fdb"));
        EXPECT_EQ(TAnalises::New(FormatoPtBr())->GetDataCargaInicial(), QString());
    }
    {
        ConexaoDeTeste conexao(Banco("checks-a.fdb"));
        TAnalises::New(FormatoPtBr());
    }
    // Day 0 of the date count is "no start date", whatever was read before.
    ConexaoDeTeste conexao(Banco("dia-zero.fdb"));
    EXPECT_EQ(TAnalises::New(FormatoPtBr())->GetDataCargaInicial(), QString());
}

// An engine's start date, log and query are its own: another engine's reading or end leaves them
// as they were.
TEST_F(AnalisesTest, CadaMotorTemOSeuEstado)
{
    {
        ConexaoDeTeste conexao(Banco("checks-a.fdb"));
        auto analises = TAnalises::New(FormatoPtBr());
        TAnalises::New(FormatoPtBr())->LimparLog().CargaInicialSemCustoUnitarioEntrada();
        analises->LimparLog().CFOPConsumoMovimentandoEstoque();
        EXPECT_EQ(analises->GetLogAlertasAndErros().FLista->size(), 3u);
    }
    // A text that is not a date keeps the engine's own value: none.
    ConexaoDeTeste conexao(Banco("data-invalida.fdb"));
    EXPECT_EQ(TAnalises::New(FormatoPtBr())->GetDataCargaInicial(), QString());
}

// The count of NULL keys never ends on this database: a cancel from another thread, or the time
// limit, stops it as it stops a check.
TEST_F(AnalisesTest, LeituraDosAvisosParaComoUmaVerificacao)
{
    using namespace std::chrono_literals;
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-null-scan.sql"}, pasta / "avisos-sem-fim.fdb");
    ConexaoDeTeste conexao(QString::fromStdString((pasta / "avisos-sem-fim.fdb").string()));
    auto analises = TAnalises::New(FormatoPtBr());
    auto inicio = std::chrono::steady_clock::now();
    std::thread cancelar([&] {
        std::this_thread::sleep_for(500ms);
        analises->Cancelar();
    });
    EXPECT_THROW(analises->LerAvisos(analises->Verificacoes()), ErroAnaliseCancelada);
    cancelar.join();
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, 2500ms);

    analises->LimparLog();
    analises->DefinirTempoLimite(500ms);
    inicio = std::chrono::steady_clock::now();
    const QStringList avisos = analises->LerAvisos(analises->Verificacoes());
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, 2500ms);
    ASSERT_EQ(avisos.size(), 2) << avisos.join(u'\n').toStdString();
    EXPECT_TRUE(avisos[0].startsWith(QStringLiteral("ImportacaoSemDespesas pode levar horas")));
    EXPECT_EQ(avisos[1], QStringLiteral("Tempo limite esgotado: a leitura dos avisos foi cancelada, e eles podem estar incompletos."));
}

TEST_F(AnalisesTest, FalhaAoLerDataPassaOErroDoBanco)
{
    ConexaoDeTeste conexao(Banco("sem-parametro.fdb"));
    try {
        TAnalises::New(FormatoPtBr());
        FAIL() << "o motor não deveria ter sido criado";
    } catch (const ErroBanco& e) {
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("PARAMETRO"))) << e.what();
    }
}

TEST_F(AnalisesTest, SemConexaoNaoHaMotor)
{
    EXPECT_THROW(TAnalises::New(FormatoPtBr()), Erro);
}

TEST_F(AnalisesTest, LimparLogEShowTelaLog)
{
    ConexaoDeTeste conexao(Banco("checks-a.fdb"));
    auto tela = std::make_shared<TelaLogDeTeste>();
    auto analises = TAnalises::New(FormatoPtBr(), tela);
    analises->LimparLog().CargaInicialSemCustoUnitarioEntrada().ShowTelaLog();
    EXPECT_EQ(tela->vezes, 1);
    EXPECT_GT(tela->tamanho, 0);
    EXPECT_EQ(analises->GetLogAlertasAndErros().FLista->size(), static_cast<std::size_t>(tela->tamanho));
    analises->LimparLog();
    EXPECT_TRUE(analises->GetLogAlertasAndErros().FLista->empty());
    // Without a log window, ShowTelaLog has nothing to show and returns.
    TAnalises::New(FormatoPtBr())->ShowTelaLog();
}

TEST_F(AnalisesTest, ArquivoRemovidoDepoisDeConectarNaoInterrompeAAnalise)
{
    // The engine keeps the file it opened: removing its name (an ERP clean-up, a user in a file
    // manager) changes nothing for this process, and the checks read what was there.
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-a.sql"}, pasta / "banco.fdb");
    ConexaoDeTeste conexao(QString::fromStdString((pasta / "banco.fdb").string()));
    auto analises = TAnalises::New(FormatoPtBr());
    std::filesystem::remove(pasta / "banco.fdb");
    analises->LimparLog();
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao())
        analises->Executar(*v);
    EXPECT_EQ(analises->GetLogAlertasAndErros().FLista->size(), LerAchadosEsperados("tests/fixtures/expected-checks-a.tsv").size());
}
