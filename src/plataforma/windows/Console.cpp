#include "Console.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace Quorvane {

namespace {

HANDLE Alca(FluxoPadrao fluxo)
{
    return ::GetStdHandle(fluxo == FluxoPadrao::Saida ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

std::FILE* Arquivo(FluxoPadrao fluxo)
{
    return fluxo == FluxoPadrao::Saida ? stdout : stderr;
}

bool EhConsole(HANDLE alca)
{
    DWORD modo = 0;
    return alca && alca != INVALID_HANDLE_VALUE && ::GetConsoleMode(alca, &modo) != 0;
}

void EscreverNoConsole(HANDLE console, const std::wstring& texto)
{
    const wchar_t* p = texto.data();
    std::size_t resta = texto.size();
    while (resta > 0) {
        DWORD escritos = 0;
        const DWORD parte = static_cast<DWORD>(std::min<std::size_t>(resta, 8192));
        if (!::WriteConsoleW(console, p, parte, &escritos, nullptr) || escritos == 0)
            return;
        p += escritos;
        resta -= escritos;
    }
}

void EscreverBytes(HANDLE destino, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    DWORD resta = static_cast<DWORD>(bytes.size());
    while (resta > 0) {
        DWORD escritos = 0;
        if (!::WriteFile(destino, p, resta, &escritos, nullptr) || escritos == 0)
            return;
        p += escritos;
        resta -= escritos;
    }
}

// A write handed to a thread of its own, which the caller waits for only a moment.
struct EscritaAParte {
    HANDLE destino;
    bool console;
    QString texto;
};

DWORD WINAPI Escrever(LPVOID parametro)
{
    const auto* escrita = static_cast<EscritaAParte*>(parametro);
    if (escrita->console)
        EscreverNoConsole(escrita->destino, escrita->texto.toStdWString());
    else
        EscreverBytes(escrita->destino, escrita->texto.toUtf8());
    delete escrita;
    return 0;
}

// The console's device: UTF-8 in, UTF-16 to the console. A character whose bytes come in two
// writes is held until it is whole.
class Console : public QIODevice {
public:
    explicit Console(HANDLE console) : console_(console) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    ~Console() override { close(); }

    bool isSequential() const override { return true; }

    void close() override
    {
        if (!resto_.isEmpty())
            EscreverNoConsole(console_, QString::fromUtf8(resto_).toStdWString());
        resto_.clear();
        QIODevice::close();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* dados, qint64 tamanho) override
    {
        QByteArray bytes = resto_ + QByteArray(dados, tamanho);
        resto_.clear();
        // The last sequence, if its continuation bytes have not all come yet.
        qsizetype inicio = bytes.size();
        while (inicio > 0 && bytes.size() - inicio < 3 && (static_cast<uchar>(bytes[inicio - 1]) & 0xC0) == 0x80)
            --inicio;
        if (inicio > 0) {
            const uchar lider = static_cast<uchar>(bytes[inicio - 1]);
            const qsizetype esperado = lider >= 0xF0 ? 4 : lider >= 0xE0 ? 3 : lider >= 0xC0 ? 2 : 1;
            if (esperado > bytes.size() - inicio + 1) {
                resto_ = bytes.mid(inicio - 1);
                bytes.truncate(inicio - 1);
            }
        }
        EscreverNoConsole(console_, QString::fromUtf8(bytes).toStdWString());
        return tamanho;
    }

private:
    const HANDLE console_;
    QByteArray resto_;
};

} // namespace

void PrepararFluxosPadrao()
{
    ::_setmode(_fileno(stdout), _O_BINARY);
    ::_setmode(_fileno(stderr), _O_BINARY);
}

bool EhTerminal(FluxoPadrao fluxo)
{
    return EhConsole(Alca(fluxo));
}

bool DescritorEhTerminal(int descritor)
{
    return EhConsole(reinterpret_cast<HANDLE>(::_get_osfhandle(descritor)));
}

void EscreverTexto(FluxoPadrao fluxo, const QString& texto)
{
    std::FILE* arquivo = Arquivo(fluxo);
    const HANDLE alca = Alca(fluxo);
    if (EhConsole(alca)) {
        // After what stdio still holds, so that the order stays.
        std::fflush(arquivo);
        EscreverNoConsole(alca, texto.toStdWString());
        return;
    }
    const QByteArray bytes = texto.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), arquivo);
    std::fflush(arquivo);
}

void EscreverSemEsperar(FluxoPadrao fluxo, const QString& texto)
{
    // No pipe says whether it has room: the write goes to a thread of its own, left behind if it
    // is held (the process is ending).
    const HANDLE alca = Alca(fluxo);
    if (!alca || alca == INVALID_HANDLE_VALUE)
        return;
    auto* escrita = new EscritaAParte{alca, EhConsole(alca), texto};
    const HANDLE thread = ::CreateThread(nullptr, 0, Escrever, escrita, 0, nullptr);
    if (!thread) {
        delete escrita;
        return;
    }
    ::WaitForSingleObject(thread, 100);
    ::CloseHandle(thread);
}

std::unique_ptr<QIODevice> DispositivoDoConsole(FluxoPadrao fluxo)
{
    const HANDLE alca = Alca(fluxo);
    if (!EhConsole(alca))
        return nullptr;
    std::fflush(Arquivo(fluxo));
    return std::make_unique<Console>(alca);
}

} // namespace Quorvane
