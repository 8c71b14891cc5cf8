#include "TextoDeCaminho.h"

#include <windows.h>

namespace Quorvane {

QString NomeParaExibir(const std::filesystem::path& arquivo)
{
    return QString::fromStdWString(arquivo.wstring());
}

std::filesystem::path CaminhoDoTexto(const QString& texto)
{
    return std::filesystem::path(texto.toStdWString());
}

std::string NomeParaBibliotecaC(const std::filesystem::path& arquivo)
{
    const std::wstring nome = arquivo.wstring();
    if (nome.empty())
        return {};
    BOOL perdeu = FALSE;
    const int tamanho = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, nome.data(), static_cast<int>(nome.size()), nullptr, 0,
                                              nullptr, &perdeu);
    if (tamanho <= 0 || perdeu)
        return {};
    std::string ansi(static_cast<std::size_t>(tamanho), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, nome.data(), static_cast<int>(nome.size()), ansi.data(), tamanho, nullptr, nullptr);
    return ansi;
}

} // namespace Quorvane
