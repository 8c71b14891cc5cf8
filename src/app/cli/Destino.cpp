#include "Destino.h"

#include "ArquivoDeSaida.h"
#include "Console.h"
#include "Erro.h"
#include "PlanilhaAchados.h"
#include "SubstituicaoDeArquivo.h"
#include "TextoDeCaminho.h"

#include <system_error>

namespace Quorvane::Cli {

Destino::Destino(const std::optional<std::filesystem::path>& arquivo, QString oQue) : oQue_(std::move(oQue))
{
    if (!arquivo || *arquivo == "-") {
        nome_ = QStringLiteral("-");
        if ((console_ = DispositivoDoConsole(FluxoPadrao::Saida)))
            return;
        if (!dispositivo_.open(stdout, QIODevice::WriteOnly))
            throw Erro(QStringLiteral("Não foi possível escrever na saída padrão: %1").arg(dispositivo_.errorString()));
        return;
    }
    nome_ = NomeParaExibir(*arquivo);
    const SaidaResolvida saida = ResolverSaida(*arquivo);
    alvo_ = saida.alvo;
    direto_ = saida.direto;
    if (!saida.falha.isEmpty())
        Falhar(saida.falha);
    if (direto_)
        return;
    const ArquivoProvisorio provisorio = CriarProvisorioAoLado(alvo_);
    if (provisorio.descritor < 0)
        Falhar(provisorio.falha);
    provisorio_ = provisorio.caminho;
    emEscrita_.emplace(provisorio_);
    dispositivo_.open(provisorio.descritor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
}

Destino::~Destino()
{
    Descartar();
}

bool Destino::EhTerminal() const
{
    return console_ || (dispositivo_.isOpen() && DescritorEhTerminal(dispositivo_.handle()));
}

QIODevice& Destino::Dispositivo()
{
    if (console_)
        return *console_;
    if (direto_ && !dispositivo_.isOpen()) {
        QString falha;
        const int fd = AbrirParaAcrescentar(alvo_, falha);
        if (fd < 0)
            Falhar(falha);
        dispositivo_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    }
    return dispositivo_;
}

void Destino::GravarPlanilha(const TListaLogAlertasAndErros& achados, const ResultadoComparacao* comparacao)
{
    if (!provisorio_.empty()) {
        dispositivo_.close();
        try {
            GravarPlanilhaAchados(provisorio_, achados, comparacao);
        } catch (const Erro& e) {
            // The user knows the file by the name given, not by the one it had meanwhile.
            QString mensagem = e.Mensagem();
            throw Erro(mensagem.replace(NomeParaExibir(provisorio_), nome_));
        }
        return;
    }
    // Into what is not a file, the workbook goes through a private folder of its own.
    struct PastaRemovida {
        std::filesystem::path pasta;
        ~PastaRemovida()
        {
            std::error_code erro;
            std::filesystem::remove_all(pasta, erro);
        }
    };
    const std::filesystem::path arquivo = GravarPlanilhaTemporaria(achados, comparacao);
    const PastaRemovida temporaria{arquivo.parent_path()};
    QFile pronto(NomeParaExibir(arquivo));
    if (!pronto.open(QIODevice::ReadOnly))
        Falhar(pronto.errorString());
    QIODevice& saida = Dispositivo();
    while (!pronto.atEnd())
        if (saida.write(pronto.read(1 << 16)) < 0)
            break;
}

void Destino::Concluir()
{
    if (console_)
        console_->close();
    if (dispositivo_.isOpen() && (!dispositivo_.flush() || dispositivo_.error() != QFileDevice::NoError))
        Falhar(dispositivo_.errorString());
    if (provisorio_.empty()) {
        dispositivo_.close();
        return;
    }
    dispositivo_.close();
    if (const QString erro = SubstituirArquivo(provisorio_, alvo_); !erro.isEmpty())
        Falhar(erro);
    provisorio_.clear();
    emEscrita_.reset();
}

void Destino::Descartar() noexcept
{
    if (console_)
        console_->close();
    dispositivo_.close();
    if (!provisorio_.empty()) {
        std::error_code erro;
        std::filesystem::remove(provisorio_, erro);
    }
    provisorio_.clear();
    emEscrita_.reset();
}

void Destino::Falhar(const QString& motivo) const
{
    if (nome_ == u"-")
        throw Erro(QStringLiteral("Não foi possível escrever na saída padrão: %1").arg(motivo));
    throw Erro(QStringLiteral("Não foi possível gravar %1 %2: %3").arg(oQue_, nome_, motivo));
}

} // namespace Quorvane::Cli
