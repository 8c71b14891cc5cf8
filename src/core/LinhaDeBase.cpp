#include "LinhaDeBase.h"

#include "ChaveDoAchado.h"
#include "Erro.h"
#include "LeitorJsonEmPartes.h"
#include "Verificacoes.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <optional>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quorvane {

namespace {

// More checks than any version will have: a list longer than this is not the runner's.
constexpr qsizetype MaximoDeVerificacoes = 1000;

class Leitura {
public:
    explicit Leitura(QString arquivo) : arquivo_(std::move(arquivo)) {}

    [[noreturn]] void Falhar(const QString& motivo) const
    {
        throw Erro(QStringLiteral("A linha de base %1 não é uma saída --format json do quorvane-cli: %2").arg(arquivo_, motivo));
    }

    [[noreturn]] void Invalido(const QString& motivo, qint64 posicao) const
    {
        throw Erro(QStringLiteral("A linha de base %1 não é um JSON válido: %2 na posição %3").arg(arquivo_, motivo).arg(posicao));
    }

    QString Texto(const QJsonObject& objeto, const QString& chave, const QString& onde) const
    {
        const QJsonValue texto = objeto[chave];
        if (!texto.isString())
            Falhar(QStringLiteral("%1 não tem o texto \"%2\"").arg(onde, chave));
        return texto.toString();
    }

    QJsonObject Objeto(const QJsonValue& valor, const QString& onde) const
    {
        if (!valor.isObject())
            Falhar(QStringLiteral("%1 não é um objeto").arg(onde));
        return valor.toObject();
    }

    // A finding of the list "achados": its check and texts, checked; its key, when it has one.
    struct Achado {
        QString verificacao;
        TLogAlertasAndErros registro;
        bool comChave = false;
    };
    Achado LerAchado(const QJsonValue& valor, qsizetype indice) const
    {
        const QString onde = QStringLiteral("o achado %1").arg(indice + 1);
        const QJsonObject a = Objeto(valor, onde);
        Achado achado;
        achado.registro.FAlerta = Texto(a, QStringLiteral("alerta"), onde);
        achado.registro.FErro = Texto(a, QStringLiteral("erro"), onde);
        achado.registro.FCorrecao = Texto(a, QStringLiteral("correcao"), onde);
        if (achado.registro.FAlerta.isEmpty() == achado.registro.FErro.isEmpty())
            Falhar(QStringLiteral("o achado %1 deve ter um alerta ou um erro, não ambos nem nenhum").arg(indice + 1));
        achado.verificacao = Texto(a, QStringLiteral("verificacao"), onde);
        if (a.contains(u"chave")) {
            const auto chave = LerChave(a[u"chave"].toString());
            if (!chave)
                Falhar(QStringLiteral("%1 tem uma \"chave\" que não é de 16 dígitos hexadecimais").arg(onde));
            achado.registro.FChave = *chave;
            achado.comChave = true;
        }
        return achado;
    }

private:
    QString arquivo_;
};

// Opened without waiting (a FIFO with no writer would hold the open for ever) and refused unless
// it is a regular file of a sensible size: /dev/zero never ends.
std::shared_ptr<QFile> Abrir(const std::filesystem::path& caminho, const QString& nome)
{
    const auto falha = [&](const QString& motivo) {
        return Erro(QStringLiteral("Não foi possível ler a linha de base %1: %2").arg(nome, motivo));
    };
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw falha(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw falha(QStringLiteral("não é um arquivo comum"));
    }
    if (info.st_size > LimiteDaLinhaDeBase) {
        ::close(fd);
        throw falha(QStringLiteral("tem %1 MB, mais que o limite de %2 MB").arg(info.st_size >> 20).arg(LimiteDaLinhaDeBase >> 20));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto arquivo = std::make_shared<QFile>();
    if (!arquivo->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw falha(arquivo->errorString());
    }
    return arquivo;
}

// The document once through; `achado` gets every finding, checked. False: it has no list "achados".
bool Percorrer(QFile& arquivo, const Leitura& leitura, const std::function<void(const QJsonValue&)>& membroVerificacoes,
               const std::function<void(const QString&)>& membroBanco,
               const std::function<void(Leitura::Achado&&, qsizetype indice)>& achado)
{
    if (!arquivo.seek(0))
        leitura.Invalido(arquivo.errorString(), 0);
    LeitorJsonEmPartes leitor(arquivo, [&](const QString& motivo, qint64 posicao) { leitura.Invalido(motivo, posicao); });
    const char inicio = leitor.Inicio();
    if (inicio == '[' || inicio == '"' || inicio == '-' || (inicio >= '0' && inicio <= '9') || inicio == 't' || inicio == 'f' ||
        inicio == 'n')
        leitura.Falhar(QStringLiteral("o documento não é um objeto"));
    bool listaDeAchados = false;
    leitor.LerObjeto(
        [&](const QString& nome) {
            listaDeAchados = listaDeAchados || nome == u"achados";
            return nome == u"achados" || nome == u"resolvidos";
        },
        [&](const QString& nome, const QJsonValue& valor) {
            if (nome == u"banco")
                membroBanco(valor.isString() ? valor.toString() : QString());
            else if (nome == u"verificacoes")
                membroVerificacoes(valor);
        },
        [&](const QString& nome, qsizetype indice, const QJsonValue& valor) {
            // The resolved findings of a baseline that was itself compared are not its findings.
            if (nome == u"achados")
                achado(leitura.LerAchado(valor, indice), indice);
        });
    return listaDeAchados;
}

} // namespace

LinhaDeBase LerLinhaDeBase(const std::filesystem::path& caminho)
{
    LinhaDeBase base;
    base.arquivo = QFile::decodeName(caminho.c_str());
    base.conteudo = Abrir(caminho, base.arquivo);
    const Leitura leitura(base.arquivo);

    bool temBanco = false;
    bool temVerificacoes = false;
    std::optional<bool> comChave; // as the first finding has it, so must the others
    ChaveDoAchado chave;
    const bool temAchados = Percorrer(
        *base.conteudo, leitura,
        [&](const QJsonValue& valor) {
            if (!valor.isArray())
                leitura.Falhar(QStringLiteral("falta a lista \"verificacoes\""));
            const QJsonArray verificacoes = valor.toArray();
            if (verificacoes.size() > MaximoDeVerificacoes)
                leitura.Falhar(QStringLiteral("a lista \"verificacoes\" tem mais de %1 verificações").arg(MaximoDeVerificacoes));
            temVerificacoes = true;
            for (qsizetype i = 0; i < verificacoes.size(); ++i) {
                const QString onde = QStringLiteral("a verificação %1").arg(i + 1);
                const QJsonObject v = leitura.Objeto(verificacoes[i], onde);
                const QString nome = leitura.Texto(v, QStringLiteral("nome"), onde);
                base.verificacoes << nome;
                if (leitura.Texto(v, QStringLiteral("situacao"), onde) == u"executada")
                    base.executadas.insert(nome);
            }
        },
        [&](const QString& banco) {
            base.banco = banco;
            temBanco = true;
        },
        [&](Leitura::Achado&& achado, qsizetype indice) {
            if (!comChave)
                comChave = achado.comChave;
            else if (*comChave != achado.comChave)
                leitura.Falhar(QStringLiteral("o achado %1 %2 a \"chave\", e o primeiro não")
                                   .arg(indice + 1)
                                   .arg(achado.comChave ? QStringLiteral("tem") : QStringLiteral("não tem")));
            base.chaves.push_back(achado.comChave ? achado.registro.FChave : chave.DosTextos(achado.verificacao, achado.registro));
        });

    if (!temBanco)
        leitura.Falhar(QStringLiteral("o documento não tem o texto \"banco\""));
    if (!temVerificacoes)
        leitura.Falhar(QStringLiteral("falta a lista \"verificacoes\""));
    if (!temAchados)
        leitura.Falhar(QStringLiteral("falta a lista \"achados\""));
    base.porTexto = !comChave.value_or(true);
    base.chaves.shrink_to_fit();
    std::sort(base.chaves.begin(), base.chaves.end());

    const auto conhecida = [](const QString& nome) {
        const auto& todas = VerificacoesNaOrdemDeExecucao();
        return std::any_of(todas.begin(), todas.end(), [&](const Verificacao* v) { return v->nome == nome; });
    };
    if (std::none_of(base.verificacoes.begin(), base.verificacoes.end(), conhecida))
        throw Erro(QStringLiteral("A linha de base %1 não nomeia nenhuma verificação desta versão do quorvane-cli: "
                                  "não há com o que comparar")
                       .arg(base.arquivo));
    return base;
}

void ParaCadaAchadoDaLinhaDeBase(const LinhaDeBase& base,
                                 const std::function<void(const QString& verificacao, TLogAlertasAndErros&& achado)>& achado)
{
    const Leitura leitura(base.arquivo);
    ChaveDoAchado chave;
    Percorrer(
        *base.conteudo, leitura, [](const QJsonValue&) {}, [](const QString&) {},
        [&](Leitura::Achado&& lido, qsizetype) {
            if (base.porTexto)
                lido.registro.FChave = chave.DosTextos(lido.verificacao, lido.registro);
            achado(lido.verificacao, std::move(lido.registro));
        });
}

} // namespace Quorvane
