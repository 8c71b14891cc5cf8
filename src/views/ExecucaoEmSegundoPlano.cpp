#include "ExecucaoEmSegundoPlano.h"

#include <QThread>

#include <exception>
#include <memory>

namespace Quorvane {

void ExecutarEmSegundoPlano(const std::function<void()>& trabalho, QEventLoop::ProcessEventsFlags eventos)
{
    std::exception_ptr erro;
    QEventLoop espera;
    const std::unique_ptr<QThread> trabalhador(QThread::create([&] {
        try {
            trabalho();
        } catch (...) {
            erro = std::current_exception();
        }
    }));
    // Queued: "finished" may come before the loop runs, and then ends it as soon as it starts.
    QObject::connect(trabalhador.get(), &QThread::finished, &espera, &QEventLoop::quit, Qt::QueuedConnection);
    trabalhador->start();
    espera.exec(eventos);
    // The loop also ends when the application is told to quit; the work is never left behind.
    trabalhador->wait();
    if (erro)
        std::rethrow_exception(erro);
}

} // namespace Quorvane
