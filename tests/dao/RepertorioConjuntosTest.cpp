#include "BancosDeTeste.h"
#include "ClienteFirebird.h"
#include "FirebirdApi.h"
#include "ConexaoSql.h"
#include "ConsultaSql.h"
#include "DecodificacaoTexto.h"

#include <QProcess>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

// One value to store: a run of codes of one byte length, in one set.
struct Pedaco {
    int tamanho; // bytes per code
    std::string bytes;
};

// Every code of the set as values of up to a few thousand bytes. Multi-byte sets give every byte
// alone and every pair led by a byte of 0x80 or more (Firebird refuses those that are not codes
// of the set); GB18030 adds its four-byte codes, UTF8 and UNICODE_FSS every character they encode.
std::vector<Pedaco> Repertorio(const QString& nome, int bytesPorCaractere)
{
    std::vector<Pedaco> pedacos;
    if (nome == u"UTF8" || nome == u"UNICODE_FSS") {
        const char32_t limite = nome == u"UTF8" ? 0x110000 : 0x10000;
        for (char32_t inicio = 0; inicio < limite; inicio += 1024) {
            Pedaco p{0, {}};
            for (char32_t c = inicio; c < inicio + 1024 && c < limite; ++c)
                if (c < 0xD800 || c > 0xDFFF)
                    p.bytes += QString::fromUcs4(&c, 1).toUtf8().toStdString();
            if (!p.bytes.empty())
                pedacos.push_back(std::move(p));
        }
        return pedacos;
    }
    Pedaco simples{1, {}};
    for (int b = 0; b < 256; ++b)
        simples.bytes += static_cast<char>(b);
    pedacos.push_back(simples);
    if (bytesPorCaractere == 1)
        return pedacos;
    for (int lider = 0x80; lider < 0x100; ++lider) {
        Pedaco p{2, {}};
        for (int b = 0; b < 256; ++b)
            p.bytes += {static_cast<char>(lider), static_cast<char>(b)};
        pedacos.push_back(std::move(p));
    }
    if (nome == u"GB18030") {
        // The standard's four-byte ranges, in order: U+0080..U+FFFF's rest, then U+10000 up.
        const auto codigo = [](int ordem) {
            const int b4 = ordem % 10, b3 = ordem / 10 % 126, b2 = ordem / 1260 % 10, b1 = ordem / 12600;
            return std::string{static_cast<char>(0x81 + b1), static_cast<char>(0x30 + b2), static_cast<char>(0x81 + b3),
                               static_cast<char>(0x30 + b4)};
        };
        for (const auto& [de, ate] : {std::pair{0, 39420}, std::pair{189000, 189000 + 0x100000}})
            for (int inicio = de; inicio < ate; inicio += 1260) {
                Pedaco p{4, {}};
                for (int ordem = inicio; ordem < std::min(ate, inicio + 1260); ++ordem)
                    p.bytes += codigo(ordem);
                pedacos.push_back(std::move(p));
            }
    }
    return pedacos;
}

std::string Hexa(const std::string& bytes)
{
    return QByteArray::fromStdString(bytes).toHex().toUpper().toStdString();
}

// Each value is stored in a column of its set and read back by Firebird as UTF-8; a value Firebird
// refuses is stored code by code, and a code it cannot read as UTF-8 has none.
const char* Guardar = R"(CREATE TABLE R_%1 (N INTEGER, I INTEGER, V VARCHAR(2000) CHARACTER SET %2,
  U VARCHAR(8000) CHARACTER SET OCTETS);
SET TERM ^;
CREATE PROCEDURE GUARDAR_%1 AS
DECLARE N INTEGER; DECLARE L INTEGER; DECLARE O VARCHAR(8000) CHARACTER SET OCTETS;
DECLARE S VARCHAR(2000) CHARACTER SET %2; DECLARE U VARCHAR(2000) CHARACTER SET UTF8;
DECLARE I INTEGER; DECLARE E INTEGER;
BEGIN
  FOR SELECT N, L, O FROM ENTRADA WHERE CONJUNTO = %1 INTO N, L, O DO BEGIN
    E = 0;
    BEGIN S = O; U = %3; WHEN ANY DO E = 1; END
    IF (E = 0) THEN INSERT INTO R_%1 VALUES (:N, 0, :S, CAST(:U AS VARCHAR(8000) CHARACTER SET OCTETS));
    ELSE BEGIN
      I = 1;
      WHILE (I <= OCTET_LENGTH(O) / L) DO BEGIN
        E = 0; U = NULL;
        BEGIN S = SUBSTRING(O FROM (I - 1) * L + 1 FOR L); WHEN ANY DO E = 1; END
        IF (E = 0) THEN BEGIN
          BEGIN U = %3; WHEN ANY DO U = NULL; END
          INSERT INTO R_%1 VALUES (:N, :I, :S, CAST(:U AS VARCHAR(8000) CHARACTER SET OCTETS));
        END
        I = I + 1;
      END
    END
  END
END^
SET TERM ;^
EXECUTE PROCEDURE GUARDAR_%1;
COMMIT;
)";

struct Conjunto {
    unsigned id;
    QString nome;
    std::vector<Pedaco> pedacos;
};

// The sets as Firebird lists them, each with its repertoire stored in a table R_<id> of `banco`.
std::vector<Conjunto> GuardarRepertorios(const std::filesystem::path& banco)
{
    // Written without waiting for the disk: the file is thrown away after the test.
    const auto executar = [](const QString& programa, const QStringList& argumentos, const QByteArray& entrada) {
        QProcess processo;
        processo.start(programa, argumentos);
        processo.write(entrada);
        processo.closeWriteChannel();
        if (!processo.waitForFinished(300000) || processo.exitCode() != 0)
            ADD_FAILURE() << programa.toStdString() << ": " << processo.readAllStandardError().toStdString();
        return processo.readAllStandardOutput();
    };
    const QString caminho = QString::fromStdString(banco.string());
    executar(QStringLiteral("isql-fb"), {QStringLiteral("-q")},
             "CREATE DATABASE '" + caminho.toUtf8() + "' USER 'sysdba' PASSWORD 'x';\n");
    executar(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"), caminho}, {});
    const QByteArray lista = executar(QStringLiteral("isql-fb"), {QStringLiteral("-q"), caminho},
                                      "SET HEADING OFF;\nSELECT RDB$CHARACTER_SET_ID, TRIM(RDB$CHARACTER_SET_NAME), "
                                      "RDB$BYTES_PER_CHARACTER FROM RDB$CHARACTER_SETS;\n");
    std::vector<Conjunto> conjuntos;
    for (const QString& linha : QString::fromUtf8(lista).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList campos = linha.split(u' ', Qt::SkipEmptyParts);
        if (campos.size() == 3)
            conjuntos.push_back({campos[0].toUInt(), campos[1], Repertorio(campos[1], campos[2].toInt())});
    }
    std::ostringstream script;
    script << "SET BAIL ON;\nCREATE TABLE ENTRADA (CONJUNTO INTEGER, N INTEGER, L INTEGER, "
              "O VARCHAR(8000) CHARACTER SET OCTETS);\n";
    for (const Conjunto& c : conjuntos) {
        for (std::size_t n = 0; n < c.pedacos.size(); ++n)
            script << "INSERT INTO ENTRADA VALUES (" << c.id << ", " << n << ", " << std::max(c.pedacos[n].tamanho, 1)
                   << ", x'" << Hexa(c.pedacos[n].bytes) << "');\n";
        // NONE is read as WIN1252, by Firebird's table of that set.
        const QString leitura = c.nome == u"NONE"
            ? QStringLiteral("CAST(CAST(S AS VARCHAR(2000) CHARACTER SET OCTETS) AS VARCHAR(2000) CHARACTER SET WIN1252)")
            : QStringLiteral("S");
        script << QString::fromUtf8(Guardar).arg(QString::number(c.id), c.nome, leitura).toStdString();
    }
    // From a file: isql reads its standard input far more slowly.
    const std::filesystem::path arquivo = banco.parent_path() / "repertorio.sql";
    EscreverArquivo(arquivo, script.str());
    executar(QStringLiteral("isql-fb"),
             {QStringLiteral("-q"), caminho, QStringLiteral("-i"), QString::fromStdString(arquivo.string())}, {});
    return conjuntos;
}

// Firebird's UTF-8, with its mark for "no character" (NUL for a code that is not NUL) as the
// U+FFFD the program gives there.
std::u32string Esperado(const QByteArray& utf8, const std::string& codigos, int tamanho)
{
    QStringDecoder decodificador(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    std::u32string texto = QString(decodificador.decode(utf8)).toStdU32String();
    if (tamanho > 0 && texto.size() * tamanho == codigos.size())
        for (std::size_t i = 0; i < texto.size(); ++i)
            if (texto[i] == 0 && codigos.find_first_not_of('\0', i * tamanho) < (i + 1) * tamanho)
                texto[i] = U'\uFFFD';
    return texto;
}

} // namespace

TEST(RepertorioConjuntos, CadaCodigoDeCadaConjuntoComoOFirebirdOLe)
{
    // The decoder's tables are Firebird 3's; Firebird 4's engine, the embedded one where its client
    // is the machine's, reads some sets otherwise.
    const unsigned versao = ClienteFirebird::Carregar(ConexaoSql::BibliotecaPadrao)->Util()->getClientVersion();
    if (versao >> 8 != 3)
        GTEST_SKIP() << "as tabelas são as do Firebird 3; o cliente e o motor desta máquina são do Firebird " << (versao >> 8);
    PastaTemporaria pasta;
    const std::vector<Conjunto> conjuntos = GuardarRepertorios(pasta / "repertorio.fdb");
    ASSERT_EQ(conjuntos.size(), 52u);
    ConexaoSql conexao;
    conexao.DefinirParametro(QStringLiteral("Database"), QString::fromStdString((pasta / "repertorio.fdb").string()));
    conexao.DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
    conexao.Conectar();
    ConsultaSql consulta(&conexao);
    for (const Conjunto& c : conjuntos) {
        int valores = 0, diferentes = 0;
        std::string exemplos;
        consulta.LimparSQL();
        consulta.AdicionarLinha(QStringLiteral("SELECT N, I, V, U, U IS NULL FROM R_%1").arg(c.id));
        for (consulta.Abrir(); !consulta.Eof(); consulta.Proximo()) {
            const Pedaco& p = c.pedacos[static_cast<std::size_t>(consulta.Inteiro(0))];
            const int i = static_cast<int>(consulta.Inteiro(1));
            const std::string codigos =
                i == 0 ? p.bytes : p.bytes.substr(static_cast<std::size_t>((i - 1) * p.tamanho), p.tamanho);
            // OCTETS, which Firebird has no reading of, is shown byte for byte.
            const bool semLeitura = c.nome != u"OCTETS" && consulta.Inteiro(4) != 0;
            const std::u32string esperado = c.nome == u"OCTETS"
                ? QString::fromLatin1(codigos.data(), static_cast<qsizetype>(codigos.size())).toStdU32String()
                : semLeitura ? std::u32string() // U is NULL: nothing to expect
                             : Esperado(consulta.Texto(3).toLatin1(), codigos, p.tamanho);
            const std::u32string lido = consulta.Texto(2).toStdU32String();
            ++valores;
            // Where Firebird cannot read the value at all, the program must show what it cannot read.
            const bool igual = semLeitura ? lido.find(U'\uFFFD') != std::u32string::npos : lido == esperado;
            if (!igual && ++diferentes <= 3) {
                const auto [f, l] = std::mismatch(esperado.begin(), esperado.end(), lido.begin(), lido.end());
                exemplos += QStringLiteral(" [%1…, caractere %2: Firebird U+%3, programa U+%4]")
                                .arg(QString::fromStdString(Hexa(codigos.substr(0, 8))))
                                .arg(f - esperado.begin())
                                .arg(f == esperado.end() ? 0 : *f, 4, 16, QLatin1Char('0'))
                                .arg(l == lido.end() ? 0 : *l, 4, 16, QLatin1Char('0'))
                                .toStdString();
            }
        }
        EXPECT_GT(valores, 0) << c.nome.toStdString();
        EXPECT_EQ(diferentes, 0) << c.nome.toStdString() << ": " << diferentes << " de " << valores
                                 << " valores diferem do Firebird" << exemplos;
    }
}
