#include "FormatacaoValores.h"

#include "ConsultaSql.h"
#include "DataLocal.h"
#include "Erro.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace Quorvane {

namespace {

// A decimal number as 0.digitos × 10^expoente, digits without a leading zero (unless zero).
struct Decimal {
    bool negativo = false;
    std::string digitos;
    int expoente = 0;
};

// From the "d.ddde±x" form of printf's %e or to_chars' scientific form.
Decimal DeCientifico(const char* texto)
{
    Decimal d;
    const char* p = texto;
    if (*p == '-') {
        d.negativo = true;
        ++p;
    }
    for (; *p && *p != 'e' && *p != 'E'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digitos += *p;
    int expoente = 0;
    if (*p)
        expoente = std::atoi(p + 1);
    d.expoente = expoente + 1;
    return d;
}

// The decimal digits of an integer of any width.
std::string Digitos(Inteiro128 valor)
{
    __extension__ typedef unsigned __int128 Natural128;
    // Magnitude through unsigned arithmetic, so that the smallest value has one too.
    Natural128 magnitude = valor < 0 ? 0 - static_cast<Natural128>(valor) : static_cast<Natural128>(valor);
    std::string digitos;
    do {
        digitos.insert(digitos.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    return digitos;
}

Decimal DeEscalado(Inteiro128 escalado, int escala)
{
    Decimal d;
    d.negativo = escalado < 0;
    d.digitos = Digitos(escalado);
    d.expoente = static_cast<int>(d.digitos.size()) + escala;
    return d;
}

void SemZerosAFinal(std::string& digitos)
{
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();
}

bool SoZeros(const std::string& digitos)
{
    return digitos.find_first_not_of('0') == std::string::npos;
}

// Plain digits with the decimal separator where the exponent puts it.
QString PosicionarVirgula(const Decimal& d, QChar separador)
{
    std::string digitos = d.digitos;
    SemZerosAFinal(digitos);
    QString texto;
    if (d.negativo && !SoZeros(digitos))
        texto += u'-';
    const int inteiros = d.expoente;
    if (inteiros <= 0) {
        if (SoZeros(digitos))
            return texto + u'0';
        texto += u'0';
        texto += separador;
        texto += QString(-inteiros, u'0');
        texto += QString::fromLatin1(digitos.data(), static_cast<qsizetype>(digitos.size()));
        return texto;
    }
    if (static_cast<int>(digitos.size()) <= inteiros) {
        texto += QString::fromLatin1(digitos.data(), static_cast<qsizetype>(digitos.size()));
        texto += QString(inteiros - static_cast<int>(digitos.size()), u'0');
        return texto;
    }
    texto += QString::fromLatin1(digitos.data(), inteiros);
    texto += separador;
    texto += QString::fromLatin1(digitos.data() + inteiros, static_cast<qsizetype>(digitos.size()) - inteiros);
    return texto;
}

QString FormaGeral(const Decimal& d, const FormatoLocal& formato)
{
    if (SoZeros(d.digitos))
        return QStringLiteral("0");
    // Fixed notation while the digits before the point fit the precision and the value is not
    // below 0.0001; scientific otherwise, as "1,5E-7" or "1E20".
    if (d.expoente <= 15 && d.expoente >= -3)
        return PosicionarVirgula(d, formato.separadorDecimal);
    std::string digitos = d.digitos;
    SemZerosAFinal(digitos);
    QString texto = d.negativo ? QStringLiteral("-") : QString();
    texto += QChar(digitos[0]);
    if (digitos.size() > 1) {
        texto += formato.separadorDecimal;
        texto += QString::fromLatin1(digitos.data() + 1, static_cast<qsizetype>(digitos.size()) - 1);
    }
    texto += u'E';
    texto += QString::number(d.expoente - 1);
    return texto;
}

QString NaoFinito(double valor)
{
    if (std::isnan(valor))
        return QStringLiteral("NAN");
    return valor < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Increments a string of decimal digits by one.
void Incrementar(std::string& digitos)
{
    for (auto i = digitos.size(); i-- > 0;) {
        if (digitos[i] != '9') {
            ++digitos[i];
            return;
        }
        digitos[i] = '0';
    }
    digitos.insert(digitos.begin(), '1');
}

QString Dinheiro(const Decimal& d, const FormatoLocal& formato)
{
    // The amount in hundredths, rounded half away from zero.
    const int manter = d.expoente + 2;
    std::string centavos;
    if (manter <= 0) {
        centavos = (manter == 0 && !d.digitos.empty() && d.digitos[0] >= '5') ? "1" : "0";
    } else {
        centavos = d.digitos.substr(0, static_cast<std::size_t>(manter));
        centavos.resize(static_cast<std::size_t>(manter), '0');
        if (d.digitos.size() > static_cast<std::size_t>(manter) && d.digitos[static_cast<std::size_t>(manter)] >= '5')
            Incrementar(centavos);
    }
    const auto primeiro = centavos.find_first_not_of('0');
    centavos = primeiro == std::string::npos ? std::string("0") : centavos.substr(primeiro);
    if (centavos.size() < 3)
        centavos.insert(0, 3 - centavos.size(), '0');

    const std::string inteiros = centavos.substr(0, centavos.size() - 2);
    QString texto;
    if (d.negativo && centavos != "000")
        texto += u'-';
    for (std::size_t i = 0; i < inteiros.size(); ++i) {
        if (i > 0 && (inteiros.size() - i) % 3 == 0)
            texto += formato.separadorMilhar;
        texto += QChar(inteiros[i]);
    }
    texto += formato.separadorDecimal;
    texto += QChar(centavos[centavos.size() - 2]);
    texto += QChar(centavos[centavos.size() - 1]);
    return texto;
}

double TextoComoReal(const QString& texto, const FormatoLocal& formato)
{
    bool ok = false;
    const QString limpo = texto.trimmed();
    double valor = formato.locale.toDouble(limpo, &ok);
    if (!ok)
        valor = limpo.toDouble(&ok);
    if (!ok && !limpo.isEmpty())
        throw Erro(QStringLiteral("'%1' não é um valor numérico válido").arg(texto));
    return ok ? valor : 0.0;
}

} // namespace

QString FormatarData(QDate data, const FormatoLocal& formato)
{
    if (!formato.padraoData)
        return formato.locale.toString(data, formato.formatoDataCurta);
    QString texto;
    texto.reserve(10);
    formato.padraoData->Escrever(texto, data, QTime());
    return texto;
}

QString FormatarHora(QTime hora, const FormatoLocal& formato)
{
    if (!formato.padraoHora)
        return formato.locale.toString(hora, formato.formatoHoraLonga);
    QString texto;
    texto.reserve(11);
    formato.padraoHora->Escrever(texto, QDate(), hora);
    return texto;
}

QString FormatarDataHora(QDate data, QTime hora, bool meiaNoite, const FormatoLocal& formato)
{
    QString texto = FormatarData(data, formato);
    if (!meiaNoite) {
        texto += u' ';
        texto += FormatarHora(hora, formato);
    }
    return texto;
}

QString FormatarInteiro(Inteiro128 valor)
{
    // Every column but INT128 fits in 64 bits, the common case of every row.
    if (valor >= std::numeric_limits<qint64>::min() && valor <= std::numeric_limits<qint64>::max())
        return QString::number(static_cast<qint64>(valor));
    return QString::fromStdString((valor < 0 ? "-" : "") + Digitos(valor));
}

QString FormatarDecimal(Inteiro128 escalado, int escala, const FormatoLocal& formato)
{
    return PosicionarVirgula(DeEscalado(escalado, escala), formato.separadorDecimal);
}

QString FormatarReal(double valor, const FormatoLocal& formato)
{
    if (!std::isfinite(valor))
        return NaoFinito(valor);
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.14e", valor);
    return FormaGeral(DeCientifico(texto), formato);
}

QString FormatarDinheiro(double valor, const FormatoLocal& formato)
{
    if (!std::isfinite(valor))
        return NaoFinito(valor);
    // A binary amount is taken at the 15 digits a double holds faithfully, as a quantity is:
    // more would print its noise (1e25 is 10000000000000000905969664).
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.14e", valor);
    return Dinheiro(DeCientifico(texto), formato);
}

QString FormatarDinheiroDecimal(Inteiro128 escalado, int escala, const FormatoLocal& formato)
{
    return Dinheiro(DeEscalado(escalado, escala), formato);
}

QString CampoComoTexto(const ConsultaSql& consulta, int indice, const FormatoLocal& formato)
{
    if (consulta.EhNulo(indice))
        return {};
    const CampoSql& campo = consulta.Campo(indice);
    switch (campo.tipo) {
    case TipoCampo::Char:
    case TipoCampo::Varchar:
    case TipoCampo::Blob:
        return consulta.Texto(indice);
    case TipoCampo::Inteiro:
        return FormatarInteiro(consulta.InteiroExato(indice));
    case TipoCampo::Decimal:
        return FormatarDecimal(consulta.InteiroExato(indice), campo.escala, formato);
    case TipoCampo::Float:
    case TipoCampo::Double:
        return FormatarReal(consulta.Real(indice), formato);
    case TipoCampo::Data:
        return FormatarData(consulta.Data(indice), formato);
    case TipoCampo::Hora:
        return FormatarHora(consulta.Hora(indice), formato);
    case TipoCampo::Timestamp:
        return FormatarDataHora(consulta.Data(indice), consulta.Hora(indice), consulta.FracaoHora(indice) == 0, formato);
    case TipoCampo::Booleano:
        return consulta.Inteiro(indice) ? QStringLiteral("True") : QStringLiteral("False");
    case TipoCampo::Nulo:
    case TipoCampo::Desconhecido:
        break;
    }
    return {};
}

QString CampoComoDinheiro(const ConsultaSql& consulta, int indice, const FormatoLocal& formato)
{
    if (consulta.EhNulo(indice))
        return FormatarDinheiroDecimal(0, 0, formato);
    const CampoSql& campo = consulta.Campo(indice);
    switch (campo.tipo) {
    case TipoCampo::Inteiro:
    case TipoCampo::Decimal:
        return FormatarDinheiroDecimal(consulta.InteiroExato(indice), campo.escala, formato);
    case TipoCampo::Float:
    case TipoCampo::Double:
        return FormatarDinheiro(consulta.Real(indice), formato);
    case TipoCampo::Char:
    case TipoCampo::Varchar:
    case TipoCampo::Blob:
        return FormatarDinheiro(TextoComoReal(consulta.Texto(indice), formato), formato);
    case TipoCampo::Data:
        return FormatarDinheiro(static_cast<double>(DiaZero.daysTo(consulta.Data(indice))), formato);
    default:
        return FormatarDinheiroDecimal(consulta.Inteiro(indice), 0, formato);
    }
}

} // namespace Quorvane
