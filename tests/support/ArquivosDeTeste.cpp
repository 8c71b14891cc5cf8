#include "ArquivosDeTeste.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace Quorvane::Testes {

PastaTemporaria::PastaTemporaria()
{
    std::random_device aleatorio;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        caminho_ = base / ("quorvane-teste-" + std::to_string(aleatorio()));
        if (std::filesystem::create_directory(caminho_))
            break;
    }
}

PastaTemporaria::~PastaTemporaria()
{
    std::error_code erro;
    std::filesystem::remove_all(caminho_, erro);
}

void EscreverArquivo(const std::filesystem::path& arquivo, const std::string& conteudo)
{
    std::ofstream saida(arquivo, std::ios::binary);
    saida << conteudo;
    if (!saida)
        throw std::runtime_error("não foi possível escrever " + arquivo.string());
}

} // namespace Quorvane::Testes
