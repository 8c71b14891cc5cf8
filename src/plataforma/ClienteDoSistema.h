#pragma once

#include <QString>
#include <string>

namespace Quorvane {

// The Firebird client library as this system names it.
#ifdef _WIN32
inline constexpr const char* ClienteFirebirdPadrao = "fbclient.dll";
#else
inline constexpr const char* ClienteFirebirdPadrao = "libfbclient.so.2";
#endif

// The file of a Firebird plugin (an engine: "Engine12") in its plugin folder, as this system names it.
#ifdef _WIN32
inline QString ModuloDePlugin(const QString& nome) { return nome + QStringLiteral(".dll"); }
#else
inline QString ModuloDePlugin(const QString& nome) { return QStringLiteral("lib%1.so").arg(nome); }
#endif

// A library loaded into the process, never unloaded (the client keeps threads inside it), or the
// Portuguese reason it could not be loaded.
struct BibliotecaCarregada {
    void* modulo = nullptr;
    QString local;
    QString falha;
};

// Loads the Firebird client. The system's own name is looked for where this system's users have
// it (on Windows: beside the program, then the Firebird installation the registry names, then the
// search path); any other name or path is loaded as given.
BibliotecaCarregada CarregarClienteFirebird(const std::string& biblioteca);

// Unloads a library that turned out not to be the client, before anything of it ran.
void DescartarBiblioteca(void* modulo) noexcept;

// An exported symbol of a loaded library; null when it has none.
void* SimboloDaBiblioteca(void* modulo, const char* nome);

} // namespace Quorvane
