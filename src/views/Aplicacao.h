#pragma once

#include <QApplication>

namespace Quorvane {

// The application object of the windowed program: its title comes from the program file, and an
// error that escapes an event handler goes to the default error report instead of ending the
// program.
class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;
};

// The program file's name without its extension, the first letter upper case and the rest lower
// case: "Quorvane" for /opt/quorvane/quorvane.
QString TituloDoPrograma(const QString& arquivoPrograma);

} // namespace Quorvane
