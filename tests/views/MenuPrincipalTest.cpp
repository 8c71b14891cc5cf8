#include "BancosDeTeste.h"
#include "BotoesDeTeste.h"
#include "DialogosDeTeste.h"
#include "MenuPrincipalView.h"
#include "RegistroDeTestes.h"
#include "TelaLogModal.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolTip>

#include <optional>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

// The main window over one fixture database, with the dialogs answered by the test.
struct JanelaDeTeste {
    explicit JanelaDeTeste(const QString& banco) : conexao(banco), janela(FormatoPtBr(), std::make_shared<TTelaLogModal>()) {}

    template <typename T = QWidget>
    T* Controle(const char* nome)
    {
        auto* controle = janela.findChild<T*>(QString::fromLatin1(nome));
        if (!controle)
            qFatal("controle %s não encontrado", nome);
        return controle;
    }
    QString Texto(const char* nome) { return Controle<QLabel>(nome)->text(); }

    ConexaoDeTeste conexao;
    EscopoDialogos dialogos;
    TMenuPrincipalView janela;
};

} // namespace

class TesteMenuPrincipal : public QObject {
    Q_OBJECT

    std::optional<PastaTemporaria> bancos;
    QString Banco(const char* nome) const { return QString::fromStdString((*bancos / nome).string()); }

private slots:
    void initTestCase()
    {
        bancos.emplace();
        CriarBanco({"tests/fixtures/checks-a.sql"}, *bancos / "checks-a.fdb");
        CriarBanco({"tests/fixtures/no-start-date.sql"}, *bancos / "sem-data.fdb");
        CriarBanco({"tests/fixtures/tipos.sql"}, *bancos / "sem-parametro.fdb");
        std::filesystem::create_directory(*bancos / std::string(130, 'p'));
        CriarBanco({"tests/fixtures/checks-a.sql"}, *bancos / std::string(130, 'p') / "checks-a.fdb");
    }
    void cleanupTestCase() { bancos.reset(); }

    void comDataDeInicioAAnaliseFicaDisponivel()
    {
        JanelaDeTeste t(Banco("checks-a.fdb"));
        QCOMPARE(t.Controle<QLineEdit>("edtDataCargaInicial")->text(), QStringLiteral("01/03/2023"));
        QVERIFY(t.Controle("pnlMensagem")->isHidden());
        QCOMPARE(t.Texto("pnlMensagem"), QString());
        QVERIFY(t.Controle("btnAnalisar")->isEnabled());
        QVERIFY(t.Controle("btnClose")->isEnabled());
        QVERIFY(t.dialogos->caixas.empty());
    }

    void semDataDeInicioNaoHaAnalise()
    {
        JanelaDeTeste t(Banco("sem-data.fdb"));
        QCOMPARE(t.Controle<QLineEdit>("edtDataCargaInicial")->text(), QString());
        QVERIFY(!t.Controle("pnlMensagem")->isHidden());
        QCOMPARE(t.Texto("pnlMensagem"), QStringLiteral("Não tem Custo Inicial rodado.."));
        QVERIFY(!t.Controle("btnAnalisar")->isEnabled());
        QVERIFY(t.Controle("btnClose")->isEnabled());
        QVERIFY(t.dialogos->caixas.empty());
    }

    void tituloEBancoDeDados()
    {
        const QString caminho = Banco("") + QString(130, u'p') + QStringLiteral("/checks-a.fdb");
        JanelaDeTeste t(caminho);
        QCOMPARE(t.Texto("pnlTitulo"), QStringLiteral("Quorvane Inicio do Módulo- Versão 1.05"));
        QCOMPARE(t.Texto("pnlBancoDados"), QStringLiteral("Banco de Dados: ") + caminho);
        QCOMPARE(t.janela.windowTitle(), QStringLiteral("MenuPrincipalView"));
        // A path this long is cut to fit the window, and shown whole in the tip.
        t.janela.show();
        QCOMPARE(t.janela.size(), QSize(700, 400));
        QHelpEvent dica(QEvent::ToolTip, QPoint(300, 20), t.Controle("pnlBancoDados")->mapToGlobal(QPoint(300, 20)));
        QApplication::sendEvent(t.Controle("pnlBancoDados"), &dica);
        QCOMPARE(QToolTip::text(), QStringLiteral("Banco de Dados: ") + caminho);
    }

    void motorQueNaoPodeSerCriadoVaiParaORelatorioDeErro()
    {
        JanelaDeTeste t(Banco("sem-parametro.fdb"));
        QCOMPARE(t.dialogos->caixas.size(), std::size_t(1));
        const auto& caixa = t.dialogos->caixas[0];
        QVERIFY(caixa.erro);
        QCOMPARE(caixa.titulo, QStringLiteral("Quorvane"));
        QVERIFY2(caixa.texto.contains(QStringLiteral("PARAMETRO")), qPrintable(caixa.texto));
        // The window opens all the same, with what was done before the failure.
        QCOMPARE(t.Texto("pnlTitulo"), QStringLiteral("Quorvane Inicio do Módulo- Versão 1.05"));
        QCOMPARE(t.Texto("pnlBancoDados"), QStringLiteral("Banco de Dados: ") + Banco("sem-parametro.fdb"));
        QCOMPARE(t.Controle<QLineEdit>("edtDataCargaInicial")->text(), QString());
        QVERIFY(t.Controle("pnlMensagem")->isHidden());
        // No engine: no run.
        QVERIFY(!t.Controle("btnAnalisar")->isEnabled());
        QVERIFY(t.Controle("btnClose")->isEnabled());
    }

    void desenhoDaJanela()
    {
        JanelaDeTeste t(Banco("checks-a.fdb"));
        t.janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.janela));
        QVERIFY(t.janela.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(t.janela.size(), QSize(700, 400));
        QCOMPARE(t.Controle("pnlTitulo")->geometry(), QRect(2, 0, 696, 40));
        QCOMPARE(t.Controle("pnlPrincipal")->geometry(), QRect(2, 40, 696, 317));
        QCOMPARE(t.Controle("pnlBancoDados")->geometry(), QRect(2, 357, 696, 41));
        QCOMPARE(t.Controle("lblData")->geometry(), QRect(282, 43, 109, 17));
        QCOMPARE(t.Controle("edtDataCargaInicial")->geometry(), QRect(282, 62, 109, 25));
        QCOMPARE(t.Controle("btnAnalisar")->geometry(), QRect(153, 100, 170, 41));
        QCOMPARE(t.Controle("btnClose")->geometry(), QRect(355, 100, 170, 41));
        QCOMPARE(t.Controle("pnlImportante")->height(), 62);
        QCOMPARE(t.Controle<QPushButton>("btnAnalisar")->text(), QStringLiteral("&Quorvane"));
        QCOMPARE(t.Controle<QPushButton>("btnClose")->text(), QStringLiteral("&Sair"));
        QCOMPARE(t.Controle<QPushButton>("btnAnalisar")->iconSize(), QSize(24, 24));
        QVERIFY(FiguraNitidaA200(*t.Controle<QPushButton>("btnAnalisar"), "analisar"));
        QVERIFY(FiguraNitidaA200(*t.Controle<QPushButton>("btnClose"), "sair"));

        const QFont titulo = t.Controle("pnlTitulo")->font();
        QCOMPARE(titulo.family(), QStringLiteral("Segoe UI"));
        QCOMPARE(titulo.pixelSize(), 16);
        QVERIFY(titulo.bold());

        auto* paginas = t.Controle<QTabWidget>("pgcPrincipal");
        QCOMPARE(paginas->count(), 2);
        QCOMPARE(paginas->tabText(0), QStringLiteral("Principal"));
        QCOMPARE(paginas->tabText(1), QStringLiteral("Ajuda"));
        QCOMPARE(paginas->currentWidget()->objectName(), QStringLiteral("tsPrincipal"));
    }

    void textosFixos()
    {
        JanelaDeTeste t(Banco("checks-a.fdb"));
        QCOMPARE(t.Texto("lblImportante"),
                 QStringLiteral("Importante: Não tem como contemplar todas as situações possíveis, mas lembre-se são "
                                "\"apenas\" analises com base em alguns casos com a finalidade de auxiliar no "
                                "entendimento dos possíveis problemas com o Custo Fiscal.\n"));
        QCOMPARE(t.Controle<QTextEdit>("redtAjuda")->toPlainText().split(u'\n'),
                 (QStringList{QStringLiteral("Compreende as seguintes validações:"),
                              QStringLiteral("- CargaInicialSemCustoUnitarioEntrada"),
                              QStringLiteral("- CFOPBeneficiamentoTerceiroAoMesmoTempo"),
                              QStringLiteral("- CFOPConsumoMovimentandoEstoque"),
                              QStringLiteral("- ImportacaoSemDespesas"),
                              QStringLiteral("- ImportacaoSemFOB"),
                              QStringLiteral("- PrimeiroLancamentoSaidaMovimentaEstoque"),
                              QStringLiteral("- AcertoEntradaSemValorUnitario")}));
    }

    void captionEmNegritoSobOMouse()
    {
        JanelaDeTeste t(Banco("checks-a.fdb"));
        t.janela.show();
        for (const char* nome : {"btnAnalisar", "btnClose"}) {
            auto* botao = t.Controle<QPushButton>(nome);
            QVERIFY2(NegritoSobOMouse(*botao), nome);
        }
    }

    void teclasDeAcessoNaPaginaAjuda()
    {
        JanelaDeTeste t(Banco("checks-a.fdb"));
        t.janela.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.janela));
        t.Controle<QTabWidget>("pgcPrincipal")->setCurrentIndex(1);
        auto* ajuda = t.Controle<QTextEdit>("redtAjuda");
        ajuda->setFocus();
        const QString texto = ajuda->toPlainText();
        // The help is read, not edited: letters change nothing and Tab leaves it.
        QTest::keyClicks(ajuda, QStringLiteral("xy"));
        QTest::keyClick(ajuda, Qt::Key_Tab);
        QCOMPARE(ajuda->toPlainText(), texto);
        QVERIFY(!ajuda->hasFocus());
        QTest::keyClick(ajuda, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(t.dialogos->modais, 1);
        QCOMPARE(ajuda->toPlainText(), texto);
        // After the run the keyboard is the main window's again.
        QVERIFY(QTest::qWaitForWindowActive(&t.janela));
        QTest::keyClick(ajuda, Qt::Key_S, Qt::AltModifier);
        QVERIFY(!t.janela.isVisible());
    }

    void sairFechaAJanela()
    {
        JanelaDeTeste t(Banco("checks-a.fdb"));
        t.janela.show();
        QTest::mouseClick(t.Controle<QPushButton>("btnClose"), Qt::LeftButton);
        QVERIFY(!t.janela.isVisible());
        // Enter presses the focused button as Space does; the tips give the access keys.
        t.janela.show();
        QVERIFY(t.Controle<QPushButton>("btnAnalisar")->toolTip().contains(QStringLiteral("Alt+Q")));
        QTest::keyClick(t.Controle<QPushButton>("btnAnalisar"), Qt::Key_Return);
        QCOMPARE(t.dialogos->modais, 1);
        QTest::keyClick(t.Controle<QPushButton>("btnClose"), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!t.janela.isVisible());
    }
};

QUORVANE_SUITE(TesteMenuPrincipal);

#include "MenuPrincipalTest.moc"
