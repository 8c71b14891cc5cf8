#include "PastaDoPrograma.h"

#include <windows.h>

#include <string>

namespace Quorvane {

std::filesystem::path PastaDoPrograma()
{
    // A program folder may be deeper than MAX_PATH: grow until the whole name fits.
    std::wstring nome(MAX_PATH, L'\0');
    for (;;) {
        const DWORD escritos = ::GetModuleFileNameW(nullptr, nome.data(), static_cast<DWORD>(nome.size()));
        if (escritos == 0)
            return {};
        if (escritos < nome.size()) {
            nome.resize(escritos);
            return std::filesystem::path(nome).parent_path();
        }
        if (nome.size() >= 32768)
            return {};
        nome.resize(nome.size() * 2);
    }
}

} // namespace Quorvane
