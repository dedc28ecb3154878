#include "app/nucleo/TDM.h"

#include <QFont>
#include <QPainter>

namespace rh::app {

namespace {
std::unique_ptr<db::Conexao> abrirPrincipal(const Configuracao& c, std::shared_ptr<const db::Catalogo> cat) {
    auto conexao = std::make_unique<db::Conexao>(c.banco, std::move(cat));
    conexao->abrir();
    return conexao;
}
}  // namespace

QString nomeDoMes(int mes) {
    static const char* const nomes[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                        "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    return mes >= 1 && mes <= 12 ? QString::fromUtf8(nomes[mes - 1]) : QString();
}

TDM::TDM(const Configuracao& configuracao, std::shared_ptr<const db::Catalogo> catalogo, QObject* parent)
    : QObject(parent),
      m_configuracao(configuracao),
      m_catalogo(std::move(catalogo)),
      m_principal(abrirPrincipal(m_configuracao, m_catalogo)),
      QryUnidadeSEDE(*m_principal),
      QryUnidades(*m_principal),
      QrySituacaoServidores(*m_principal),
      qryServidoresOrd(*m_principal),
      QryServidoresDesc(*m_principal),
      QSetores(*m_principal),
      Data(*m_principal),
      Query_UsuarioServidor(*m_principal),
      Query_Servidores(*m_principal),
      QryServidores(*m_principal),
      qryDependentes(*m_principal),
      QryEscolaridadeServidor(*m_principal),
      QruConsLotacoes(*m_principal),
      QryConsServidores(*m_principal) {
    montarDatasets();
    m_logotipo = desenharLogotipo(m_configuracao.textos.nomeOrganizacaoResumido);
}

TDM::~TDM() = default;

void TDM::montarDatasets() {
    // Oracle treats a null part of || as empty; the other backends make the
    // whole text null, so every part is wrapped.
    QryUnidadeSEDE.defineSql(QStringLiteral(
        "select EU.NOMEMINISTERIO, EU.NOMESECRETARIA, EU.NOME, "
        "COALESCE(EU.ENDERECO,'') || ' - ' || COALESCE(EU.BAIRRO,'') || ' - CEP ' || COALESCE(EU.CEP,'') || "
        "' - ' || COALESCE(EU.CIDADE,'') || ' - ' || COALESCE(EU.ESTADO,'') || '. Fone: ' || "
        "COALESCE(EU.TELEFONE,'') || ' Fax: ' || COALESCE(EU.FAX,'') ENDERECO, SIGLA, "
        "'Fax: ' || COALESCE(EU.FAX,'') || ' ' || COALESCE(EU.URL,'') FAX_URL "
        "from VORK_UNIDADES EU where EU.CODUNIDADE = :CODUNIDADE"));
    QryUnidadeSEDE.defineParametro(QStringLiteral("CODUNIDADE"), -1);

    QryUnidades.defineSql(QStringLiteral(
        "select S.* from (select -1 CODUNIDADE, 'TODAS AS UNIDADES' NOME, 'TODAS AS UNIDADES' SIGLA from DUAL "
        "UNION ALL select CODUNIDADE, NOME, SIGLA from VORK_UNIDADES) S order by CODUNIDADE"));
    QrySituacaoServidores.defineSql(QStringLiteral(
        "select S.* from (select '0' CODSITUACAO, '<< TODAS AS SITUAÇÕES >>' DESCRICAO from DUAL "
        "UNION ALL select CODSITUACAO, DESCRICAO from RECH_SITUACAOSERVIDORES) S order by DESCRICAO"));
    // The pseudo-row comes first, then the servants by name (ascending or
    // descending); the ordering column keeps that on every backend.
    const QString servidores = QStringLiteral(
        "SELECT NUMMATRIC, NOME FROM (select -1 NUMMATRIC, 'TODOS OS SERVIDORES' NOME, 0 ORDEM from DUAL "
        "UNION ALL select NUMMATRIC, NOME, 1 ORDEM from RECH_VW_SERVIDORES) S ORDER BY ORDEM, NOME");
    qryServidoresOrd.defineSql(servidores);
    QryServidoresDesc.defineSql(servidores + QStringLiteral(" DESC"));
    QSetores.defineSql(QStringLiteral("SELECT * FROM VORK_VW_SETORES WHERE SITUACAO='ATIVO' ORDER BY DESCRICAO2"));

    Data.defineSql(QStringLiteral("select ") + m_principal->dialeto().agora() + QStringLiteral(" SYSDATE from DUAL"));
    Data.definirCampo(QStringLiteral("SYSDATE")).tipo = db::TipoDado::DataHora;
    const auto parte = [](int (*f)(const QDateTime&)) {
        return [f](const db::LinhaDataset& l) -> QVariant {
            const QVariant v = l.valor(QStringLiteral("SYSDATE"));
            return v.isNull() ? QVariant() : QVariant(f(v.toDateTime()));
        };
    };
    Data.adicionarCampoCalculado(QStringLiteral("MES"), db::TipoDado::Texto, [](const db::LinhaDataset& l) -> QVariant {
        return nomeDoMes(l.valor(QStringLiteral("SYSDATE")).toDateTime().date().month());
    });
    Data.adicionarCampoCalculado(QStringLiteral("DD"), db::TipoDado::Inteiro, parte([](const QDateTime& d) { return d.date().day(); }));
    Data.adicionarCampoCalculado(QStringLiteral("MM"), db::TipoDado::Inteiro, parte([](const QDateTime& d) { return d.date().month(); }));
    Data.adicionarCampoCalculado(QStringLiteral("YYYY"), db::TipoDado::Inteiro, parte([](const QDateTime& d) { return d.date().year(); }));
    Data.adicionarCampoCalculado(QStringLiteral("HH"), db::TipoDado::Inteiro, parte([](const QDateTime& d) { return d.time().hour(); }));
    Data.adicionarCampoCalculado(QStringLiteral("MI"), db::TipoDado::Inteiro, parte([](const QDateTime& d) { return d.time().minute(); }));
    Data.adicionarCampoCalculado(QStringLiteral("SS"), db::TipoDado::Inteiro, parte([](const QDateTime& d) { return d.time().second(); }));

    Query_UsuarioServidor.defineSql(QStringLiteral("SELECT * FROM VORK_USUARIOS WHERE CODUSUARIO = :CODUSUARIO"));
    Query_UsuarioServidor.defineTabelaAtualizacao(QStringLiteral("VORK_USUARIOS"));
    Query_Servidores.defineSql(QStringLiteral("SELECT * FROM VORK_SERVIDORES WHERE CODSERVIDOR=:CODUSUARIO"));
    Query_Servidores.defineTabelaAtualizacao(QStringLiteral("VORK_SERVIDORES"));

    QryServidores.defineSql(QStringLiteral("SELECT * FROM VORK_VW_SERVIDORES WHERE 0=1"));
    qryDependentes.defineSql(QStringLiteral(
        "SELECT * FROM VORK_DEPENDENTES WHERE CODSERVIDOR = :CODUSUARIO ORDER BY DATANASCIMENTO"));
    qryDependentes.defineTabelaAtualizacao(QStringLiteral("VORK_DEPENDENTES"));
    qryDependentes.vincularMestre(QryServidores, {{QStringLiteral("CODUSUARIO"), QStringLiteral("CODUSUARIO")}});
    qryDependentes.aoAntesDeGravar([this](db::Dataset& d) {
        d.campo(QStringLiteral("CODSERVIDOR")).defineValor(Query_Servidores.valor(QStringLiteral("CODSERVIDOR")));
    });
    QryEscolaridadeServidor.defineSql(QStringLiteral(
        "SELECT * FROM RECH_VW_ESCOLARSERVIDORES WHERE CODSERVIDOR = :CODSERVIDOR AND "
        "CODESCOLARIDADE = :CODESCOLARIDADE"));
    // The schooling view belongs to the schooling records; the chain follows
    // the registration sheet only where that view is installed.
    if (m_catalogo && m_catalogo->visao(QStringLiteral("RECH_VW_ESCOLARSERVIDORES")))
        QryEscolaridadeServidor.vincularMestre(QryServidores,
                                               {{QStringLiteral("CODSERVIDOR"), QStringLiteral("CODUSUARIO")},
                                                {QStringLiteral("CODESCOLARIDADE"), QStringLiteral("CODESCOLARIDADE")}});
    QruConsLotacoes.defineSql(QStringLiteral("SELECT * FROM RECH_VW_LOTACOES"));
    QryConsServidores.defineSql(QStringLiteral("SELECT NUMMATRIC,NOME, CODUSUARIO FROM VORK_VW_SERVIDORES WHERE 0=1"));
}

db::Conexao& TDM::ADOConnectionQAcademico() {
    if (!m_academico) m_academico = std::make_unique<db::Conexao>(m_configuracao.academico, m_catalogo);
    if (!m_academico->aberta()) m_academico->abrir();
    return *m_academico;
}

std::unique_ptr<db::Conexao> TDM::novaConexaoPrivada() const { return abrirPrincipal(m_configuracao, m_catalogo); }

void TDM::abrirUnidadeSede(int codUnidade) {
    QryUnidadeSEDE.fechar();
    QryUnidadeSEDE.defineParametro(QStringLiteral("CODUNIDADE"), codUnidade);
    QryUnidadeSEDE.abrir();
}

QImage TDM::desenharLogotipo(const QString& sigla) {
    // 37 x 23 mm at 300 dpi: a shield in the organisation's colours with its
    // short name.
    QImage img(437, 272, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 86, 63), 10));
    p.setBrush(QColor(0, 122, 90));
    p.drawRoundedRect(QRectF(12, 12, 413, 248), 36, 36);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(96);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, sigla.isEmpty() ? QStringLiteral("RH") : sigla);
    return img;
}

}  // namespace rh::app
