#include "framework/pesquisa/Pesquisas.h"

#include "app/nucleo/ContextoJanela.h"
#include "framework/pesquisa/TFpesqPadrao.h"
#include "framework/pesquisa/TfrmPesquisaTabelas.h"
#include "platform/ui/ExecutorJanelas.h"

namespace rh::framework {

bool Localizar(app::ContextoJanela& contexto, db::Dataset& dataset, const QString& sqlBase,
               const ParametrosPesquisa& parametros) {
    TFpesqPadrao dialogo(contexto, dataset, sqlBase, parametros);
    return contexto.executor.exibirModal(dialogo) == QDialog::Accepted;
}

EscolhaPesquisa PesquisaTabela(app::ContextoJanela& contexto, db::Dataset& modelo,
                               const QString& tabela, const QString& titulo,
                               const QString& campoChave, const QString& campoTexto,
                               const QString& campoPadrao) {
    TfrmPesquisaTabelas dialogo(contexto, modelo, tabela, titulo, campoChave, campoTexto,
                                campoPadrao);
    if (contexto.executor.exibirModal(dialogo) != QDialog::Accepted) return {};
    return dialogo.escolha();
}

}  // namespace rh::framework
