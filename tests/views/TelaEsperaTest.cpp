#include "BaseView.h"
#include "Motor.h"
#include "RegistroDeTestes.h"
#include "TelaEsperaView.h"
#include "Verificacoes.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>

using namespace Quorvane;

namespace {

QLabel* Rotulo(const char* nome)
{
    return TTelaEsperaView::TelaEspera()->findChild<QLabel*>(QString::fromLatin1(nome));
}

QColor CorDoTexto()
{
    return Rotulo("lbl1")->palette().color(QPalette::WindowText);
}

int TelasDeEsperaAbertas()
{
    int abertas = 0;
    for (QWidget* janela : QApplication::topLevelWidgets())
        abertas += qobject_cast<TTelaEsperaView*>(janela) != nullptr;
    return abertas;
}

} // namespace

class TesteTelaEspera : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TTelaEsperaView::End(); }

    void waitMostraAJanelaDesenhadaAntesDeVoltar()
    {
        TTelaEsperaView::Start();
        QVERIFY(TTelaEsperaView::TelaEspera());
        QVERIFY(!TTelaEsperaView::TelaEspera()->isVisible());

        TTelaEsperaView::Wait(QStringLiteral("Aguarde fazendo analises.."), TCor::Azul, QStringLiteral("Aguarde.."));
        TTelaEsperaView* tela = TTelaEsperaView::TelaEspera();
        QVERIFY(tela->isVisible());
        // Mapped and drawn before the caller goes on with its long work.
        QVERIFY(tela->windowHandle() && tela->windowHandle()->isExposed());
        QVERIFY(tela->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(tela->size(), QSize(530, 127));
        QCOMPARE(Rotulo("lbl1")->text(), QStringLiteral("Aguarde fazendo analises.."));
        QCOMPARE(Rotulo("lblTitle")->text(), QStringLiteral("Aguarde.."));
        QCOMPARE(Rotulo("lbl1")->font().pixelSize(), 20);
        QVERIFY(Rotulo("lbl1")->font().bold());
        QCOMPARE(Rotulo("lblTitle")->font().pixelSize(), 13);
    }

    void tituloVazioMostraPorFavorAguarde()
    {
        TTelaEsperaView::Start();
        TTelaEsperaView::Wait(QStringLiteral("x"), TCor::Preto, QString());
        QCOMPARE(Rotulo("lblTitle")->text(), QStringLiteral("Por favor aguarde.."));
    }

    void coresDoTexto()
    {
        TTelaEsperaView::Start();
        const std::pair<TCor, QColor> cores[] = {
            {TCor::Vermelho, QColor(0xFF, 0x00, 0x00)},
            {TCor::Preto, QColor(0x00, 0x00, 0x00)},
            {TCor::Laranja, QColor(0xFF, 0x8C, 0x00)},
            {TCor::Azul, QColor(0x00, 0x00, 0xFF)},
        };
        for (const auto& [cor, esperada] : cores) {
            TTelaEsperaView::Wait(QStringLiteral("x"), cor, QStringLiteral("t"));
            QCOMPARE(CorDoTexto(), esperada);
        }
        // A value outside the four keeps the colour there was.
        TTelaEsperaView::Wait(QStringLiteral("x"), TCor::Laranja, QStringLiteral("t"));
        TTelaEsperaView::Wait(QStringLiteral("x"), static_cast<TCor>(42), QStringLiteral("t"));
        QCOMPARE(CorDoTexto(), QColor(0xFF, 0x8C, 0x00));
    }

    void doisWaitsAtualizamAMesmaJanela()
    {
        TTelaEsperaView::Start();
        TTelaEsperaView::Wait(QStringLiteral("primeiro"), TCor::Azul, QStringLiteral("um"));
        TTelaEsperaView* primeira = TTelaEsperaView::TelaEspera();
        TTelaEsperaView::Wait(QStringLiteral("segundo"), TCor::Vermelho, QStringLiteral("dois"));
        QCOMPARE(TTelaEsperaView::TelaEspera(), primeira);
        QCOMPARE(TelasDeEsperaAbertas(), 1);
        QCOMPARE(Rotulo("lbl1")->text(), QStringLiteral("segundo"));
        QCOMPARE(Rotulo("lblTitle")->text(), QStringLiteral("dois"));
        QCOMPARE(CorDoTexto(), QColor(0xFF, 0x00, 0x00));
    }

    void endFechaEUmSegundoEndNadaFaz()
    {
        TTelaEsperaView::End(); // without a Start
        TTelaEsperaView::Start();
        TTelaEsperaView::Wait(QStringLiteral("x"), TCor::Azul, QString());
        TTelaEsperaView::End();
        QVERIFY(!TTelaEsperaView::TelaEspera());
        QCOMPARE(TelasDeEsperaAbertas(), 0);
        TTelaEsperaView::End();
        QVERIFY(!TTelaEsperaView::TelaEspera());
    }

    void startDeNovoNaoDeixaJanelaPerdida()
    {
        TTelaEsperaView::Start();
        TTelaEsperaView::Wait(QStringLiteral("x"), TCor::Azul, QString());
        TTelaEsperaView::Start();
        QCOMPARE(TelasDeEsperaAbertas(), 1);
    }

    void centradaNaJanelaPrincipalMesmoSemFoco()
    {
        TBaseView principal;
        principal.show();
        QWidget outra;
        outra.setGeometry(600, 400, 300, 200);
        outra.show();
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        TTelaEsperaView::Start();
        TTelaEsperaView::Wait(QStringLiteral("x"), TCor::Azul, QString());
        QCOMPARE(TTelaEsperaView::TelaEspera()->frameGeometry().center(), principal.frameGeometry().center());
        // Grown by a longer text once shown, it stays there.
        TTelaEsperaView::Wait(QStringLiteral("x\ny\nz\nw\nv\nu\nt"), TCor::Laranja, QString());
        QVERIFY(TTelaEsperaView::TelaEspera()->height() > 127);
        QCOMPARE(TTelaEsperaView::TelaEspera()->frameGeometry().center(), principal.frameGeometry().center());
    }

    // Not a check: writes the wait screen's picture where scripts/screenshots asks for it.
    void capturaParaADocumentacao()
    {
        const QString pasta = qEnvironmentVariable("QUORVANE_CAPTURAS");
        if (pasta.isEmpty())
            QSKIP("Só para scripts/screenshots");
        TTelaEsperaView::Start();
        TTelaEsperaView::Wait(QStringLiteral("Aguarde fazendo analises.."), TCor::Azul, QStringLiteral("Aguarde.."));
        TTelaEsperaView::Progresso(DescricaoDoMotor(Motor::Embutido) + QStringLiteral("\n4 de 7: ")
                                   + VerificacaoPrimeiroLancamentoSaidaMovimentaEstoque().descricao);
        QVERIFY(TTelaEsperaView::TelaEspera()->grab().save(pasta + QStringLiteral("/tela-espera.png")));
    }
};

QUORVANE_SUITE(TesteTelaEspera);

#include "TelaEsperaTest.moc"
