#include "Aplicacao.h"
#include "RegistroDeTestes.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char* argv[])
{
    // The windows keep the user's preferences in the user's configuration folder: the tests',
    // not the user's who runs them.
    QTemporaryDir configuracao;
    qputenv("XDG_CONFIG_HOME", configuracao.path().toLocal8Bit());
    // The program's own application object, so that its title and error report are the ones tested.
    Quorvane::TAplicacao aplicacao(argc, argv);
    QStringList argumentos = aplicacao.arguments();
    const QString escolhida = argumentos.size() > 1 && !argumentos[1].startsWith(u'-') ? argumentos.takeAt(1) : QString();

    int falhas = 0;
    bool encontrada = false;
    for (const SuiteRegistrada& suite : SuitesRegistradas()) {
        if (!escolhida.isEmpty() && suite.nome != escolhida)
            continue;
        encontrada = true;
        const auto objeto = suite.criar();
        falhas += QTest::qExec(objeto.get(), argumentos);
    }
    if (!encontrada) {
        qWarning("Suite desconhecida: %s", qPrintable(escolhida));
        return 2;
    }
    return falhas;
}
