#include "platform/exportacao/EscritorExportacao.h"

#include "platform/exportacao/ErroExportacao.h"

#include <stdexcept>
#include <string>

namespace rh::exportacao {

EscritorExportacao::~EscritorExportacao() = default;

void EscritorExportacao::registrarInicio(const QList<ColunaExportada>& colunas) {
    if (m_etapa != Etapa::Criado) {
        throw std::logic_error("EscritorExportacao::iniciar chamado mais de uma vez");
    }
    if (colunas.isEmpty()) {
        throw ErroExportacao(QStringLiteral("Nenhum campo foi escolhido para exportar."));
    }
    m_colunas = colunas.size();
    m_etapa = Etapa::Iniciado;
}

void EscritorExportacao::verificarLinha(const QList<CelulaExportada>& celulas) const {
    if (m_etapa != Etapa::Iniciado) {
        throw std::logic_error("EscritorExportacao::escreverLinha fora de iniciar/concluir");
    }
    if (celulas.size() != m_colunas) {
        throw std::logic_error("EscritorExportacao::escreverLinha com " +
                               std::to_string(celulas.size()) + " células para " +
                               std::to_string(m_colunas) + " colunas");
    }
}

void EscritorExportacao::registrarConclusao() {
    if (m_etapa != Etapa::Iniciado) {
        throw std::logic_error("EscritorExportacao::concluir sem iniciar ou repetido");
    }
    m_etapa = Etapa::Concluido;
}

}  // namespace rh::exportacao
