#include "Soquetes.h"

#include <iphlpapi.h>

#include <vector>

namespace Quorvane {

bool SoquetesDisponiveis()
{
    // Started once, it stays started until the process ends.
    static const bool iniciado = [] {
        WSADATA dados{};
        return ::WSAStartup(MAKEWORD(2, 2), &dados) == 0;
    }();
    return iniciado;
}

bool AlgumEnderecoDasInterfaces(const std::function<bool(const sockaddr*)>& visitar)
{
    ULONG bytes = 16 * 1024;
    std::vector<unsigned char> memoria;
    ULONG resultado = ERROR_BUFFER_OVERFLOW;
    for (int tentativa = 0; tentativa < 3 && resultado == ERROR_BUFFER_OVERFLOW; ++tentativa) {
        memoria.resize(bytes);
        resultado = ::GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                                           nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(memoria.data()), &bytes);
    }
    if (resultado != NO_ERROR)
        return false;
    bool achou = false;
    for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(memoria.data()); a && !achou; a = a->Next)
        for (const IP_ADAPTER_UNICAST_ADDRESS* u = a->FirstUnicastAddress; u && !achou; u = u->Next)
            achou = visitar(u->Address.lpSockaddr);
    return achou;
}

} // namespace Quorvane
