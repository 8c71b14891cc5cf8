#include "LinhaDeBase.h"

#include "Erro.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace Quorvane {

namespace {

class Leitura {
public:
    explicit Leitura(QString arquivo) : arquivo_(std::move(arquivo)) {}

    [[noreturn]] void Falhar(const QString& motivo) const
    {
        throw Erro(QStringLiteral("A linha de base %1 não é uma saída --format json do quorvane-cli: %2").arg(arquivo_, motivo));
    }

    QJsonArray Lista(const QJsonObject& objeto, const QString& chave) const
    {
        const QJsonValue valor = objeto[chave];
        if (!valor.isArray())
            Falhar(QStringLiteral("falta a lista \"%1\"").arg(chave));
        return valor.toArray();
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

private:
    QString arquivo_;
};

} // namespace

LinhaDeBase LerLinhaDeBase(const std::filesystem::path& caminho)
{
    LinhaDeBase base;
    base.arquivo = QFile::decodeName(caminho.c_str());
    // Opened by its bytes: a name that is not UTF-8 does not survive a trip through text.
    QFile arquivo;
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Erro(QStringLiteral("Não foi possível ler a linha de base %1: %2").arg(base.arquivo, QString::fromLocal8Bit(std::strerror(errno))));
    arquivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray conteudo = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        throw Erro(QStringLiteral("Não foi possível ler a linha de base %1: %2").arg(base.arquivo, arquivo.errorString()));

    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(conteudo, &erro);
    if (erro.error != QJsonParseError::NoError)
        throw Erro(QStringLiteral("A linha de base %1 não é um JSON válido: %2 na posição %3")
                       .arg(base.arquivo, erro.errorString())
                       .arg(erro.offset));

    const Leitura leitura(base.arquivo);
    if (!documento.isObject())
        leitura.Falhar(QStringLiteral("o documento não é um objeto"));
    const QJsonObject raiz = documento.object();
    base.banco = leitura.Texto(raiz, QStringLiteral("banco"), QStringLiteral("o documento"));

    const QJsonArray verificacoes = leitura.Lista(raiz, QStringLiteral("verificacoes"));
    for (qsizetype i = 0; i < verificacoes.size(); ++i) {
        const QString onde = QStringLiteral("a verificação %1").arg(i + 1);
        const QJsonObject v = leitura.Objeto(verificacoes[i], onde);
        const QString nome = leitura.Texto(v, QStringLiteral("nome"), onde);
        base.verificacoes << nome;
        if (leitura.Texto(v, QStringLiteral("situacao"), onde) == u"executada")
            base.executadas.insert(nome);
    }

    const QJsonArray achados = leitura.Lista(raiz, QStringLiteral("achados"));
    base.achados.reserve(static_cast<std::size_t>(achados.size()));
    base.origens.reserve(static_cast<std::size_t>(achados.size()));
    for (qsizetype i = 0; i < achados.size(); ++i) {
        const QString onde = QStringLiteral("o achado %1").arg(i + 1);
        const QJsonObject a = leitura.Objeto(achados[i], onde);
        TLogAlertasAndErros achado;
        achado.FAlerta = leitura.Texto(a, QStringLiteral("alerta"), onde);
        achado.FErro = leitura.Texto(a, QStringLiteral("erro"), onde);
        achado.FCorrecao = leitura.Texto(a, QStringLiteral("correcao"), onde);
        if (achado.FAlerta.isEmpty() == achado.FErro.isEmpty())
            leitura.Falhar(QStringLiteral("o achado %1 deve ter um alerta ou um erro, não ambos nem nenhum").arg(i + 1));
        base.origens.push_back(leitura.Texto(a, QStringLiteral("verificacao"), onde));
        base.achados.push_back(std::move(achado));
    }
    return base;
}

} // namespace Quorvane
