#pragma once

#include <QString>
#include <memory>
#include <ostream>

#include "platform/db/Dataset.h"
#include "platform/db/Esquema.h"
#include "platform/db/GuardaTransacao.h"
#include "platform/db/Migracoes.h"
#include "support/BancoDeTeste.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& texto, std::ostream* saida) { *saida << '"' << texto.toStdString() << '"'; }

namespace rh::teste {

// Two small tables for the grid and editor tests: people with a column of
// each type the editors bind to, and the sectors a lookup shows.
inline db::DefTabela tabelaFuncionarios() {
    using namespace db;
    return {"FUNCIONARIOS",
            {chaveGerada("CODFUNC"), texto("NOME", 40), data("DTNASC"), inteiro("ESTCIVIL"), texto("ATIVO", 1),
             texto("SITUACAO", 1), inteiro("CODSETOR"), numero("SALARIO"), memo("OBS")}};
}

inline db::DefTabela tabelaSetores() {
    using namespace db;
    return {"SETORES", {chave(inteiro("CODSETOR")), texto("DESCRICAO", 40)}};
}

class TesteUi : public TesteComBanco {
protected:
    std::shared_ptr<const db::Catalogo> catalogo() override {
        auto c = std::make_shared<db::Catalogo>();
        c->registrar(tabelaFuncionarios());
        c->registrar(tabelaSetores());
        return c;
    }
    void prepararEsquema(db::Conexao& c) override {
        db::criarTabela(c, tabelaFuncionarios());
        db::criarTabela(c, tabelaSetores());
    }

    // n people named F000001..., with salary i * 10.5.
    void encher(int n) {
        db::GuardaTransacao g(conexao());
        for (int i = 1; i <= n; ++i)
            conexao().executar("INSERT INTO FUNCIONARIOS (NOME, SALARIO, ESTCIVIL) VALUES (:N, :S, 1)",
                               {{"N", QStringLiteral("F%1").arg(i, 6, 10, QChar('0'))}, {"S", i * 10.5}});
        g.confirmar();
    }

    std::unique_ptr<db::Dataset> funcionarios() {
        auto ds = std::make_unique<db::Dataset>(conexao());
        ds->defineSql("SELECT * FROM FUNCIONARIOS ORDER BY CODFUNC");
        ds->defineTabelaAtualizacao("FUNCIONARIOS");
        ds->abrir();
        return ds;
    }
};

}  // namespace rh::teste
