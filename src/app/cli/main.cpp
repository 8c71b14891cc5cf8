#include "ArgumentosDoPrograma.h"
#include "ClienteFirebird.h"
#include "Console.h"
#include "Programa.h"

int main(int argc, char* argv[])
{
    Quorvane::PrepararFluxosPadrao();
    const int codigo = Quorvane::Cli::ExecutarPrograma(Quorvane::ArgumentosDoPrograma(argc, argv));
    Quorvane::EncerrarClientesFirebird();
    return codigo;
}
