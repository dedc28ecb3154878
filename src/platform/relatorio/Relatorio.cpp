#include "platform/relatorio/Relatorio.h"

#include "platform/relatorio/ErroRelatorio.h"
#include "platform/relatorio/Fontes.h"
#include "platform/relatorio/Gerador.h"
#include "platform/relatorio/Paginador.h"

namespace rh::relatorio {

Relatorio::Relatorio() = default;
Relatorio::~Relatorio() = default;

Grupo& Relatorio::adicionarGrupo(const QString& nome, const QString& campoQuebra) {
    m_grupos.push_back(std::make_unique<Grupo>(nome, campoQuebra));
    return *m_grupos.back();
}

Grupo* Relatorio::grupo(const QString& nome) const {
    for (const auto& g : m_grupos) {
        if (g->nome() == nome) return g.get();
    }
    return nullptr;
}

std::vector<Banda*> Relatorio::bandas() {
    std::vector<Banda*> lista{&m_titulo, &m_cabecalhoPagina};
    for (auto& g : m_grupos) lista.push_back(&g->cabecalho());
    lista.push_back(&m_detalhe);
    for (auto it = m_grupos.rbegin(); it != m_grupos.rend(); ++it) lista.push_back(&(*it)->rodape());
    lista.push_back(&m_rodapePagina);
    lista.push_back(&m_sumario);
    return lista;
}

Item* Relatorio::item(const QString& nome) {
    for (Banda* banda : bandas()) {
        if (Item* encontrado = banda->item(nome)) return encontrado;
    }
    return nullptr;
}

std::shared_ptr<Documento> Relatorio::gerar() {
    Fontes::registrarSubstitutos();
    if (const QString problema = m_pagina.problema(); !problema.isEmpty()) {
        throw ErroRelatorio(problema);
    }
    auto documento = std::make_shared<Documento>();
    documento->nome = m_nome;
    documento->configuracao = m_pagina;
    documento->momento = QDateTime::currentDateTime();
    if (m_aoIniciar) m_aoIniciar();
    Gerador gerador(*this, documento->avisos);
    std::vector<BandaGerada> sequencia = gerador.gerarSequencia();
    Paginador paginador(*this, gerador, documento->avisos);
    documento->paginas = paginador.paginar(std::move(sequencia));
    return documento;
}

}  // namespace rh::relatorio
