#include "ClienteDoSistema.h"

#include "PastaDoPrograma.h"
#include "TextoDeCaminho.h"

#include <windows.h>

#include <QStringList>

#include <filesystem>
#include <vector>

namespace Quorvane {

namespace {

// The folder of the Firebird installation that Firebird's installer recorded as the default one.
std::filesystem::path PastaDaInstalacaoFirebird()
{
    const wchar_t* chave = L"SOFTWARE\\Firebird Project\\Firebird Server\\Instances";
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, chave, L"DefaultInstance", RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return {};
    std::wstring pasta(bytes / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, chave, L"DefaultInstance", RRF_RT_REG_SZ, nullptr, pasta.data(), &bytes) != ERROR_SUCCESS)
        return {};
    pasta.resize(wcsnlen(pasta.c_str(), pasta.size()));
    return pasta.empty() ? std::filesystem::path() : std::filesystem::path(pasta);
}

} // namespace

BibliotecaCarregada CarregarClienteFirebird(const std::string& biblioteca)
{
    const std::filesystem::path pedido(QString::fromStdString(biblioteca).toStdWString());
    std::vector<std::filesystem::path> locais;
    QString ondeProcurou;
    if (biblioteca == ClienteFirebirdPadrao) {
        if (const auto programa = PastaDoPrograma(); !programa.empty())
            locais.push_back(programa / pedido);
        if (const auto instalacao = PastaDaInstalacaoFirebird(); !instalacao.empty())
            locais.push_back(instalacao / pedido);
        QStringList nomes;
        for (const auto& local : locais)
            nomes << NomeParaExibir(local);
        ondeProcurou = nomes.isEmpty() ? QStringLiteral(" (procurada no caminho de busca do Windows)")
                                       : QStringLiteral(" (procurada em %1 e no caminho de busca do Windows)").arg(nomes.join(QStringLiteral(", ")));
    }
    locais.push_back(pedido);

    BibliotecaCarregada carregada;
    QString de32Bits;
    for (const auto& local : locais) {
        // A client in a folder of its own loads the DLLs it needs from that folder.
        const DWORD modo = local.has_parent_path() ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
        const UINT antes = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        HMODULE modulo = ::LoadLibraryExW(local.c_str(), nullptr, modo);
        const DWORD erro = modulo ? ERROR_SUCCESS : ::GetLastError();
        ::SetErrorMode(antes);
        if (modulo) {
            carregada.modulo = modulo;
            carregada.local = NomeParaExibir(local);
            return carregada;
        }
        if (erro == ERROR_BAD_EXE_FORMAT && de32Bits.isEmpty())
            de32Bits = NomeParaExibir(local);
    }
    const QString precisa = QStringLiteral("é preciso o cliente de 64 bits do Firebird 3 ou 4");
    carregada.falha = de32Bits.isEmpty()
        ? QStringLiteral("Biblioteca cliente do Firebird não encontrada: %1%2; %3").arg(NomeParaExibir(pedido), ondeProcurou, precisa)
        : QStringLiteral("Biblioteca cliente do Firebird inválida: %1 não é uma biblioteca de 64 bits%2; %3").arg(de32Bits, ondeProcurou, precisa);
    return carregada;
}

void DescartarBiblioteca(void* modulo) noexcept
{
    ::FreeLibrary(static_cast<HMODULE>(modulo));
}

void* SimboloDaBiblioteca(void* modulo, const char* nome)
{
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(modulo), nome));
}

} // namespace Quorvane
