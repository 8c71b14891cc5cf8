#pragma once

#include <filesystem>

namespace Quorvane {

// The folder of the running program file (not the current directory).
std::filesystem::path PastaDoPrograma();

} // namespace Quorvane
