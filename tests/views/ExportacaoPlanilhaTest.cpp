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

// A desktop of the test's own for the real opener: the system's MIME types, no application but,
// if asked, a spreadsheet one set as the default for .xlsx, which records what it is given to open.
// Temporary files go to a folder of their own.
struct DesktopDeTeste {
    explicit DesktopDeTeste(bool comPlanilha)
    {
        std::filesystem::create_directories(raiz / "sistema");
        std::filesystem::create_directory_symlink("/usr/share/mime", raiz / "sistema/mime");
        std::filesystem::create_directories(raiz / "usuario/applications");
        std::filesystem::create_directories(raiz / "config");
        std::filesystem::create_directories(raiz / "tmp");
        if (comPlanilha) {
            Testes::EscreverArquivo(raiz / "planilha", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> " + abertas.string() + "\n");
            std::filesystem::permissions(raiz / "planilha", std::filesystem::perms::owner_all);
            Testes::EscreverArquivo(raiz / "usuario/applications/planilha.desktop",
                                    "[Desktop Entry]\nType=Application\nName=Planilha\nExec=" + (raiz / "planilha").string() +
                                        " %f\nMimeType=application/vnd.openxmlformats-officedocument.spreadsheetml.sheet;\n");
            Testes::EscreverArquivo(raiz / "config/mimeapps.list", "[Default Applications]\n"
                                    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet=planilha.desktop\n");
        }
        for (const auto& [variavel, pasta] : variaveis) {
            anteriores.emplace_back(variavel, qgetenv(variavel));
            qputenv(variavel, QByteArray::fromStdString((raiz / pasta).string()));
        }
    }
    ~DesktopDeTeste()
    {
        for (const auto& [variavel, valor] : anteriores)
            valor.isNull() ? qunsetenv(variavel) : qputenv(variavel, valor);
    }

    Testes::PastaTemporaria raiz;
    std::filesystem::path abertas = raiz / "abertas";
    const std::vector<std::pair<const char*, const char*>> variaveis{
        {"XDG_DATA_DIRS", "sistema"}, {"XDG_DATA_HOME", "usuario"}, {"XDG_CONFIG_HOME", "config"},
        {"XDG_CONFIG_DIRS", "config"}, {"TMPDIR", "tmp"}};
    std::vector<std::pair<const char*, QByteArray>> anteriores;
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
        DesktopDeTeste desktop(true);
        EscopoDialogos dialogos;
        TLogView tela(buffer, CriarExportacaoPlanilha());
        tela.show();
        ClicarExcel(tela);
        QVERIFY(dialogos->caixas.empty());
        QTRY_VERIFY(std::filesystem::exists(desktop.abertas));
        QFile abertas(QString::fromStdString(desktop.abertas.string()));
        QVERIFY(abertas.open(QIODevice::ReadOnly));
        const std::filesystem::path planilha = abertas.readAll().trimmed().toStdString();
        QCOMPARE(QString::fromStdString(planilha.filename().string()), QStringLiteral("Quorvane.xlsx"));
        QCOMPARE(LinhasDaPlanilha(planilha), QStringList({QStringLiteral("Alerta|Erro|Correção"),
                                                          QStringLiteral("NF: 1 ação||Analisar os documentos"),
                                                          QStringLiteral("|Numero: 9|UPDATE 9;")}));
        struct stat arquivo{}, pasta{};
        QCOMPARE(::stat(planilha.c_str(), &arquivo), 0);
        QCOMPARE(::stat(planilha.parent_path().c_str(), &pasta), 0);
        QCOMPARE(arquivo.st_mode & 0777, 0600u);
        QCOMPARE(pasta.st_mode & 0777, 0700u);
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
        QVERIFY(std::filesystem::is_empty(desktop.raiz / "tmp"));
    }
};

QUORVANE_SUITE(TesteExportacaoPlanilha);

#include "ExportacaoPlanilhaTest.moc"
