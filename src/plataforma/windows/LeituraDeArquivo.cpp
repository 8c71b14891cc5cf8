#include "LeituraDeArquivo.h"

#include "ErroDoWindows.h"
#include "TextoDeCaminho.h"

#include <windows.h>

#include <memory>

namespace Quorvane {

namespace {

struct FechaHandle {
    void operator()(HANDLE h) const noexcept { ::CloseHandle(h); }
};
using Handle = std::unique_ptr<void, FechaHandle>;

} // namespace

SituacaoDoArquivo SituacaoDe(const std::filesystem::path& arquivo)
{
    const DWORD atributos = ::GetFileAttributesW(arquivo.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES) {
        const DWORD erro = ::GetLastError();
        if (erro == ERROR_FILE_NOT_FOUND || erro == ERROR_PATH_NOT_FOUND || erro == ERROR_INVALID_NAME)
            return {TipoDeArquivo::Ausente, {}};
        if (erro == ERROR_ACCESS_DENIED)
            return {TipoDeArquivo::SemAcesso, {}};
        return {TipoDeArquivo::Falha, TextoDoErro(erro)};
    }
    if (atributos & FILE_ATTRIBUTE_DIRECTORY)
        return {TipoDeArquivo::Pasta, {}};
    if (atributos & FILE_ATTRIBUTE_REPARSE_POINT) {
        // A link: what matters is what it points to.
        const Handle alvo(::CreateFileW(arquivo.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (alvo.get() == INVALID_HANDLE_VALUE) {
            const DWORD erro = ::GetLastError();
            if (erro == ERROR_FILE_NOT_FOUND || erro == ERROR_PATH_NOT_FOUND)
                return {TipoDeArquivo::LinkQuebrado, {}};
            return {TipoDeArquivo::Falha, TextoDoErro(erro)};
        }
    }
    // "\\.\PhysicalDrive0", "COM1", "\\.\pipe\x": devices answer with no file attributes of their own.
    if (atributos & FILE_ATTRIBUTE_DEVICE)
        return {TipoDeArquivo::Especial, {}};
    return {TipoDeArquivo::Comum, {}};
}

LeituraDoArquivo LerInicioDoArquivo(const std::filesystem::path& arquivo, qint64 limite, bool aceitaBloco)
{
    (void)aceitaBloco; // a raw disk is not read as a database here
    LeituraDoArquivo leitura;
    const Handle arquivoAberto(::CreateFileW(arquivo.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (arquivoAberto.get() == INVALID_HANDLE_VALUE) {
        const DWORD erro = ::GetLastError();
        leitura.semPermissao = erro == ERROR_ACCESS_DENIED;
        leitura.erro = TextoDoErro(erro);
        return leitura;
    }
    // A pipe or a console would block the read: only a file on a disk is read.
    if (::GetFileType(arquivoAberto.get()) != FILE_TYPE_DISK) {
        leitura.erro = TextoDoErro(ERROR_INVALID_FUNCTION);
        return leitura;
    }
    QByteArray bytes;
    char bloco[64 * 1024];
    while (bytes.size() < limite) {
        DWORD lidos = 0;
        const DWORD pedir = static_cast<DWORD>(std::min<qint64>(sizeof bloco, limite - bytes.size()));
        if (!::ReadFile(arquivoAberto.get(), bloco, pedir, &lidos, nullptr)) {
            leitura.erro = TextoDoErro(::GetLastError());
            return leitura;
        }
        if (lidos == 0)
            break;
        bytes.append(bloco, static_cast<qsizetype>(lidos));
    }
    leitura.bytes = std::move(bytes);
    return leitura;
}

ArquivoParaLeitura AbrirArquivoComum(const std::filesystem::path& caminho)
{
    ArquivoParaLeitura aberto;
    const SituacaoDoArquivo situacao = SituacaoDe(caminho);
    if (situacao.tipo == TipoDeArquivo::Pasta || situacao.tipo == TipoDeArquivo::Especial || situacao.tipo == TipoDeArquivo::Bloco) {
        aberto.naoEhComum = true;
        return aberto;
    }
    auto arquivo = std::make_shared<QFile>(NomeParaExibir(caminho));
    if (!arquivo->open(QIODevice::ReadOnly)) {
        aberto.erro = arquivo->errorString();
        return aberto;
    }
    if (arquivo->isSequential()) {
        aberto.naoEhComum = true;
        return aberto;
    }
    aberto.tamanho = arquivo->size();
    aberto.arquivo = std::move(arquivo);
    return aberto;
}

} // namespace Quorvane
