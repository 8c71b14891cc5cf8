#include "ClienteFirebird.h"

#include "ClienteDoSistema.h"
#include "FirebirdApi.h"

#include <cstring>

#include <map>
#include <mutex>
#include <vector>

namespace Quorvane {

namespace {

using FbGetMasterInterface = Firebird::IMaster* (*)();

// Loaded clients of this process. Neither the library nor this record is ever released: the
// client's own exit handlers run after static destructors would, and the embedded engine keeps
// threads inside the library until the process ends. EncerrarClientesFirebird stops them early.
struct Carregados {
    std::mutex trava;
    std::map<std::string, std::shared_ptr<ClienteFirebird>> porBiblioteca;
};

Carregados& ClientesCarregados()
{
    static auto* carregados = new Carregados;
    return *carregados;
}

} // namespace

ClienteFirebird::ClienteFirebird(void* biblioteca, Firebird::IMaster* master)
    : biblioteca_(biblioteca), master_(master), util_(master->getUtilInterface()),
      dispatcher_(master->getDispatcher())
{
}

ClienteFirebird::~ClienteFirebird()
{
    dispatcher_->release();
    (void)biblioteca_;
}

void EncerrarClientesFirebird() noexcept
{
    auto& carregados = ClientesCarregados();
    std::lock_guard trava(carregados.trava);
    for (auto& [biblioteca, cliente] : carregados.porBiblioteca) {
        (void)biblioteca;
        Firebird::IStatus* status = cliente->Master()->getStatus();
        Firebird::CheckStatusWrapper wrapper(status);
        cliente->Dispatcher()->shutdown(&wrapper, 0, fb_shutrsn_app_stopped);
        status->dispose();
    }
}

std::shared_ptr<ClienteFirebird> ClienteFirebird::Carregar(const std::string& biblioteca)
{
    auto& carregados = ClientesCarregados();
    std::lock_guard trava(carregados.trava);
    if (const auto carregado = carregados.porBiblioteca.find(biblioteca); carregado != carregados.porBiblioteca.end())
        return carregado->second;

    // Only a library that loaded is recorded: a failed load leaves nothing to shut down.
    const BibliotecaCarregada carregada = CarregarClienteFirebird(biblioteca);
    if (!carregada.modulo)
        throw Erro(carregada.falha);
    void* handle = carregada.modulo;
    auto obterMaster = reinterpret_cast<FbGetMasterInterface>(SimboloDaBiblioteca(handle, "fb_get_master_interface"));
    Firebird::IMaster* master = obterMaster ? obterMaster() : nullptr;
    if (!master) {
        DescartarBiblioteca(handle);
        throw Erro(QStringLiteral("Biblioteca cliente do Firebird inválida: %1").arg(carregada.local));
    }
    auto cliente = std::shared_ptr<ClienteFirebird>(new ClienteFirebird(handle, master));
    carregados.porBiblioteca.emplace(biblioteca, cliente);
    return cliente;
}

QString ClienteFirebird::TextoDoStatus(Firebird::IStatus* status) const
{
    std::vector<char> texto(1024);
    for (;;) {
        unsigned escritos = util_->formatStatus(texto.data(), static_cast<unsigned>(texto.size()), status);
        if (escritos + 1 < texto.size() || texto.size() >= 1 << 20)
            return QString::fromUtf8(texto.data(), static_cast<qsizetype>(std::min<size_t>(escritos, texto.size())));
        texto.resize(texto.size() * 4);
    }
}

QString ClienteFirebird::SqlStateDoStatus(Firebird::IStatus* status) const
{
    // Firebird 3 puts no SQLSTATE in the status itself: the client maps the codes to one. Its
    // fb_sqlstate only reads the vector, and the OO interface has no such call.
    using FbSqlState = void (*)(char*, const intptr_t*);
    const auto sqlState = reinterpret_cast<FbSqlState>(SimboloDaBiblioteca(biblioteca_, "fb_sqlstate"));
    if (!sqlState)
        return {};
    char texto[FB_SQLSTATE_SIZE] = {};
    sqlState(texto, status->getErrors());
    return QString::fromLatin1(texto, static_cast<qsizetype>(strnlen(texto, sizeof texto)));
}

} // namespace Quorvane
