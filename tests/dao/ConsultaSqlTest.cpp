#include "BancosDeTeste.h"
#include "ConexaoSql.h"
#include "ConsultaSql.h"
#include "DecodificacaoTexto.h"
#include "Erro.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

class ConsultaSqlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pasta = new PastaTemporaria;
        CriarBanco({"tests/fixtures/tipos.sql"}, *pasta / "tipos.fdb");
    }
    static void TearDownTestSuite()
    {
        delete pasta;
        pasta = nullptr;
    }

    void SetUp() override
    {
        conexao.DefinirParametro(QStringLiteral("Database"), QString::fromStdString((*pasta / "tipos.fdb").string()));
        conexao.DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
        conexao.Conectar();
    }

    void Abrir(const QString& sql)
    {
        consulta.LimparSQL();
        consulta.AdicionarLinha(sql);
        consulta.Abrir();
    }

    static PastaTemporaria* pasta;
    ConexaoSql conexao;
    ConsultaSql consulta{&conexao};
};

PastaTemporaria* ConsultaSqlTest::pasta = nullptr;

} // namespace

TEST_F(ConsultaSqlTest, ComandoEhAsLinhasCadaUmaComCrLf)
{
    consulta.AdicionarLinha(QStringLiteral(" SELECT"));
    consulta.AdicionarLinha(QStringLiteral("  1 FROM RDB$DATABASE "));
    EXPECT_EQ(consulta.Comando(), QStringLiteral(" SELECT\r\n  1 FROM RDB$DATABASE \r\n"));
}

TEST_F(ConsultaSqlTest, TextosPeloConjuntoDeCadaColuna)
{
    Abrir(QStringLiteral("SELECT * FROM TIPOS WHERE ID = 1"));
    ASSERT_FALSE(consulta.Eof());
    EXPECT_EQ(consulta.Texto(consulta.IndiceCampo(QStringLiteral("C_UTF8"))), QStringLiteral("ÁB    "));
    EXPECT_EQ(consulta.Texto(consulta.IndiceCampo(QStringLiteral("C_WIN"))), QStringLiteral("xy   "));
    EXPECT_EQ(consulta.Texto(consulta.IndiceCampo(QStringLiteral("v_win"))), QStringLiteral("Ação é ótima"));
    EXPECT_EQ(consulta.Texto(consulta.IndiceCampo(QStringLiteral("V_UTF8"))), QStringLiteral("Não-Ç€"));
    EXPECT_EQ(consulta.Texto(consulta.IndiceCampo(QStringLiteral("V_LATIN"))), QStringLiteral("çã"));
    EXPECT_EQ(consulta.Texto(consulta.IndiceCampo(QStringLiteral("V_NONE"))), QStringLiteral("abc"));
    EXPECT_EQ(consulta.Campo(consulta.IndiceCampo(QStringLiteral("C_UTF8"))).tipo, TipoCampo::Char);
}

TEST_F(ConsultaSqlTest, NumerosDatasELogicos)
{
    Abrir(QStringLiteral("SELECT * FROM TIPOS WHERE ID = 1"));
    const auto i = [&](const char* nome) { return consulta.IndiceCampo(QString::fromLatin1(nome)); };
    EXPECT_EQ(consulta.Inteiro(i("N_PEQ")), -12);
    EXPECT_EQ(consulta.Inteiro(i("N_BIG")), INT64_MAX);
    EXPECT_EQ(consulta.Campo(i("N_BIG")).tipo, TipoCampo::Inteiro);
    EXPECT_EQ(consulta.Inteiro(i("N_DEC")), 12345600);
    EXPECT_EQ(consulta.Campo(i("N_DEC")).escala, -4);
    EXPECT_EQ(consulta.Campo(i("N_DEC")).tipo, TipoCampo::Decimal);
    EXPECT_EQ(consulta.Inteiro(i("N_DEC_PEQ")), -25);
    EXPECT_FLOAT_EQ(static_cast<float>(consulta.Real(i("F_SIMPLES"))), 0.1f);
    EXPECT_DOUBLE_EQ(consulta.Real(i("F_DUPLO")), 123456789.125);
    EXPECT_EQ(consulta.Data(i("D_DATA")), QDate(2023, 3, 1));
    EXPECT_EQ(consulta.Hora(i("D_HORA")), QTime(13, 45, 7, 123));
    EXPECT_EQ(consulta.Data(i("D_MOMENTO")), QDate(2023, 3, 1));
    EXPECT_EQ(consulta.FracaoHora(i("D_MOMENTO")), 0u);
    EXPECT_EQ(consulta.Inteiro(i("B_LOGICO")), 1);
    EXPECT_EQ(consulta.Texto(i("B_TEXTO")), QStringLiteral("texto longo"));
    EXPECT_EQ(consulta.Texto(i("B_BINARIO")), QString::fromLatin1("\x00\xFF\x41", 3));
    EXPECT_FALSE(consulta.EhNulo(i("N_INT")));
}

TEST_F(ConsultaSqlTest, NulosEBlobInteiro)
{
    Abrir(QStringLiteral("SELECT * FROM TIPOS WHERE ID = 2"));
    EXPECT_TRUE(consulta.EhNulo(consulta.IndiceCampo(QStringLiteral("N_INT"))));
    EXPECT_TRUE(consulta.EhNulo(consulta.IndiceCampo(QStringLiteral("C_UTF8"))));
    const QString blob = consulta.Texto(consulta.IndiceCampo(QStringLiteral("B_TEXTO")));
    EXPECT_EQ(blob.size(), 10000 * 11);
    EXPECT_TRUE(blob.endsWith(QStringLiteral("ação-09999;")));
}

TEST_F(ConsultaSqlTest, LinhasAteOFimETransacaoEncerrada)
{
    Abrir(QStringLiteral("SELECT ID FROM TIPOS ORDER BY ID"));
    std::vector<std::int64_t> ids;
    EXPECT_TRUE(consulta.Ativa());
    for (; !consulta.Eof(); consulta.Proximo())
        ids.push_back(consulta.Inteiro(0));
    EXPECT_EQ(ids, (std::vector<std::int64_t>{1, 2, 3}));
    // All rows read: the statement and its transaction are gone.
    EXPECT_FALSE(consulta.Ativa());

    Abrir(QStringLiteral("SELECT ID FROM TIPOS WHERE ID < 0"));
    EXPECT_TRUE(consulta.Eof());
    EXPECT_FALSE(consulta.Ativa());
}

TEST_F(ConsultaSqlTest, SoExecutaSelect)
{
    try {
        Abrir(QStringLiteral("UPDATE TIPOS SET N_INT = 0"));
        FAIL() << "um UPDATE não pode ser executado";
    } catch (const ErroBanco&) {
        FAIL() << "recusado pela aplicação, não pelo banco";
    } catch (const Erro& e) {
        EXPECT_EQ(e.Mensagem(), QStringLiteral("Somente comandos SELECT podem ser executados"));
    }
    Abrir(QStringLiteral("SELECT N_INT FROM TIPOS WHERE ID = 1"));
    EXPECT_EQ(consulta.Inteiro(0), 123456);
}

TEST_F(ConsultaSqlTest, ErroDoBancoComATextoDoCliente)
{
    try {
        Abrir(QStringLiteral("SELECT * FROM NAO_EXISTE"));
        FAIL();
    } catch (const ErroBanco& e) {
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("Table unknown"))) << e.what();
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("NAO_EXISTE"))) << e.what();
        // Beside the text, what a program tests: isc_dsql_error and "table unknown".
        EXPECT_EQ(e.Codigo(), 335544569);
        EXPECT_EQ(e.SqlState(), QStringLiteral("42S02"));
    }
    EXPECT_FALSE(consulta.Ativa());
    EXPECT_THROW(consulta.IndiceCampo(QStringLiteral("X")), Erro);
}

TEST_F(ConsultaSqlTest, LeituraSemLinhaForaDoResultadoOuDeOutroTipoFalhaNomeandoOCampo)
{
    const auto falha = [&](auto leitura) -> std::string {
        try {
            leitura();
        } catch (const Erro& e) {
            return e.Mensagem().toStdString();
        }
        return "nenhuma";
    };
    Abrir(QStringLiteral("SELECT N_INT, C_WIN, B_TEXTO FROM TIPOS WHERE ID = 1"));
    EXPECT_EQ(falha([&] { consulta.Inteiro(1); }), "Campo 'C_WIN' do tipo CHAR não pode ser lido como número inteiro");
    EXPECT_EQ(falha([&] { consulta.Texto(0); }), "Campo 'N_INT' do tipo INTEGER não pode ser lido como texto");
    EXPECT_EQ(falha([&] { consulta.Data(3); }), "Campo de número 3 fora do resultado, que tem 3 campos");
    consulta.Proximo();
    ASSERT_TRUE(consulta.Eof());
    EXPECT_EQ(falha([&] { consulta.Inteiro(0); }), "Campo 'N_INT' lido sem linha atual: a consulta já passou da última linha");
    EXPECT_EQ(falha([&] { consulta.Texto(2); }), "Campo 'B_TEXTO' lido sem linha atual: a consulta já passou da última linha");

    // A NULL is never read as the buffer's leftovers; a bare NULL column is one.
    Abrir(QStringLiteral("SELECT N_INT, V_WIN, NULL AS NADA FROM TIPOS WHERE ID IN (1, 2) ORDER BY ID"));
    consulta.Proximo();
    EXPECT_EQ(falha([&] { consulta.Inteiro(0); }), "Campo 'N_INT' é nulo (NULL) e foi lido como número inteiro");
    EXPECT_EQ(falha([&] { consulta.Texto(1); }), "Campo 'V_WIN' é nulo (NULL) e foi lido como texto");
    EXPECT_TRUE(consulta.EhNulo(2));
    EXPECT_EQ(falha([&] { Abrir(QStringLiteral("SELECT ID, VALORES FROM MATRIZES")); }),
              "O campo 'VALORES' é do tipo ARRAY, que o programa não sabe ler");
    EXPECT_FALSE(consulta.Ativa());
}

TEST_F(ConsultaSqlTest, CharCortadoPorCaracteresECadaConjuntoComSeuNomeELargura)
{
    Abrir(QStringLiteral("SELECT CAST(_UTF8 'ab😀' AS CHAR(3) CHARACTER SET UTF8), "
                         "CAST(_UTF8 '😀😀a' AS CHAR(3) CHARACTER SET UTF8) FROM RDB$DATABASE"));
    EXPECT_EQ(consulta.Texto(0), QStringLiteral("ab😀"));
    EXPECT_EQ(consulta.Texto(1), QStringLiteral("😀😀a"));
    // Only blanks go: characters beyond n stay, as Firebird returns them.
    Abrir(QStringLiteral("SELECT C, ID FROM KATAKANA ORDER BY ID"));
    if (consulta.Inteiro(1) == 1) { // not on Firebird 4, which refuses to store it
        EXPECT_EQ(consulta.Texto(0), QStringLiteral("ｱｲｳ"));
        consulta.Proximo();
    }
    EXPECT_EQ(consulta.Texto(0), QStringLiteral("ｱ "));

    // Every set the database knows (how each decodes: RepertorioConjuntosTest).
    Abrir(QStringLiteral("SELECT RDB$CHARACTER_SET_ID, TRIM(RDB$CHARACTER_SET_NAME), RDB$BYTES_PER_CHARACTER FROM RDB$CHARACTER_SETS"));
    for (; !consulta.Eof(); consulta.Proximo()) {
        const auto id = static_cast<unsigned>(consulta.Inteiro(0));
        EXPECT_EQ(NomeDoCharSet(id), consulta.Texto(1));
        EXPECT_EQ(BytesPorCaractere(id), consulta.Inteiro(2)) << consulta.Texto(1).toStdString();
    }
}

TEST_F(ConsultaSqlTest, CadaComandoNumInstantaneoSomenteLeitura)
{
    // A statement that never ends, seen from a second attachment while it runs.
    PastaTemporaria sem;
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, sem / "sem-fim.fdb");
    ConexaoSql longa, monitor;
    for (ConexaoSql* c : {&longa, &monitor}) {
        c->DefinirParametro(QStringLiteral("Database"), QString::fromStdString((sem / "sem-fim.fdb").string()));
        c->Conectar();
    }
    ConsultaSql sql(&longa);
    sql.AdicionarLinha(QStringLiteral("SELECT * FROM TB002"));
    std::thread executando([&] { EXPECT_THROW(sql.Abrir(), ErroBanco); });
    ConsultaSql mon(&monitor);
    mon.AdicionarLinha(QStringLiteral("SELECT T.MON$ISOLATION_MODE, T.MON$READ_ONLY FROM MON$TRANSACTIONS T "
                                      "JOIN MON$ATTACHMENTS A ON A.MON$ATTACHMENT_ID = T.MON$ATTACHMENT_ID "
                                      "WHERE A.MON$ATTACHMENT_ID <> CURRENT_CONNECTION AND A.MON$SYSTEM_FLAG = 0"));
    for (int i = 0; i < 500; ++i) {
        mon.Abrir();
        if (!mon.Eof())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_FALSE(mon.Eof());
    EXPECT_EQ(mon.Inteiro(0), 1); // concurrency: a snapshot
    EXPECT_EQ(mon.Inteiro(1), 1);
    mon.Fechar();
    longa.CancelarOperacao();
    executando.join();
}
