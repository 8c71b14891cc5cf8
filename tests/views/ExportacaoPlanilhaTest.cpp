#include "BancosDeTeste.h"
#include "DialogosDeTeste.h"
#include "ExportacaoPlanilha.h"
#include "LogView.h"
#include "Planilhas.h"
#include "RegistroDeTestes.h"

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
        TLogView tela(buffer, CriarExportacaoPlanilha([&](const std::filesystem::path& p) {
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

    void semAplicativoQueAbraAMensagemUnicaEAJanelaFica()
    {
        EscopoDialogos dialogos;
        TListaLogAlertasAndErros lista{Achado(QStringLiteral("a"), QString(), QStringLiteral("b"))};
        TLogAlertasAndErros buffer;
        buffer.FLista = &lista;
        std::filesystem::path recusada;
        TLogView tela(buffer, CriarExportacaoPlanilha([&](const std::filesystem::path& p) {
            recusada = p;
            return false;
        }));
        tela.show();
        ClicarExcel(tela);
        QCOMPARE(dialogos->caixas.size(), std::size_t(1));
        QVERIFY(dialogos->caixas[0].erro);
        QCOMPARE(dialogos->caixas[0].texto, QStringLiteral("Versão do Ms-Excel incompatível."));
        QVERIFY(tela.isVisible());
        // The workbook nobody opened does not stay behind.
        QVERIFY(!recusada.empty());
        QVERIFY(!std::filesystem::exists(recusada.parent_path()));
    }
};

QUORVANE_SUITE(TesteExportacaoPlanilha);

#include "ExportacaoPlanilhaTest.moc"
