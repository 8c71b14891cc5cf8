#pragma once

namespace Quorvane {

// Whether a window can be shown: on Linux a display (X11, Wayland, or a platform Qt is told to
// use); Windows always has its desktop. Qt aborts when it finds no window system.
bool TemTelaGrafica();

} // namespace Quorvane
