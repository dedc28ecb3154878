#include <gtest/gtest.h>

#include "framework/pesquisa/ComandosPesquisa.h"
#include "platform/db/Dialeto.h"

using namespace rh;
using namespace rh::framework;
using db::TipoDado;

namespace {

QString valorLigado(const ComandoPesquisa& c) {
    return c.parametros.value(kParametroValor).toString();
}

TEST(ComandosPesquisa, CondicaoDoLocalizarPorTipoDeCampoTipoECaixa) {
    struct Caso {
        TipoDado tipoCampo;
        TipoBusca tipo;
        bool sensivel;
        QString valor;
        QString condicao;  // what follows " WHERE " before " ORDER BY "
        QVariant ligado;
    };
    const QList<Caso> casos{
        {TipoDado::Texto, TipoBusca::Exata, true, "Ana", " NOME=:PESQ_VALOR", "Ana"},
        {TipoDado::Texto, TipoBusca::Exata, false, "Ana", " UPPER(NOME) = UPPER(:PESQ_VALOR)",
         "Ana"},
        {TipoDado::Texto, TipoBusca::Aproximada, true, "an", " NOME LIKE :PESQ_VALOR ESCAPE '\\'",
         "an%"},
        {TipoDado::Texto, TipoBusca::Aproximada, false, "an",
         " UPPER(NOME) LIKE UPPER(:PESQ_VALOR) ESCAPE '\\'", "an%"},
        {TipoDado::Texto, TipoBusca::QueContem, true, "an", "NOME LIKE :PESQ_VALOR ESCAPE '\\'",
         "%an%"},
        {TipoDado::Memo, TipoBusca::QueContem, false, "an",
         " UPPER(NOME) LIKE UPPER(:PESQ_VALOR) ESCAPE '\\'", "%an%"},
        // Pattern characters keep their meaning; a backslash is a character.
        {TipoDado::Texto, TipoBusca::Aproximada, false, "a%b_c",
         " UPPER(NOME) LIKE UPPER(:PESQ_VALOR) ESCAPE '\\'", "a%b_c%"},
        {TipoDado::Texto, TipoBusca::QueContem, true, "c:\\x", "NOME LIKE :PESQ_VALOR ESCAPE '\\'",
         "%c:\\\\x%"},
        // Empty value with a pattern search matches every record.
        {TipoDado::Texto, TipoBusca::Aproximada, false, "",
         " UPPER(NOME) LIKE UPPER(:PESQ_VALOR) ESCAPE '\\'", "%"},
        // "Tipo" and the case box do not matter for other types.
        {TipoDado::Inteiro, TipoBusca::QueContem, true, "0042", " NOME = :PESQ_VALOR",
         qlonglong(42)},
        {TipoDado::Numero, TipoBusca::Exata, false, "12", " NOME = :PESQ_VALOR", 12.0},
        {TipoDado::Data, TipoBusca::Aproximada, false, "05/03/1980", " NOME = :PESQ_VALOR",
         QDate(1980, 3, 5)},
        {TipoDado::Data, TipoBusca::Aproximada, false, "5/3/80", " NOME = :PESQ_VALOR",
         QDate(1980, 3, 5)},
        {TipoDado::DataHora, TipoBusca::Exata, false, "05/03/2020", " NOME = :PESQ_VALOR",
         QDateTime(QDate(2020, 3, 5), QTime(0, 0))},
        {TipoDado::Hora, TipoBusca::Exata, false, "7:30", " NOME = :PESQ_VALOR", QTime(7, 30)},
    };
    const auto dialeto = db::Dialeto::criar("sqlite");
    for (const auto& c : casos) {
        PedidoLocalizar p{"GER_CIDADES", "", "", "NOME", c.tipoCampo, c.valor, c.tipo, c.sensivel};
        const auto comando = comandoLocalizar(p, *dialeto);
        ASSERT_TRUE(comando) << c.valor.toStdString();
        EXPECT_EQ(comando->sql,
                  "SELECT  *   FROM GER_CIDADES WHERE " + c.condicao + " ORDER BY NOME")
            << c.valor.toStdString();
        EXPECT_EQ(comando->parametros.value(kParametroValor), c.ligado) << c.condicao.toStdString();
    }
}

TEST(ComandosPesquisa, ValorTipadoNuncaEntraNoTextoDoComando) {
    const auto dialeto = db::Dialeto::criar("postgres");
    for (const QString& hostil :
         {QStringLiteral("x' OR '1'='1"), QStringLiteral("'; DROP TABLE VORK_USUARIOS; --"),
          QStringLiteral("D'Ávila")}) {
        for (TipoBusca tipo : {TipoBusca::Exata, TipoBusca::Aproximada, TipoBusca::QueContem}) {
            PedidoLocalizar p{"VORK_USUARIOS",
                              "CODUSUARIO, NOME",
                              "rownum <= 200 and ",
                              "NOME",
                              TipoDado::Texto,
                              hostil,
                              tipo,
                              false};
            const auto comando = comandoLocalizar(p, *dialeto);
            ASSERT_TRUE(comando);
            EXPECT_FALSE(comando->sql.contains('\'' + hostil.left(2)))
                << comando->sql.toStdString();
            EXPECT_FALSE(comando->sql.contains(QStringLiteral("DROP")));
            EXPECT_TRUE(valorLigado(*comando).contains(hostil));
        }
        PedidoPesquisaTabela t{
            {"CODUSUARIO", "NOME"}, "VORK_VW_SERVIDORES", "U", 3, "NOME", TipoDado::Texto, hostil};
        const auto comando = comandoPesquisaTabela(t);
        ASSERT_TRUE(comando);
        EXPECT_FALSE(comando->sql.contains(QStringLiteral("DROP")));
        EXPECT_FALSE(comando->sql.contains(QStringLiteral("'1'")));
        EXPECT_EQ(valorLigado(*comando), "%" + hostil.toUpper() + "%");
    }
}

TEST(ComandosPesquisa, VerificacaoDoValor) {
    struct Caso {
        TipoDado tipoCampo;
        TipoBusca tipo;
        QString valor;
        ProblemaValor esperado;
    };
    const QList<Caso> casos{
        {TipoDado::Texto, TipoBusca::Exata, "", ProblemaValor::Vazio},
        {TipoDado::Inteiro, TipoBusca::Exata, "", ProblemaValor::Vazio},
        {TipoDado::Texto, TipoBusca::Aproximada, "", ProblemaValor::Nenhum},
        {TipoDado::Texto, TipoBusca::QueContem, "", ProblemaValor::Nenhum},
        {TipoDado::Inteiro, TipoBusca::Aproximada, "", ProblemaValor::Invalido},
        {TipoDado::Inteiro, TipoBusca::Aproximada, "12a", ProblemaValor::Invalido},
        {TipoDado::Inteiro, TipoBusca::Aproximada, "99999999999999999999999",
         ProblemaValor::Invalido},
        {TipoDado::Inteiro, TipoBusca::Aproximada, "123", ProblemaValor::Nenhum},
        {TipoDado::Numero, TipoBusca::Aproximada, "1,5", ProblemaValor::Nenhum},
        {TipoDado::Numero, TipoBusca::Aproximada, "1,5x", ProblemaValor::Invalido},
        {TipoDado::Data, TipoBusca::Exata, "31/02/2020", ProblemaValor::Invalido},
        {TipoDado::Data, TipoBusca::Exata, "2020-02-01", ProblemaValor::Invalido},
        {TipoDado::Data, TipoBusca::Aproximada, "", ProblemaValor::Invalido},
        {TipoDado::Data, TipoBusca::Exata, "29/02/2020", ProblemaValor::Nenhum},
        {TipoDado::DataHora, TipoBusca::Exata, "abc", ProblemaValor::Invalido},
        {TipoDado::Hora, TipoBusca::Exata, "25:00", ProblemaValor::Invalido},
        {TipoDado::Texto, TipoBusca::Exata, "qualquer coisa '%", ProblemaValor::Nenhum},
    };
    const auto dialeto = db::Dialeto::criar("sqlite");
    for (const auto& c : casos) {
        PedidoLocalizar p{"T", "", "", "C", c.tipoCampo, c.valor, c.tipo, false};
        EXPECT_EQ(verificarValor(p), c.esperado) << c.valor.toStdString();
        EXPECT_EQ(comandoLocalizar(p, *dialeto).has_value(), c.esperado == ProblemaValor::Nenhum);
    }
}

TEST(ComandosPesquisa, LimiteDeLinhasDaCondicaoBase) {
    struct Caso {
        QString base;
        QString resto;
        std::optional<int> limite;
    };
    const QList<Caso> casos{
        {"rownum <= 200 and ", "", 200},
        {"ROWNUM<=50 AND ", "", 50},
        {"rownum < 201 and ", "", 200},
        {"U.CODUSUARIO = S.CODSERVIDOR and rownum <= 200 and ", "U.CODUSUARIO = S.CODSERVIDOR and ",
         200},
        {"rownum <= 200 and S.SITUACAO = 'A' and ", "S.SITUACAO = 'A' and ", 200},
        {"U.CODUSUARIO = S.CODSERVIDOR and ", "U.CODUSUARIO = S.CODSERVIDOR and ", std::nullopt},
        {"", "", std::nullopt},
        {"XROWNUM <= 3 and ", "XROWNUM <= 3 and ", std::nullopt},
    };
    for (const auto& c : casos) {
        const auto r = separarLimiteDeLinhas(c.base);
        EXPECT_EQ(r.condicao, c.resto) << c.base.toStdString();
        EXPECT_EQ(r.limite, c.limite) << c.base.toStdString();
    }
}

TEST(ComandosPesquisa, LimiteVemAntesDaOrdenacaoEmCadaDialeto) {
    for (const char* nome : {"sqlite", "postgres"}) {
        const auto dialeto = db::Dialeto::criar(nome);
        PedidoLocalizar p{"VORK_USUARIOS U, VORK_SERVIDORES S",
                          "U.CODUSUARIO, U.NOME",
                          "S.CODSERVIDOR = U.CODUSUARIO and rownum <= 200 and ",
                          "U.NOME",
                          TipoDado::Texto,
                          "a",
                          TipoBusca::Aproximada,
                          false};
        const auto comando = comandoLocalizar(p, *dialeto);
        ASSERT_TRUE(comando);
        const QString interna =
            "SELECT  U.CODUSUARIO, U.NOME  FROM VORK_USUARIOS U, VORK_SERVIDORES S WHERE "
            "S.CODSERVIDOR = "
            "U.CODUSUARIO and  UPPER(U.NOME) LIKE UPPER(:PESQ_VALOR) ESCAPE '\\'";
        EXPECT_EQ(comando->sql, dialeto->limitarLinhas(interna, 200) + " ORDER BY NOME") << nome;
    }
}

TEST(ComandosPesquisa, TipoInicialPeloTitulo) {
    const QList<std::pair<QString, TipoBusca>> casos{
        {"C0NSULTA INSTITUIÇÃO", TipoBusca::QueContem},
        {"C0NSULTA ÁREA", TipoBusca::QueContem},
        {"CONSULTA PROCESSOS", TipoBusca::QueContem},
        {"CONSULTA INSTITUIÇÃO", TipoBusca::Aproximada},
        {"CONSULTA ÁREA", TipoBusca::Aproximada},
        {"C0NSULTA CIDADES", TipoBusca::Aproximada},
        {"consulta processos", TipoBusca::Aproximada},
        {"", TipoBusca::Aproximada},
    };
    for (const auto& [titulo, tipo] : casos)
        EXPECT_EQ(tipoInicialPorTitulo(titulo), tipo) << titulo.toStdString();
}

TEST(ComandosPesquisa, RestricaoDeUnidadeDaPesquisaEmTabela) {
    struct Caso {
        QString perfil;
        QString tabela;
        bool restringe;
    };
    const QList<Caso> casos{
        {"A", "VORK_VW_SERVIDORES", false}, {"U", "VORK_VW_SERVIDORES", true},
        {"C", "VORK_VW_SETORES", true},     {"G", "PRAX_VW_SERVIDORES", true},
        {"U", "vork_vw_setores", true},     {"U", "RECH_VW_LOTACOES", false},
        {"U", "VORK_USUARIOS", false},      {"", "VORK_VW_SERVIDORES", true},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(restringeUnidade(c.perfil, c.tabela), c.restringe)
            << c.perfil.toStdString() << c.tabela.toStdString();
        PedidoPesquisaTabela p{{"CODSETOR", "DESCRICAO"}, c.tabela, c.perfil, 7, "DESCRICAO",
                               TipoDado::Texto,           "X"};
        const auto comando = comandoPesquisaTabela(p);
        ASSERT_TRUE(comando);
        const QString filtro = c.restringe ? "CODUNIDADE = :PESQ_CODUNIDADE AND " : "";
        EXPECT_EQ(comando->sql,
                  "SELECT CODSETOR,DESCRICAO\n  FROM " + c.tabela + "\n WHERE " + filtro +
                      "UPPER(DESCRICAO)  LIKE :PESQ_VALOR ESCAPE '\\'\n ORDER BY DESCRICAO");
        EXPECT_EQ(comando->parametros.contains(kParametroUnidade), c.restringe);
        if (c.restringe) {
            EXPECT_EQ(comando->parametros.value(kParametroUnidade).toInt(), 7);
        }
    }
}

TEST(ComandosPesquisa, CondicaoDaPesquisaEmTabelaPorTipoDeCampo) {
    struct Caso {
        TipoDado tipo;
        QString valor;
        std::optional<QString> condicao;
        QVariant ligado;
    };
    const QList<Caso> casos{
        {TipoDado::Inteiro, "15", QString("CODSETOR >= :PESQ_VALOR"), qlonglong(15)},
        {TipoDado::Inteiro, "", std::nullopt, {}},
        {TipoDado::Inteiro, "ABC", std::nullopt, {}},
        {TipoDado::Texto, "são_%", QString("UPPER(CODSETOR)  LIKE :PESQ_VALOR ESCAPE '\\'"),
         "%SÃO_%%"},
        {TipoDado::Texto, "", QString("UPPER(CODSETOR)  LIKE :PESQ_VALOR ESCAPE '\\'"), "%%"},
        {TipoDado::Data, "2020",
         QString("UPPER(CAST(CODSETOR AS VARCHAR(4000)))  LIKE :PESQ_VALOR ESCAPE '\\'"), "%2020%"},
    };
    for (const auto& c : casos) {
        PedidoPesquisaTabela p{{"CODSETOR"}, "VORK_SETORES", "A", 1, "CODSETOR", c.tipo, c.valor};
        const auto comando = comandoPesquisaTabela(p);
        ASSERT_EQ(comando.has_value(), c.condicao.has_value()) << c.valor.toStdString();
        if (!comando) continue;
        EXPECT_EQ(comando->sql, "SELECT CODSETOR\n  FROM VORK_SETORES\n WHERE " + *c.condicao +
                                    "\n ORDER BY CODSETOR");
        EXPECT_EQ(comando->parametros.value(kParametroValor), c.ligado);
    }
}

}  // namespace
