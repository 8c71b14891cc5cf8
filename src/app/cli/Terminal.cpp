#include "Terminal.h"

#include "Console.h"
#include "TextoVisivel.h"

namespace Quorvane::Cli {

namespace {

// Messages quote the database's data, a path, a baseline's contents: on a terminal they are shown,
// not obeyed.
QString Linha(const QString& mensagem)
{
    return (SaidaDeErrosEhTerminal() ? Visivel(mensagem) : mensagem) + u'\n';
}

} // namespace

void MostrarErro(const QString& mensagem)
{
    EscreverTexto(FluxoPadrao::Erros, Linha(mensagem));
}

void MostrarErroSemEsperar(const QString& mensagem)
{
    EscreverSemEsperar(FluxoPadrao::Erros, Linha(mensagem));
}

void MostrarTexto(const QString& texto)
{
    EscreverTexto(FluxoPadrao::Saida, texto);
}

bool SaidaDeErrosEhTerminal()
{
    return EhTerminal(FluxoPadrao::Erros);
}

} // namespace Quorvane::Cli
