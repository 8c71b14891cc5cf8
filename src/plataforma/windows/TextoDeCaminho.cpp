#include "TextoDeCaminho.h"

namespace Quorvane {

QString NomeParaExibir(const std::filesystem::path& arquivo)
{
    return QString::fromStdWString(arquivo.wstring());
}

std::filesystem::path CaminhoDoTexto(const QString& texto)
{
    return std::filesystem::path(texto.toStdWString());
}

} // namespace Quorvane
