#pragma once

#include "platform/relatorio/Banda.h"
#include "platform/relatorio/ColunasDetalhe.h"
#include "platform/relatorio/ConfiguracaoPagina.h"
#include "platform/relatorio/Documento.h"
#include "platform/relatorio/Grupo.h"

#include <functional>
#include <memory>
#include <vector>

class QPrinter;

namespace rh::relatorio {

class FonteDados;

enum class QuandoVazio {
    ImprimirSemDetalhe,       // header, title, footer and summary on one page
    ImprimirDetalheEmBranco,  // also one detail (and group bands) with every field null: blank forms
};

// A banded report: page set-up, bands, groups, detail columns and the data
// source it walks. A window builds one, then generates it into a Documento
// (preview, printer, PDF). Handlers may change bands and items while it runs.
class Relatorio {
public:
    Relatorio();
    ~Relatorio();
    Relatorio(const Relatorio&) = delete;
    Relatorio& operator=(const Relatorio&) = delete;

    ConfiguracaoPagina& pagina() { return m_pagina; }
    const ConfiguracaoPagina& pagina() const { return m_pagina; }
    void setNome(const QString& nome) { m_nome = nome; }
    const QString& nome() const { return m_nome; }

    // The rows; the report does not own them. Without a source the report prints as empty.
    void setFonteDados(FonteDados* fonte) { m_fonte = fonte; }
    FonteDados* fonteDados() const { return m_fonte; }

    Banda& titulo() { return m_titulo; }
    Banda& cabecalhoPagina() { return m_cabecalhoPagina; }
    Banda& detalhe() { return m_detalhe; }
    Banda& rodapePagina() { return m_rodapePagina; }
    Banda& sumario() { return m_sumario; }

    Grupo& adicionarGrupo(const QString& nome, const QString& campoQuebra);
    Grupo* grupo(const QString& nome) const;
    const std::vector<std::unique_ptr<Grupo>>& grupos() const { return m_grupos; }

    ColunasDetalhe& colunas() { return m_colunas; }
    const ColunasDetalhe& colunas() const { return m_colunas; }
    void setQuandoVazio(QuandoVazio modo) { m_quandoVazio = modo; }
    QuandoVazio quandoVazio() const { return m_quandoVazio; }

    // Runs before each generation (preview, print and PDF each generate once):
    // handlers that move items reset them here.
    void setAoIniciar(std::function<void()> tratador) { m_aoIniciar = std::move(tratador); }
    const std::function<void()>& aoIniciar() const { return m_aoIniciar; }

    // Every band, in printing order of kind; groups' bands included.
    std::vector<Banda*> bandas();
    // The first item with this name in any band.
    Item* item(const QString& nome);

    // Walks the rows and lays out the pages. Throws ErroRelatorio for a design
    // that cannot print (a field the source lacks, an impossible page set-up).
    std::shared_ptr<Documento> gerar();

private:
    QString m_nome;
    ConfiguracaoPagina m_pagina;
    FonteDados* m_fonte = nullptr;
    Banda m_titulo{TipoBanda::Titulo};
    Banda m_cabecalhoPagina{TipoBanda::CabecalhoPagina};
    Banda m_detalhe{TipoBanda::Detalhe};
    Banda m_rodapePagina{TipoBanda::RodapePagina};
    Banda m_sumario{TipoBanda::Sumario};
    std::vector<std::unique_ptr<Grupo>> m_grupos;
    ColunasDetalhe m_colunas;
    QuandoVazio m_quandoVazio = QuandoVazio::ImprimirSemDetalhe;
    std::function<void()> m_aoIniciar;
};

}  // namespace rh::relatorio
