#include "ClienteFirebird.h"
#include "NomesDeArquivo.h"
#include "Programa.h"

#include <QString>
#include <QStringList>

int main(int argc, char* argv[])
{
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << Quorvane::Cli::TextoDoArgumento(argv[i]);
    const int codigo = Quorvane::Cli::ExecutarPrograma(argumentos);
    Quorvane::EncerrarClientesFirebird();
    return codigo;
}
