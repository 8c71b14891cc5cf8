#include "Aplicacao.h"
#include "DialogosDeTeste.h"
#include "Erro.h"
#include "RegistroDeTestes.h"
#include "RelatorioDeErro.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <stdexcept>

using namespace Quorvane;

namespace {

// An event handler that lets its error escape.
class ManipuladorQueFalha : public QObject {
public:
    std::function<void()> falhar;

protected:
    bool event(QEvent* evento) override
    {
        if (evento->type() == QEvent::User)
            falhar();
        return QObject::event(evento);
    }
};

} // namespace

class TesteRelatorioDeErro : public QObject {
    Q_OBJECT

private slots:
    void pontoFinal_data()
    {
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("mostrada");
        QTest::newRow("letra") << QStringLiteral("abc") << QStringLiteral("abc.");
        QTest::newRow("digito") << QStringLiteral("Erro 123") << QStringLiteral("Erro 123.");
        QTest::newRow("acento") << QStringLiteral("Versão do Ms-Excel incompatível") << QStringLiteral("Versão do Ms-Excel incompatível.");
        QTest::newRow("ponto") << QStringLiteral("abc.") << QStringLiteral("abc.");
        QTest::newRow("virgula") << QStringLiteral("abc,") << QStringLiteral("abc,");
        QTest::newRow("branco") << QStringLiteral("abc ") << QStringLiteral("abc ");
        QTest::newRow("hifen") << QStringLiteral("abc-") << QStringLiteral("abc-");
        QTest::newRow("parentese") << QStringLiteral("(abc)") << QStringLiteral("(abc)");
        QTest::newRow("barra") << QStringLiteral("a/") << QStringLiteral("a/.");
        QTest::newRow("vazia") << QString() << QString();
    }
    void pontoFinal()
    {
        QFETCH(QString, mensagem);
        QFETCH(QString, mostrada);
        QCOMPARE(TextoDoRelatorioDeErro(mensagem), mostrada);
    }

    void tituloDaAplicacaoVemDoArquivoDoPrograma()
    {
        QCOMPARE(TituloDoPrograma(QStringLiteral("/opt/quorvane/quorvane")), QStringLiteral("Quorvane"));
        QCOMPARE(TituloDoPrograma(QStringLiteral("/opt/QUORVANE.EXE")), QStringLiteral("Quorvane"));
        QCOMPARE(TituloDoPrograma(QStringLiteral("/x/meu.programa.bin")), QStringLiteral("Meu.programa"));
        // This suite runs in an executable named like the program.
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quorvane"));
    }

    void erroQueEscapaDeUmManipuladorVaiParaORelatorio()
    {
        EscopoDialogos dialogos;
        ManipuladorQueFalha manipulador;
        QEvent evento(QEvent::User);

        manipulador.falhar = [] { throw ErroBanco(QStringLiteral("Table unknown TB002")); };
        QCoreApplication::sendEvent(&manipulador, &evento);
        manipulador.falhar = [] { throw std::runtime_error("sem memória"); };
        QCoreApplication::sendEvent(&manipulador, &evento);
        manipulador.falhar = [] { throw Erro(QStringLiteral("já com ponto.")); };
        QCoreApplication::sendEvent(&manipulador, &evento);

        QCOMPARE(dialogos->caixas.size(), std::size_t(3));
        for (const auto& caixa : dialogos->caixas) {
            QVERIFY(caixa.erro);
            QCOMPARE(caixa.titulo, QStringLiteral("Quorvane"));
        }
        QCOMPARE(dialogos->caixas[0].texto, QStringLiteral("Table unknown TB002."));
        QCOMPARE(dialogos->caixas[1].texto, QStringLiteral("sem memória."));
        QCOMPARE(dialogos->caixas[2].texto, QStringLiteral("já com ponto."));
    }

    void caixasDeMensagem()
    {
        // Text that looks like markup is shown as it is.
        const QString texto = QStringLiteral("valor <b>1</b> & 2");
        const auto simples = TDialogosPadrao::CriarCaixa(QMessageBox::NoIcon, QStringLiteral("Quorvane"), texto);
        QCOMPARE(simples->icon(), QMessageBox::NoIcon);
        QCOMPARE(simples->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(simples->windowTitle(), QStringLiteral("Quorvane"));
        QCOMPARE(simples->text(), texto);
        QCOMPARE(simples->textFormat(), Qt::PlainText);

        const auto erro = TDialogosPadrao::CriarCaixa(QMessageBox::Critical, QStringLiteral("Quorvane"), texto);
        QCOMPARE(erro->icon(), QMessageBox::Critical);
        QCOMPARE(erro->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QUORVANE_SUITE(TesteRelatorioDeErro);

#include "RelatorioDeErroTest.moc"
