#include "app/esquema/FuncoesCentrais.h"

#include "app/esquema/CodigosCentrais.h"
#include "platform/db/Conexao.h"
#include "platform/db/ErroBanco.h"
#include "platform/db/FuncaoSql.h"
#include "platform/db/GuardaTransacao.h"

namespace rh::app {

using namespace rh::db;

namespace {

bool ehSqlite(const Conexao& c) { return c.dialeto().nome() == QLatin1String("sqlite"); }

QString mensagemNaoEncontrado(qlonglong matricula) {
    return QStringLiteral("Servidor de matrícula %1 não encontrado.").arg(matricula);
}
QString mensagemRepetido(qlonglong matricula) {
    return QStringLiteral("Há mais de uma pessoa com a matrícula %1.").arg(matricula);
}
QString mensagemOperacao(const QString& tipo) {
    return QStringLiteral("Operação de nova via desconhecida: %1").arg(tipo);
}

}  // namespace

std::vector<FuncaoSql> funcoesDescritivas() {
    return {{QStringLiteral("VORK_FuncEstadoCivil"), 1,
             [](const QVariantList& a) { return descreverCodigo(estadosCivis(), a.value(0)); }},
            {QStringLiteral("VORK_FuncCategoriaServidor"), 1,
             [](const QVariantList& a) { return descreverCodigo(categoriasServidor(), a.value(0)); }}};
}

void registrarFuncoesCentrais(Conexao& conexao) {
    if (!ehSqlite(conexao)) return;
    // The situations are a table of the database: the function reads it
    // through the same connection (SQLite allows a statement inside a
    // function call), so it is bound to this connection.
    Conexao* c = &conexao;
    conexao.registrarFuncao({QStringLiteral("VORK_FuncSituaServidor"), 1, [c](const QVariantList& a) -> QVariant {
                                 const QVariant codigo = a.value(0);
                                 if (codigo.isNull()) return {};
                                 return c->valor(QStringLiteral("SELECT DESCRICAO FROM RECH_SITUACAOSERVIDORES "
                                                                "WHERE CODSITUACAO = :CODSITUACAO"),
                                                 {{"CODSITUACAO", codigo.toString()}});
                             }});
}

void criarFuncoesNoServidor(Conexao& conexao) {
    if (ehSqlite(conexao)) return;
    conexao.executar(
        "CREATE OR REPLACE FUNCTION VORK_FuncEstadoCivil(PCODIGO NUMERIC) RETURNS VARCHAR\n"
        "LANGUAGE SQL IMMUTABLE AS $$ SELECT CAST(" +
        casoSql(estadosCivis(), "PCODIGO") + " AS VARCHAR) $$");
    conexao.executar(
        "CREATE OR REPLACE FUNCTION VORK_FuncCategoriaServidor(PCODIGO VARCHAR) RETURNS VARCHAR\n"
        "LANGUAGE SQL IMMUTABLE AS $$ SELECT CAST(" +
        casoSql(categoriasServidor(), "PCODIGO") + " AS VARCHAR) $$");
    conexao.executar(QStringLiteral(
        "CREATE OR REPLACE FUNCTION VORK_FuncSituaServidor(PCODIGO VARCHAR) RETURNS VARCHAR\n"
        "LANGUAGE SQL STABLE AS $$ SELECT CAST(DESCRICAO AS VARCHAR) FROM RECH_SITUACAOSERVIDORES "
        "WHERE CODSITUACAO = PCODIGO $$"));
    conexao.executar(
        "CREATE OR REPLACE FUNCTION ACCS_PROCNOVAVIA(PTIPOOPER VARCHAR, PCATEG VARCHAR, PNUMMATRIC BIGINT)\n"
        "RETURNS INTEGER LANGUAGE plpgsql AS $$\n"
        "DECLARE\n"
        "  VQTD INTEGER;\n"
        "  VVIA INTEGER;\n"
        "BEGIN\n"
        "  IF PTIPOOPER IS DISTINCT FROM 'I' THEN\n"
        "    RAISE EXCEPTION 'Operação de nova via desconhecida: %', PTIPOOPER;\n"
        "  END IF;\n"
        "  SELECT COUNT(*) INTO VQTD FROM VORK_USUARIOS WHERE NUMMATRIC = PNUMMATRIC AND CATEGORIA = PCATEG;\n"
        "  IF VQTD = 0 THEN\n"
        "    RAISE EXCEPTION 'Servidor de matrícula % não encontrado.', PNUMMATRIC;\n"
        "  ELSIF VQTD > 1 THEN\n"
        "    RAISE EXCEPTION 'Há mais de uma pessoa com a matrícula %.', PNUMMATRIC;\n"
        "  END IF;\n"
        "  UPDATE VORK_USUARIOS SET VIAATUAL = COALESCE(VIAATUAL, 0) + 1\n"
        "   WHERE NUMMATRIC = PNUMMATRIC AND CATEGORIA = PCATEG\n"
        "  RETURNING VIAATUAL INTO VVIA;\n"
        "  RETURN VVIA;\n"
        "END\n"
        "$$");
}

int chamarNovaVia(Conexao& conexao, const QString& tipoOperacao, const QString& categoria, qlonglong matricula) {
    const Parametros p{{"PTIPOOPER", tipoOperacao}, {"PCATEG", categoria}, {"PNUMMATRIC", matricula}};
    GuardaTransacao guarda(conexao);
    int via = 0;
    if (!ehSqlite(conexao)) {
        via = conexao.valor(QStringLiteral("SELECT ACCS_PROCNOVAVIA(:PTIPOOPER, :PCATEG, :PNUMMATRIC)"), p).toInt();
    } else {
        // The same steps as the server's procedure.
        if (tipoOperacao != QLatin1String("I")) throw ErroBanco(mensagemOperacao(tipoOperacao));
        const Parametros chave{{"PCATEG", categoria}, {"PNUMMATRIC", matricula}};
        const QString onde = QStringLiteral(" FROM VORK_USUARIOS WHERE NUMMATRIC = :PNUMMATRIC AND CATEGORIA = :PCATEG");
        const int qtd = conexao.valor("SELECT COUNT(*)" + onde, chave).toInt();
        if (qtd == 0) throw ErroBanco(mensagemNaoEncontrado(matricula));
        if (qtd > 1) throw ErroBanco(mensagemRepetido(matricula));
        conexao.executar(QStringLiteral("UPDATE VORK_USUARIOS SET VIAATUAL = COALESCE(VIAATUAL, 0) + 1 "
                                        "WHERE NUMMATRIC = :PNUMMATRIC AND CATEGORIA = :PCATEG"),
                         chave);
        via = conexao.valor("SELECT VIAATUAL" + onde, chave).toInt();
    }
    guarda.confirmar();
    return via;
}

}  // namespace rh::app
