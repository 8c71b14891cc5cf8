#pragma once

#include <string>
#include <vector>

namespace Quorvane {

class ClienteFirebird;

// The embedded engines the loaded client can use: the providers of its own configuration
// (firebird.conf's Providers) that are neither Remote nor Loopback, in that order, keeping only
// those whose module is in its plugin folder. Firebird 3's is Engine12, Firebird 4's Engine13.
std::vector<std::string> MotoresEmbutidos(const ClienteFirebird& cliente);

// "Providers=Loopback" for the machine's server, "Providers=Engine12" for the embedded engine:
// one isc_dpb_config line naming exactly these providers.
std::string ConfiguracaoDeProvedores(const std::vector<std::string>& provedores);

} // namespace Quorvane
