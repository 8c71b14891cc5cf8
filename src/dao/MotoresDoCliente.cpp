#include "MotoresDoCliente.h"

#include "ClienteDoSistema.h"
#include "FirebirdApi.h"

#include <QString>
#include <QRegularExpression>
#include <QStringList>

#include <filesystem>

namespace Quorvane {

namespace {

// Firebird's own default, for a client whose configuration cannot be read.
constexpr const char* ProvedoresPadrao = "Remote,Engine12,Loopback";

std::string ProvedoresConfigurados(Firebird::IConfigManager* configuracao)
{
    Firebird::IFirebirdConf* conf = configuracao ? configuracao->getFirebirdConf() : nullptr;
    if (!conf)
        return ProvedoresPadrao;
    std::string provedores;
    const unsigned chave = conf->getKey("Providers");
    if (chave != ~0u)
        if (const char* valor = conf->asString(chave))
            provedores = valor;
    conf->release();
    return provedores.empty() ? ProvedoresPadrao : provedores;
}

// A plugin's module is in the plugin folder under this system's name for it, unless plugins.conf
// says otherwise: a folder that cannot be read keeps every engine, and the client then says what
// is missing.
bool ModuloPresente(const char* pastaPlugins, const std::string& nome)
{
    if (!pastaPlugins || !*pastaPlugins)
        return true;
    std::error_code erro;
    const std::filesystem::path pasta(pastaPlugins);
    if (!std::filesystem::is_directory(pasta, erro))
        return true;
    const QString procurado = ModuloDePlugin(QString::fromStdString(nome));
    for (const auto& item : std::filesystem::directory_iterator(pasta, erro))
        if (QString::fromStdString(item.path().filename().string()).compare(procurado, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

std::vector<std::string> MotoresEmbutidos(const ClienteFirebird& cliente)
{
    Firebird::IConfigManager* configuracao = cliente.Master()->getConfigManager();
    const char* pastaPlugins =
        configuracao ? configuracao->getDirectory(Firebird::IConfigManager::DIR_PLUGINS) : nullptr;
    std::vector<std::string> motores;
    const QString lista = QString::fromStdString(ProvedoresConfigurados(configuracao));
    for (const QString& item : lista.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts)) {
        if (item.compare(u"Remote", Qt::CaseInsensitive) == 0 || item.compare(u"Loopback", Qt::CaseInsensitive) == 0)
            continue;
        const std::string nome = item.toStdString();
        if (ModuloPresente(pastaPlugins, nome))
            motores.push_back(nome);
    }
    return motores;
}

std::string ConfiguracaoDeProvedores(const std::vector<std::string>& provedores)
{
    std::string linha = "Providers=";
    for (std::size_t i = 0; i < provedores.size(); ++i)
        linha += (i ? "," : "") + provedores[i];
    return linha;
}

} // namespace Quorvane
