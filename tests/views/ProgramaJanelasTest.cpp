#include "BancosDeTeste.h"
#include "DialogosDeTeste.h"
#include "MenuPrincipalView.h"
#include "ProgramaJanelas.h"
#include "RegistroDeTestes.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <optional>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

const QString Mensagem = QStringLiteral("Não foi possível criar uma conexão com o banco ");

// Every window shown while it is held.
class JanelasMostradas : public QObject {
public:
    JanelasMostradas() { qApp->installEventFilter(this); }
    ~JanelasMostradas() override { qApp->removeEventFilter(this); }
    QStringList nomes;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Show && objeto->isWidgetType() && static_cast<QWidget*>(objeto)->isWindow())
            nomes << QString::fromLatin1(objeto->metaObject()->className());
        return false;
    }
};

// The window program's whole life with this Config.ini content; the main window, if it opens,
// is closed as soon as it shows.
struct Partida {
    explicit Partida(const std::filesystem::path& config)
    {
        QTimer fechar;
        QObject::connect(&fechar, &QTimer::timeout, [] {
            for (QWidget* janela : QApplication::topLevelWidgets())
                if (qobject_cast<TMenuPrincipalView*>(janela) && janela->isVisible())
                    janela->close();
        });
        fechar.start(10);
        codigo = ExecutarJanelas(OpcoesConexao{config}, [] { return true; });
        caixas = dialogos->caixas;
        janelas = mostradas.nomes;
    }

    EscopoDialogos dialogos;
    JanelasMostradas mostradas;
    int codigo = -1;
    std::vector<DialogosDeTeste::Caixa> caixas;
    QStringList janelas;
};

std::string Texto(const QString& texto)
{
    return texto.toStdString();
}

} // namespace

class TesteProgramaJanelas : public QObject {
    Q_OBJECT

    std::optional<PastaTemporaria> pasta;
    std::filesystem::path Config() const { return *pasta / "Config.ini"; }
    std::string Banco() const { return (*pasta / "banco.fdb").string(); }

private slots:
    void init()
    {
        pasta.emplace();
        CriarBanco({"tests/fixtures/checks-a.sql"}, *pasta / "banco.fdb");
    }
    void cleanup() { pasta.reset(); }

    void configuracaoQueNaoServe_data()
    {
        QTest::addColumn<QByteArray>("conteudo"); // null: no Config.ini at all
        QTest::addColumn<QString>("banco");       // what happens to the database first: "removido", "travado"
        QTest::addColumn<QString>("caminho");     // what the message names
        const QByteArray comBanco = "[BANCO]\nCAMINHO=@BANCO@\n";
        QTest::newRow("sem arquivo") << QByteArray() << QString() << QString();
        QTest::newRow("pasta no lugar") << QByteArray("@PASTA@") << QString() << QString();
        QTest::newRow("vazio") << QByteArray("") << QString() << QString();
        QTest::newRow("lixo binário") << QByteArray("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\x80\x81[BANCO\x00]CAMINHO=", 26) << QString() << QString();
        QTest::newRow("sem [BANCO]") << QByteArray("[OUTRA]\nCAMINHO=@BANCO@\n") << QString() << QString();
        QTest::newRow("CAMINHO vazio") << QByteArray("[BANCO]\nCAMINHO=\n") << QString() << QString();
        QTest::newRow("só aspas e brancos") << QByteArray("[BANCO]\nCAMINHO=   ''   \n") << QString() << QString();
        QTest::newRow("linha de 1 MB") << (QByteArray("[BANCO]\nCAMINHO=") + QByteArray(1 << 20, 'x') + '\n') << QString() << QString(2047, u'x');
        QTest::newRow("banco removido") << comBanco << QStringLiteral("removido") << QStringLiteral("@BANCO@");
        QTest::newRow("banco travado por outro processo") << comBanco << QStringLiteral("travado") << QStringLiteral("@BANCO@");
    }
    void configuracaoQueNaoServe()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, banco);
        QFETCH(QString, caminho);
        caminho.replace(QStringLiteral("@BANCO@"), QString::fromStdString(Banco()));
        std::optional<TravaDeOutroProcesso> trava;
        if (banco == u"removido")
            std::filesystem::remove(Banco());
        else if (banco == u"travado")
            trava.emplace(Banco());
        if (conteudo == "@PASTA@")
            std::filesystem::create_directory(Config());
        else if (!conteudo.isNull())
            EscreverArquivo(Config(), conteudo.replace("@BANCO@", QByteArray::fromStdString(Banco())).toStdString());

        const Partida partida(Config());
        QCOMPARE(partida.codigo, 1);
        // The single start-up message in the error box, and no window at all.
        QCOMPARE(partida.caixas.size(), std::size_t(1));
        QVERIFY(partida.caixas[0].erro);
        QCOMPARE(partida.caixas[0].titulo, TituloDaAplicacao());
        QVERIFY2(partida.caixas[0].texto == Mensagem + caminho, Texto(partida.caixas[0].texto.left(200)).c_str());
        QVERIFY2(partida.janelas.isEmpty(), Texto(partida.janelas.join(u',')).c_str());
    }

    void formasAceitasAbremAJanelaPrincipal_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("simples") << QByteArray("[BANCO]\nCAMINHO=@BANCO@\n");
        QTest::newRow("aspas, brancos e outra caixa") << QByteArray("[banco]\r\n  caminho  =  \"@BANCO@\"  \r\n");
        QTest::newRow("marca UTF-8") << QByteArray("\xEF\xBB\xBF[BANCO]\r\nCAMINHO=@BANCO@\r\n");
        QTest::newRow("UTF-16") << QByteArray("@UTF16@");
    }
    void formasAceitasAbremAJanelaPrincipal()
    {
        QFETCH(QByteArray, conteudo);
        if (conteudo == "@UTF16@") {
            // As Notepad saves "Unicode": little-endian with its byte-order mark.
            const QString texto = QStringLiteral("\uFEFF[BANCO]\r\nCAMINHO=") + QString::fromStdString(Banco()) + QStringLiteral("\r\n");
            conteudo = QByteArray(reinterpret_cast<const char*>(texto.utf16()), texto.size() * 2);
        }
        EscreverArquivo(Config(), conteudo.replace("@BANCO@", QByteArray::fromStdString(Banco())).toStdString());

        const Partida partida(Config());
        QCOMPARE(partida.codigo, 0);
        QVERIFY(partida.caixas.empty());
        QCOMPARE(partida.janelas, QStringList{QStringLiteral("Quorvane::TMenuPrincipalView")});
    }
};

QUORVANE_SUITE(TesteProgramaJanelas);
#include "ProgramaJanelasTest.moc"
