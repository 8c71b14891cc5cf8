#include "ExecucaoCli.h"

using namespace Quorvane::Testes;

namespace {

// Config.ini faults found before any database is opened: the same on every system.
class ConfigIniCli : public ::testing::Test {
protected:
    ExecucaoCli Rodar(const std::string& conteudo)
    {
        EscreverArquivo(pasta / "Config.ini", conteudo);
        return Rodar();
    }
    ExecucaoCli Rodar()
    {
        return RodarCli({QStringLiteral("--config"), Config(), QStringLiteral("--format"), QStringLiteral("tsv"),
                         QStringLiteral("--check"), QStringLiteral("CargaInicialSemCustoUnitarioEntrada")});
    }
    QString Config() const { return QString::fromStdString((pasta / "Config.ini").string()); }
    // Never opened: each fault is found first.
    std::string Banco() const { return (pasta / "erp.fdb").string(); }

    PastaTemporaria pasta;
};

} // namespace

TEST_F(ConfigIniCli, ArquivosQueNaoServem)
{
    // Each fault has its reason, naming the file.
    const auto motivo = [&](const ExecucaoCli& r, const QString& falta, const QString& caminho = QString()) {
        const QString causa = EsperarFalha(r, caminho);
        EXPECT_TRUE(causa.startsWith(Config()) && causa.contains(falta)) << causa.toStdString();
    };
    motivo(Rodar(), QStringLiteral(" não existe")); // no file
    std::filesystem::create_directory(pasta / "Config.ini");
    motivo(Rodar(), QStringLiteral(" é uma pasta")); // a folder in its place
    std::filesystem::remove(pasta / "Config.ini");
    motivo(Rodar(""), QStringLiteral(" está vazio"));
    motivo(Rodar(std::string("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\x80\x81[BANCO\x00]CAMINHO=", 26)), QStringLiteral(" não é um arquivo de texto"));
    motivo(Rodar("CAMINHO=" + Banco() + "\n"), QStringLiteral(" não tem a seção [BANCO]"));
    motivo(Rodar("[OUTRA]\nCAMINHO=" + Banco() + "\n"), QStringLiteral(" não tem a seção [BANCO]"));
    motivo(Rodar("[BANCO]\nMOTOR=embutido\n"), QStringLiteral("não tem a chave CAMINHO"));
    motivo(Rodar("[BANCO]\nCAMINHO=\n"), QStringLiteral("CAMINHO está vazio"));
    motivo(Rodar("[BANCO]\nCAMINHO=   ''   \n"), QStringLiteral("CAMINHO está vazio"));
    motivo(Rodar("[BANCO]\nCAMINHO=" + Banco() + "\nMOTOR=nuvem\n"), QStringLiteral("MOTOR=nuvem não é válido"),
           QString::fromStdString(Banco()));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=" + std::string(1 << 20, 'x') + "\n"), QString(2047, u'x'));
}
