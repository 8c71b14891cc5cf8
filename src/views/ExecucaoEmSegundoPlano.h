#pragma once

#include <functional>

namespace Quorvane {

// Runs the work on a thread of its own while this thread's event loop goes on painting the
// windows and answering the window system and the user (who may ask to stop the work: the caller
// keeps its commands disabled meanwhile). Returns when the work has ended and rethrows whatever
// it threw. The work must not touch any widget.
void ExecutarEmSegundoPlano(const std::function<void()>& trabalho);

} // namespace Quorvane
