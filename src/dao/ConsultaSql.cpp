#include "ConsultaSql.h"

#include "ConexaoSql.h"
#include "DecodificacaoTexto.h"
#include "FirebirdApi.h"

#include <cstring>

namespace Quorvane {

struct ConsultaSql::Estado {
    const ClienteFirebird& cliente;
    StatusFirebird status;
    Firebird::ITransaction* transacao = nullptr;
    Firebird::IStatement* comando = nullptr;
    Firebird::IMessageMetadata* metadados = nullptr;
    Firebird::IResultSet* resultado = nullptr;

    explicit Estado(const ClienteFirebird& c) : cliente(c), status(c) {}
};

namespace {

TipoCampo TipoDe(unsigned tipoSql, int escala, unsigned subTipo)
{
    switch (tipoSql) {
    case SQL_TEXT:
        return TipoCampo::Char;
    case SQL_VARYING:
        return TipoCampo::Varchar;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return escala < 0 ? TipoCampo::Decimal : TipoCampo::Inteiro;
    case SQL_FLOAT:
        return TipoCampo::Float;
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return TipoCampo::Double;
    case SQL_TYPE_DATE:
        return TipoCampo::Data;
    case SQL_TYPE_TIME:
        return TipoCampo::Hora;
    case SQL_TIMESTAMP:
        return TipoCampo::Timestamp;
    case SQL_BOOLEAN:
        return TipoCampo::Booleano;
    case SQL_BLOB:
        (void)subTipo;
        return TipoCampo::Blob;
    default:
        return TipoCampo::Desconhecido;
    }
}

template <class T>
T Ler(const unsigned char* origem)
{
    T valor;
    std::memcpy(&valor, origem, sizeof valor);
    return valor;
}

} // namespace

ConsultaSql::ConsultaSql(ConexaoSql* conexao) : conexao_(conexao) {}

ConsultaSql::~ConsultaSql()
{
    Fechar(false);
}

void ConsultaSql::DefinirConexao(ConexaoSql* conexao)
{
    Fechar();
    conexao_ = conexao;
}

void ConsultaSql::LimparSQL()
{
    Fechar();
    linhas_.clear();
}

void ConsultaSql::AdicionarLinha(const QString& linha)
{
    Fechar();
    linhas_.append(linha);
}

QString ConsultaSql::Comando() const
{
    QString texto;
    for (const QString& linha : linhas_) {
        texto += linha;
        texto += QLatin1String("\r\n");
    }
    return texto;
}

bool ConsultaSql::Ativa() const
{
    return estado_ != nullptr;
}

void ConsultaSql::Abrir()
{
    Fechar();
    if (!conexao_ || !conexao_->Conectado())
        throw Erro(QStringLiteral("Consulta sem conexão com o banco de dados"));

    const ClienteFirebird& cliente = conexao_->Cliente();
    estado_ = std::make_unique<Estado>(cliente);
    Estado& e = *estado_;
    try {
        ChamarCliente(cliente, [&] {
            Firebird::IXpbBuilder* tpb = cliente.Util()->getXpbBuilder(e.status.Ptr(), Firebird::IXpbBuilder::TPB, nullptr, 0);
            struct Descarte {
                Firebird::IXpbBuilder* b;
                ~Descarte() { b->dispose(); }
            } descarte{tpb};
            tpb->insertTag(e.status.Ptr(), isc_tpb_read);
            tpb->insertTag(e.status.Ptr(), isc_tpb_read_committed);
            tpb->insertTag(e.status.Ptr(), isc_tpb_rec_version);
            tpb->insertTag(e.status.Ptr(), isc_tpb_wait);
            e.transacao = conexao_->Anexo()->startTransaction(e.status.Ptr(), tpb->getBufferLength(e.status.Ptr()),
                                                                tpb->getBuffer(e.status.Ptr()));

            const QByteArray sql = Comando().toUtf8();
            e.comando = conexao_->Anexo()->prepare(e.status.Ptr(), e.transacao, static_cast<unsigned>(sql.size()),
                                                   sql.constData(), 3, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
            if (e.comando->getType(e.status.Ptr()) != isc_info_sql_stmt_select)
                throw Erro(QStringLiteral("Somente comandos SELECT podem ser executados"));

            e.metadados = e.comando->getOutputMetadata(e.status.Ptr());
            const unsigned quantidade = e.metadados->getCount(e.status.Ptr());
            campos_.clear();
            campos_.reserve(quantidade);
            for (unsigned i = 0; i < quantidade; ++i) {
                CampoSql campo;
                campo.nome = QString::fromUtf8(e.metadados->getAlias(e.status.Ptr(), i));
                campo.tipoSql = e.metadados->getType(e.status.Ptr(), i) & ~1u;
                campo.escala = e.metadados->getScale(e.status.Ptr(), i);
                campo.comprimento = e.metadados->getLength(e.status.Ptr(), i);
                campo.subTipo = static_cast<unsigned>(e.metadados->getSubType(e.status.Ptr(), i));
                campo.charSet = e.metadados->getCharSet(e.status.Ptr(), i);
                campo.deslocamento = e.metadados->getOffset(e.status.Ptr(), i);
                campo.deslocamentoNulo = e.metadados->getNullOffset(e.status.Ptr(), i);
                campo.tipo = TipoDe(campo.tipoSql, campo.escala, campo.subTipo);
                campos_.push_back(std::move(campo));
            }
            linha_.assign(e.metadados->getMessageLength(e.status.Ptr()), 0);
            e.resultado = e.comando->openCursor(e.status.Ptr(), e.transacao, nullptr, nullptr, e.metadados, 0);
        });
        eof_ = false;
        LerProxima();
    } catch (...) {
        Fechar(false);
        throw;
    }
}

void ConsultaSql::Proximo()
{
    if (eof_ || !estado_)
        return;
    try {
        LerProxima();
    } catch (...) {
        Fechar(false);
        throw;
    }
}

void ConsultaSql::LerProxima()
{
    Estado& e = *estado_;
    const int resultado = ChamarCliente(e.cliente, [&] { return e.resultado->fetchNext(e.status.Ptr(), linha_.data()); });
    if (resultado == Firebird::IStatus::RESULT_OK)
        return;
    // Every row has been read: the transaction ends here, not when the next statement comes.
    eof_ = true;
    ChamarCliente(e.cliente, [&] {
        e.resultado->close(e.status.Ptr());
        e.resultado = nullptr;
        e.comando->free(e.status.Ptr());
        e.comando = nullptr;
        e.metadados->release();
        e.metadados = nullptr;
        e.transacao->commit(e.status.Ptr());
        e.transacao = nullptr;
    });
    estado_.reset();
}

void ConsultaSql::Fechar() noexcept
{
    Fechar(true);
}

void ConsultaSql::Fechar(bool confirmar) noexcept
{
    eof_ = true;
    if (!estado_)
        return;
    Estado& e = *estado_;
    Firebird::IStatus* status = e.cliente.Master()->getStatus();
    Firebird::CheckStatusWrapper w(status);
    const auto falhou = [&] {
        const bool erro = (w.getState() & Firebird::IStatus::STATE_ERRORS) != 0;
        w.init();
        return erro;
    };
    if (e.resultado) {
        e.resultado->close(&w);
        if (falhou())
            e.resultado->release();
    }
    if (e.comando) {
        e.comando->free(&w);
        if (falhou())
            e.comando->release();
    }
    if (e.metadados)
        e.metadados->release();
    if (e.transacao) {
        if (confirmar)
            e.transacao->commit(&w);
        else
            e.transacao->rollback(&w);
        if (falhou())
            e.transacao->release();
    }
    status->dispose();
    estado_.reset();
}

int ConsultaSql::IndiceCampo(const QString& nome) const
{
    for (std::size_t i = 0; i < campos_.size(); ++i)
        if (campos_[i].nome.compare(nome, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    throw Erro(QStringLiteral("Campo '%1' não encontrado").arg(nome));
}

bool ConsultaSql::EhNulo(int indice) const
{
    const CampoSql& c = Campo(indice);
    return Ler<std::int16_t>(&linha_[c.deslocamentoNulo]) != 0;
}

std::int64_t ConsultaSql::Inteiro(int indice) const
{
    const CampoSql& c = Campo(indice);
    const unsigned char* p = &linha_[c.deslocamento];
    switch (c.tipoSql) {
    case SQL_SHORT:
        return Ler<std::int16_t>(p);
    case SQL_LONG:
        return Ler<std::int32_t>(p);
    case SQL_INT64:
        return Ler<std::int64_t>(p);
    case SQL_BOOLEAN:
        return *p != 0;
    default:
        return 0;
    }
}

double ConsultaSql::Real(int indice) const
{
    const CampoSql& c = Campo(indice);
    const unsigned char* p = &linha_[c.deslocamento];
    switch (c.tipoSql) {
    case SQL_FLOAT:
        return Ler<float>(p);
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Ler<double>(p);
    default: {
        double valor = static_cast<double>(Inteiro(indice));
        for (int e = c.escala; e < 0; ++e)
            valor /= 10.0;
        return valor;
    }
    }
}

QString ConsultaSql::Texto(int indice) const
{
    const CampoSql& c = Campo(indice);
    const unsigned char* p = &linha_[c.deslocamento];
    switch (c.tipoSql) {
    case SQL_VARYING: {
        const auto tamanho = std::min<unsigned>(Ler<std::uint16_t>(p), c.comprimento);
        return DecodificarTexto(reinterpret_cast<const char*>(p + 2), tamanho, c.charSet);
    }
    case SQL_TEXT: {
        // A CHAR(n) arrives as n times the set's widest character, blank-padded: keep n characters.
        QString texto = DecodificarTexto(reinterpret_cast<const char*>(p), c.comprimento, c.charSet);
        const unsigned largura = BytesPorCaractere(c.charSet);
        if (largura > 1)
            texto.truncate(static_cast<qsizetype>(c.comprimento / largura));
        return texto;
    }
    case SQL_BLOB: {
        const Estado& e = *estado_;
        std::string bytes;
        ChamarCliente(e.cliente, [&] {
            ISC_QUAD id = Ler<ISC_QUAD>(p);
            StatusFirebird status(e.cliente);
            Firebird::IBlob* blob = conexao_->Anexo()->openBlob(status.Ptr(), e.transacao, &id, 0, nullptr);
            try {
                char pedaco[32768];
                for (;;) {
                    unsigned lidos = 0;
                    const int r = blob->getSegment(status.Ptr(), sizeof pedaco, pedaco, &lidos);
                    if (r != Firebird::IStatus::RESULT_OK && r != Firebird::IStatus::RESULT_SEGMENT)
                        break;
                    bytes.append(pedaco, lidos);
                }
                blob->close(status.Ptr());
            } catch (...) {
                blob->release();
                throw;
            }
        });
        // Binary blobs have no character set: their bytes are shown one for one.
        return DecodificarTexto(bytes.data(), bytes.size(), c.subTipo == 1 ? c.charSet : CharSet::Octets);
    }
    default:
        return {};
    }
}

QDate ConsultaSql::Data(int indice) const
{
    const CampoSql& c = Campo(indice);
    const unsigned char* p = &linha_[c.deslocamento];
    unsigned ano = 0, mes = 0, dia = 0;
    const ISC_DATE data = c.tipoSql == SQL_TIMESTAMP ? Ler<ISC_TIMESTAMP>(p).timestamp_date : Ler<ISC_DATE>(p);
    conexao_->Cliente().Util()->decodeDate(data, &ano, &mes, &dia);
    return QDate(static_cast<int>(ano), static_cast<int>(mes), static_cast<int>(dia));
}

unsigned ConsultaSql::FracaoHora(int indice) const
{
    const CampoSql& c = Campo(indice);
    const unsigned char* p = &linha_[c.deslocamento];
    return c.tipoSql == SQL_TIMESTAMP ? Ler<ISC_TIMESTAMP>(p).timestamp_time : Ler<ISC_TIME>(p);
}

QTime ConsultaSql::Hora(int indice) const
{
    unsigned horas = 0, minutos = 0, segundos = 0, fracoes = 0;
    conexao_->Cliente().Util()->decodeTime(FracaoHora(indice), &horas, &minutos, &segundos, &fracoes);
    return QTime(static_cast<int>(horas), static_cast<int>(minutos), static_cast<int>(segundos),
                 static_cast<int>(fracoes / 10));
}

} // namespace Quorvane
