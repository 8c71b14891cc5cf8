#include "AplicativoDoDesktop.h"

#include "TextoDeCaminho.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWinEventNotifier>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <memory>
#include <string>

namespace Quorvane {

namespace {

// The shell's association objects and the extensions it may hand a file to need COM on the
// calling thread; undone only where this call was the one that set it up.
class ComNaThread {
public:
    ComNaThread() : iniciado_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComNaThread()
    {
        if (iniciado_)
            ::CoUninitialize();
    }
    ComNaThread(const ComNaThread&) = delete;
    ComNaThread& operator=(const ComNaThread&) = delete;

private:
    bool iniciado_;
};

struct FecharHandle {
    void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};
using HandleDoProcesso = std::unique_ptr<void, FecharHandle>;

// Watches a started application for its first seconds: an end with an error code within them is
// a failure; after them, or once it ended well, the watch goes away and the application is left
// alone.
class VigiaDoAplicativo : public QObject {
public:
    VigiaDoAplicativo(HandleDoProcesso processo, std::function<void()> falhou)
        : QObject(QCoreApplication::instance()), processo_(std::move(processo)), fim_(processo_.get(), this)
    {
        connect(&fim_, &QWinEventNotifier::activated, this, [this, falhou = std::move(falhou)] {
            fim_.setEnabled(false);
            deleteLater();
            DWORD codigo = 0;
            if (!::GetExitCodeProcess(processo_.get(), &codigo) || codigo != 0)
                falhou();
        });
        QTimer::singleShot(SegundosParaFalhar * 1000, this, [this] {
            fim_.setEnabled(false);
            deleteLater();
        });
    }

private:
    // Declared first: the notifier lets the handle go before it is closed.
    HandleDoProcesso processo_;
    QWinEventNotifier fim_;
};

// A text the association holds for the extension's default verb, empty when there is none.
std::wstring TextoDaAssociacao(ASSOCSTR qual, const std::wstring& extensao)
{
    // Unknown types would otherwise answer with the "Open with" chooser.
    const ASSOCF opcoes = ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE;
    DWORD tamanho = 0;
    if (FAILED(::AssocQueryStringW(opcoes, qual, extensao.c_str(), nullptr, nullptr, &tamanho)) || tamanho == 0)
        return {};
    std::wstring texto(tamanho, L'\0');
    if (FAILED(::AssocQueryStringW(opcoes, qual, extensao.c_str(), nullptr, texto.data(), &tamanho)))
        return {};
    texto.resize(wcsnlen(texto.c_str(), texto.size()));
    return texto;
}

} // namespace

std::optional<AplicativoDoDesktop> ProcurarAplicativoDoDesktop(const std::filesystem::path& arquivo)
{
    // Called off the user-interface thread, where nothing else has set COM up.
    const ComNaThread com;
    const std::wstring extensao = arquivo.extension().wstring();
    if (extensao.empty())
        return std::nullopt;
    std::wstring programa = TextoDaAssociacao(ASSOCSTR_EXECUTABLE, extensao);
    if (programa.empty())
        programa = TextoDaAssociacao(ASSOCSTR_COMMAND, extensao);
    if (programa.empty())
        return std::nullopt;
    std::error_code erro;
    const std::filesystem::path absoluto = std::filesystem::absolute(arquivo, erro);
    AplicativoDoDesktop aplicativo{erro ? arquivo : absoluto, {}};
    aplicativo.comando = QStringList{QString::fromStdWString(programa), NomeParaExibir(aplicativo.arquivo)};
    return aplicativo;
}

bool AbrirNoAplicativo(const AplicativoDoDesktop& aplicativo, std::function<void()> falhou)
{
    // The shell rather than CreateProcess with the association's command line: it fills in the
    // file as the association wants it and speaks DDE to an application that asks for it.
    const ComNaThread com;
    const std::wstring arquivo = aplicativo.arquivo.wstring();
    SHELLEXECUTEINFOW pedido{};
    pedido.cbSize = sizeof pedido;
    pedido.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    pedido.lpFile = arquivo.c_str();
    pedido.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&pedido))
        return false;
    // No process: an application already running took the file (DDE), and has it.
    if (pedido.hProcess)
        new VigiaDoAplicativo(HandleDoProcesso(pedido.hProcess), std::move(falhou));
    return true;
}

} // namespace Quorvane
