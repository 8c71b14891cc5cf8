#include "ExecucaoCli.h"

using namespace Quorvane::Testes;

// Where Windows keeps no Firebird client (here: none at all), the runner says which library it
// looked for, where, and which one it needs; the path of Config.ini arrives whole, accents
// included, as Windows passes arguments in UTF-16.
TEST(ClienteAusenteCli, FbclientDllNaoEncontrada)
{
    PastaTemporaria pasta;
    const auto acentuada = pasta.Caminho() / u8"Configuração Ω";
    std::filesystem::create_directory(acentuada);
    EscreverArquivo(acentuada / "Config.ini", "[BANCO]\r\nCAMINHO=C:\\dados\\erp.fdb\r\n");
    const QString config = QString::fromStdWString((acentuada / "Config.ini").wstring());
    const ExecucaoCli r = RodarCli({QStringLiteral("--config"), config});
    const QString causa = EsperarFalha(r, QStringLiteral("C:\\dados\\erp.fdb"));
    EXPECT_TRUE(causa.startsWith(QStringLiteral("Biblioteca cliente do Firebird não encontrada: fbclient.dll"))) << causa.toStdString();
    const QString programa = QString::fromStdWString(std::filesystem::path(QUORVANE_CLI).parent_path().make_preferred().wstring());
    EXPECT_TRUE(causa.contains(programa + QStringLiteral("\\fbclient.dll"))) << causa.toStdString();
    EXPECT_TRUE(causa.contains(QStringLiteral("64 bits do Firebird 3 ou 4"))) << causa.toStdString();

    // A Config.ini that is not there is named as given, accents included.
    const QString ausente = QString::fromStdWString((acentuada / u8"Não há.ini").wstring());
    EXPECT_TRUE(EsperarFalha(RodarCli({QStringLiteral("--config"), ausente})).startsWith(ausente + QStringLiteral(" não existe")));
}

// The output is made beside its place before the connection, under a name of its own, and goes
// when the run fails: nothing is left behind, under any name. A folder is refused at once.
TEST(ClienteAusenteCli, SaidaNaoFicaParaTras)
{
    PastaTemporaria pasta;
    const auto acentuada = pasta.Caminho() / u8"Saídas Ω";
    std::filesystem::create_directory(acentuada);
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\r\nCAMINHO=C:\\dados\\erp.fdb\r\n");
    const QString config = QString::fromStdWString((pasta / "Config.ini").wstring());
    const QString saida = QString::fromStdWString((acentuada / u8"achados ção.tsv").wstring());
    EsperarFalha(RodarCli({QStringLiteral("--config"), config, QStringLiteral("--output"), saida}), QStringLiteral("C:\\dados\\erp.fdb"));
    EXPECT_TRUE(std::filesystem::is_empty(acentuada));

    const QString pastaComoSaida = QString::fromStdWString(acentuada.wstring());
    const ExecucaoCli r = RodarCli({QStringLiteral("--config"), config, QStringLiteral("--output"), pastaComoSaida});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_TRUE(r.Erros().startsWith(QStringLiteral("Não foi possível gravar o arquivo ") + pastaComoSaida + QStringLiteral(": ")))
        << r.Erros().toStdString();
    EXPECT_TRUE(std::filesystem::is_empty(acentuada));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 2);
}
