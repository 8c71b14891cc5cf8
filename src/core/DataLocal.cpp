#include "DataLocal.h"

namespace Quorvane {

namespace {

enum class OrdemData { DiaMesAno, MesDiaAno, AnoMesDia };

OrdemData OrdemDe(const QString& formatoDataCurta)
{
    const qsizetype dia = formatoDataCurta.indexOf(u'd');
    const qsizetype mes = formatoDataCurta.indexOf(u'M');
    const qsizetype ano = formatoDataCurta.indexOf(u'y');
    if (ano >= 0 && (dia < 0 || ano < dia) && (mes < 0 || ano < mes))
        return OrdemData::AnoMesDia;
    if (mes >= 0 && (dia < 0 || mes < dia))
        return OrdemData::MesDiaAno;
    return OrdemData::DiaMesAno;
}

class Leitor {
public:
    explicit Leitor(const QString& texto) : texto_(texto) {}

    void PularBrancos()
    {
        while (pos_ < texto_.size() && texto_[pos_] == u' ')
            ++pos_;
    }

    bool LerCaractere(QChar c)
    {
        PularBrancos();
        if (pos_ < texto_.size() && texto_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    // A run of digits; its value and how many digits it had.
    bool LerNumero(int& valor, int& digitos)
    {
        PularBrancos();
        valor = 0;
        digitos = 0;
        while (pos_ < texto_.size() && texto_[pos_] >= u'0' && texto_[pos_] <= u'9') {
            if (digitos < 9)
                valor = valor * 10 + (texto_[pos_].unicode() - u'0');
            ++digitos;
            ++pos_;
        }
        return digitos > 0 && digitos <= 9;
    }

    bool ProximoEhDigito()
    {
        PularBrancos();
        return pos_ < texto_.size() && texto_[pos_] >= u'0' && texto_[pos_] <= u'9';
    }

private:
    const QString& texto_;
    qsizetype pos_ = 0;
};

int AnoComSeculo(int ano, int digitos, int anoAtual)
{
    if (digitos > 2)
        return ano;
    const int inicioJanela = anoAtual - 50;
    ano += inicioJanela / 100 * 100;
    if (ano < inicioJanela)
        ano += 100;
    return ano;
}

} // namespace

std::optional<QDate> LerDataLocal(const QString& texto, const FormatoLocal& formato, QDate hoje)
{
    Leitor leitor(texto);
    const QChar separador = formato.separadorData;
    int n1 = 0, n2 = 0, n3 = 0, d1 = 0, d2 = 0, d3 = 0;
    if (!leitor.LerNumero(n1, d1) || !leitor.LerCaractere(separador) || !leitor.LerNumero(n2, d2))
        return std::nullopt;
    bool tresNumeros = false;
    if (leitor.LerCaractere(separador) && leitor.ProximoEhDigito()) {
        if (!leitor.LerNumero(n3, d3))
            return std::nullopt;
        tresNumeros = true;
        leitor.LerCaractere(separador);
    }

    int dia = 0, mes = 0, ano = 0;
    const OrdemData ordem = OrdemDe(formato.formatoDataCurta);
    if (!tresNumeros) {
        ano = hoje.year();
        if (ordem == OrdemData::DiaMesAno) {
            dia = n1;
            mes = n2;
        } else {
            mes = n1;
            dia = n2;
        }
    } else {
        switch (ordem) {
        case OrdemData::DiaMesAno:
            dia = n1, mes = n2, ano = AnoComSeculo(n3, d3, hoje.year());
            break;
        case OrdemData::MesDiaAno:
            mes = n1, dia = n2, ano = AnoComSeculo(n3, d3, hoje.year());
            break;
        case OrdemData::AnoMesDia:
            ano = AnoComSeculo(n1, d1, hoje.year()), mes = n2, dia = n3;
            break;
        }
    }
    if (ano < 1 || ano > 9999 || !QDate::isValid(ano, mes, dia))
        return std::nullopt;
    return QDate(ano, mes, dia);
}

QString FormatarDataCarga(QDate data, const FormatoLocal& formato)
{
    // In the order the date was read in, so that the locale reads back the same day.
    const QString dia = QStringLiteral("%1").arg(data.day(), 2, 10, QLatin1Char('0'));
    const QString mes = QStringLiteral("%1").arg(data.month(), 2, 10, QLatin1Char('0'));
    const QString ano = QStringLiteral("%1").arg(data.year(), 4, 10, QLatin1Char('0'));
    const QChar sep = formato.separadorData;
    switch (OrdemDe(formato.formatoDataCurta)) {
    case OrdemData::MesDiaAno:
        return mes + sep + dia + sep + ano;
    case OrdemData::AnoMesDia:
        return ano + sep + mes + sep + dia;
    case OrdemData::DiaMesAno:
        break;
    }
    return dia + sep + mes + sep + ano;
}

QString FormatarDataFiltro(QDate data)
{
    return QLocale::c().toString(data, QStringLiteral("dd.MM.yyyy"));
}

} // namespace Quorvane
