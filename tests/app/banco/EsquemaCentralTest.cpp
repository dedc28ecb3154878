#include <gtest/gtest.h>

#include <QDate>
#include <QSqlRecord>

#include "app/esquema/EsquemaCentral.h"
#include "app/esquema/FuncoesCentrais.h"
#include "platform/db/ErroBanco.h"
#include "platform/db/Migracoes.h"
#include "support/BancoDeTeste.h"

using namespace rh::db;
using namespace rh::app;

namespace {

class EsquemaCentralTest : public rh::teste::TesteComBanco {
protected:
    std::shared_ptr<const Catalogo> catalogo() override { return catalogoCentral(); }
    void prepararEsquema(Conexao& c) override {
        registrarFuncoesLocais(c);
        aplicarMigracoes(c);
        c.executar("INSERT INTO VORK_UNIDADES (CODUNIDADE, NOME, SIGLA) VALUES (1, 'CAMPUS UM', 'UM')");
        c.executar("INSERT INTO RECH_SITUACAOSERVIDORES (CODSITUACAO, DESCRICAO) VALUES ('A', 'ATIVO')");
        c.executar("INSERT INTO RECH_SITUACAOSERVIDORES (CODSITUACAO, DESCRICAO) VALUES ('B', 'FALECIDO')");
        c.executar("INSERT INTO VORK_SETORES (CODSETOR, DESCRICAO, SITUACAO, PERTENCE, NIVEL, CODUNIDADE) "
                   "VALUES (10, 'SETOR DEZ', 'ATIVO', 'SIM', '1.', 1)");
        c.executar("INSERT INTO VORK_SETORES (CODSETOR, DESCRICAO, SITUACAO, PERTENCE, NIVEL, CODUNIDADE) "
                   "VALUES (11, 'SETOR ONZE', 'ATIVO', 'SIM', '1.1.', 1)");
    }

    // A person with an employment row; returns the database's key.
    qlonglong servidor(const QString& nome, const Parametros& pessoa = {}, const Parametros& emprego = {}) {
        Parametros p = pessoa;
        p.insert("NOME", nome);
        if (!p.contains("CATEGORIA")) p.insert("CATEGORIA", "S");
        QStringList cols = p.keys(), marcas;
        for (const auto& k : cols) marcas << ":" + k;
        QSqlQuery q = conexao().executar("INSERT INTO VORK_USUARIOS (" + cols.join(",") + ") VALUES (" +
                                             marcas.join(",") + ")" + conexao().dialeto().retornando("CODUSUARIO"),
                                         p);
        EXPECT_TRUE(q.next());
        const qlonglong chave = q.value(0).toLongLong();
        Parametros e = emprego;
        e.insert("CODSERVIDOR", chave);
        cols = e.keys();
        marcas.clear();
        for (const auto& k : cols) marcas << ":" + k;
        conexao().executar("INSERT INTO VORK_SERVIDORES (" + cols.join(",") + ") VALUES (" + marcas.join(",") + ")", e);
        return chave;
    }
    QVariant daVisao(qlonglong cod, const QString& coluna) {
        return conexao().valor("SELECT " + coluna + " FROM VORK_VW_SERVIDORES WHERE CODUSUARIO = :C", {{"C", cod}});
    }
    void lotar(qlonglong servidor, qlonglong setor, const QString& situacao) {
        conexao().executar("INSERT INTO RECH_LOTACOES (CODSERVIDOR, CODSETOR, DATAINICIO, SITUACAO) "
                           "VALUES (:S, :T, :D, :SIT)",
                           {{"S", servidor}, {"T", setor}, {"D", QDate(2020, 1, 1)}, {"SIT", situacao}});
    }
    void chefiar(qlonglong servidor, qlonglong setor, const QString& situacao) {
        conexao().executar("INSERT INTO RECH_RESPONSAVEIS (CODSETOR, CODUSUARIO, DATAINCLUSAO, SITUACAO) "
                           "VALUES (:T, :S, :D, :SIT)",
                           {{"S", servidor}, {"T", setor}, {"D", QDate(2020, 1, 1)}, {"SIT", situacao}});
    }
};

QStringList colunasDe(Conexao& c, const QString& relacao) {
    QSqlQuery q = c.executar("SELECT * FROM " + relacao + " WHERE 0 = 1");
    const QSqlRecord r = q.record();
    QStringList nomes;
    for (int i = 0; i < r.count(); ++i) nomes << r.fieldName(i).toUpper();
    return nomes;
}

TEST_F(EsquemaCentralTest, MigracoesIdempotentesECadaRelacaoComAsColunasDeclaradas) {
    EXPECT_EQ(RegistroEsquemas().adicionar(moduloCentral()).aplicarMigracoes(conexao()), 0);
    EXPECT_EQ(Migrador(conexao()).versaoAplicada(kModuloCentral), 3);
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM DUAL").toInt(), 1);
    EXPECT_EQ(conexao().valor("SELECT DUMMY FROM DUAL").toString(), "X");

    for (const auto& t : tabelasCentrais()) {
        QStringList esperadas;
        for (const auto& c : t.colunas) esperadas << c.nome;
        EXPECT_EQ(colunasDe(conexao(), t.nome), esperadas) << t.nome.toStdString();
    }
    for (const auto& v : visoesCentrais()) {
        QStringList esperadas;
        for (const auto& c : v.colunas) esperadas << c.nome;
        EXPECT_EQ(colunasDe(conexao(), v.nome), esperadas) << v.nome.toStdString();
        EXPECT_NE(catalogoCentral()->visao(v.nome), nullptr);
    }
}

TEST_F(EsquemaCentralTest, VisaoDeServidoresTemTodasAsColunasDoCadastro) {
    // The servant view's columns, in order, as the reports and searches use them.
    const QStringList esperadas = {
        "CODUSUARIO", "CATEGORIA", "NUMMATRIC", "NOME", "ENDERECO", "BAIRRO", "CIDADE", "ESTADO", "CEP",
        "FONERES", "CELULAR", "SEXO", "ESTADOCIVIL", "DTNASC", "MESNASC", "IDADE", "CIDADENASC", "ESTADONASC",
        "NACIONALIDADE", "NACIONALIDADE_DESC", "NOMEPAIS", "CODPAIS_MEC", "CODMUNIC_MEC", "IDENTIDADE",
        "DTEMISSAO", "ORGAOEMISSOR", "CPF", "CARTTRAB", "SERIETRAB", "VIAATUAL", "PASSWORD", "SENHA", "DTSENHA",
        "MAE", "PAI", "DTADMISSAO", "DTADM_SERVPUBL_FED", "DTPOSSE", "BANCO", "AGENCIA", "CONTA", "PISPASEP",
        "DTPIS", "BANCOPIS", "CIDADEPIS", "ESTADOPIS", "CERTMILITAR", "SERIEMILITAR", "REGMILITAR",
        "CATEGMILITAR", "TITELEITOR", "ZONAELEITORAL", "SECAOELEITORAL", "CIDADEELEITORAL", "ESTADOELEITORAL",
        "DTEMISTITELEITORAL", "CARGAHORARIA", "CATEGSERVIDOR", "CATEGORIASERVIDOR", "CATEG", "EMAIL",
        "EMAIL_ALTERNATIVO", "NUMREGFISCAL", "ORGAOFISCAL", "DATAFISCAL", "LOCALFISCAL", "ESTADOFISCAL",
        "DEDICEXCLUSIVA", "SENHALANCNOTAS", "SENHALANCCONTEUDOS", "DTSENHALANCNOTAS", "DTSENHALANCCONTEUDOS",
        "SITUACAO", "SITUACAOSERVIDOR", "CONJUGE", "DATACASAMENTO", "ESTADOCASAMENTO", "TIPOSANGUINEO",
        "CODESCOLARIDADE", "ESCOLARIDADE", "CODUNIDADE", "UNIDADE", "CIDADE_UNIDADE", "CODCARGO", "DESCRCARGO",
        "CODSETOR", "NOMESETOR", "IDENTSETOR", "NOME_LOGRADOURO", "CLASSE", "PADRAO", "NIVEL", "DTULTIMOCARGO",
        "DTPRORROGACONTRATO", "DTLIMITEVIGENCIA", "DTSAIDA", "CODPLANOSAUDE", "NOMEPLANO", "QTD_DEPENDENTES"};
    EXPECT_EQ(colunasDe(conexao(), "VORK_VW_SERVIDORES"), esperadas);
    EXPECT_EQ(colunasDe(conexao(), "VORK_VW_SERVIDORES_COM_PENS"), esperadas);
    EXPECT_EQ(colunasDe(conexao(), "RECH_VW_SERVIDORES"), (QStringList{"CODUSUARIO", "NUMMATRIC", "NOME"}));
}

TEST_F(EsquemaCentralTest, UmaLinhaPorServidorComALotacaoAtivaEInstituidoresSoNaVisaoComPensao) {
    const qlonglong ativo = servidor("ANA", {}, {{"CATEGSERVIDOR", "P"}});
    const qlonglong instituidor = servidor("BENTO", {}, {{"CATEGSERVIDOR", "I"}, {"SITUACAO", "B"}});
    const qlonglong semCategoria = servidor("CAIO");
    servidor("DORA", {{"CATEGORIA", "X"}}, {{"CATEGSERVIDOR", "T"}});  // not a servant person
    conexao().executar("INSERT INTO VORK_USUARIOS (NOME, CATEGORIA) VALUES ('EVA', 'S')");  // no employment row
    lotar(ativo, 10, "I");
    lotar(ativo, 11, "A");
    lotar(semCategoria, 10, "I");

    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES").toInt(), 2);
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM RECH_VW_SERVIDORES").toInt(), 2);
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES_COM_PENS").toInt(), 3);
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES_COM_PENS WHERE CODUSUARIO = :C",
                              {{"C", instituidor}}).toInt(), 1);
    EXPECT_EQ(daVisao(ativo, "CODSETOR").toLongLong(), 11);
    EXPECT_EQ(daVisao(ativo, "NOMESETOR").toString(), "SETOR ONZE");
    EXPECT_TRUE(daVisao(semCategoria, "CODSETOR").isNull());  // only a closed assignment
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM RECH_VW_LOTACOES WHERE CODSERVIDOR = :C", {{"C", ativo}}).toInt(), 2);
}

TEST_F(EsquemaCentralTest, DescricoesDosCodigos) {
    struct Caso {
        Parametros pessoa, emprego;
        QString coluna;
        QVariant esperado;
    };
    const QList<Caso> casos = {
        {{{"ESTADOCIVIL", 1}}, {}, "ESTADOCIVIL", "SOLTEIRO"},
        {{{"ESTADOCIVIL", 2}}, {}, "ESTADOCIVIL", "CASADO"},
        {{{"ESTADOCIVIL", 5}}, {}, "ESTADOCIVIL", "VIUVO"},
        {{{"ESTADOCIVIL", 7}}, {}, "ESTADOCIVIL", "NAO INFORMADO"},
        {{}, {}, "ESTADOCIVIL", QVariant()},
        {{}, {{"CATEGSERVIDOR", "P"}}, "CATEGORIASERVIDOR", "PROFESSOR"},
        {{}, {{"CATEGSERVIDOR", "T"}}, "CATEGORIASERVIDOR", "TÉCNICO ADMINISTRATIVO"},
        {{}, {{"CATEGSERVIDOR", "R"}}, "CATEGORIASERVIDOR", "PROFESSOR TEMPORÁRIO"},
        {{}, {{"CATEGSERVIDOR", "S"}}, "CATEG", "SUBST"},
        {{}, {{"CARGAHORARIA", 99}}, "CARGAHORARIA", "DE"},
        {{}, {{"CARGAHORARIA", 40}}, "CARGAHORARIA", "40 HORAS"},
        {{}, {{"CARGAHORARIA", 20}}, "CARGAHORARIA", "20 HORAS"},
        {{}, {}, "CARGAHORARIA", QVariant()},
        {{}, {{"SITUACAO", "A"}}, "SITUACAOSERVIDOR", "ATIVO"},
        {{}, {{"SITUACAO", "Z"}}, "SITUACAOSERVIDOR", QVariant()},
        {{{"NACIONALIDADE", 4}}, {}, "NACIONALIDADE_DESC", "ESTRANGEIRO"},
        {{{"ENDERECO", "RUA A, 10"}, {"COMPLEMENTO", "APTO 2"}}, {}, "ENDERECO", "RUA A, 10 - APTO 2"},
        {{{"ENDERECO", "RUA A, 10"}}, {}, "ENDERECO", "RUA A, 10"},
        {{{"ORGAOEMISSOR", "SSP"}, {"CODUF_ORGAOEMISSOR", "PA"}}, {}, "ORGAOEMISSOR", "SSP/PA"},
    };
    for (const auto& c : casos) {
        const qlonglong cod = servidor("CASO", c.pessoa, c.emprego);
        const QVariant v = daVisao(cod, c.coluna);
        EXPECT_EQ(v.isNull(), c.esperado.isNull()) << c.coluna.toStdString() << " " << v.toString().toStdString();
        if (!c.esperado.isNull()) {
            EXPECT_EQ(v.toString(), c.esperado.toString()) << c.coluna.toStdString();
        }
    }
}

TEST_F(EsquemaCentralTest, IdadeEMesDeNascimentoEmVoltaDoAniversario) {
    const QDate hoje = QDate::currentDate();
    struct Caso {
        QDate nascimento;
        int idade;
    };
    const QList<Caso> casos = {
        {hoje.addYears(-30), 30},                // birthday today
        {hoje.addDays(1).addYears(-30), 29},     // tomorrow
        {hoje.addDays(-1).addYears(-30), 30},    // yesterday
        {hoje.addYears(-1), 1},
        {hoje, 0},
    };
    for (const auto& c : casos) {
        const qlonglong cod = servidor("ANIVERSARIANTE", {{"DTNASC", c.nascimento}});
        EXPECT_EQ(daVisao(cod, "IDADE").toInt(), c.idade) << c.nascimento.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(daVisao(cod, "MESNASC").toInt(), c.nascimento.month());
    }
}

TEST_F(EsquemaCentralTest, OBancoRecusaSegundaLotacaoAtivaESegundaChefiaAtiva) {
    const qlonglong a = servidor("ANA"), b = servidor("BIA");
    lotar(a, 10, "A");
    EXPECT_THROW(lotar(a, 11, "A"), ErroBanco);
    lotar(a, 11, "I");  // history is free
    conexao().executar("UPDATE RECH_LOTACOES SET SITUACAO = 'I' WHERE CODSERVIDOR = :S", {{"S", a}});
    EXPECT_NO_THROW(lotar(a, 11, "A"));  // a relocation: close, then open

    chefiar(a, 10, "ATIVO");
    EXPECT_THROW(chefiar(b, 10, "ATIVO"), ErroBanco);  // the sector has a head
    EXPECT_THROW(chefiar(a, 11, "ATIVO"), ErroBanco);  // the servant heads a sector
    EXPECT_NO_THROW(chefiar(b, 10, "DESLIGADO"));
    EXPECT_NO_THROW(chefiar(b, 11, "ATIVO"));
    EXPECT_EQ(conexao().valor("SELECT RESP1 FROM VORK_VW_SETORES WHERE CODSETOR = 11").toString(), "BIA");
}

TEST_F(EsquemaCentralTest, FuncoesDoBancoDescrevemOsCodigos) {
    struct Caso {
        QString funcao;
        QVariant argumento;
        QVariant esperado;
    };
    const QList<Caso> casos = {
        {"VORK_FuncEstadoCivil", 1, "SOLTEIRO"},
        {"VORK_FuncEstadoCivil", 3, "SEPARADO JUDICIALMENTE"},
        {"VORK_FuncEstadoCivil", 6, "UNIAO ESTAVEL"},
        {"VORK_FuncEstadoCivil", 9, QVariant()},
        {"VORK_FuncEstadoCivil", QVariant(QMetaType::fromType<int>()), QVariant()},
        {"VORK_FuncCategoriaServidor", "C", "PROFESSOR CAIXA ESCOLAR"},
        {"VORK_FuncCategoriaServidor", "E", "PROFESSOR EXTERNO"},
        {"VORK_FuncCategoriaServidor", "I", "INSTITUIDOR DE PENSÃO"},
        {"VORK_FuncCategoriaServidor", "p", QVariant()},
        {"VORK_FuncSituaServidor", "A", "ATIVO"},
        {"VORK_FuncSituaServidor", "B", "FALECIDO"},
        {"VORK_FuncSituaServidor", "Q", QVariant()},
    };
    for (const auto& c : casos) {
        const QVariant v = conexao().valor("SELECT " + c.funcao + "(:A) FROM DUAL", {{"A", c.argumento}});
        EXPECT_EQ(v.isNull(), c.esperado.isNull()) << c.funcao.toStdString() << " " << c.argumento.toString().toStdString();
        if (!c.esperado.isNull()) {
            EXPECT_EQ(v.toString(), c.esperado.toString()) << c.funcao.toStdString();
        }
    }
    // Inside a statement over a table, as the identity card's print query uses them.
    const qlonglong cod = servidor("ANA", {{"ESTADOCIVIL", 2}}, {{"CATEGSERVIDOR", "T"}, {"SITUACAO", "A"}});
    QSqlQuery q = conexao().executar(
        "SELECT VORK_FuncEstadoCivil(U.ESTADOCIVIL), VORK_FuncCategoriaServidor(S.CATEGSERVIDOR), "
        "VORK_FuncSituaServidor(S.SITUACAO) FROM VORK_USUARIOS U JOIN VORK_SERVIDORES S ON S.CODSERVIDOR = U.CODUSUARIO "
        "WHERE U.CODUSUARIO = :C",
        {{"C", cod}});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "CASADO");
    EXPECT_EQ(q.value(1).toString(), "TÉCNICO ADMINISTRATIVO");
    EXPECT_EQ(q.value(2).toString(), "ATIVO");

    // Any other connection of the same catalogue has them too, with no call
    // of its own (the data module's and the login's connections).
    auto outra = banco().conectar();
    EXPECT_EQ(outra->valor("SELECT VORK_FuncSituaServidor('B') FROM DUAL").toString(), "FALECIDO");
}

TEST_F(EsquemaCentralTest, NovaViaIncrementaAViaDoServidorEErrosNaoMudamNada) {
    const qlonglong a = servidor("ANA", {{"NUMMATRIC", 1234567}});
    servidor("BIA", {{"NUMMATRIC", 7654321}, {"VIAATUAL", 4}});
    auto via = [&](qlonglong m) {
        return conexao().valor("SELECT VIAATUAL FROM VORK_USUARIOS WHERE NUMMATRIC = :M", {{"M", m}});
    };
    EXPECT_EQ(chamarNovaVia(conexao(), "I", "S", 1234567), 1);
    EXPECT_EQ(chamarNovaVia(conexao(), "I", "S", 1234567), 2);
    EXPECT_EQ(via(1234567).toInt(), 2);
    EXPECT_EQ(chamarNovaVia(conexao(), "I", "S", 7654321), 5);

    EXPECT_THROW(chamarNovaVia(conexao(), "I", "S", 999), ErroBanco);
    EXPECT_THROW(chamarNovaVia(conexao(), "X", "S", 1234567), ErroBanco);
    EXPECT_THROW(chamarNovaVia(conexao(), "I", "P", 1234567), ErroBanco);  // not a servant person
    servidor("ANA DE NOVO", {{"NUMMATRIC", 1234567}});
    EXPECT_THROW(chamarNovaVia(conexao(), "I", "S", 1234567), ErroBanco);  // ambiguous matriculation
    EXPECT_FALSE(conexao().emTransacao());
    EXPECT_EQ(via(7654321).toInt(), 5);
    EXPECT_EQ(daVisao(a, "VIAATUAL").toInt(), 2);
}

}  // namespace
