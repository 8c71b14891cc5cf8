#include "ArquivoIni.h"

#include "DecodificacaoTexto.h"

#include <QFile>
#include <QStringConverter>
#include <QStringDecoder>

#include <fcntl.h>
#include <unistd.h>

namespace Quorvane {

namespace {

constexpr qsizetype TamanhoMaximoValor = 2047;

bool EhBranco(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView SemBrancos(QStringView texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && EhBranco(texto[inicio]))
        ++inicio;
    while (fim > inicio && EhBranco(texto[fim - 1]))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

QString ValorDaLinha(QStringView valor)
{
    valor = SemBrancos(valor);
    if (valor.size() >= 2) {
        const QChar primeira = valor.front();
        if ((primeira == u'"' || primeira == u'\'') && valor.back() == primeira)
            valor = valor.mid(1, valor.size() - 2);
    }
    return valor.left(TamanhoMaximoValor).toString();
}

} // namespace

QString DecodificarArquivoIni(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringConverter::Utf16LE);
        return utf16(QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringConverter::Utf16BE);
        return utf16(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString texto = utf8(bytes);
    if (!utf8.hasError())
        return texto;
    return DecodificarTexto(bytes.constData(), static_cast<std::size_t>(bytes.size()), CharSet::Win1252);
}

QString LerValorIniDeTexto(const QString& texto, const QString& secao, const QString& chave)
{
    return ProcurarValorIni(texto, secao, chave).valor.value_or(QString());
}

ValorIni ProcurarValorIni(const QString& texto, const QString& secao, const QString& chave)
{
    bool naSecao = false;
    bool secaoVista = false;
    qsizetype inicio = 0;
    while (inicio <= texto.size()) {
        qsizetype fim = texto.indexOf(u'\n', inicio);
        if (fim < 0)
            fim = texto.size();
        QStringView linha = SemBrancos(QStringView(texto).mid(inicio, fim - inicio));
        if (linha.endsWith(u'\r'))
            linha = SemBrancos(linha.chopped(1));
        inicio = fim + 1;

        if (linha.startsWith(u'[')) {
            // Only the first section of that name counts, as in the Windows reader.
            if (naSecao)
                return {true, std::nullopt};
            qsizetype fecha = linha.indexOf(u']');
            QStringView nome = SemBrancos(linha.mid(1, fecha < 0 ? -1 : fecha - 1));
            naSecao = !secaoVista && nome.compare(secao, Qt::CaseInsensitive) == 0;
            secaoVista = secaoVista || naSecao;
            continue;
        }
        if (!naSecao || linha.startsWith(u';'))
            continue;
        const qsizetype igual = linha.indexOf(u'=');
        if (igual < 0)
            continue;
        if (SemBrancos(linha.left(igual)).compare(chave, Qt::CaseInsensitive) == 0)
            return {true, ValorDaLinha(linha.mid(igual + 1))};
    }
    return {secaoVista, std::nullopt};
}

QString LerValorIni(const std::filesystem::path& arquivo, const QString& secao, const QString& chave)
{
    // A FIFO or a device would block the open for ever.
    std::error_code erro;
    if (!std::filesystem::is_regular_file(arquivo, erro))
        return {};
    QFile file;
    const int fd = ::open(arquivo.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return {};
    }
    // A configuration file is a few lines; anything past this is not one, and is not read whole.
    constexpr qint64 TamanhoMaximoArquivo = 64 << 20;
    return LerValorIniDeTexto(DecodificarArquivoIni(file.read(TamanhoMaximoArquivo)), secao, chave);
}

} // namespace Quorvane
