#include "ConsultaSql.h"

#include "ConexaoSql.h"
#include "DecodificacaoTexto.h"
#include "FirebirdApi.h"

#include <cstring>
#include <limits>

namespace Quorvane {

struct ConsultaSql::Estado {
    const ClienteFirebird& cliente;
    StatusFirebird status;
    // Declared in the order they are opened: they end in reverse.
    PosseFirebird<Firebird::ITransaction> transacao;
    PosseFirebird<Firebird::IStatement> comando;
    PosseFirebird<Firebird::IMessageMetadata> metadados;
    PosseFirebird<Firebird::IResultSet> resultado;

    explicit Estado(const ClienteFirebird& c) : cliente(c), status(c) {}

    // The statement is over: its handles go and its transaction is committed. On a failure the
    // holders end what is left.
    void Concluir()
    {
        ChamarCliente(cliente, [&] {
            resultado->close(status.Ptr());
            resultado.Liberado();
            comando->free(status.Ptr());
            comando.Liberado();
            metadados.Soltar();
            transacao->commit(status.Ptr());
            transacao.Liberado();
        });
    }
};

namespace {

// Firebird 4's types, by their codes: the Firebird 3 client's headers do not name them.
constexpr unsigned SqlInt128 = 32752;
constexpr unsigned SqlTimestampTz = 32754;
constexpr unsigned SqlTimeTz = 32756;
constexpr unsigned SqlTimestampTzEx = 32748;
constexpr unsigned SqlTimeTzEx = 32750;
constexpr unsigned SqlDec16 = 32760;
constexpr unsigned SqlDec34 = 32762;
constexpr unsigned SqlNull = 32766;

TipoCampo TipoDe(unsigned tipoSql, int escala)
{
    switch (tipoSql) {
    case SQL_TEXT:
        return TipoCampo::Char;
    case SQL_VARYING:
        return TipoCampo::Varchar;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
    case SqlInt128:
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
        return TipoCampo::Blob;
    case SqlNull:
        return TipoCampo::Nulo;
    default:
        return TipoCampo::Desconhecido;
    }
}

// The SQL name of a type the reader does not read, for the message that says so.
QString NomeDoTipoSql(unsigned tipoSql)
{
    switch (tipoSql) {
    case SqlDec16:
        return QStringLiteral("DECFLOAT(16)");
    case SqlDec34:
        return QStringLiteral("DECFLOAT(34)");
    case SqlTimeTz:
    case SqlTimeTzEx:
        return QStringLiteral("TIME WITH TIME ZONE");
    case SqlTimestampTz:
    case SqlTimestampTzEx:
        return QStringLiteral("TIMESTAMP WITH TIME ZONE");
    case SQL_ARRAY:
        return QStringLiteral("ARRAY");
    default:
        return QStringLiteral("de código %1").arg(tipoSql);
    }
}

constexpr unsigned Bit(TipoCampo tipo)
{
    return 1u << static_cast<unsigned>(tipo);
}

constexpr unsigned Textos = Bit(TipoCampo::Char) | Bit(TipoCampo::Varchar) | Bit(TipoCampo::Blob);
constexpr unsigned Inteiros = Bit(TipoCampo::Inteiro) | Bit(TipoCampo::Decimal) | Bit(TipoCampo::Booleano);
constexpr unsigned Reais = Bit(TipoCampo::Float) | Bit(TipoCampo::Double) | Bit(TipoCampo::Inteiro) | Bit(TipoCampo::Decimal);
constexpr unsigned Datas = Bit(TipoCampo::Data) | Bit(TipoCampo::Timestamp);
constexpr unsigned Horas = Bit(TipoCampo::Hora) | Bit(TipoCampo::Timestamp);

const char* NomeDoTipo(TipoCampo tipo)
{
    switch (tipo) {
    case TipoCampo::Char:
        return "CHAR";
    case TipoCampo::Varchar:
        return "VARCHAR";
    case TipoCampo::Inteiro:
        return "INTEGER";
    case TipoCampo::Decimal:
        return "NUMERIC";
    case TipoCampo::Float:
        return "FLOAT";
    case TipoCampo::Double:
        return "DOUBLE PRECISION";
    case TipoCampo::Data:
        return "DATE";
    case TipoCampo::Hora:
        return "TIME";
    case TipoCampo::Timestamp:
        return "TIMESTAMP";
    case TipoCampo::Booleano:
        return "BOOLEAN";
    case TipoCampo::Blob:
        return "BLOB";
    case TipoCampo::Nulo:
        return "NULL";
    case TipoCampo::Desconhecido:
        break;
    }
    return "desconhecido";
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
    // An attachment cut to stop an earlier statement is replaced before the next one runs.
    if (conexao_ && conexao_->Abortada())
        conexao_->Reconectar();
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
            // A snapshot: under read committed one statement could count some of a concurrent
            // transaction's rows and not others, a state the database never had.
            tpb->insertTag(e.status.Ptr(), isc_tpb_read);
            tpb->insertTag(e.status.Ptr(), isc_tpb_concurrency);
            tpb->insertTag(e.status.Ptr(), isc_tpb_wait);
            e.transacao = PosseFirebird(cliente, conexao_->Anexo()->startTransaction(
                                                     e.status.Ptr(), tpb->getBufferLength(e.status.Ptr()), tpb->getBuffer(e.status.Ptr())));

            const QByteArray sql = Comando().toUtf8();
            e.comando = PosseFirebird(cliente, conexao_->Anexo()->prepare(e.status.Ptr(), e.transacao.get(),
                                                                          static_cast<unsigned>(sql.size()), sql.constData(), 3,
                                                                          Firebird::IStatement::PREPARE_PREFETCH_METADATA));
            if (e.comando->getType(e.status.Ptr()) != isc_info_sql_stmt_select)
                throw Erro(QStringLiteral("Somente comandos SELECT podem ser executados"));

            e.metadados = PosseFirebird(cliente, e.comando->getOutputMetadata(e.status.Ptr()));
            Firebird::IMessageMetadata* m = e.metadados.get();
            const unsigned quantidade = m->getCount(e.status.Ptr());
            campos_.clear();
            campos_.reserve(quantidade);
            for (unsigned i = 0; i < quantidade; ++i) {
                CampoSql campo;
                campo.nome = QString::fromUtf8(m->getAlias(e.status.Ptr(), i));
                campo.tipoSql = m->getType(e.status.Ptr(), i) & ~1u;
                campo.escala = m->getScale(e.status.Ptr(), i);
                campo.comprimento = m->getLength(e.status.Ptr(), i);
                campo.subTipo = static_cast<unsigned>(m->getSubType(e.status.Ptr(), i));
                campo.charSet = m->getCharSet(e.status.Ptr(), i);
                campo.deslocamento = m->getOffset(e.status.Ptr(), i);
                campo.deslocamentoNulo = m->getNullOffset(e.status.Ptr(), i);
                campo.tipo = TipoDe(campo.tipoSql, campo.escala);
                // Read as nothing, it would be shown as an empty value and no one would know.
                if (campo.tipo == TipoCampo::Desconhecido)
                    throw Erro(QStringLiteral("O campo '%1' é do tipo %2, que o programa não sabe ler")
                                   .arg(campo.nome, NomeDoTipoSql(campo.tipoSql)));
                if (campo.tipoSql == SQL_TEXT)
                    campo.caracteres = campo.comprimento / BytesPorCaractere(campo.charSet);
                campos_.push_back(std::move(campo));
            }
            linha_.assign(m->getMessageLength(e.status.Ptr()), 0);
            e.resultado = PosseFirebird(cliente, e.comando->openCursor(e.status.Ptr(), e.transacao.get(), nullptr, nullptr, m, 0));
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
    e.Concluir();
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
    if (confirmar) {
        try {
            estado_->Concluir();
        } catch (...) {
            // Not committed: the holders roll back and let go, which ends it all the same.
        }
    }
    estado_.reset();
}

const CampoSql& ConsultaSql::Campo(int indice) const
{
    if (indice < 0 || indice >= QuantidadeCampos())
        throw Erro(QStringLiteral("Campo de número %1 fora do resultado, que tem %2 campos").arg(indice).arg(QuantidadeCampos()));
    return campos_[static_cast<std::size_t>(indice)];
}

const CampoSql& ConsultaSql::CampoAtual(int indice) const
{
    const CampoSql& c = Campo(indice);
    if (eof_ || !estado_)
        throw Erro(QStringLiteral("Campo '%1' lido sem linha atual: a consulta já passou da última linha").arg(c.nome));
    return c;
}

const CampoSql& ConsultaSql::CampoDaLinha(int indice, unsigned tipos, const char* leitura) const
{
    const CampoSql& c = CampoAtual(indice);
    if (!(tipos & Bit(c.tipo)))
        throw Erro(QStringLiteral("Campo '%1' do tipo %2 não pode ser lido como %3")
                       .arg(c.nome, QLatin1String(NomeDoTipo(c.tipo)), QString::fromUtf8(leitura)));
    // The buffer of a NULL value holds whatever the last value left there.
    if (EhNulo(indice))
        throw Erro(QStringLiteral("Campo '%1' é nulo (NULL) e foi lido como %2").arg(c.nome, QString::fromUtf8(leitura)));
    return c;
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
    const CampoSql& c = CampoAtual(indice);
    return c.tipo == TipoCampo::Nulo || Ler<std::int16_t>(&linha_[c.deslocamentoNulo]) != 0;
}

Inteiro128 ConsultaSql::InteiroExato(int indice) const
{
    const CampoSql& c = CampoDaLinha(indice, Inteiros, "número inteiro");
    const unsigned char* p = Valor(c);
    switch (c.tipoSql) {
    case SQL_SHORT:
        return Ler<std::int16_t>(p);
    case SQL_LONG:
        return Ler<std::int32_t>(p);
    case SQL_BOOLEAN:
        return *p != 0;
    case SqlInt128:
        return Ler<Inteiro128>(p);
    default:
        return Ler<std::int64_t>(p);
    }
}

std::int64_t ConsultaSql::Inteiro(int indice) const
{
    const Inteiro128 valor = InteiroExato(indice);
    if (valor < std::numeric_limits<std::int64_t>::min() || valor > std::numeric_limits<std::int64_t>::max())
        throw Erro(QStringLiteral("Campo '%1' tem um valor grande demais para 64 bits").arg(Campo(indice).nome));
    return static_cast<std::int64_t>(valor);
}

double ConsultaSql::Real(int indice) const
{
    const CampoSql& c = CampoDaLinha(indice, Reais, "número real");
    const unsigned char* p = Valor(c);
    switch (c.tipoSql) {
    case SQL_FLOAT:
        return Ler<float>(p);
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Ler<double>(p);
    default: {
        double valor = static_cast<double>(InteiroExato(indice));
        for (int e = c.escala; e < 0; ++e)
            valor /= 10.0;
        return valor;
    }
    }
}

QString ConsultaSql::Texto(int indice) const
{
    const CampoSql& c = CampoDaLinha(indice, Textos, "texto");
    const unsigned char* p = Valor(c);
    switch (c.tipoSql) {
    case SQL_VARYING: {
        const auto tamanho = std::min<unsigned>(Ler<std::uint16_t>(p), c.comprimento);
        return DecodificarTexto(reinterpret_cast<const char*>(p + 2), tamanho, c.charSet);
    }
    case SQL_TEXT: {
        // Blank-padded to the widest character. A single-byte set has nothing to cut.
        QString texto = DecodificarTexto(reinterpret_cast<const char*>(p), c.comprimento, c.charSet);
        if (c.caracteres < c.comprimento)
            texto = SemPreenchimentoAlem(std::move(texto), static_cast<qsizetype>(c.caracteres));
        return texto;
    }
    default: {
        const Estado& e = *estado_;
        std::string bytes;
        ChamarCliente(e.cliente, [&] {
            ISC_QUAD id = Ler<ISC_QUAD>(p);
            StatusFirebird status(e.cliente);
            PosseFirebird blob(e.cliente, conexao_->Anexo()->openBlob(status.Ptr(), e.transacao.get(), &id, 0, nullptr));
            char pedaco[32768];
            for (;;) {
                unsigned lidos = 0;
                const int r = blob->getSegment(status.Ptr(), sizeof pedaco, pedaco, &lidos);
                if (r != Firebird::IStatus::RESULT_OK && r != Firebird::IStatus::RESULT_SEGMENT)
                    break;
                bytes.append(pedaco, lidos);
            }
            blob->close(status.Ptr());
            blob.Liberado();
        });
        // Binary blobs have no character set: their bytes are shown one for one.
        return DecodificarTexto(bytes.data(), bytes.size(), c.subTipo == 1 ? c.charSet : CharSet::Octets);
    }
    }
}

QDate ConsultaSql::Data(int indice) const
{
    const CampoSql& c = CampoDaLinha(indice, Datas, "data");
    const unsigned char* p = Valor(c);
    unsigned ano = 0, mes = 0, dia = 0;
    const ISC_DATE data = c.tipoSql == SQL_TIMESTAMP ? Ler<ISC_TIMESTAMP>(p).timestamp_date : Ler<ISC_DATE>(p);
    conexao_->Cliente().Util()->decodeDate(data, &ano, &mes, &dia);
    return QDate(static_cast<int>(ano), static_cast<int>(mes), static_cast<int>(dia));
}

unsigned ConsultaSql::FracaoHora(int indice) const
{
    const CampoSql& c = CampoDaLinha(indice, Horas, "hora");
    const unsigned char* p = Valor(c);
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
