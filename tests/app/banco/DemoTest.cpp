#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSqlRecord>
#include <QSet>

#include "app/demo/Demo.h"
#include "app/demo/GeradorDemo.h"
#include "app/esquema/EsquemaCentral.h"
#include "app/esquema/InicializacaoBanco.h"
#include "platform/db/ErroBanco.h"
#include "support/BancoDeTeste.h"

using namespace rh::db;
using namespace rh::app;

namespace {

// Every row of a table, in key order, as text, for comparing two databases.
QStringList linhas(Conexao& c, const QString& tabela, const QString& ordem) {
    QSqlQuery q = c.executar("SELECT * FROM " + tabela + " ORDER BY " + ordem);
    QStringList r;
    while (q.next()) {
        QStringList valores;
        for (int i = 0; i < q.record().count(); ++i) valores << (q.isNull(i) ? "<null>" : q.value(i).toString());
        r << valores.join('|');
    }
    return r;
}

std::unique_ptr<Conexao> bancoComDemo(rh::teste::BancoTemporario& banco, const OpcoesDemo& opcoes) {
    auto c = banco.conectar();
    registrarFuncoesLocais(*c);
    aplicarMigracoes(*c);
    preencherDemo(*c, opcoes);
    return c;
}

class DemoTest : public rh::teste::TesteComBanco {
protected:
    static constexpr int kServidores = 400;
    std::shared_ptr<const Catalogo> catalogo() override { return catalogoCentral(); }
    void prepararEsquema(Conexao& c) override {
        registrarFuncoesLocais(c);
        aplicarMigracoes(c);
        preencherDemo(c, kServidores);
    }
    QVariant valor(const QString& sql, const Parametros& p = {}) { return conexao().valor(sql, p); }
};

TEST(CpfTest, DigitosVerificadores) {
    EXPECT_EQ(cpfComDigitos(111444777), "11144477735");
    EXPECT_EQ(cpfComDigitos(529982247), "52998224725");
    EXPECT_TRUE(cpfValido("52998224725"));
    EXPECT_FALSE(cpfValido("52998224726"));
    EXPECT_FALSE(cpfValido("11111111111"));
    EXPECT_FALSE(cpfValido("5299822472"));
}

TEST(DigestoSenhaTest, Md5HexadecimalMinusculo) {
    EXPECT_EQ(digestoSenha("admin123"), "0192023a7bbd73250516f069df18b500");
    EXPECT_NE(digestoSenha("Admin123"), digestoSenha("admin123"));
}

TEST_F(DemoTest, MesmaSementeMesmasLinhasOutraSementeOutrosNomes) {
    rh::teste::BancoTemporario b1(catalogoCentral()), b2(catalogoCentral()), b3(catalogoCentral());
    auto c1 = bancoComDemo(b1, {50, 7});
    auto c2 = bancoComDemo(b2, {50, 7});
    auto c3 = bancoComDemo(b3, {50, 8});
    const QList<QPair<QString, QString>> tabelas = {
        {"VORK_USUARIOS", "CODUSUARIO"},   {"VORK_SERVIDORES", "CODSERVIDOR"},
        {"RECH_LOTACOES", "CODLOTACAO"},   {"VORK_DEPENDENTES", "CODDEPENDENTE"},
        {"RECH_RESPONSAVEIS", "CODRESPONSAVEL"}, {"VORK_SETORES", "CODSETOR"},
        {"VORK_UNIDADES", "CODUNIDADE"}};
    for (const auto& t : tabelas) {
        const QStringList l1 = linhas(*c1, t.first, t.second);
        EXPECT_FALSE(l1.isEmpty()) << t.first.toStdString();
        EXPECT_EQ(l1, linhas(*c2, t.first, t.second)) << t.first.toStdString();
    }
    EXPECT_NE(linhas(*c1, "VORK_USUARIOS", "CODUSUARIO"), linhas(*c3, "VORK_USUARIOS", "CODUSUARIO"));
}

TEST_F(DemoTest, ServidoresValidosComTodasAsCategoriasSituacoesEUmaLotacaoAtiva) {
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_SERVIDORES").toInt(), kServidores);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES_COM_PENS").toInt(), kServidores);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES").toInt(),
              kServidores - valor("SELECT COUNT(*) FROM VORK_SERVIDORES WHERE CATEGSERVIDOR = 'I'").toInt());

    QSqlQuery q = conexao().executar("SELECT CPF FROM VORK_USUARIOS UNION ALL "
                                     "SELECT CPFDEPENDENTE FROM VORK_DEPENDENTES WHERE CPFDEPENDENTE IS NOT NULL");
    QSet<QString> cpfs;
    int total = 0;
    while (q.next()) {
        ++total;
        cpfs << q.value(0).toString();
        EXPECT_TRUE(cpfValido(q.value(0).toString())) << q.value(0).toString().toStdString();
    }
    EXPECT_EQ(cpfs.size(), total);

    QSet<QString> categorias, situacoes;
    q = conexao().executar("SELECT DISTINCT CATEGSERVIDOR FROM VORK_SERVIDORES");
    while (q.next()) categorias << q.value(0).toString();
    q = conexao().executar("SELECT DISTINCT SITUACAO FROM VORK_SERVIDORES");
    while (q.next()) situacoes << q.value(0).toString();
    for (const char* c : {"P", "T", "C", "S", "E", "R", "I"}) EXPECT_TRUE(categorias.contains(c)) << c;
    for (const char* s : {"A", "B", "F", "I", "7", "E", "R", "T"}) EXPECT_TRUE(situacoes.contains(s)) << s;
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_SERVIDORES S WHERE NOT EXISTS (SELECT 1 FROM "
                    "RECH_SITUACAOSERVIDORES R WHERE R.CODSITUACAO = S.SITUACAO)").toInt(), 0);

    // One active assignment per servant, in a sector of the servant's campus.
    EXPECT_EQ(valor("SELECT COUNT(*) FROM RECH_LOTACOES WHERE SITUACAO = 'A'").toInt(), kServidores);
    EXPECT_GT(valor("SELECT COUNT(*) FROM RECH_LOTACOES WHERE SITUACAO = 'I' AND DATAFINAL IS NOT NULL").toInt(), 0);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_VW_SERVIDORES_COM_PENS WHERE CODSETOR IS NULL").toInt(), 0);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM RECH_LOTACOES L JOIN VORK_SERVIDORES S ON S.CODSERVIDOR = L.CODSERVIDOR "
                    "JOIN VORK_SETORES T ON T.CODSETOR = L.CODSETOR WHERE T.CODUNIDADE <> S.CODUNIDADE").toInt(), 0);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_SERVIDORES S WHERE QTD_DEPENDENTES <> (SELECT COUNT(*) FROM "
                    "VORK_DEPENDENTES D WHERE D.CODSERVIDOR = S.CODSERVIDOR)").toInt(), 0);
    EXPECT_GT(valor("SELECT COUNT(*) FROM VORK_DEPENDENTES").toInt(), kServidores / 2);

    // Every text fits its column (SQLite would not refuse a longer one).
    for (const auto& t : tabelasCentrais()) {
        for (const auto& c : t.colunas) {
            if (c.tipo != TipoDado::Texto || c.tamanho == 0) continue;
            EXPECT_EQ(valor("SELECT COUNT(*) FROM " + t.nome + " WHERE LENGTH(" + c.nome + ") > " +
                            QString::number(c.tamanho)).toInt(), 0)
                << t.nome.toStdString() << "." << c.nome.toStdString();
        }
    }

    // Names with accents.
    EXPECT_GT(valor("SELECT COUNT(*) FROM VORK_USUARIOS WHERE NOME LIKE '%Ã%' OR NOME LIKE '%Ç%' OR NOME LIKE '%É%'")
                  .toInt(), 0);
}

TEST_F(DemoTest, UnidadesSetoresDoOrganogramaEChefias) {
    QList<int> unidades;
    QSqlQuery q = conexao().executar("SELECT CODUNIDADE FROM VORK_UNIDADES ORDER BY CODUNIDADE");
    while (q.next()) unidades << q.value(0).toInt();
    EXPECT_EQ(unidades, (QList<int>{1, 2, 3, 4, 5, 6, 8}));
    q = conexao().executar("SELECT EMAIL_SERVIDOR_SMTP, EMAIL_PORTA_SMTP, EMAIL_TIPO_AUTENTICACAO, NOMEMINISTERIO, "
                           "NOMESECRETARIA, ENDERECO, TELEFONE, FAX, URL FROM VORK_UNIDADES WHERE CODUNIDADE = 8");
    ASSERT_TRUE(q.next());
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(q.value(i).toString().trimmed().isEmpty()) << i;
    EXPECT_TRUE(q.value(1).toString().toInt() > 0);
    EXPECT_EQ(q.value(2).toString(), "Simple Login");

    // Level codes end with a stop; a sector's parent has its code less the last component.
    const QRegularExpression formato(QStringLiteral("^([0-9]+\\.)+$"));
    q = conexao().executar("SELECT S.NIVEL, P.NIVEL FROM VORK_SETORES S LEFT JOIN VORK_SETORES P "
                           "ON P.CODSETOR = S.CODSETORSUBOR WHERE S.PERTENCE = 'SIM'");
    int niveis = 0, tresNiveis = 0;
    while (q.next()) {
        const QString nivel = q.value(0).toString();
        ++niveis;
        EXPECT_TRUE(formato.match(nivel).hasMatch()) << nivel.toStdString();
        if (nivel.count('.') >= 3) ++tresNiveis;
        const QString pai = nivel.left(nivel.left(nivel.size() - 1).lastIndexOf('.') + 1);
        EXPECT_EQ(q.value(1).toString(), pai) << nivel.toStdString();
    }
    EXPECT_GT(niveis, 0);
    EXPECT_GT(tresNiveis, 0);
    EXPECT_GT(valor("SELECT COUNT(*) FROM VORK_SETORES WHERE PERTENCE = 'NAO' AND SITUACAO = 'ATIVO'").toInt(), 0);

    // Heads: active ones appear in the sector view; history exists.
    EXPECT_GT(valor("SELECT COUNT(*) FROM RECH_RESPONSAVEIS WHERE SITUACAO = 'ATIVO'").toInt(), 20);
    EXPECT_GT(valor("SELECT COUNT(*) FROM RECH_RESPONSAVEIS WHERE SITUACAO = 'DESLIGADO'").toInt(), 0);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_VW_SETORES WHERE RESP1 IS NOT NULL").toInt(),
              valor("SELECT COUNT(*) FROM RECH_RESPONSAVEIS WHERE SITUACAO = 'ATIVO'").toInt());
    EXPECT_GT(valor("SELECT COUNT(*) FROM VORK_VW_SETORES WHERE PORTARIA LIKE '%/%/%'").toInt(), 0);
}

TEST_F(DemoTest, OsTresUsuariosEntramComSuasSenhas) {
    ASSERT_EQ(usuariosDemo().size(), 3);
    for (const auto& u : usuariosDemo()) {
        // The login's statements.
        QSqlQuery q = conexao().executar(
            "SELECT A.CODUSUARIO, A.NOME, A.NUMMATRIC, A.SENHA, A.PASSWORD, B.CODUNIDADE FROM VORK_USUARIOS A, "
            "VORK_SERVIDORES B WHERE A.CODUSUARIO = B.CODSERVIDOR AND A.NUMMATRIC = :pNUMMATRICULA AND A.SENHA = :pSENHA",
            {{"pNUMMATRICULA", u.matricula}, {"pSENHA", digestoSenha(u.senha)}});
        ASSERT_TRUE(q.next()) << u.perfil.toStdString();
        const qlonglong cod = q.value(0).toLongLong();
        EXPECT_EQ(q.value(1).toString(), u.nome);
        EXPECT_EQ(q.value(5).toInt(), u.codUnidade);
        EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(q.value(3).toString()).hasMatch());
        q = conexao().executar(
            "SELECT A.*, B.VERSAO FROM VORK_AUTAPLICACOES A,VORK_APLICACOES B WHERE A.CODAPLICACAO = B.CODAPLICACAO "
            "AND A.CODUSUARIO = :pCODUSUARIO AND UPPER(B.EXECUTAVEL) = UPPER(:pEXECUTAVEL)",
            {{"pCODUSUARIO", cod}, {"pEXECUTAVEL", "CADASTRO-RH"}});
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value("PERFIL").toString(), u.perfil);
        EXPECT_EQ(q.value("VERSAO").toString(), "2");
        EXPECT_EQ(valor("SELECT COUNT(*) FROM VORK_USUARIOS WHERE NUMMATRIC = :M AND SENHA = :S",
                        {{"M", u.matricula}, {"S", digestoSenha(u.senha.toUpper())}}).toInt(), 0);
    }
}

TEST_F(DemoTest, ChavesGeradasContinuamDepoisDasChavesDaDemo) {
    const qlonglong maior = valor("SELECT MAX(CODUSUARIO) FROM VORK_USUARIOS").toLongLong();
    QSqlQuery q = conexao().executar("INSERT INTO VORK_USUARIOS (NOME, CATEGORIA) VALUES ('NOVA', 'S')" +
                                     conexao().dialeto().retornando("CODUSUARIO"));
    ASSERT_TRUE(q.next());
    EXPECT_GT(q.value(0).toLongLong(), maior);
    EXPECT_NO_THROW(conexao().executar("INSERT INTO RECH_CARGOS (DESCRICAO) VALUES ('NOVO CARGO')"));
    EXPECT_NO_THROW(conexao().executar("INSERT INTO VORK_SETORES (DESCRICAO) VALUES ('NOVO SETOR')"));
}

TEST_F(DemoTest, DemoSoNumBancoVazioEInicializacaoNaoRepete) {
    const QStringList antes = linhas(conexao(), "VORK_UNIDADES", "CODUNIDADE");
    EXPECT_THROW(preencherDemo(conexao(), 10), ErroBanco);
    EXPECT_EQ(linhas(conexao(), "VORK_UNIDADES", "CODUNIDADE"), antes);
    EXPECT_FALSE(conexao().emTransacao());

    const ResultadoInicializacao r = inicializarBanco(conexao(), 10);
    EXPECT_EQ(r.migracoesAplicadas, 0);
    EXPECT_EQ(r.servidoresCriados, 0);
    EXPECT_TRUE(r.demoDispensada);

    rh::teste::BancoTemporario novo(catalogoCentral());
    auto c = novo.conectar();
    const ResultadoInicializacao primeiro = inicializarBanco(*c, 25);
    EXPECT_EQ(primeiro.migracoesAplicadas, 3);
    EXPECT_EQ(primeiro.servidoresCriados, 25);
    EXPECT_FALSE(primeiro.resumo().isEmpty());
    EXPECT_EQ(inicializarBanco(*c, std::nullopt).migracoesAplicadas, 0);
    EXPECT_THROW(inicializarBanco(*c, -1), ErroBanco);
}

}  // namespace
