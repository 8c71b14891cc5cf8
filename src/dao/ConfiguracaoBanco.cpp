#include "ConfiguracaoBanco.h"

#include "ArquivoIni.h"
#include "LeituraDeArquivo.h"
#include "TextoDeCaminho.h"

namespace Quorvane {

namespace {

// A configuration file is a few lines; past this it is not one, and is not read whole.
constexpr qint64 TamanhoMaximo = 64 << 20;

QString Nome(const std::filesystem::path& arquivo)
{
    return NomeParaExibir(arquivo);
}

QString FaltaDoArquivo(const std::filesystem::path& arquivo)
{
    const SituacaoDoArquivo situacao = SituacaoDe(arquivo);
    switch (situacao.tipo) {
    case TipoDeArquivo::Comum:
        return {};
    case TipoDeArquivo::Ausente:
        return QStringLiteral("%1 não existe").arg(Nome(arquivo));
    case TipoDeArquivo::LinkQuebrado:
        return QStringLiteral("%1 é um link para um arquivo que não existe").arg(Nome(arquivo));
    case TipoDeArquivo::SemAcesso:
        return QStringLiteral("%1 não pode ser lido: sem permissão de acesso à pasta").arg(Nome(arquivo));
    case TipoDeArquivo::Pasta:
        return QStringLiteral("%1 é uma pasta, não um arquivo").arg(Nome(arquivo));
    case TipoDeArquivo::Bloco:
    case TipoDeArquivo::Especial:
        return QStringLiteral("%1 não é um arquivo comum (é um FIFO, um dispositivo ou um socket)").arg(Nome(arquivo));
    case TipoDeArquivo::Falha:
        break;
    }
    return QStringLiteral("%1 não pode ser lido: %2").arg(Nome(arquivo), situacao.erro);
}

} // namespace

ConfiguracaoBanco LerConfiguracaoBanco(const std::filesystem::path& arquivo, const QString& nome)
{
    const QString naoEncontrado = QStringLiteral("Arquivo %1 de configuração não encontrado.").arg(nome);
    if (const QString falta = FaltaDoArquivo(arquivo); !falta.isEmpty())
        throw ErroConfiguracao(naoEncontrado, falta);
    const LeituraDoArquivo leitura = LerInicioDoArquivo(arquivo, TamanhoMaximo);
    if (!leitura.bytes)
        throw ErroConfiguracao(naoEncontrado, leitura.semPermissao ? QStringLiteral("%1 não pode ser lido: sem permissão de leitura").arg(Nome(arquivo))
                                                                   : QStringLiteral("%1 não pode ser lido: %2").arg(Nome(arquivo), leitura.erro));
    const QByteArray& bytes = *leitura.bytes;

    const QString invalido = QStringLiteral("Caminho do banco de dados dentro arquivo %1 inválido").arg(nome);
    if (bytes.trimmed().isEmpty())
        throw ErroConfiguracao(invalido, QStringLiteral("%1 está vazio").arg(Nome(arquivo)));
    const QString texto = DecodificarArquivoIni(bytes);
    const ValorIni caminho = ProcurarValorIni(texto, QStringLiteral("BANCO"), QStringLiteral("CAMINHO"));
    // NUL characters (not the zero bytes of UTF-16) come only in a file that is not text.
    if ((!caminho.valor || caminho.valor->isEmpty()) && texto.contains(QChar(0)))
        throw ErroConfiguracao(invalido, QStringLiteral("%1 não é um arquivo de texto").arg(Nome(arquivo)));
    if (!caminho.secao)
        throw ErroConfiguracao(invalido, QStringLiteral("%1 não tem a seção [BANCO]").arg(Nome(arquivo)));
    if (!caminho.valor)
        throw ErroConfiguracao(invalido, QStringLiteral("%1: a seção [BANCO] não tem a chave CAMINHO").arg(Nome(arquivo)));
    if (caminho.valor->isEmpty())
        throw ErroConfiguracao(invalido, QStringLiteral("%1: CAMINHO está vazio na seção [BANCO]").arg(Nome(arquivo)));
    return {*caminho.valor, LerValorIniDeTexto(texto, QStringLiteral("BANCO"), QStringLiteral("MOTOR"))};
}

QString CausaDoMotorInvalido(const std::filesystem::path& arquivo, const QString& motor)
{
    return QStringLiteral("%1: MOTOR=%2 não é válido na seção [BANCO] (use servidor ou embutido, ou apague a linha "
                          "para que o programa escolha)")
        .arg(Nome(arquivo), motor);
}

} // namespace Quorvane
