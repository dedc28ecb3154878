// The statement the report filter builds from the choices: where each
// condition lands, what is bound, and what stays out.
#include "reports/base/FiltroRelatorio.h"

#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

namespace rh::reports {
namespace {

const QString kBase = QStringLiteral("select NUMMATRIC, NOME, SITUACAO from VORK_VW_SERVIDORES where 0 = 0");

AjustesRelatorio ajustes(const QString& base = kBase) { return {FiltroRelatorio::comMarcadores(base), {}, {}, {}, {}}; }
SessaoFiltro administrador() { return {QStringLiteral("A"), 1}; }

// The statement with every parameter name replaced by its kind
// (":FILTRO_NOME_DE_3" -> ":NOME_DE"), so cases compare shapes.
QString forma(const QString& sql) {
    QString s = sql;
    s.remove(QRegularExpression(QStringLiteral("/\\*[^*]*\\*/")));  // markers left without a condition
    s.replace(QRegularExpression(QStringLiteral(":FILTRO_([A-Z_]+?)_\\d+")), QStringLiteral(":\\1"));
    return s;
}

// Parameter values by kind, in the order of the names' numbers.
QVariantList valores(const ComandoFiltrado& c, const QString& tipo) {
    QMap<int, QVariant> porOrdem;
    for (auto it = c.parametros.constBegin(); it != c.parametros.constEnd(); ++it) {
        const auto m = QRegularExpression(QStringLiteral("^FILTRO_([A-Z_]+?)_(\\d+)$")).match(it.key());
        if (m.hasMatch() && m.captured(1) == tipo) porOrdem.insert(m.captured(2).toInt(), it.value());
    }
    return porOrdem.values();
}

struct Caso {
    const char* nome;
    std::function<void(EscolhasFiltro&, AjustesRelatorio&, SessaoFiltro&)> preparar;
    QStringList contem;      // fragments of the shaped statement
    QStringList naoContem;
    std::function<void(const ComandoFiltrado&)> verificar = {};
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nome; }

class CasosDoFiltro : public ::testing::TestWithParam<Caso> {};

TEST_P(CasosDoFiltro, MontaOComandoEsperado) {
    const Caso& caso = GetParam();
    EscolhasFiltro e;
    AjustesRelatorio a = ajustes();
    SessaoFiltro s = administrador();
    caso.preparar(e, a, s);
    const ResultadoFiltro r = FiltroRelatorio::montar(a, e, s);
    ASSERT_TRUE(r.comando) << r.mensagem.toStdString();
    const QString sql = forma(r.comando->sql);
    for (const QString& parte : caso.contem) EXPECT_TRUE(sql.contains(parte)) << parte.toStdString() << "\nem:\n" << sql.toStdString();
    for (const QString& parte : caso.naoContem) EXPECT_FALSE(sql.contains(parte)) << parte.toStdString() << "\nem:\n" << sql.toStdString();
    // Every parameter the statement names has a value, and no value is left unnamed.
    for (auto it = r.comando->parametros.constBegin(); it != r.comando->parametros.constEnd(); ++it)
        EXPECT_TRUE(r.comando->sql.contains(QLatin1Char(':') + it.key())) << it.key().toStdString();
    if (caso.verificar) caso.verificar(*r.comando);
}

const auto nada = [](EscolhasFiltro&, AjustesRelatorio&, SessaoFiltro&) {};

INSTANTIATE_TEST_SUITE_P(
    Filtro, CasosDoFiltro,
    ::testing::Values(
        Caso{"padroes_excluem_F_e_usam_a_visao_com_pensoes", nada,
             {"from VORK_VW_SERVIDORES_COM_PENS where 0 = 0", "AND SITUACAO <>'F'", " ORDER BY NOME"},
             {"CATEGSERVIDOR=", "SEXO=", "CODUNIDADE=", "UPPER(NOME)", " IN (", "DTADMISSAO", "_COM_PENS_COM_PENS"},
             [](const ComandoFiltrado& c) {
                 EXPECT_TRUE(c.parametros.isEmpty());
                 EXPECT_TRUE(c.sql.endsWith(QStringLiteral("\n ORDER BY NOME"))) << c.sql.toStdString();
             }},
        Caso{"perfil_U_sempre_na_propria_unidade_mesmo_sem_escolha",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro& s) {
                 s = {QStringLiteral("U"), 4};
                 e.unidade.reset();
             },
             {"AND CODUNIDADE= :UNIDADE"}, {},
             [](const ComandoFiltrado& c) { EXPECT_EQ(valores(c, "UNIDADE"), QVariantList{4}); }},
        Caso{"perfil_U_nao_escapa_escolhendo_outra_unidade",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro& s) {
                 s = {QStringLiteral("U"), 4};
                 e.unidade = 2;
             },
             {"AND CODUNIDADE= :UNIDADE"}, {},
             [](const ComandoFiltrado& c) { EXPECT_EQ(valores(c, "UNIDADE"), QVariantList{4}); }},
        Caso{"administrador_com_todas_as_unidades_nao_filtra",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) { e.unidade = -1; }, {}, {"CODUNIDADE"}},
        Caso{"administrador_escolhe_uma_unidade", [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) { e.unidade = 3; },
             {"AND CODUNIDADE= :UNIDADE"}, {},
             [](const ComandoFiltrado& c) { EXPECT_EQ(valores(c, "UNIDADE"), QVariantList{3}); }},
        Caso{"categoria_situacao_e_sexo_escolhidos",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) {
                 e.categoria = QStringLiteral("TÉCNICO ADMINISTRATIVO");
                 e.situacao = QStringLiteral("F");
                 e.sexo = QStringLiteral("Feminino");
             },
             {"AND CATEGSERVIDOR= :CATEGORIA", "AND SITUACAO= :SITUACAO", "AND SEXO= :SEXO"}, {"<>'F'"},
             [](const ComandoFiltrado& c) {
                 EXPECT_EQ(valores(c, "CATEGORIA"), QVariantList{QStringLiteral("T")});
                 EXPECT_EQ(valores(c, "SITUACAO"), QVariantList{QStringLiteral("F")});
                 EXPECT_EQ(valores(c, "SEXO"), QVariantList{QStringLiteral("F")});
             }},
        Caso{"categoria_digitada_fora_da_lista_da_codigo_vazio",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) { e.categoria = QStringLiteral("PROF"); },
             {"AND CATEGSERVIDOR= :CATEGORIA"}, {},
             [](const ComandoFiltrado& c) { EXPECT_EQ(valores(c, "CATEGORIA"), QVariantList{QString()}); }},
        Caso{"faixa_que_comeca_em_todos_os_servidores_vira_entre",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) { e.nomeFinal = QStringLiteral("MARIA SILVA"); },
             {"AND UPPER(NOME) BETWEEN UPPER(:NOME_DE) AND UPPER(:NOME_ATE)"}, {},
             [](const ComandoFiltrado& c) {
                 EXPECT_EQ(valores(c, "NOME_DE"), QVariantList{QStringLiteral("TODOS OS SERVIDORES")});
                 EXPECT_EQ(valores(c, "NOME_ATE"), QVariantList{QStringLiteral("MARIA SILVA")});
             }},
        Caso{"apostrofo_vai_intacto_como_parametro_na_faixa_e_na_lista",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro&) {
                 e.nomeInicial = e.nomeFinal = QStringLiteral("JOANA D'ARC");
                 a.sqlORIG = FiltroRelatorio::comMarcadores(kBase) + QStringLiteral("\n") + kMarcadorNome;
             },
             {"BETWEEN UPPER(:NOME_DE) AND UPPER(:NOME_ATE)"}, {"D'ARC", "''"},
             [](const ComandoFiltrado& c) {
                 EXPECT_EQ(valores(c, "NOME_DE").size(), 2);  // both markers, each with its own parameters
                 for (const QVariant& v : valores(c, "NOME_DE") + valores(c, "NOME_ATE"))
                     EXPECT_EQ(v.toString(), QStringLiteral("JOANA D'ARC"));
             }},
        Caso{"lista_individual_na_ordem_com_repeticao",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) {
                 e.pagina = PaginaNomes::Individual;
                 e.nomes = {QStringLiteral("ANA"), QStringLiteral("JOANA D'ARC"), QStringLiteral("ANA")};
             },
             {" AND NOME IN (:NOME,:NOME,:NOME)"}, {"BETWEEN", "D'ARC"},
             [](const ComandoFiltrado& c) {
                 EXPECT_EQ(valores(c, "NOME"), (QVariantList{QStringLiteral("ANA"), QStringLiteral("JOANA D'ARC"),
                                                              QStringLiteral("ANA")}));
             }},
        Caso{"periodo_completo_vinculado_como_datas",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) {
                 e.admissaoInicial = QStringLiteral("01/02/2010");
                 e.admissaoFinal = QStringLiteral("31/12/2015");
             },
             {" AND DTADMISSAO BETWEEN :ADMISSAO_DE AND :ADMISSAO_ATE\n ORDER BY NOME"}, {},
             [](const ComandoFiltrado& c) {
                 EXPECT_EQ(valores(c, "ADMISSAO_DE"), QVariantList{QDate(2010, 2, 1)});
                 EXPECT_EQ(valores(c, "ADMISSAO_ATE"), QVariantList{QDate(2015, 12, 31)});
             }},
        Caso{"periodo_so_com_inicio", [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) {
                 e.admissaoInicial = QStringLiteral("01/02/2010");
                 e.admissaoFinal = QStringLiteral("  /  /    ");
             },
             {" AND DTADMISSAO >= :ADMISSAO_DE"}, {"BETWEEN", "<= :"}},
        Caso{"periodo_so_com_fim", [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) {
                 e.admissaoFinal = QStringLiteral("31/12/2015");
             },
             {" AND DTADMISSAO <= :ADMISSAO_ATE"}, {"BETWEEN", ">= :"}},
        Caso{"pensionista_troca_o_comando_e_so_aplica_situacao_sexo_nomes_e_ordem",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro& s) {
                 s = {QStringLiteral("U"), 4};
                 e.categoria = kPensionista;
                 e.situacaoPensionista = QStringLiteral("Ativo");
                 e.sexo = QStringLiteral("Masculino");
                 e.nomeFinal = QStringLiteral("CARLOS");
                 e.unidade = 2;
                 e.admissaoInicial = QStringLiteral("01/01/2000");
                 a.Where = QStringLiteral(" AND CATEG = 'X'");
                 a.OrderBy = QStringLiteral(", CIDADE");
             },
             {kSqlPensionistas + QStringLiteral("\n AND SITUACAO = :SITUACAO\n AND SEXO= :SEXO\n AND UPPER(NOME) "
                                                "BETWEEN UPPER(:NOME_DE) AND UPPER(:NOME_ATE)\n ORDER BY NOME, CIDADE")},
             {"VORK_VW", "CODUNIDADE", "DTADMISSAO", "CATEG"},
             [](const ComandoFiltrado& c) {
                 EXPECT_FALSE(c.sql.contains(QStringLiteral("/*")));  // no marker of the servants' statement
                 EXPECT_EQ(valores(c, "SITUACAO"), QVariantList{QStringLiteral("Ativo")});
                 EXPECT_EQ(valores(c, "SEXO"), QVariantList{QStringLiteral("M")});
             }},
        Caso{"ordem_por_matricula_com_ordem_do_relatorio",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro&) {
                 e.ordem = kOrdemMatricula;
                 a.OrderBy = QStringLiteral(", DTNASC");
             },
             {" ORDER BY NUMMATRIC, DTNASC"}, {"ORDER BY NOME"}},
        Caso{"ordem_em_branco_usa_so_a_do_relatorio_ja_na_visao_com_pensoes",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro&) {
                 e.ordem.clear();
                 a.OrderBy = QStringLiteral(" UNIDADE, VORK_VW_SERVIDORES.NOME");
             },
             {" ORDER BY UNIDADE, VORK_VW_SERVIDORES_COM_PENS.NOME"}, {"ORDER BY NOME"}},
        Caso{"ordem_em_branco_sem_ordem_do_relatorio_nao_quebra_o_comando",
             [](EscolhasFiltro& e, AjustesRelatorio&, SessaoFiltro&) { e.ordem.clear(); }, {}, {"ORDER BY"}},
        Caso{"condicao_do_relatorio_com_parametros_proprios",
             [](EscolhasFiltro&, AjustesRelatorio& a, SessaoFiltro&) {
                 a.Where = QStringLiteral("AND GRAUPARENTESCO = :GRAU");
                 a.parametrosWhere = {{QStringLiteral("GRAU"), QStringLiteral("FIL")}};
             },
             {"\nAND GRAUPARENTESCO = :GRAU"}, {"ALGUMA COISA"},
             [](const ComandoFiltrado& c) { EXPECT_EQ(c.parametros.value("GRAU"), QStringLiteral("FIL")); }},
        Caso{"visao_ja_com_pensoes_e_minusculas",
             [](EscolhasFiltro&, AjustesRelatorio& a, SessaoFiltro&) {
                 a.sqlORIG = FiltroRelatorio::comMarcadores(QStringLiteral(
                     "select count(*) from vork_vw_servidores s join VORK_VW_SERVIDORES_COM_PENS p on 0=0 where 0=0"));
             },
             {"from VORK_VW_SERVIDORES_COM_PENS s join VORK_VW_SERVIDORES_COM_PENS p"}, {"_COM_PENS_COM_PENS"}},
        Caso{"campo_nome_do_relatorio_nas_duas_condicoes_de_nome",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro&) {
                 a.CampoNomeRelatorio = QStringLiteral("VORK_VW_SERVIDORES_COM_PENS.NOME");
                 a.sqlORIG += QStringLiteral("\n") + kMarcadorNome;
                 e.nomeFinal = QStringLiteral("MARIA");
             },
             {"AND UPPER(VORK_VW_SERVIDORES_COM_PENS.NOME) BETWEEN"}, {"UPPER(NOME)"}},
        Caso{"campo_nome_do_relatorio_na_lista",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro&) {
                 a.CampoNomeRelatorio = QStringLiteral("V.NOME");
                 e.pagina = PaginaNomes::Individual;
                 e.nomes = {QStringLiteral("ANA")};
             },
             {" AND V.NOME IN (:NOME)"}, {}},
        Caso{"comando_sem_marcadores_so_recebe_os_anexos",
             [](EscolhasFiltro& e, AjustesRelatorio& a, SessaoFiltro&) {
                 a.sqlORIG = QStringLiteral("select 1 from DUAL where 0=0");
                 e.sexo = QStringLiteral("Feminino");
                 e.admissaoInicial = QStringLiteral("01/01/2001");
             },
             {"select 1 from DUAL where 0=0\n AND DTADMISSAO >= :ADMISSAO_DE\n ORDER BY NOME"}, {"SEXO", "SITUACAO"}}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

// A name is only ever a value: whatever it holds, the statement is the one
// an ordinary name gives.
TEST(Filtro, TextoHostilNosNomesNaoMudaOComando) {
    const QStringList hostis = {
        QStringLiteral("X') OR 1=1 --"),
        QStringLiteral("*/ OR 1=1 /*"),
        QStringLiteral("/* AND SEXO= */"),
        QStringLiteral("UPPER(NOME) VORK_VW_SERVIDORES"),
        QStringLiteral("'; DROP TABLE VORK_USUARIOS; --"),
        QStringLiteral(":FILTRO_NOME_1"),
    };
    for (const PaginaNomes pagina : {PaginaNomes::Faixa, PaginaNomes::Individual}) {
        for (const bool pensionista : {false, true}) {
            const auto montar = [&](const QString& nome) {
                EscolhasFiltro e;
                e.pagina = pagina;
                e.nomeInicial = e.nomeFinal = nome;
                e.nomes = {nome, nome};
                if (pensionista) e.categoria = kPensionista;
                AjustesRelatorio a = ajustes();
                a.CampoNomeRelatorio = QStringLiteral("S.NOME");
                return FiltroRelatorio::montar(a, e, administrador()).comando.value();
            };
            const ComandoFiltrado comum = montar(QStringLiteral("MARIA"));
            for (const QString& hostil : hostis) {
                const ComandoFiltrado c = montar(hostil);
                EXPECT_EQ(c.sql, comum.sql) << hostil.toStdString();
                for (const QVariant& v : c.parametros) EXPECT_EQ(v.toString(), hostil);
            }
        }
    }
}

TEST(Filtro, EscolhasQueNaoPodemRodarDizemOMotivoEOCampo) {
    struct Invalido {
        std::function<void(EscolhasFiltro&)> preparar;
        QString mensagem;
        CampoFiltro campo;
    };
    const QList<Invalido> casos = {
        {[](EscolhasFiltro& e) { e.pagina = PaginaNomes::Individual; }, QStringLiteral("Infome os nomes dos servidores."),
         CampoFiltro::Nomes},
        {[](EscolhasFiltro& e) {
             e.pagina = PaginaNomes::Individual;
             e.nomes = {QString()};
         },
         QStringLiteral("Infome os nomes dos servidores."), CampoFiltro::Nomes},
        {[](EscolhasFiltro& e) { e.admissaoInicial = QStringLiteral("31/02/2020"); },
         QStringLiteral("A data 31/02/2020 não é válida."), CampoFiltro::AdmissaoInicial},
        {[](EscolhasFiltro& e) { e.admissaoFinal = QStringLiteral("12/0 /    "); },
         QStringLiteral("A data 12/0 / não é válida."), CampoFiltro::AdmissaoFinal},
    };
    for (const auto& caso : casos) {
        EscolhasFiltro e;
        caso.preparar(e);
        const ResultadoFiltro r = FiltroRelatorio::montar(ajustes(), e, administrador());
        EXPECT_FALSE(r.comando);
        EXPECT_EQ(r.mensagem, caso.mensagem);
        EXPECT_EQ(r.campo, caso.campo);
    }
    // Pensioners have no admission date: a bad one there is not asked about.
    EscolhasFiltro e;
    e.categoria = kPensionista;
    e.admissaoInicial = QStringLiteral("31/02/2020");
    EXPECT_TRUE(FiltroRelatorio::montar(ajustes(), e, administrador()).comando);
}

TEST(Filtro, MarcadoresAnexadosNaOrdemCadaUmEmSuaLinha) {
    EXPECT_EQ(FiltroRelatorio::comMarcadores(QStringLiteral("select 1")),
              QStringLiteral("select 1\n/* AND CATEGSERVIDOR= */\n/* AND SITUACAO= */\n/* AND SEXO= */\n"
                             "/* AND CODUNIDADE= */\n/* AND NOME LIKE */\n/* AND ALGUMA COISA */"));
}

}  // namespace
}  // namespace rh::reports
