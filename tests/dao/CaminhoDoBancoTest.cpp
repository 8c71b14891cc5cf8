#include "CaminhoDoBanco.h"

#include <gtest/gtest.h>

using namespace Quorvane;

TEST(CaminhoDoBanco, CaminhosDoWindowsSaoArquivosLocais)
{
    for (const char* caminho : {"C:\\dados\\ERP.FDB", "c:/dados/ERP.FDB", "D:\\Gestão\\erp.fdb",
                                "\\\\servidor\\dados\\ERP.FDB", "/dados/erp.fdb"}) {
        const QString texto = QString::fromUtf8(caminho);
        EXPECT_TRUE(EhCaminhoLocal(texto)) << caminho;
        EXPECT_EQ(ServidorDoCaminho(texto), QString()) << caminho;
        EXPECT_EQ(ArquivoDoBancoNestaMaquina(texto), texto) << caminho;
    }
}

TEST(CaminhoDoBanco, ServidorAntesDeUmCaminhoDoWindows)
{
    for (const char* caminho : {"servidor:C:\\dados\\ERP.FDB", "servidor/3050:C:\\dados\\ERP.FDB",
                                "inet://servidor:3050/C:\\dados\\ERP.FDB", "servidor:/dados/erp.fdb"}) {
        const QString texto = QString::fromUtf8(caminho);
        EXPECT_FALSE(EhCaminhoLocal(texto)) << caminho;
        EXPECT_EQ(ServidorDoCaminho(texto), QStringLiteral("servidor")) << caminho;
    }
    EXPECT_EQ(ArquivoDoBancoNestaMaquina(QStringLiteral("localhost:C:\\dados\\ERP.FDB")), QStringLiteral("C:\\dados\\ERP.FDB"));
    EXPECT_EQ(ArquivoDoBancoNestaMaquina(QStringLiteral("127.0.0.1/3050:/dados/erp.fdb")), QStringLiteral("/dados/erp.fdb"));
    // An alias is the server's to resolve.
    EXPECT_EQ(ArquivoDoBancoNestaMaquina(QStringLiteral("localhost:ERP")), QString());
}
