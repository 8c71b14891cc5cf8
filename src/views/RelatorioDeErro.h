#pragma once

#include <QString>
#include <functional>

namespace Quorvane {

// The message as the default error report shows it: a full stop is appended when the last
// character comes after the full stop in code order, so one ending in ".", "," or a blank stays.
QString TextoDoRelatorioDeErro(const QString& mensagem);

// The application's default error report, for errors no handler caught: an error box titled with
// the application's title.
void ReportarErro(const QString& mensagem) noexcept;

// Runs an event handler, sending any error it lets escape to the default error report: Qt's
// widget libraries are built without exception support, so nothing may unwind through them.
void ExecutarProtegido(const std::function<void()>& manipulador) noexcept;

} // namespace Quorvane
