#include <gtest/gtest.h>

#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/db/GuardaTransacao.h"
#include "platform/db/Migracoes.h"
#include "support/BancoDeTeste.h"

using namespace rh::db;

namespace {

DefTabela tabelaPessoas() {
    return {"PESSOAS",
            {chaveGerada("CODPESSOA"), texto("NOME", 40), data("DTNASC"), dataHora("DTCADASTRO"),
             numero("SALARIO"), inteiro("FILHOS")}};
}

class DatasetTest : public rh::teste::TesteComBanco {
protected:
    std::shared_ptr<const Catalogo> catalogo() override {
        auto c = std::make_shared<Catalogo>();
        c->registrar(tabelaPessoas());
        return c;
    }
    void prepararEsquema(Conexao& c) override { criarTabela(c, tabelaPessoas()); }

    std::unique_ptr<Dataset> pessoas() {
        auto ds = std::make_unique<Dataset>(conexao());
        ds->defineSql("SELECT * FROM PESSOAS ORDER BY CODPESSOA");
        ds->defineTabelaAtualizacao("PESSOAS");
        ds->abrir();
        return ds;
    }
    void encher(int n) {
        GuardaTransacao g(conexao());
        for (int i = 1; i <= n; ++i)
            conexao().executar("INSERT INTO PESSOAS (NOME, FILHOS) VALUES (:N, :F)",
                               {{"N", QStringLiteral("P%1").arg(i, 6, 10, QChar('0'))}, {"F", i}});
        g.confirmar();
    }
};

TEST_F(DatasetTest, InsercaoSemChaveRecebeAChaveDoBancoETiposSobrevivem) {
    auto ds = pessoas();
    EXPECT_TRUE(ds->vazio());
    ds->inserir();
    EXPECT_EQ(ds->estado(), EstadoDataset::Inserindo);
    ds->campo("NOME").defineValor(QStringLiteral("José"));
    ds->campo("DTNASC").defineValor(QDate(1980, 2, 29));
    ds->campo("DTCADASTRO").defineValor(QDateTime(QDate(2020, 5, 1), QTime(8, 30, 15)));
    ds->campo("SALARIO").defineValor(1234.56);
    ds->campo("FILHOS").defineValor(QStringLiteral("2"));
    ds->gravar();
    const qlonglong chave = ds->campo("CODPESSOA").comoInteiro();
    EXPECT_GT(chave, 0);

    ds->reabrir();
    ASSERT_FALSE(ds->vazio());
    EXPECT_EQ(ds->campo("CODPESSOA").comoInteiro(), chave);
    EXPECT_EQ(ds->valor("DTNASC").typeId(), QMetaType::QDate);
    EXPECT_EQ(ds->campo("DTNASC").comoData(), QDate(1980, 2, 29));
    EXPECT_EQ(ds->campo("DTCADASTRO").comoDataHora(), QDateTime(QDate(2020, 5, 1), QTime(8, 30, 15)));
    EXPECT_DOUBLE_EQ(ds->campo("SALARIO").comoNumero(), 1234.56);
    EXPECT_EQ(ds->valor("FILHOS").typeId(), QMetaType::LongLong);
    EXPECT_EQ(ds->campo("DTNASC").texto(), "29/02/1980");
    EXPECT_EQ(ds->campo("NOME").tamanho(), 40);
}

TEST_F(DatasetTest, ChaveZeroTambemEAtribuidaPeloBanco) {
    auto ds = pessoas();
    ds->inserir();
    ds->campo("CODPESSOA").defineValor(0);
    ds->campo("NOME").defineValor("A");
    ds->gravar();
    EXPECT_GT(ds->campo("CODPESSOA").comoInteiro(), 0);
}

TEST_F(DatasetTest, EdicaoCancelamentoEExclusao) {
    encher(3);
    auto ds = pessoas();
    ds->proximo();
    ds->editar();
    ds->campo("NOME").defineValor("ALTERADO");
    ds->cancelar();
    EXPECT_EQ(ds->campo("NOME").comoTexto(), "P000002");
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM PESSOAS WHERE NOME = 'ALTERADO'").toInt(), 0);

    ds->editar();
    ds->campo("NOME").defineValor("ALTERADO");
    ds->campo("DTNASC").defineValor("31/12/1999");
    ds->gravar();
    EXPECT_EQ(conexao().valor("SELECT NOME FROM PESSOAS WHERE FILHOS = 2").toString(), "ALTERADO");

    ds->excluir();
    EXPECT_EQ(ds->contagem(), 2);
    EXPECT_EQ(ds->campo("NOME").comoTexto(), "P000003");
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM PESSOAS").toInt(), 2);
}

TEST_F(DatasetTest, ValorQueNaoConverteERecusadoSemPerderOsOutros) {
    auto ds = pessoas();
    ds->inserir();
    ds->campo("NOME").defineValor("X");
    EXPECT_THROW(ds->campo("DTNASC").defineValor("31/02/2020"), ErroBanco);
    EXPECT_THROW(ds->campo("FILHOS").defineValor("dois"), ErroBanco);
    EXPECT_EQ(ds->campo("NOME").comoTexto(), "X");
    EXPECT_EQ(ds->estado(), EstadoDataset::Inserindo);
}

TEST_F(DatasetTest, FalhaAoGravarMantemOEstadoDeEdicao) {
    encher(1);
    auto ds = pessoas();
    ds->editar();
    ds->campo("NOME").defineValor(QString(60, 'x'));  // longer than the column on PostgreSQL
    conexao().executar("DELETE FROM PESSOAS");        // and the row is gone on both
    EXPECT_THROW(ds->gravar(), ErroBanco);
    EXPECT_EQ(ds->estado(), EstadoDataset::Editando);
    ds->cancelar();
    EXPECT_EQ(ds->estado(), EstadoDataset::Navegando);
}

TEST_F(DatasetTest, LeituraEmPaginasEOutroComandoNoMeio) {
    encher(3000);
    auto ds = pessoas();
    EXPECT_LT(ds->linhasLidas(), 3000);
    EXPECT_FALSE(ds->leituraCompleta());
    // Another statement on the same connection while the result is partly read.
    EXPECT_EQ(conexao().valor("SELECT COUNT(*) FROM PESSOAS").toInt(), 3000);
    ds->irPara(2999);
    EXPECT_EQ(ds->campo("NOME").comoTexto(), "P003000");
    EXPECT_EQ(ds->contagem(), 3000);
}

TEST_F(DatasetTest, LocalizarLeOQueFaltaENavegacaoMarcaOsLimites) {
    encher(600);
    auto ds = pessoas();
    EXPECT_TRUE(ds->localizar("NOME", "p000599", {.ignorarCaixa = true}));
    EXPECT_EQ(ds->campo("FILHOS").comoInteiro(), 599);
    EXPECT_TRUE(ds->localizar("NOME", "P0004", {.parcial = true}));
    EXPECT_EQ(ds->campo("FILHOS").comoInteiro(), 400);
    EXPECT_FALSE(ds->localizar("NOME", "nada"));
    ds->ultimo();
    EXPECT_TRUE(ds->noFim());
    ds->primeiro();
    EXPECT_TRUE(ds->noInicio());
    ds->anterior();
    EXPECT_TRUE(ds->noInicio());
    EXPECT_EQ(ds->linhaAtual(), 0);
}

TEST_F(DatasetTest, CampoCalculadoEMestreDetalhe) {
    encher(2);
    auto mestre = pessoas();
    mestre->adicionarCampoCalculado("DOBRO", TipoDado::Inteiro, [](const LinhaDataset& l) {
        return QVariant(l.valor("FILHOS").toLongLong() * 2);
    });
    mestre->reabrir();
    EXPECT_EQ(mestre->campo("DOBRO").comoInteiro(), 2);

    Dataset detalhe(conexao());
    detalhe.defineSql("SELECT NOME FROM PESSOAS WHERE CODPESSOA = :COD");
    detalhe.vincularMestre(*mestre, {{"COD", "CODPESSOA"}});
    mestre->proximo();
    ASSERT_TRUE(detalhe.ativo());
    EXPECT_EQ(detalhe.campo("NOME").comoTexto(), "P000002");
    mestre->fechar();
    EXPECT_FALSE(detalhe.ativo());
}

TEST_F(DatasetTest, EventosNaOrdemEsperada) {
    auto ds = pessoas();
    QStringList eventos;
    QObject::connect(ds.get(), &Dataset::aposInserir, [&] { eventos << "inserir"; });
    QObject::connect(ds.get(), &Dataset::aposGravar, [&] { eventos << "gravar"; });
    QObject::connect(ds.get(), &Dataset::aposCancelar, [&] { eventos << "cancelar"; });
    ds->aoAntesDeGravar([&](Dataset&) { eventos << "antes"; });
    ds->aoNovoRegistro([](Dataset& d) { d.campo("NOME").defineValor("PADRAO"); });
    ds->inserir();
    EXPECT_EQ(ds->campo("NOME").comoTexto(), "PADRAO");
    ds->gravar();
    ds->inserir();
    ds->cancelar();
    EXPECT_EQ(eventos, (QStringList{"inserir", "antes", "gravar", "inserir", "cancelar"}));
    EXPECT_EQ(ds->contagem(), 1);
}

}  // namespace
