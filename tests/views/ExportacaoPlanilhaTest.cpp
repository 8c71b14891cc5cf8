#include "linux/AplicativoPadrao.h"
#include "BancosDeTeste.h"
#include "DialogosDeTeste.h"
#include "ExportacaoPlanilha.h"
#include "LogView.h"
#include "Planilhas.h"
#include "RegistroDeTestes.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

using namespace Quorvane;

namespace {

TLogAlertasAndErros Achado(const QString& alerta, const QString& erro, const QString& correcao)
{
    TLogAlertasAndErros achado;
    achado.FAlerta = alerta;
    achado.FErro = erro;
    achado.FCorrecao = correcao;
    return achado;
}

// The workbook's rows as openpyxl reads them, cells joined by "|".
QStringList LinhasDaPlanilha(const std::filesystem::path& arquivo)
{
    QStringList linhas;
    for (const QStringList& celulas : Testes::CelulasDaPlanilha(arquivo))
        linhas << celulas.join(u'|');
    return linhas;
}

void ClicarExcel(TLogView& tela)
{
    QTest::mouseClick(tela.findChild<QPushButton*>(QStringLiteral("btnExcel")), Qt::LeftButton);
}

// A desktop of the test's own for the real opener: the system's MIME types and, if asked, one
// application, the default for .xlsx, that notes in "abriu" what it opens. Temporary files: tmp/.
struct DesktopDeTeste {
    // falha: the application ends at once with an error, as /bin/false or a spreadsheet that
    // cannot open the file.
    explicit DesktopDeTeste(bool comPlanilha, bool falha = false)
    {
        std::filesystem::create_directories(raiz / "usuario/applications");
        std::filesystem::create_directories(raiz / "sistema/tmp");
        std::filesystem::create_directory_symlink("/usr/share/mime", raiz / "sistema/mime");
        if (comPlanilha) {
            const std::string app = (raiz / "app").string();
            Testes::EscreverArquivo(app, falha ? std::string("#!/bin/sh\nexit 3\n")
                                               : "#!/bin/sh\necho \"$1\" > " + app + ".x; mv " + app + ".x " + app + ".abriu\n");
            std::filesystem::permissions(app, std::filesystem::perms::owner_all);
            Testes::EscreverArquivo(raiz / "usuario/applications/app.desktop", "[Desktop Entry]\nType=Application\nName=App\nExec=" + app + " %f\n");
            Testes::EscreverArquivo(raiz / "usuario/applications/mimeapps.list",
                                    "[Default Applications]\napplication/vnd.openxmlformats-officedocument.spreadsheetml.sheet=app.desktop\n");
        }
        for (int i = 0; i < 3; ++i)
            qputenv(variaveis[i], QByteArray::fromStdString((raiz / pastas[i]).string()));
    }
    ~DesktopDeTeste()
    {
        for (int i = 0; i < 3; ++i)
            anteriores[i].isNull() ? qunsetenv(variaveis[i]) : qputenv(variaveis[i], anteriores[i]);
    }
    const char* variaveis[3] = {"XDG_DATA_DIRS", "XDG_DATA_HOME", "TMPDIR"};
    const char* pastas[3] = {"sistema", "usuario", "sistema/tmp"};
    const QByteArray anteriores[3] = {qgetenv(variaveis[0]), qgetenv(variaveis[1]), qgetenv(variaveis[2])};
    Testes::PastaTemporaria raiz;
};

} // namespace

class TesteExportacaoPlanilha : public QObject {
    Q_OBJECT
private slots:
    void planilhaComAsLinhasComoMostradasEntregueAoDesktop()
    {
        TListaLogAlertasAndErros lista{
            Achado(QString(), QStringLiteral("Numero: 9"), QStringLiteral("UPDATE 9;")),
            Achado(QStringLiteral("NF: 1 ação"), QString(), QStringLiteral("Analisar os documentos")),
        };
        TLogAlertasAndErros buffer;
        buffer.FLista = &lista;
        std::vector<std::filesystem::path> entregues;
        TLogView tela(buffer, CriarExportacaoPlanilha([&](const std::filesystem::path& p, const std::function<void()>&) {
            entregues.push_back(p);
            return true;
        }));
        tela.show();
        ClicarExcel(tela);
        QCOMPARE(entregues.size(), std::size_t(1));
        const auto planilha = entregues[0];
        QCOMPARE(QString::fromStdString(planilha.filename().string()), QStringLiteral("Quorvane.xlsx"));
        QCOMPARE(LinhasDaPlanilha(planilha), QStringList({QStringLiteral("Alerta|Erro|Correção"),
                                                          QStringLiteral("NF: 1 ação||Analisar os documentos"),
                                                          QStringLiteral("|Numero: 9|UPDATE 9;")}));
        struct stat arquivo{}, pasta{};
        QCOMPARE(::stat(planilha.c_str(), &arquivo), 0);
        QCOMPARE(::stat(planilha.parent_path().c_str(), &pasta), 0);
        QCOMPARE(arquivo.st_mode & 0777, 0600u);
        QCOMPARE(pasta.st_mode & 0777, 0700u);
        std::filesystem::remove_all(planilha.parent_path());
    }

    void aplicativoPadraoDoDesktopAbreAPlanilha()
    {
        DesktopDeTeste desktop(true);
        EscopoDialogos dialogos;
        TListaLogAlertasAndErros lista;
        TLogView tela(TLogAlertasAndErros{QString(), QString(), &lista, QString()}, CriarExportacaoPlanilha());
        tela.show();
        ClicarExcel(tela);
        QVERIFY(dialogos->caixas.empty());
        QTRY_VERIFY(std::filesystem::exists(desktop.raiz / "app.abriu"));
        QFile abriu(QString::fromStdString((desktop.raiz / "app.abriu").string()));
        QVERIFY(abriu.open(QIODevice::ReadOnly) && std::filesystem::exists(abriu.readAll().trimmed().toStdString()));
    }

    void semAplicativoQueAbraAMensagemUnicaEAJanelaFica()
    {
        EscopoDialogos dialogos;
        TListaLogAlertasAndErros lista{Achado(QStringLiteral("a"), QString(), QStringLiteral("b"))};
        TLogAlertasAndErros buffer;
        buffer.FLista = &lista;
        DesktopDeTeste desktop(false);
        TLogView tela(buffer, CriarExportacaoPlanilha());
        tela.show();
        ClicarExcel(tela);
        QCOMPARE(dialogos->caixas.size(), std::size_t(1));
        QVERIFY(dialogos->caixas[0].erro);
        QCOMPARE(dialogos->caixas[0].texto, QStringLiteral("Versão do Ms-Excel incompatível."));
        QVERIFY(tela.isVisible());
        // The workbook nobody opened does not stay behind.
        QVERIFY(std::filesystem::is_empty(desktop.raiz / "sistema/tmp"));
    }

    void linhaExecDaEntradaDoDesktop()
    {
        const QString arquivo = QStringLiteral("/tmp/a b/Quorvane.xlsx");
        QCOMPARE(ArgumentosDoExec(QStringLiteral("libreoffice --calc %U"), arquivo),
                 (QStringList{QStringLiteral("libreoffice"), QStringLiteral("--calc"), QStringLiteral("file:///tmp/a%20b/Quorvane.xlsx")}));
        QCOMPARE(ArgumentosDoExec(QStringLiteral("\"/opt/my app/calc\" -n %i --x=\"a\\\"b\" 100%%"), arquivo),
                 (QStringList{QStringLiteral("/opt/my app/calc"), QStringLiteral("-n"), QStringLiteral("--x=a\"b"), QStringLiteral("100%"), arquivo}));
        QVERIFY(ArgumentosDoExec(QStringLiteral("\"sem fim %f"), arquivo).isEmpty());
    }

    void aplicativoQueFalhaDaAMesmaMensagemERemoveAPasta()
    {
        EscopoDialogos dialogos;
        TListaLogAlertasAndErros lista{Achado(QStringLiteral("a"), QString(), QStringLiteral("b"))};
        TLogAlertasAndErros buffer;
        buffer.FLista = &lista;
        DesktopDeTeste desktop(true, true);
        TLogView tela(buffer, CriarExportacaoPlanilha());
        tela.show();
        ClicarExcel(tela);
        QVERIFY(!std::filesystem::is_empty(desktop.raiz / "sistema/tmp"));
        QTRY_COMPARE(dialogos->caixas.size(), std::size_t(1));
        QVERIFY(dialogos->caixas[0].erro);
        QCOMPARE(dialogos->caixas[0].texto, QStringLiteral("Versão do Ms-Excel incompatível."));
        QVERIFY(std::filesystem::is_empty(desktop.raiz / "sistema/tmp"));
        QVERIFY(tela.isVisible());
    }
};

QUORVANE_SUITE(TesteExportacaoPlanilha);

#include "ExportacaoPlanilhaTest.moc"
