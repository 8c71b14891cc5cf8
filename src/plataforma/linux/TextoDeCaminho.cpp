#include "TextoDeCaminho.h"

#include <QFile>

namespace Quorvane {

QString NomeParaExibir(const std::filesystem::path& arquivo)
{
    return QFile::decodeName(arquivo.c_str());
}

std::filesystem::path CaminhoDoTexto(const QString& texto)
{
    return std::filesystem::path(QFile::encodeName(texto).toStdString());
}

std::string NomeParaBibliotecaC(const std::filesystem::path& arquivo)
{
    return arquivo.string();
}

} // namespace Quorvane
