#include "reports/cadastro/TFormRelCadServidores.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/relatorio/Banda.h"
#include "platform/relatorio/Grupo.h"
#include "platform/relatorio/ItemLinha.h"
#include "platform/relatorio/ItemTexto.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/ui/Dialogos.h"

namespace rh::reports {

using relatorio::Alinhamento;
using relatorio::Orientacao;

const QString TFormRelCadServidores::kSqlBase = QStringLiteral(
    "select NUMMATRIC, NOME, AGENCIA, BAIRRO, BANCO, CARGAHORARIA, CATEGORIASERVIDOR, CATEG, CEP, CELULAR, CIDADE, "
    "CIDADENASC, CONTA, CONJUGE, CPF, DESCRCARGO, DTNASC, DTEMISSAO, DTADMISSAO, DTADM_SERVPUBL_FED, DATACASAMENTO, "
    "ENDERECO, EMAIL, EMAIL_ALTERNATIVO, ESCOLARIDADE, ESTADONASC, ESTADO, ESTADOCIVIL, FONERES, IDADE , IDENTIDADE, "
    "ORGAOEMISSOR, NACIONALIDADE, NOMEPAIS, NOMESETOR, MAE, PAI, PISPASEP, CERTMILITAR, TITELEITOR, "
    "DTEMISTITELEITORAL, ZONAELEITORAL, SECAOELEITORAL, DEDICEXCLUSIVA, SEXO, SITUACAO, SITUACAOSERVIDOR, "
    "TIPOSANGUINEO, UNIDADE, CLASSE, PADRAO, NIVEL from VORK_VW_SERVIDORES where 0 = 0");

namespace {

const QString kDataBr = QStringLiteral("dd/mm/yyyy");

ColunaMoldura col(const char* titulo, const char* campo, double largura,
                  Alinhamento alinhamento = Alinhamento::Esquerda, const QString& formato = {}) {
    return {QString::fromUtf8(titulo), QString::fromLatin1(campo), largura, alinhamento, formato, false};
}
ColunaMoldura ord(double largura) {
    return {QStringLiteral("ORD"), {}, largura, Alinhamento::Direita, {}, true};
}

std::unique_ptr<MolduraRelatorio> classes() {
    // Eighteen columns on a portrait page: small type, narrow gaps; long
    // names and addresses wrap within their row.
    OpcoesMoldura o;
    o.nome = QStringLiteral("RELAÇÃO DE SERVIDORES");
    o.tamanhoFonte = 5;
    o.espaco = 0.6;
    o.grupoUnidade = true;
    o.colunas = {ord(5),
                 col("NOME DO SERVIDOR", "NOME", 21),
                 col("SIAPE", "NUMMATRIC", 7.5),
                 col("ENDEREÇO", "ENDERECO", 19),
                 col("BAIRRO", "BAIRRO", 11),
                 col("CIDADE", "CIDADE", 11),
                 col("UF", "ESTADO", 3.5),
                 col("CEP", "CEP", 9.5),
                 col("TELEFONE", "FONERES", 13.5),
                 col("CAR", "CATEG", 6.5),
                 col("C.H.", "CARGAHORARIA", 9),
                 col("DT.ADMIS", "DTADMISSAO", 10, Alinhamento::Esquerda, kDataBr),
                 col("CPF", "CPF", 11.5),
                 col("UNIDADE", "UNIDADE", 10),
                 col("SITUAÇÃO", "SITUACAOSERVIDOR", 10.3),
                 col("CLASSE", "CLASSE", 7.5),
                 col("NÍVEL", "NIVEL", 6),
                 col("PADRÃO", "PADRAO", 7.5)};
    return std::make_unique<MolduraRelatorio>(o);
}

std::unique_ptr<MolduraRelatorio> completo() {
    OpcoesMoldura o;
    o.nome = QStringLiteral("RELAÇÃO DE SERVIDORES");
    o.orientacao = Orientacao::Paisagem;
    o.tamanhoFonte = 6.5;
    o.grupoUnidade = true;
    o.colunas = {ord(7),
                 col("NOME DO SERVIDOR", "NOME", 42),
                 col("SIAPE", "NUMMATRIC", 12),
                 col("ENDEREÇO", "ENDERECO", 38),
                 col("BAIRRO", "BAIRRO", 21),
                 col("CIDADE", "CIDADE", 20),
                 col("UF", "ESTADO", 5),
                 col("CEP", "CEP", 13),
                 col("TELEFONE", "FONERES", 17),
                 col("CAR", "CATEG", 8),
                 col("C.H.", "CARGAHORARIA", 13),
                 col("DT.ADMIS", "DTADMISSAO", 14, Alinhamento::Esquerda, kDataBr),
                 col("CPF", "CPF", 15),
                 col("UNIDADE", "UNIDADE", 16),
                 col("SITUAÇÃO", "SITUACAOSERVIDOR", 22)};
    return std::make_unique<MolduraRelatorio>(o);
}

std::unique_ptr<MolduraRelatorio> resumido() {
    OpcoesMoldura o;
    o.nome = QStringLiteral("RELAÇÃO DE SERVIDORES");
    o.tamanhoFonte = 8;
    o.grupoUnidade = true;
    o.colunas = {ord(10), col("NOME DO SERVIDOR", "NOME", 95), col("MATRÍCULA", "NUMMATRIC", 20),
                 col("ASSINATURA", "", 60)};
    return std::make_unique<MolduraRelatorio>(o);
}

std::unique_ptr<MolduraRelatorio> email() {
    OpcoesMoldura o;
    o.nome = QStringLiteral("RELAÇÃO DE EMAIL");
    o.orientacao = Orientacao::Paisagem;
    o.tamanhoFonte = 8;
    o.grupoUnidade = true;
    o.colunas = {ord(10), col("NOME DO SERVIDOR", "NOME", 90), col("MATRÍCULA", "NUMMATRIC", 22),
                 col("EMAIL CORPORATIVO", "EMAIL", 75), col("EMAIL ALTERNATIVO", "EMAIL_ALTERNATIVO", 75)};
    return std::make_unique<MolduraRelatorio>(o);
}

std::unique_ptr<MolduraRelatorio> carga() {
    OpcoesMoldura o;
    o.nome = QStringLiteral("RELATÓRIO DE CARGA HORÁRIA");
    o.tamanhoFonte = 8;
    o.grupoUnidade = true;
    o.colunas = {ord(10), col("NOME DO SERVIDOR", "NOME", 110), col("MATRÍCULA", "NUMMATRIC", 25),
                 col("CARGA HORÁRIA", "CARGAHORARIA", 40)};
    return std::make_unique<MolduraRelatorio>(o);
}

// The unit group as the "Quebra por unidade" option sets it: one page per
// unit with its head, the count starting again at 1.
void grupoPorUnidade(relatorio::Grupo& g) {
    g.setCampoQuebra(QStringLiteral("UNIDADE"));
    g.setNovaPagina(true);
    g.cabecalho().setVisivel(true);
    g.setReiniciaContadores(true);
}

// Without the option the group is inert: a break on the name that neither
// starts a page, nor prints a head, nor restarts the count.
void grupoInerte(relatorio::Grupo& g) {
    g.setCampoQuebra(QStringLiteral("NOME"));
    g.setNovaPagina(false);
    g.cabecalho().setVisivel(false);
    g.setReiniciaContadores(false);
}

}  // namespace

TFormRelCadServidores::TFormRelCadServidores(app::ContextoJanela& contexto, QWidget* parent)
    : TMasterRelatorio(contexto, parent),
      m_classes(classes()),
      m_completo(completo()),
      m_resumido(resumido()),
      m_email(email()),
      m_carga(carga()) {
    setWindowTitle(QStringLiteral("RELAÇÃO DE SERVIDORES"));
    resize(552, 575);
    Query.defineSql(kSqlBase);

    m_grupoTipos = new QGroupBox(QStringLiteral("Tipo do Relatório "), this);
    auto* grade = new QGridLayout(m_grupoTipos);
    m_tipos = new QButtonGroup(this);
    const QStringList nomes = {QStringLiteral("Relação com classe/nível/padrão"), QStringLiteral("Relação Completa"),
                               QStringLiteral("Relação Resumida"), QStringLiteral("Relação c/assinatura"),
                               QStringLiteral("Relação de Email"), QStringLiteral("Relação com Carga Horário")};
    for (int i = 0; i < nomes.size(); ++i) {
        auto* b = new QRadioButton(nomes.at(i), m_grupoTipos);
        m_tipos->addButton(b, i);
        grade->addWidget(b, i / 2, i % 2);
    }
    m_grupoTipos->setFocusPolicy(Qt::StrongFocus);
    m_quebra = new QCheckBox(QStringLiteral("Quebra por unidade"), this);
    areaExtra().addWidget(m_grupoTipos);
    areaExtra().addWidget(m_quebra);

    // Every layout prints the organisation's logo.
    for (MolduraRelatorio* m : {m_classes.get(), m_completo.get(), m_resumido.get(), m_email.get(), m_carga.get()})
        m->aplicarLogotipo(contexto.dm.logotipo());

    // The signature column of the short list: a line on every row.
    m_tituloAssinatura = &m_resumido->tituloColuna(3);
    const double x = m_resumido->esquerdaColuna(3);
    auto& linha = m_resumido->relatorio().detalhe().adicionar<relatorio::ItemLinha>(QRectF(x, 5.2, 60, 0));
    linha.setAcompanhaBanda(true);
    m_linhaAssinatura = &linha;

    // The e-mail and workload lists always start a page for each campus.
    grupoPorUnidade(*m_email->grupoUnidade());
    grupoPorUnidade(*m_carga->grupoUnidade());
}

TFormRelCadServidores::~TFormRelCadServidores() = default;

void TFormRelCadServidores::escolherTipo(Tipo tipo) { m_tipos->button(int(tipo))->setChecked(true); }

MolduraRelatorio& TFormRelCadServidores::moldura(int tipo) const {
    switch (tipo) {
        case ClasseNivelPadrao: return *m_classes;
        case Completa: return *m_completo;
        case Resumida:
        case ComAssinatura: return *m_resumido;
        case Email: return *m_email;
        default: return *m_carga;
    }
}

void TFormRelCadServidores::executar(Destino destino) {
    if (destino == Destino::Exportar) {
        TMasterRelatorio::executar(destino);
        return;
    }
    const int tipo = m_tipos->checkedId();
    if (tipo < 0) {
        m_contexto.dialogos.informacao(QStringLiteral("TIPO DO RELATÓRIO NÃO SELECIONADO"));
        m_grupoTipos->setFocus();
        return;
    }
    MolduraRelatorio& m = moldura(tipo);
    const bool quebra = m_quebra->isChecked();
    QComboBox& ordem = comboOrdem();
    const QString ordemAnterior = ordem.currentText();

    if (quebra) {
        const QString nome = ordemAnterior == kOrdemNome ? QStringLiteral("NOME") : QStringLiteral("NUMMATRIC");
        if (tipo == CargaHoraria) OrderBy = QStringLiteral(" UNIDADE, CARGAHORARIA, ") + nome;
        else OrderBy = QStringLiteral(" UNIDADE, VORK_VW_SERVIDORES.") + nome;
        grupoPorUnidade(*m.grupoUnidade());
        ordem.setEditText(QString());
    } else {
        grupoInerte(tipo <= Completa ? *m.grupoUnidade() : *m_resumido->grupoUnidade());
    }
    // The e-mail and workload lists keep their unit pages in any case.
    grupoPorUnidade(*m_email->grupoUnidade());
    grupoPorUnidade(*m_carga->grupoUnidade());

    ppReport = &m.relatorio();
    ppLabelCategoriaX = m.categoria();
    ppLabelSituacaoX = m.situacao();
    ppLabelSexoX = m.sexo();
    if (tipo == Resumida || tipo == ComAssinatura) {
        const bool assinatura = tipo == ComAssinatura;
        m_tituloAssinatura->setVisivel(assinatura);
        m_linhaAssinatura->setVisivel(assinatura);
        m_resumido->relatorio().detalhe().setAltura(assinatura ? 6.0 : MolduraRelatorio::kAlturaDetalhe);
    }
    const QString sigla = siglaUnidadeEscolhida();
    const QString titulo = tipo == Email          ? QStringLiteral("RELAÇÃO DE EMAIL  -")
                           : tipo == CargaHoraria ? QStringLiteral("RELATÓRIO DE CARGA HORÁRIA")
                                                  : QStringLiteral("RELAÇÃO DOS SERVIDORES -");
    m.defineTitulo(titulo + QLatin1Char(' ') + sigla);
    app::TDM& dm = m_contexto.dm;
    if (!dm.QryUnidadeSEDE.ativo()) dm.abrirUnidadeSede(m_contexto.sessao.CodUnidade);
    m.aplicarUnidadeSede(dm.QryUnidadeSEDE);

    // Whatever happens in the run, the ordering goes back for the next one.
    struct Restaurar {
        TFormRelCadServidores& janela;
        QComboBox& ordem;
        QString texto;
        bool quebra;
        ~Restaurar() {
            if (!quebra) return;
            ordem.setEditText(texto);
            janela.OrderBy.clear();
        }
    } restaurar{*this, ordem, ordemAnterior, quebra};
    TMasterRelatorio::executar(destino);
}

}  // namespace rh::reports
