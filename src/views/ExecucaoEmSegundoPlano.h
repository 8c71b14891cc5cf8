#pragma once

#include <QEventLoop>

#include <functional>

namespace Quorvane {

// Runs the work on a thread of its own while this thread's event loop goes on painting the
// windows and answering the window system. The user's input waits until the work has ended,
// unless `eventos` lets it in: a caller that does (the checks, which Esc may stop) keeps its
// commands disabled meanwhile. Returns when the work has ended and rethrows whatever it threw.
// The work must not touch any widget.
void ExecutarEmSegundoPlano(const std::function<void()>& trabalho,
                            QEventLoop::ProcessEventsFlags eventos = QEventLoop::ExcludeUserInputEvents);

} // namespace Quorvane
