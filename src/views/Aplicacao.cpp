#include "Aplicacao.h"

#include "Aparencia.h"
#include "RelatorioDeErro.h"

#include <QFileInfo>

namespace Quorvane {

QString TituloDoPrograma(const QString& arquivoPrograma)
{
    const QString nome = QFileInfo(arquivoPrograma).completeBaseName();
    return nome.left(1).toUpper() + nome.mid(1).toLower();
}

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv)
{
    // Only the name: a display name would be appended to every window's caption.
    setApplicationName(TituloDoPrograma(applicationFilePath()));
    setWindowIcon(Figura(QStringLiteral("quorvane")));
    RegistrarSubstitutasDeFontes();
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento)
{
    bool tratado = false;
    ExecutarProtegido([&] { tratado = QApplication::notify(receptor, evento); });
    return tratado;
}

} // namespace Quorvane
