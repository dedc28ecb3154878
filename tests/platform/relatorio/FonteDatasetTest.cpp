#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/PdfTexto.h"
#include "platform/db/Dataset.h"
#include "platform/db/Migracoes.h"
#include "platform/relatorio/FonteDataset.h"
#include "platform/relatorio/ItemCampo.h"
#include "platform/relatorio/Relatorio.h"
#include "platform/relatorio/Saida.h"
#include "support/BancoDeTeste.h"

using namespace rh;

namespace {

db::DefTabela pessoas() {
    return {"PESSOAS_REL", {db::chaveGerada("COD"), db::texto("NOME", 40), db::data("DTNASC")}};
}

class FonteDatasetTest : public teste::TesteComBanco {
protected:
    std::shared_ptr<const db::Catalogo> catalogo() override {
        auto c = std::make_shared<db::Catalogo>();
        c->registrar(pessoas());
        return c;
    }
    void prepararEsquema(db::Conexao& c) override {
        db::criarTabela(c, pessoas());
        // More rows than one page of the dataset, so the report reads on.
        for (int i = 1; i <= 300; ++i)
            c.executar("INSERT INTO PESSOAS_REL (NOME, DTNASC) VALUES (:N, :D)",
                       {{"N", QStringLiteral("SERVIDOR %1").arg(i, 3, 10, QChar('0'))}, {"D", QDate(1980, 1, 1).addDays(i)}});
    }
};

TEST_F(FonteDatasetTest, RelatorioPercorreTodasAsLinhasComValoresTipados) {
    db::Dataset ds(conexao());
    ds.defineSql("SELECT NOME, DTNASC FROM PESSOAS_REL ORDER BY NOME");
    ds.abrir();
    relatorio::FonteDataset fonte(ds);
    EXPECT_EQ(fonte.campos(), (QStringList{"NOME", "DTNASC"}));
    relatorio::Relatorio r;
    r.setFonteDados(&fonte);
    r.detalhe().setAltura(5);
    r.detalhe().adicionar<relatorio::ItemCampo>(QRectF(0, 0, 60, 5), QStringLiteral("NOME"));
    r.detalhe().adicionar<relatorio::ItemCampo>(QRectF(70, 0, 30, 5), QStringLiteral("DTNASC"))
        .setFormato(QStringLiteral("dd/mm/yyyy"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("r.pdf");
    ASSERT_TRUE(relatorio::renderizarPdf(r, pdf).ok);
    const QString texto = relatorio::teste::textoPdf(pdf);
    EXPECT_TRUE(texto.contains(QRegularExpression(QStringLiteral("SERVIDOR 001\\s+02/01/1980")))) << texto.left(300).toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("SERVIDOR 300")));
    EXPECT_TRUE(ds.noFim());

    db::Dataset vazio(conexao());
    vazio.defineSql("SELECT NOME FROM PESSOAS_REL WHERE 0=1");
    relatorio::FonteDataset semLinhas(vazio);
    EXPECT_FALSE(semLinhas.primeiro());  // opens the dataset if needed
}

}  // namespace
