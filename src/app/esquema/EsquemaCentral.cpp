#include "app/esquema/EsquemaCentral.h"

#include <QPair>

#include "app/esquema/CodigosCentrais.h"
#include "app/esquema/FuncoesCentrais.h"
#include "platform/db/Conexao.h"
#include "platform/db/Dialeto.h"

namespace rh::app {

using namespace rh::db;

namespace {

QString fk(const QString& coluna, const QString& tabela, const QString& chave) {
    return "FOREIGN KEY (" + coluna + ") REFERENCES " + tabela + " (" + chave + ")";
}

DefColuna padrao(DefColuna c, const QString& valor) {
    c.padrao = valor;
    return c;
}

// ---------------------------------------------------------------- tables

DefTabela unidades() {
    return {"VORK_UNIDADES",
            {chave(inteiro("CODUNIDADE")), obrigatoria(texto("NOME", 100)), texto("SIGLA", 20),
             texto("NOMERESUMIDO", 40), texto("NOMEMINISTERIO", 100), texto("NOMESECRETARIA", 100),
             texto("ENDERECO", 100), texto("BAIRRO", 40), texto("CEP", 9), texto("CIDADE", 30),
             texto("ESTADO", 2), texto("TELEFONE", 30), texto("FAX", 30), texto("URL", 60),
             inteiro("COD_INSTITUICAO_QACADEMICO"), inteiro("COD_DEPARTAMENTO_QACADEMICO"),
             texto("EMAIL_DOMINIO", 40),
             // Outgoing mail of the whole organisation: read from the unit 8 row.
             texto("EMAIL_SERVIDOR_SMTP", 100), texto("EMAIL_PORTA_SMTP", 10),
             texto("EMAIL_TIPO_AUTENTICACAO", 20)},
            {}};
}

DefTabela paises() {
    return {"GER_PAISES", {chave(inteiro("CODPAIS")), obrigatoria(texto("NOME", 40)), inteiro("CODPAIS_MEC")}, {}};
}

DefTabela estados() {
    return {"GER_ESTADOS", {chave(texto("SIGLAESTADO", 2)), texto("NOME", 40)}, {}};
}

DefTabela cidades() {
    return {"GER_CIDADES",
            {chave(inteiro("CODCIDADES")), texto("SIGLAESTADO", 3), obrigatoria(texto("CIDADE", 40)),
             texto("CODMUN_MEC", 7), texto("CODMUNIC_MEC", 12), texto("CEPINI", 8), texto("CEPFIM", 8)},
            {}};
}

DefTabela orgaosEmissores() {
    return {"GER_ORGAOSEMISSORES",
            {chave(inteiro("CODORGAOEMISSOR")), obrigatoria(texto("SIGLA", 15)), texto("NOME", 60)},
            {}};
}

DefTabela tiposLogradouro() {
    return {"GER_TIPOLOGRADOUROS",
            {chave(inteiro("CODTIPOLOGRADOURO")), obrigatoria(texto("NOME", 50)), inteiro("CODLOGRADOUROMEC")},
            {}};
}

DefTabela cargos() {
    return {"RECH_CARGOS", {chaveGerada("CODCARGO"), texto("DESCRICAO", 40), inteiro("CODIGO")}, {}};
}
DefTabela licencas() {
    return {"RECH_LICENCAS", {chaveGerada("CODLICENCA"), texto("DESCLICENCA", 100)}, {}};
}
DefTabela tiposProcesso() {
    return {"VORK_TIPOPROCESSOS",
            {chaveGerada("CODTIPOPROCESSO"), texto("DESCRICAO", 30), texto("TIPOPROCESSO_RH", 1)},
            {}};
}
DefTabela planosSaude() {
    return {"RECH_PLANOSSAUDE", {chaveGerada("CODPLANOSAUDE"), texto("NOMEPLANO", 50)}, {}};
}
DefTabela instituicoesEnsino() {
    return {"GER_IES",
            {chaveGerada("CODIES"), inteiro("CODPAIS"), texto("NOME", 100), texto("TIPO", 13), inteiro("CODMEC"),
             texto("SIGLA", 20)},
            {fk("CODPAIS", "GER_PAISES", "CODPAIS")}};
}
DefTabela formacoes() {
    return {"RECH_FORMACOES", {chaveGerada("CODFORMACAO"), texto("DESCRICAO", 40)}, {}};
}
DefTabela escolaridades() {
    return {"RECH_ESCOLARIDADES", {chaveGerada("CODESCOLARIDADE"), texto("DESCRICAO", 40), inteiro("ORDEM")}, {}};
}
DefTabela especializacoes() {
    return {"RECH_ESPECIALIZACOES", {chaveGerada("CODESPECIALIZACAO"), texto("DESCRICAO", 40)}, {}};
}

DefTabela situacoes() {
    return {"RECH_SITUACAOSERVIDORES", {chave(texto("CODSITUACAO", 1)), texto("DESCRICAO", 40)}, {}};
}

DefTabela usuarios() {
    return {"VORK_USUARIOS",
            {chaveGerada("CODUSUARIO"), texto("CATEGORIA", 1), inteiro("NUMMATRIC"), texto("NOME", 40),
             texto("ENDERECO", 100), texto("BAIRRO", 40), texto("CIDADE", 30), texto("ESTADO", 2),
             texto("CEP", 9), texto("FONERES", 15), texto("CELULAR", 15), texto("SEXO", 1),
             inteiro("ESTADOCIVIL"), data("DTNASC"), texto("CIDADENASC", 30), texto("ESTADONASC", 2),
             inteiro("NACIONALIDADE"), texto("IDENTIDADE", 16), data("DTEMISSAO"), texto("ORGAOEMISSOR", 15),
             texto("CPF", 11), inteiro("CARTTRAB"), texto("SERIETRAB", 5), inteiro("VIAATUAL"),
             texto("SENHA", 32), data("DTSENHA"), texto("PASSWORD", 30), texto("MAE", 40), texto("PAI", 40),
             texto("LOGON", 1), texto("LOGIN", 40), texto("CERTMILITAR", 20), texto("SERIEMILITAR", 3),
             texto("TITELEITOR", 15), texto("ZONAELEITORAL", 3), texto("SECAOELEITORAL", 3),
             data("DTULTIMAVOTACAO"), texto("MATRICANTIGA", 12), texto("EMAIL", 40),
             texto("EMAIL_ALTERNATIVO", 40), inteiro("CODCIDADES"), inteiro("CODPAIS"),
             inteiro("CODORGAOEMISSOR"), texto("CODUF_ORGAOEMISSOR", 2), inteiro("CODTIPOLOGRADOURO"),
             texto("COMPLEMENTO", 50), inteiro("RACA"), inteiro("NOVO_CODUSUARIO"), texto("NOVO_NUMMATRIC", 20),
             texto("TIPO_USUARIO_SADS", 19)},
            {fk("CODCIDADES", "GER_CIDADES", "CODCIDADES"), fk("CODPAIS", "GER_PAISES", "CODPAIS"),
             fk("CODORGAOEMISSOR", "GER_ORGAOSEMISSORES", "CODORGAOEMISSOR"),
             fk("CODTIPOLOGRADOURO", "GER_TIPOLOGRADOUROS", "CODTIPOLOGRADOURO")}};
}

DefTabela servidores() {
    return {"VORK_SERVIDORES",
            {chave(inteiro("CODSERVIDOR")), data("DTADMISSAO"), data("DTADM_SERVPUBL_FED"), data("DTPOSSE"),
             inteiro("BANCO"), texto("AGENCIA", 5), texto("CONTA", 12), texto("PISPASEP", 12), data("DTPIS"),
             inteiro("BANCOPIS"), texto("CIDADEPIS", 15), texto("ESTADOPIS", 2), texto("CERTMILITAR", 20),
             texto("SERIEMILITAR", 3), texto("REGMILITAR", 12), texto("CATEGMILITAR", 12),
             texto("TITELEITOR", 15), texto("ZONAELEITORAL", 3), texto("SECAOELEITORAL", 3),
             texto("CIDADEELEITORAL", 15), texto("ESTADOELEITORAL", 2), data("DTEMISTITELEITORAL"),
             inteiro("CARGAHORARIA"), texto("CATEGSERVIDOR", 1), texto("UNIDADEESCOLAR", 1),
             texto("NUMREGFISCAL", 10), texto("ORGAOFISCAL", 10), data("DATAFISCAL"), texto("LOCALFISCAL", 15),
             texto("ESTADOFISCAL", 2), texto("DEDICEXCLUSIVA", 1), texto("SENHALANCNOTAS", 16),
             data("DTSENHALANCNOTAS"), texto("SENHALANCCONTEUDOS", 16), data("DTSENHALANCCONTEUDOS"),
             texto("SITUACAO", 1), texto("CONJUGE", 40), texto("ESTADOCASAMENTO", 2), data("DATACASAMENTO"),
             texto("TIPOSANGUINEO", 10), inteiro("CODESCOLARIDADE"), inteiro("CODUNIDADE"), inteiro("CODCARGO"),
             texto("CLASSE", 1), texto("PADRAO", 3), texto("NIVEL", 3), texto("CEDIDO", 80), data("DTSAIDA"),
             texto("MOTIVOSAIDA", 19), texto("NUMPORTARIASAIDA", 12), inteiro("LICENCA"),
             texto("FUNCAO_GRATIFICACAO", 100), texto("CARGO_DIRECAO", 100), data("DTULTIMOCARGO"),
             data("DTPRORROGACONTRATO"), data("DTLIMITEVIGENCIA"), inteiro("CODPLANOSAUDE"),
             inteiro("QTD_DEPENDENTES")},
            {fk("CODSERVIDOR", "VORK_USUARIOS", "CODUSUARIO"), fk("CODUNIDADE", "VORK_UNIDADES", "CODUNIDADE"),
             fk("CODESCOLARIDADE", "RECH_ESCOLARIDADES", "CODESCOLARIDADE"),
             fk("CODCARGO", "RECH_CARGOS", "CODCARGO"),
             fk("CODPLANOSAUDE", "RECH_PLANOSSAUDE", "CODPLANOSAUDE")}};
}

DefTabela setores() {
    return {"VORK_SETORES",
            {chaveGerada("CODSETOR"), texto("IDENTSETOR", 15), texto("DESCRICAO", 70), data("DATAINCLUSAO"),
             data("DATAEXCLUSAO"), texto("SITUACAO", 7), texto("PERTENCE", 3), texto("NIVEL", 15),
             texto("RAMAL", 16), texto("SALA", 16), texto("EMAIL", 40), inteiro("CODUNIDADE"),
             inteiro("CODSETORSUBOR"), texto("DENOMINACAO", 70), texto("CODFUNCAO", 5)},
            {fk("CODUNIDADE", "VORK_UNIDADES", "CODUNIDADE"), fk("CODSETORSUBOR", "VORK_SETORES", "CODSETOR")}};
}

DefTabela lotacoes() {
    return {"RECH_LOTACOES",
            {chaveGerada("CODLOTACAO"), obrigatoria(inteiro("CODSERVIDOR")), obrigatoria(inteiro("CODSETOR")),
             obrigatoria(data("DATAINICIO")), data("DATAFINAL"), texto("SITUACAO", 1), texto("NRPORTARIA", 10),
             data("DTPORTARIA")},
            {fk("CODSERVIDOR", "VORK_SERVIDORES", "CODSERVIDOR"), fk("CODSETOR", "VORK_SETORES", "CODSETOR")}};
}

DefTabela responsaveis() {
    return {"RECH_RESPONSAVEIS",
            {chaveGerada("CODRESPONSAVEL"), obrigatoria(inteiro("CODSETOR")), obrigatoria(inteiro("CODUSUARIO")),
             texto("NUMPORTARIA", 12), data("DATAPORTARIA"), data("DATAINCLUSAO"), data("DATAEXCLUSAO"),
             texto("SITUACAO", 9), texto("NUMPORTARIASAIDA", 12), data("DATAPORTARIASAIDA")},
            {fk("CODSETOR", "VORK_SETORES", "CODSETOR"), fk("CODUSUARIO", "VORK_SERVIDORES", "CODSERVIDOR")}};
}

DefTabela dependentes() {
    return {"VORK_DEPENDENTES",
            {chaveGerada("CODDEPENDENTE"), inteiro("CODSERVIDOR"), texto("NOMEDEPENDENTE", 40),
             data("DATANASCIMENTO"), texto("CIDADENASCIMENTO", 20), texto("ESTADONASCIMENTO", 2),
             texto("DEPIMPOSTORENDA", 1), texto("GRAUPARENTESCO", 3), texto("CPFDEPENDENTE", 11)},
            {fk("CODSERVIDOR", "VORK_SERVIDORES", "CODSERVIDOR")}};
}

DefTabela aplicacoes() {
    return {"VORK_APLICACOES",
            {chave(inteiro("CODAPLICACAO")), texto("EXECUTAVEL", 100), texto("VERSAO", 10)},
            {}};
}

DefTabela autorizacoes() {
    return {"VORK_AUTAPLICACOES",
            {chave(inteiro("CODAPLICACAO")), chave(inteiro("CODUSUARIO")), data("DTAUTORIZACAO"),
             inteiro("PARAMETRO"), texto("PERFIL", 1)},
            {fk("CODAPLICACAO", "VORK_APLICACOES", "CODAPLICACAO"),
             fk("CODUSUARIO", "VORK_USUARIOS", "CODUSUARIO")}};
}

DefTabela auditoriaUsos() {
    // A row is addressed by user, application and workstation.
    return {"VORK_AUDITUSOS",
            {chave(inteiro("CODUSUARIO")), chave(inteiro("CODAPLICACAO")), dataHora("DTINICIOUSO"),
             chave(texto("MAQUINA", 15))},
            {fk("CODUSUARIO", "VORK_USUARIOS", "CODUSUARIO"),
             fk("CODAPLICACAO", "VORK_APLICACOES", "CODAPLICACAO")}};
}

DefTabela dual() {
    return {"DUAL", {padrao(obrigatoria(texto("DUMMY", 1)), "'X'")}, {}};
}

// ---------------------------------------------------------------- views

// A view column: its declaration and the expression that yields it. Both
// backends get the same text except where a dialect function is needed.
struct ColunaVisao {
    DefColuna coluna;
    QString expressao;
};

QString semVazio(const QString& e) { return "(" + e + " IS NULL OR TRIM(" + e + ") = '')"; }

QString dataDiaMesAno(const Dialeto& d, const QString& e) {
    if (d.nome() == QLatin1String("sqlite")) return "strftime('%d/%m/%Y', " + e + ")";
    return "TO_CHAR(" + e + ", 'DD/MM/YYYY')";
}

QList<ColunaVisao> colunasServidores(const Dialeto& d) {
    return {
        {inteiro("CODUSUARIO"), "U.CODUSUARIO"},
        {texto("CATEGORIA", 1), "U.CATEGORIA"},
        {inteiro("NUMMATRIC"), "U.NUMMATRIC"},
        {texto("NOME", 40), "U.NOME"},
        // The street address with its complement, when there is one.
        {texto("ENDERECO", 153),
         "CASE WHEN " + semVazio("U.COMPLEMENTO") + " THEN U.ENDERECO ELSE U.ENDERECO || ' - ' || U.COMPLEMENTO END"},
        {texto("BAIRRO", 40), "U.BAIRRO"},
        {texto("CIDADE", 30), "U.CIDADE"},
        {texto("ESTADO", 2), "U.ESTADO"},
        {texto("CEP", 9), "U.CEP"},
        {texto("FONERES", 15), "U.FONERES"},
        {texto("CELULAR", 15), "U.CELULAR"},
        {texto("SEXO", 1), "U.SEXO"},
        {texto("ESTADOCIVIL", 30), casoSql(estadosCivis(), "U.ESTADOCIVIL")},
        {data("DTNASC"), "U.DTNASC"},
        {inteiro("MESNASC"), d.mes("U.DTNASC")},
        {inteiro("IDADE"), d.idadeEmAnos("U.DTNASC")},
        // Brazilians are born in a registered city; foreigners in the city typed.
        {texto("CIDADENASC", 40), "CASE WHEN U.NACIONALIDADE = 4 OR GC.CIDADE IS NULL THEN U.CIDADENASC ELSE GC.CIDADE END"},
        {texto("ESTADONASC", 3),
         "CASE WHEN U.NACIONALIDADE = 4 OR GC.SIGLAESTADO IS NULL THEN U.ESTADONASC ELSE GC.SIGLAESTADO END"},
        {inteiro("NACIONALIDADE"), "U.NACIONALIDADE"},
        {texto("NACIONALIDADE_DESC", 40), casoSql(nacionalidades(), "U.NACIONALIDADE")},
        {texto("NOMEPAIS", 40), "GP.NOME"},
        {inteiro("CODPAIS_MEC"), "GP.CODPAIS_MEC"},
        {inteiro("CODMUNIC_MEC"), "CAST(GC.CODMUNIC_MEC AS BIGINT)"},
        {texto("IDENTIDADE", 16), "U.IDENTIDADE"},
        {data("DTEMISSAO"), "U.DTEMISSAO"},
        // Issuer with its state: "SSP/PA".
        {texto("ORGAOEMISSOR", 18),
         "CASE WHEN " + semVazio("U.CODUF_ORGAOEMISSOR") +
             " THEN U.ORGAOEMISSOR ELSE U.ORGAOEMISSOR || '/' || U.CODUF_ORGAOEMISSOR END"},
        {texto("CPF", 11), "U.CPF"},
        {inteiro("CARTTRAB"), "U.CARTTRAB"},
        {texto("SERIETRAB", 5), "U.SERIETRAB"},
        {inteiro("VIAATUAL"), "U.VIAATUAL"},
        {texto("PASSWORD", 30), "U.PASSWORD"},
        {texto("SENHA", 32), "U.SENHA"},
        {data("DTSENHA"), "U.DTSENHA"},
        {texto("MAE", 40), "U.MAE"},
        {texto("PAI", 40), "U.PAI"},
        {data("DTADMISSAO"), "S.DTADMISSAO"},
        {data("DTADM_SERVPUBL_FED"), "S.DTADM_SERVPUBL_FED"},
        {data("DTPOSSE"), "S.DTPOSSE"},
        {inteiro("BANCO"), "S.BANCO"},
        {texto("AGENCIA", 5), "S.AGENCIA"},
        {texto("CONTA", 12), "S.CONTA"},
        {texto("PISPASEP", 12), "S.PISPASEP"},
        {data("DTPIS"), "S.DTPIS"},
        {inteiro("BANCOPIS"), "S.BANCOPIS"},
        {texto("CIDADEPIS", 15), "S.CIDADEPIS"},
        {texto("ESTADOPIS", 2), "S.ESTADOPIS"},
        {texto("CERTMILITAR", 20), "S.CERTMILITAR"},
        {texto("SERIEMILITAR", 3), "S.SERIEMILITAR"},
        {texto("REGMILITAR", 12), "S.REGMILITAR"},
        {texto("CATEGMILITAR", 12), "S.CATEGMILITAR"},
        {texto("TITELEITOR", 15), "S.TITELEITOR"},
        {texto("ZONAELEITORAL", 3), "S.ZONAELEITORAL"},
        {texto("SECAOELEITORAL", 3), "S.SECAOELEITORAL"},
        {texto("CIDADEELEITORAL", 15), "S.CIDADEELEITORAL"},
        {texto("ESTADOELEITORAL", 2), "S.ESTADOELEITORAL"},
        {data("DTEMISTITELEITORAL"), "S.DTEMISTITELEITORAL"},
        {texto("CARGAHORARIA", 42), cargaHorariaSql("S.CARGAHORARIA")},
        {texto("CATEGSERVIDOR", 1), "S.CATEGSERVIDOR"},
        {texto("CATEGORIASERVIDOR", 40), casoSql(categoriasServidor(), "S.CATEGSERVIDOR")},
        {texto("CATEG", 10), casoSql(categoriasServidorCurtas(), "S.CATEGSERVIDOR")},
        {texto("EMAIL", 40), "U.EMAIL"},
        {texto("EMAIL_ALTERNATIVO", 40), "U.EMAIL_ALTERNATIVO"},
        {texto("NUMREGFISCAL", 10), "S.NUMREGFISCAL"},
        {texto("ORGAOFISCAL", 10), "S.ORGAOFISCAL"},
        {data("DATAFISCAL"), "S.DATAFISCAL"},
        {texto("LOCALFISCAL", 15), "S.LOCALFISCAL"},
        {texto("ESTADOFISCAL", 2), "S.ESTADOFISCAL"},
        {texto("DEDICEXCLUSIVA", 1), "S.DEDICEXCLUSIVA"},
        {texto("SENHALANCNOTAS", 16), "S.SENHALANCNOTAS"},
        {texto("SENHALANCCONTEUDOS", 16), "S.SENHALANCCONTEUDOS"},
        {data("DTSENHALANCNOTAS"), "S.DTSENHALANCNOTAS"},
        {data("DTSENHALANCCONTEUDOS"), "S.DTSENHALANCCONTEUDOS"},
        {texto("SITUACAO", 1), "S.SITUACAO"},
        {texto("SITUACAOSERVIDOR", 40), "SIT.DESCRICAO"},
        {texto("CONJUGE", 40), "S.CONJUGE"},
        {data("DATACASAMENTO"), "S.DATACASAMENTO"},
        {texto("ESTADOCASAMENTO", 2), "S.ESTADOCASAMENTO"},
        {texto("TIPOSANGUINEO", 10), "S.TIPOSANGUINEO"},
        {inteiro("CODESCOLARIDADE"), "S.CODESCOLARIDADE"},
        {texto("ESCOLARIDADE", 40), "ESC.DESCRICAO"},
        {inteiro("CODUNIDADE"), "S.CODUNIDADE"},
        {texto("UNIDADE", 20), "UN.SIGLA"},
        {texto("CIDADE_UNIDADE", 30), "UN.CIDADE"},
        {inteiro("CODCARGO"), "S.CODCARGO"},
        {texto("DESCRCARGO", 40), "CAR.DESCRICAO"},
        // The sector of the active assignment.
        {inteiro("CODSETOR"), "LOT.CODSETOR"},
        {texto("NOMESETOR", 70), "SL.DESCRICAO"},
        {texto("IDENTSETOR", 15), "SL.IDENTSETOR"},
        {texto("NOME_LOGRADOURO", 50), "TL.NOME"},
        {texto("CLASSE", 1), "S.CLASSE"},
        {texto("PADRAO", 3), "S.PADRAO"},
        {texto("NIVEL", 3), "S.NIVEL"},
        {data("DTULTIMOCARGO"), "S.DTULTIMOCARGO"},
        {data("DTPRORROGACONTRATO"), "S.DTPRORROGACONTRATO"},
        {data("DTLIMITEVIGENCIA"), "S.DTLIMITEVIGENCIA"},
        {data("DTSAIDA"), "S.DTSAIDA"},
        {inteiro("CODPLANOSAUDE"), "S.CODPLANOSAUDE"},
        {texto("NOMEPLANO", 50), "PS.NOMEPLANO"},
        {inteiro("QTD_DEPENDENTES"), "S.QTD_DEPENDENTES"},
    };
}

const char* kOrigemServidores =
    "FROM VORK_USUARIOS U\n"
    "JOIN VORK_SERVIDORES S ON S.CODSERVIDOR = U.CODUSUARIO\n"
    "LEFT JOIN GER_CIDADES GC ON GC.CODCIDADES = U.CODCIDADES\n"
    "LEFT JOIN GER_PAISES GP ON GP.CODPAIS = U.CODPAIS\n"
    "LEFT JOIN GER_TIPOLOGRADOUROS TL ON TL.CODTIPOLOGRADOURO = U.CODTIPOLOGRADOURO\n"
    "LEFT JOIN RECH_SITUACAOSERVIDORES SIT ON SIT.CODSITUACAO = S.SITUACAO\n"
    "LEFT JOIN RECH_ESCOLARIDADES ESC ON ESC.CODESCOLARIDADE = S.CODESCOLARIDADE\n"
    "LEFT JOIN VORK_UNIDADES UN ON UN.CODUNIDADE = S.CODUNIDADE\n"
    "LEFT JOIN RECH_CARGOS CAR ON CAR.CODCARGO = S.CODCARGO\n"
    "LEFT JOIN RECH_LOTACOES LOT ON LOT.CODSERVIDOR = S.CODSERVIDOR AND LOT.SITUACAO = 'A'\n"
    "LEFT JOIN VORK_SETORES SL ON SL.CODSETOR = LOT.CODSETOR\n"
    "LEFT JOIN RECH_PLANOSSAUDE PS ON PS.CODPLANOSAUDE = S.CODPLANOSAUDE\n";

// Persons listed as servants; the plain view leaves out the pension
// institutors (category "I"), the "_COM_PENS" view keeps them.
const char* kServidoresSemInstituidores = "WHERE U.CATEGORIA = 'S' AND COALESCE(S.CATEGSERVIDOR, ' ') <> 'I'";
const char* kServidoresComInstituidores = "WHERE U.CATEGORIA = 'S'";

QString selecionar(const QList<ColunaVisao>& colunas, const QString& resto) {
    QStringList partes;
    for (const auto& c : colunas) partes << c.expressao + " AS " + c.coluna.nome;
    return "SELECT " + partes.join(",\n  ") + "\n" + resto;
}

QList<DefColuna> declaracoes(const QList<ColunaVisao>& colunas) {
    QList<DefColuna> r;
    for (const auto& c : colunas) r << c.coluna;
    return r;
}

// Builds a view once per backend from a function of the dialect.
DefVisao visaoPorDialeto(const QString& nome, const std::function<QList<ColunaVisao>(const Dialeto&)>& colunas,
                         const QString& resto) {
    DefVisao v;
    v.nome = nome;
    for (const char* dn : {"sqlite", "postgres"}) {
        const auto d = Dialeto::criar(QString::fromLatin1(dn));
        const auto cs = colunas(*d);
        if (v.colunas.isEmpty()) v.colunas = declaracoes(cs);
        v.sqlPorDialeto.insert(d->nome(), selecionar(cs, resto));
    }
    return v;
}

QList<ColunaVisao> colunasSetores(const Dialeto& d) {
    return {
        {inteiro("CODSETOR"), "ST.CODSETOR"},
        {texto("IDENTSETOR", 15), "ST.IDENTSETOR"},
        {texto("DESCRICAO", 70), "ST.DESCRICAO"},
        {data("DATAINCLUSAO"), "ST.DATAINCLUSAO"},
        {data("DATAEXCLUSAO"), "ST.DATAEXCLUSAO"},
        {texto("SITUACAO", 7), "ST.SITUACAO"},
        {texto("PERTENCE", 3), "ST.PERTENCE"},
        {texto("NIVEL", 15), "ST.NIVEL"},
        {texto("RAMAL", 16), "ST.RAMAL"},
        {texto("SALA", 16), "ST.SALA"},
        {texto("EMAIL", 40), "ST.EMAIL"},
        // Name and campus: "COORDENAÇÃO DE GESTÃO DE PESSOAS - CENTRO".
        {texto("DESCRICAO2", 93),
         "CASE WHEN UN.SIGLA IS NULL THEN ST.DESCRICAO ELSE ST.DESCRICAO || ' - ' || UN.SIGLA END"},
        {inteiro("CODSETORSUBOR"), "ST.CODSETORSUBOR"},
        {texto("DENOMINACAO", 70), "ST.DENOMINACAO"},
        {texto("CODFUNCAO", 5), "ST.CODFUNCAO"},
        {inteiro("CODUNIDADE"), "ST.CODUNIDADE"},
        {texto("UNIDADE", 20), "UN.SIGLA"},
        // The active head and the ordinance that appointed him or her.
        {texto("RESP1", 40), "RU.NOME"},
        {texto("PORTARIA", 24),
         "CASE WHEN R.DATAPORTARIA IS NULL THEN R.NUMPORTARIA ELSE R.NUMPORTARIA || ' ' || " +
             dataDiaMesAno(d, "R.DATAPORTARIA") + " END"},
    };
}

const char* kOrigemSetores =
    "FROM VORK_SETORES ST\n"
    "LEFT JOIN VORK_UNIDADES UN ON UN.CODUNIDADE = ST.CODUNIDADE\n"
    "LEFT JOIN RECH_RESPONSAVEIS R ON R.CODSETOR = ST.CODSETOR AND R.SITUACAO = 'ATIVO'\n"
    "LEFT JOIN VORK_USUARIOS RU ON RU.CODUSUARIO = R.CODUSUARIO\n";

QList<ColunaVisao> colunasLotacoes(const Dialeto&) {
    return {
        {inteiro("CODLOTACAO"), "L.CODLOTACAO"},
        {inteiro("CODSERVIDOR"), "L.CODSERVIDOR"},
        {texto("NOMESERVIDOR", 40), "U.NOME"},
        {inteiro("MATRICULA"), "U.NUMMATRIC"},
        {texto("ENDERECO", 100), "U.ENDERECO"},
        {texto("BAIRRO", 40), "U.BAIRRO"},
        {texto("CIDADE", 30), "U.CIDADE"},
        {texto("ESTADO", 2), "U.ESTADO"},
        {texto("CEP", 9), "U.CEP"},
        {inteiro("ESTADOCIVIL"), "U.ESTADOCIVIL"},
        {data("DTNASCIMENTO"), "U.DTNASC"},
        {texto("CPF", 11), "U.CPF"},
        {texto("TELEFONE", 15), "U.FONERES"},
        {texto("IDENTIDADE", 16), "U.IDENTIDADE"},
        {texto("ORGAOEMISSOR", 15), "U.ORGAOEMISSOR"},
        {texto("NATURALIDADE", 30),
         "CASE WHEN U.NACIONALIDADE = 4 OR GC.CIDADE IS NULL THEN U.CIDADENASC ELSE GC.CIDADE END"},
        {inteiro("CODSETOR"), "L.CODSETOR"},
        {texto("NOMESETOR", 70), "ST.DESCRICAO"},
        {data("DATAINICIO"), "L.DATAINICIO"},
        {data("DATAFINAL"), "L.DATAFINAL"},
        {texto("SITUACAO", 1), "L.SITUACAO"},
        {texto("NRPORTARIA", 10), "L.NRPORTARIA"},
        {data("DTPORTARIA"), "L.DTPORTARIA"},
        {data("DTADMISSAO"), "S.DTADMISSAO"},
        {texto("RAMAL", 16), "ST.RAMAL"},
        {texto("SALA", 16), "ST.SALA"},
        {texto("EMAIL", 40), "U.EMAIL"},
        {texto("EMAIL_ALTERNATIVO", 40), "U.EMAIL_ALTERNATIVO"},
        {texto("SITUACAO_SERVIDOR", 1), "S.SITUACAO"},
    };
}

const char* kOrigemLotacoes =
    "FROM RECH_LOTACOES L\n"
    "JOIN VORK_USUARIOS U ON U.CODUSUARIO = L.CODSERVIDOR\n"
    "LEFT JOIN VORK_SERVIDORES S ON S.CODSERVIDOR = L.CODSERVIDOR\n"
    "LEFT JOIN GER_CIDADES GC ON GC.CODCIDADES = U.CODCIDADES\n"
    "LEFT JOIN VORK_SETORES ST ON ST.CODSETOR = L.CODSETOR\n";

QList<ColunaVisao> colunasNomes(const Dialeto&) {
    return {{inteiro("CODUSUARIO"), "U.CODUSUARIO"}, {inteiro("NUMMATRIC"), "U.NUMMATRIC"}, {texto("NOME", 40), "U.NOME"}};
}

// ---------------------------------------------------------------- migrations

void criarIndice(Conexao& c, const QString& nome, const QString& tabela, const QString& colunas) {
    c.executar("CREATE INDEX IF NOT EXISTS " + nome + " ON " + tabela + " (" + colunas + ")");
}

void criarTabelas(Conexao& c) {
    for (const auto& t : tabelasCentrais()) criarTabela(c, t);
    c.executar(QStringLiteral("INSERT INTO DUAL (DUMMY) VALUES ('X')"));

    const Dialeto& d = c.dialeto();
    // One active assignment per servant; one active head per sector and per servant.
    c.executar(d.indiceUnicoParcial("UX_LOTACOES_ATIVA_SERVIDOR", "RECH_LOTACOES", "CODSERVIDOR", "SITUACAO = 'A'"));
    c.executar(d.indiceUnicoParcial("UX_RESPONSAVEIS_ATIVO_SETOR", "RECH_RESPONSAVEIS", "CODSETOR",
                                    "SITUACAO = 'ATIVO'"));
    c.executar(d.indiceUnicoParcial("UX_RESPONSAVEIS_ATIVO_SERVIDOR", "RECH_RESPONSAVEIS", "CODUSUARIO",
                                    "SITUACAO = 'ATIVO'"));
    criarIndice(c, "IX_LOTACOES_SERVIDOR", "RECH_LOTACOES", "CODSERVIDOR");
    criarIndice(c, "IX_LOTACOES_SETOR", "RECH_LOTACOES", "CODSETOR");
    criarIndice(c, "IX_RESPONSAVEIS_SETOR", "RECH_RESPONSAVEIS", "CODSETOR");
    criarIndice(c, "IX_RESPONSAVEIS_USUARIO", "RECH_RESPONSAVEIS", "CODUSUARIO");
    criarIndice(c, "IX_DEPENDENTES_SERVIDOR", "VORK_DEPENDENTES", "CODSERVIDOR");
    criarIndice(c, "IX_USUARIOS_NUMMATRIC", "VORK_USUARIOS", "NUMMATRIC");
    criarIndice(c, "IX_USUARIOS_NOME", "VORK_USUARIOS", "NOME");
    criarIndice(c, "IX_SERVIDORES_UNIDADE", "VORK_SERVIDORES", "CODUNIDADE");
    criarIndice(c, "IX_SETORES_UNIDADE", "VORK_SETORES", "CODUNIDADE");
    criarIndice(c, "IX_CIDADES_ESTADO", "GER_CIDADES", "SIGLAESTADO, CIDADE");
    criarIndice(c, "IX_AUTAPLICACOES_USUARIO", "VORK_AUTAPLICACOES", "CODUSUARIO");
}

void criarVisoes(Conexao& c) {
    for (const auto& v : visoesCentrais()) criarVisao(c, v);
}

}  // namespace

std::vector<DefTabela> tabelasCentrais() {
    // In an order in which every referenced table comes first.
    return {unidades(),      paises(),        estados(),          cidades(),      orgaosEmissores(),
            tiposLogradouro(), cargos(),      licencas(),         tiposProcesso(), planosSaude(),
            instituicoesEnsino(), formacoes(), escolaridades(),   especializacoes(), situacoes(),
            usuarios(),      servidores(),    setores(),          lotacoes(),     responsaveis(),
            dependentes(),   aplicacoes(),    autorizacoes(),     auditoriaUsos(), dual()};
}

std::vector<DefVisao> visoesCentrais() {
    const QString origem = QString::fromLatin1(kOrigemServidores);
    return {
        visaoPorDialeto("VORK_VW_SERVIDORES", colunasServidores, origem + kServidoresSemInstituidores),
        visaoPorDialeto("VORK_VW_SERVIDORES_COM_PENS", colunasServidores, origem + kServidoresComInstituidores),
        visaoPorDialeto("RECH_VW_SERVIDORES", colunasNomes,
                        QStringLiteral("FROM VORK_USUARIOS U\nJOIN VORK_SERVIDORES S ON S.CODSERVIDOR = U.CODUSUARIO\n") +
                            kServidoresSemInstituidores),
        visaoPorDialeto("VORK_VW_SETORES", colunasSetores, QString::fromLatin1(kOrigemSetores)),
        visaoPorDialeto("RECH_VW_LOTACOES", colunasLotacoes, QString::fromLatin1(kOrigemLotacoes)),
    };
}

void registrarCatalogoCentral(Catalogo& catalogo) {
    for (const auto& t : tabelasCentrais()) catalogo.registrar(t);
    for (const auto& v : visoesCentrais()) catalogo.registrar(v);
    for (const auto& f : funcoesDescritivas()) catalogo.registrar(f);
    // The situation description reads its table through the connection, so
    // every connection of this catalogue registers it when it opens.
    catalogo.registrarPreparacao(&registrarFuncoesCentrais);
}

std::vector<Migracao> migracoesCentrais() {
    return {
        {kModuloCentral, 1, QStringLiteral("tabelas e índices do cadastro central"), criarTabelas},
        {kModuloCentral, 2, QStringLiteral("visões de servidores, setores e lotações"), criarVisoes},
        {kModuloCentral, 3, QStringLiteral("funções do banco (descrições e nova via da carteira)"),
         criarFuncoesNoServidor},
    };
}

ModuloEsquema moduloCentral() {
    return {kModuloCentral, registrarCatalogoCentral, migracoesCentrais, registrarFuncoesCentrais};
}

std::shared_ptr<const Catalogo> catalogoCentral() {
    static const std::shared_ptr<const Catalogo> catalogo = [] {
        auto c = std::make_shared<Catalogo>();
        registrarCatalogoCentral(*c);
        return c;
    }();
    return catalogo;
}

void aplicarMigracoes(Conexao& conexao) { RegistroEsquemas().adicionar(moduloCentral()).aplicarMigracoes(conexao); }

void registrarFuncoesLocais(Conexao& conexao) { registrarFuncoesCentrais(conexao); }

}  // namespace rh::app
