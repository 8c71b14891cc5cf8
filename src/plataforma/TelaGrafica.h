#pragma once

namespace Quorvane {

// Whether windows can be shown at all: Qt aborts when it finds no window system, so the window
// program asks first and says so instead.
bool TemTelaGrafica();

} // namespace Quorvane
