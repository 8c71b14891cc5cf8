#include "RelatorioDeErro.h"

#include "Dialogos.h"
#include "Erro.h"

#include <cstdio>
#include <exception>

namespace Quorvane {

QString TextoDoRelatorioDeErro(const QString& mensagem)
{
    if (!mensagem.isEmpty() && mensagem.back() > QLatin1Char('.'))
        return mensagem + QLatin1Char('.');
    return mensagem;
}

void ReportarErro(const QString& mensagem) noexcept
{
    try {
        Dialogos().MensagemDeErro(TituloDaAplicacao(), TextoDoRelatorioDeErro(mensagem));
    } catch (...) {
        // The report itself failed (out of memory, most likely): the terminal is all that is left.
        std::fprintf(stderr, "%s\n", mensagem.toLocal8Bit().constData());
    }
}

void ExecutarProtegido(const std::function<void()>& manipulador) noexcept
{
    try {
        manipulador();
    } catch (const Erro& e) {
        ReportarErro(e.Mensagem());
    } catch (const std::exception& e) {
        ReportarErro(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportarErro(QStringLiteral("Erro desconhecido"));
    }
}

} // namespace Quorvane
