#include "ProgramaCli.h"

using namespace Quorvane::Testes;

namespace {

const QString Mensagem = QStringLiteral("Não foi possível criar uma conexão com o banco ");

class ConfiguracaoRuimCli : public ::testing::Test {
protected:
    // Runs the checks that need no start date with this Config.ini content.
    ExecucaoCli Rodar(const std::string& conteudo)
    {
        EscreverArquivo(pasta / "Config.ini", conteudo);
        return Rodar();
    }
    ExecucaoCli Rodar(const std::map<QString, QString>& variaveis = {})
    {
        return RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string()),
                         QStringLiteral("--format"), QStringLiteral("tsv"), QStringLiteral("--check"),
                         QStringLiteral("CargaInicialSemCustoUnitarioEntrada")},
                        QStringLiteral("pt_BR.UTF-8"), QUORVANE_CLI, variaveis);
    }
    static std::string Banco() { return BancoDe("checks-a").string(); }

    PastaTemporaria pasta;
};

// What the runner must say for a configuration it cannot use: the single message naming the
// CAMINHO read (empty when none), nothing on standard output, status 4.
void EsperarFalha(const ExecucaoCli& r, const QString& caminho = QString())
{
    EXPECT_EQ(r.codigo, 4) << r.Erros().toStdString();
    EXPECT_EQ(r.Erros(), Mensagem + caminho + u'\n');
    EXPECT_TRUE(r.saida.isEmpty());
}

} // namespace

TEST_F(ConfiguracaoRuimCli, ArquivosQueNaoServem)
{
    EsperarFalha(Rodar()); // no file
    std::filesystem::create_directory(pasta / "Config.ini");
    EsperarFalha(Rodar()); // a folder in its place
    std::filesystem::remove(pasta / "Config.ini");
    EsperarFalha(Rodar(""));
    EsperarFalha(Rodar(std::string("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\x80\x81[BANCO\x00]CAMINHO=", 26)));
    EsperarFalha(Rodar("CAMINHO=" + Banco() + "\n"));
    EsperarFalha(Rodar("[OUTRA]\nCAMINHO=" + Banco() + "\n"));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=\n"));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=   ''   \n"));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=" + std::string(1 << 20, 'x') + "\n"), QString(2047, u'x'));
}

TEST_F(ConfiguracaoRuimCli, ValorCortadoEm2047Caracteres)
{
    // A path padded with slashes still names the database when cut: the 2,048th character and
    // after are not read.
    const std::string banco = Banco();
    const std::string longo = std::string(2047 - banco.size(), '/') + banco;
    EXPECT_EQ(Rodar("[BANCO]\nCAMINHO=" + longo + "\n").codigo, 2);
    EXPECT_EQ(Rodar("[BANCO]\nCAMINHO=" + longo + "xyz\n").codigo, 2);
    // One slash more and the cut takes the file name's last letter.
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=/" + longo + "\n"), QString::fromStdString("/" + longo).chopped(1));
}

TEST_F(ConfiguracaoRuimCli, FormasAceitasDoMesmoCaminho)
{
    for (const std::string& conteudo : {
             "[BANCO]\nCAMINHO=\"" + Banco() + "\"\n",
             "[BANCO]\r\n  caminho  =  '" + Banco() + "'  \r\n",
             "\xEF\xBB\xBF[banco]\r\nCaminho=" + Banco() + "\r\n",
             "; comentário\n[OUTRA]\nX=1\n[Banco]\nCAMINHO=" + Banco() + "\n",
         }) {
        const ExecucaoCli r = Rodar(conteudo);
        EXPECT_EQ(r.codigo, 2) << conteudo << r.Erros().toStdString();
    }
    // UTF-16 with its byte-order mark, as Notepad saves "Unicode".
    const QString texto = QStringLiteral("[BANCO]\r\nCAMINHO=") + QString::fromStdString(Banco()) + QStringLiteral("\r\n");
    std::string utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(texto.utf16()), static_cast<std::size_t>(texto.size()) * 2);
    EXPECT_EQ(Rodar(utf16).codigo, 2);
}

TEST_F(ConfiguracaoRuimCli, BancoRemovidoOuTravadoPorOutroProcesso)
{
    const auto banco = pasta / "banco.fdb";
    const QString caminho = QString::fromStdString(banco.string());
    std::filesystem::copy_file(Banco(), banco);
    const std::string config = "[BANCO]\nCAMINHO=" + banco.string() + "\n";
    {
        // The embedded engine cannot open a file that another program holds: it says so at once.
        TravaDeOutroProcesso trava(banco);
        EsperarFalha(Rodar(config), caminho);
    }
    EXPECT_EQ(Rodar(config).codigo, 2); // free again
    std::filesystem::remove(banco);
    EsperarFalha(Rodar(config), caminho);
}

TEST_F(ConfiguracaoRuimCli, BancoAbertoPeloServidorELidoPorEle)
{
    QUORVANE_EXIGE_SERVIDOR();
    // The usual holder of a database is the ERP's own server. When Config.ini names the file
    // itself, the client finds it locked and goes through the server on this machine instead.
    const auto banco = pasta / "banco.fdb";
    CriarBanco({"tests/fixtures/checks-a.sql"}, banco);
    ConexaoDeTeste peloServidor(CaminhoPeloServidor(banco));
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + banco.string() + "\n");
    const ExecucaoCli r = Rodar(ClienteDoServidorDeTeste());
    EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
    EXPECT_FALSE(r.saida.isEmpty());
}
