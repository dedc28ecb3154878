#pragma once

#include <memory>

#include "app/login/JanelaEscolhaUnidade.h"
#include "platform/db/Dataset.h"

namespace rh::app {

// The campus change of profile "A": the campus list on the window's own
// connection, positioned on the current campus.
class TForm_MudarUnidade : public JanelaEscolhaUnidade {
    Q_OBJECT
public:
    // Opens the campus list (database errors propagate; the session keeps
    // its campus).
    TForm_MudarUnidade(db::Conexao& conexao, int unidadeAtual, QWidget* parent = nullptr);

    // The CODUNIDADE of the list's current row.
    int unidadeEscolhida();

private:
    TForm_MudarUnidade(std::unique_ptr<db::Dataset> lista, QWidget* parent);
    std::unique_ptr<db::Dataset> m_lista;
};

}  // namespace rh::app
