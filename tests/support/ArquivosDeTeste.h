#pragma once

#include <filesystem>
#include <string>

namespace Quorvane::Testes {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    const std::filesystem::path& Caminho() const { return caminho_; }
    std::filesystem::path operator/(const std::string& nome) const { return caminho_ / nome; }

private:
    std::filesystem::path caminho_;
};

void EscreverArquivo(const std::filesystem::path& arquivo, const std::string& conteudo);

} // namespace Quorvane::Testes
