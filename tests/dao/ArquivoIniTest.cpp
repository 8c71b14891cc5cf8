#include "ArquivoIni.h"
#include "ArquivosDeTeste.h"

#include <gtest/gtest.h>

using namespace Quorvane;

namespace {

QString Caminho(const QString& texto)
{
    return LerValorIniDeTexto(texto, QStringLiteral("BANCO"), QStringLiteral("CAMINHO"));
}

} // namespace

TEST(ArquivoIni, NomesDeSecaoEChaveEmQualquerCaixa)
{
    EXPECT_EQ(Caminho(QStringLiteral("[banco]\ncaminho=/a.fdb\n")), QStringLiteral("/a.fdb"));
    EXPECT_EQ(Caminho(QStringLiteral("[Banco]\r\nCaMiNhO=/b.fdb\r\n")), QStringLiteral("/b.fdb"));
    EXPECT_EQ(Caminho(QStringLiteral("  [ BANCO ]  \n  CAMINHO  =  /c.fdb  \n")), QStringLiteral("/c.fdb"));
}

TEST(ArquivoIni, BrancosEUmParDeAspasSaem)
{
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO= \"/com espaço.fdb\" \n")), QStringLiteral("/com espaço.fdb"));
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO='/x.fdb'\n")), QStringLiteral("/x.fdb"));
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO=\"\"/x.fdb\"\"\n")), QStringLiteral("\"/x.fdb\""));
    // Mismatched quotes stay.
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO=\"/x.fdb'\n")), QStringLiteral("\"/x.fdb'"));
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO=\t\n")), QString());
}

TEST(ArquivoIni, OutraSecaoOuChaveAusenteDaVazio)
{
    EXPECT_EQ(Caminho(QStringLiteral("[OUTRA]\nCAMINHO=/a.fdb\n")), QString());
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nSERVIDOR=x\n[OUTRA]\nCAMINHO=/a.fdb\n")), QString());
    EXPECT_EQ(Caminho(QStringLiteral("CAMINHO=/sem-secao.fdb\n")), QString());
    EXPECT_EQ(Caminho(QString()), QString());
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\n;CAMINHO=/comentado.fdb\n")), QString());
}

TEST(ArquivoIni, PrimeiraChaveEPrimeiraSecaoValem)
{
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO=/1.fdb\nCAMINHO=/2.fdb\n")), QStringLiteral("/1.fdb"));
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nX=1\n[BANCO]\nCAMINHO=/2.fdb\n")), QString());
}

TEST(ArquivoIni, ValorCortadoEm2047Caracteres)
{
    const QString longo(5000, u'a');
    EXPECT_EQ(Caminho(QStringLiteral("[BANCO]\nCAMINHO=") + longo + u'\n'), QString(2047, u'a'));
}

TEST(ArquivoIni, CodificacoesDoArquivo)
{
    EXPECT_EQ(DecodificarArquivoIni(QByteArray("\xEF\xBB\xBF[BANCO]")), QStringLiteral("[BANCO]"));
    EXPECT_EQ(DecodificarArquivoIni(QByteArray("/dados/a\xC3\xA7\xC3\xA3o.fdb")), QStringLiteral("/dados/ação.fdb"));
    // Not UTF-8: read as WIN1252, as a Windows editor would have saved it.
    EXPECT_EQ(DecodificarArquivoIni(QByteArray("/dados/a\xE7\xE3o.fdb")), QStringLiteral("/dados/ação.fdb"));
    const QString utf16 = QStringLiteral("[BANCO]\r\nCAMINHO=/ação.fdb\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    EXPECT_EQ(Caminho(DecodificarArquivoIni(bytes)), QStringLiteral("/ação.fdb"));
}

TEST(ArquivoIni, ArquivoDoDiscoComMarcaDeOrdem)
{
    Testes::PastaTemporaria pasta;
    Testes::EscreverArquivo(pasta / "Config.ini", "\xEF\xBB\xBF[BANCO]\r\nCAMINHO=/x.fdb\r\n");
    EXPECT_EQ(LerValorIni(pasta / "Config.ini", QStringLiteral("BANCO"), QStringLiteral("CAMINHO")), QStringLiteral("/x.fdb"));
    EXPECT_EQ(LerValorIni(pasta / "nao-existe.ini", QStringLiteral("BANCO"), QStringLiteral("CAMINHO")), QString());
}
