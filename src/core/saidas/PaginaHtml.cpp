#include "PaginaHtml.h"

namespace Quorvane::Cli {

namespace {

bool Proibido(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7f && c < 0xa0) || (c >= 0xfdd0 && c <= 0xfdef) ||
           c == 0xfffe || c == 0xffff;
}

} // namespace

// Not QString::toHtmlEscaped: it leaves the characters HTML forbids, and copies every value,
// where most need nothing and go in unchanged.
void AcrescentarEscapado(QString& destino, QStringView texto)
{
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        QStringView troca;
        switch (c) {
        case u'&': troca = u"&amp;"; break;
        case u'<': troca = u"&lt;"; break;
        case u'>': troca = u"&gt;"; break;
        case u'"': troca = u"&quot;"; break;
        case u'\'': troca = u"&#39;"; break;
        default:
            if (!Proibido(c))
                continue;
            troca = u"\uFFFD";
        }
        destino.append(texto.mid(inicio, i - inicio)).append(troca);
        inicio = i + 1;
    }
    destino.append(texto.mid(inicio));
}

void Pagina::Descarregar()
{
    saida_.write(buffer_.toUtf8());
    buffer_.clear();
}

} // namespace Quorvane::Cli
