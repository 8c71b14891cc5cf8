#include "ClienteDoSistema.h"
#include "PastaDoPrograma.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace Quorvane;

TEST(ClienteDoSistema, ClienteAusenteOuInvalidoDizOQueFaltaEOndeProcurou)
{
    const BibliotecaCarregada ausente = CarregarClienteFirebird("quorvane-sem-cliente");
    EXPECT_EQ(ausente.modulo, nullptr);
    EXPECT_TRUE(ausente.falha.contains(QStringLiteral("quorvane-sem-cliente"))) << ausente.falha.toStdString();
#ifdef _WIN32
    // This machine has no fbclient.dll; one that is no 64-bit library is put beside the program.
    const std::filesystem::path falso = PastaDoPrograma() / "fbclient.dll";
    const BibliotecaCarregada semCliente = CarregarClienteFirebird(ClienteFirebirdPadrao);
    ASSERT_EQ(semCliente.modulo, nullptr);
    for (const QString& parte : {QStringLiteral("fbclient.dll"), QString::fromStdWString(falso.wstring()),
                                 QStringLiteral("caminho de busca do Windows"), QStringLiteral("64 bits do Firebird 3 ou 4")})
        EXPECT_TRUE(semCliente.falha.contains(parte)) << semCliente.falha.toStdString();
    std::ofstream(falso, std::ios::binary) << "MZ não é uma DLL";
    const BibliotecaCarregada invalido = CarregarClienteFirebird(ClienteFirebirdPadrao);
    std::filesystem::remove(falso);
    EXPECT_EQ(invalido.modulo, nullptr);
    EXPECT_TRUE(invalido.falha.contains(QStringLiteral("não é uma biblioteca de 64 bits"))) << invalido.falha.toStdString();
#endif
}
