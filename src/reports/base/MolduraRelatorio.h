#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <memory>

#include "platform/relatorio/ConfiguracaoPagina.h"
#include "platform/relatorio/EstiloTexto.h"

namespace rh::db {
class Dataset;
}

namespace rh::relatorio {
class Grupo;
class Item;
class ItemAgregado;
class ItemImagem;
class ItemTexto;
class Relatorio;
}  // namespace rh::relatorio

namespace rh::reports {

// One column of a list report: its title in the page header and what the
// detail prints under it.
struct ColunaMoldura {
    QString titulo;
    QString campo;       // the field printed; empty for a column drawn by the window
    double largura = 20;  // mm
    relatorio::Alinhamento alinhamento = relatorio::Alinhamento::Esquerda;
    QString formato;     // display format of the field
    bool contagem = false;  // the running "ORD" count instead of a field
};

struct OpcoesMoldura {
    QString nome;  // job and PDF title
    relatorio::Orientacao orientacao = relatorio::Orientacao::Retrato;
    bool legendasFiltro = true;  // the "Categoria:", "Situação:" and "Sexo:" captions
    double tamanhoFonte = 7;     // column titles and detail, points
    double espaco = 1.0;         // between columns, mm
    QList<ColunaMoldura> colunas;
    // A group on UNIDADE whose head prints "Unidade:" and the unit; the count
    // is scoped to it (it restarts with each unit while the group restarts
    // its counters).
    bool grupoUnidade = false;
};

// The frame every list report of the servant registry shares, on A4: the
// logo, the campus heading (ministry, secretariat, unit name and address),
// the title, the filter captions, the column titles; "Data:" and "Pág.:" at
// the foot; the detail with the running "ORD" count. A window builds one per
// report, then fills the heading and the captions before printing.
class MolduraRelatorio {
public:
    explicit MolduraRelatorio(const OpcoesMoldura& opcoes);
    ~MolduraRelatorio();
    MolduraRelatorio(const MolduraRelatorio&) = delete;
    MolduraRelatorio& operator=(const MolduraRelatorio&) = delete;

    relatorio::Relatorio& relatorio() { return *m_relatorio; }

    void aplicarLogotipo(const QImage& logotipo);
    // The heading from the current row of the campus heading dataset
    // (NOMEMINISTERIO, NOMESECRETARIA, NOME, ENDERECO); blank when it has none.
    void aplicarUnidadeSede(db::Dataset& unidadeSede);
    void defineTitulo(const QString& titulo);

    relatorio::ItemTexto& titulo() { return *m_titulo; }
    // The captions' value labels; null without filter captions.
    relatorio::ItemTexto* categoria() const { return m_categoria; }
    relatorio::ItemTexto* situacao() const { return m_situacao; }
    relatorio::ItemTexto* sexo() const { return m_sexo; }
    relatorio::Grupo* grupoUnidade() const { return m_grupo; }
    relatorio::ItemAgregado* contagem() const { return m_contagem; }

    // Column i: its title, where it starts (mm from the band's left edge)
    // and the detail item printing it (null for a contagem-less empty field).
    relatorio::ItemTexto& tituloColuna(int i) const { return *m_titulos.at(i); }
    double esquerdaColuna(int i) const { return m_esquerdas.at(i); }
    relatorio::ItemTexto* itemColuna(int i) const { return m_itens.at(i); }
    double larguraUtil() const { return m_largura; }
    double alturaDetalhe() const { return kAlturaDetalhe; }

    static constexpr double kAlturaDetalhe = 3.8;
    static constexpr const char* kNomeGrupoUnidade = "GrupoUnidade";

private:
    std::unique_ptr<relatorio::Relatorio> m_relatorio;
    double m_largura = 0;
    relatorio::ItemImagem* m_logotipo = nullptr;
    relatorio::ItemTexto* m_ministerio = nullptr;
    relatorio::ItemTexto* m_secretaria = nullptr;
    relatorio::ItemTexto* m_unidade = nullptr;
    relatorio::ItemTexto* m_endereco = nullptr;
    relatorio::ItemTexto* m_titulo = nullptr;
    relatorio::ItemTexto* m_categoria = nullptr;
    relatorio::ItemTexto* m_situacao = nullptr;
    relatorio::ItemTexto* m_sexo = nullptr;
    relatorio::Grupo* m_grupo = nullptr;
    relatorio::ItemAgregado* m_contagem = nullptr;
    QList<relatorio::ItemTexto*> m_titulos;
    QList<relatorio::ItemTexto*> m_itens;
    QList<double> m_esquerdas;
};

}  // namespace rh::reports
