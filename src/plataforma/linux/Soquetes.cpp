#include "Soquetes.h"

#include <ifaddrs.h>

namespace Quorvane {

bool SoquetesDisponiveis()
{
    return true;
}

bool AlgumEnderecoDasInterfaces(const std::function<bool(const sockaddr*)>& visitar)
{
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0)
        return false;
    bool achou = false;
    for (const ifaddrs* i = interfaces; i && !achou; i = i->ifa_next)
        if (i->ifa_addr)
            achou = visitar(i->ifa_addr);
    ::freeifaddrs(interfaces);
    return achou;
}

} // namespace Quorvane
