#include "framework/exportacao/ExportacaoDataset.h"

#include <QSignalBlocker>
#include <stdexcept>

#include "platform/db/Dataset.h"
#include "platform/db/ErroBanco.h"
#include "platform/exportacao/ErroExportacao.h"
#include "platform/exportacao/EscritorCsv.h"
#include "platform/exportacao/EscritorOdt.h"
#include "platform/exportacao/EscritorXlsx.h"

namespace rh::framework {

using exportacao::TipoColuna;

TipoColuna tipoColunaDe(db::TipoDado tipo) {
    switch (tipo) {
        case db::TipoDado::Texto:
        case db::TipoDado::Memo:
            return TipoColuna::Texto;
        case db::TipoDado::Inteiro:
            return TipoColuna::Inteiro;
        case db::TipoDado::Numero:
            return TipoColuna::Decimal;
        case db::TipoDado::Data:
            return TipoColuna::Data;
        case db::TipoDado::DataHora:
            return TipoColuna::DataHora;
        case db::TipoDado::Hora:
            return TipoColuna::Hora;
        case db::TipoDado::Booleano:
        case db::TipoDado::Blob:
            return TipoColuna::Outro;
    }
    return TipoColuna::Outro;
}

QList<exportacao::ColunaExportada> colunasDe(const db::Dataset& dataset, const QList<int>& campos) {
    QList<exportacao::ColunaExportada> colunas;
    colunas.reserve(campos.size());
    for (const int indice : campos) {
        if (indice < 0 || indice >= dataset.quantidadeCampos()) {
            throw std::logic_error("campo de exportação fora do conjunto de dados");
        }
        const db::Campo& campo = dataset.campo(indice);
        colunas.append({campo.rotulo(), tipoColunaDe(campo.tipo())});
    }
    return colunas;
}

std::unique_ptr<exportacao::EscritorExportacao> criarEscritor(const DestinoExportacao& destino) {
    switch (destino.formato) {
        case exportacao::FormatoExportacao::Csv:
            return std::make_unique<exportacao::EscritorCsv>(destino.caminho, destino.separador);
        case exportacao::FormatoExportacao::Xlsx:
            return std::make_unique<exportacao::EscritorXlsx>(destino.caminho);
        case exportacao::FormatoExportacao::Odt:
            return std::make_unique<exportacao::EscritorOdt>(destino.caminho, destino.titulo);
    }
    throw std::logic_error("formato de exportação desconhecido");
}

namespace {

void escreverRegistros(db::Dataset& dataset, const QList<int>& campos,
                       exportacao::EscritorExportacao& escritor,
                       const AcompanhamentoExportacao& acompanhamento) {
    QList<exportacao::CelulaExportada> celulas(campos.size());
    int feitos = 0;
    dataset.primeiro();
    while (!dataset.noFim()) {
        for (qsizetype i = 0; i < campos.size(); ++i) {
            const db::Campo& campo = dataset.campo(campos.at(i));
            celulas[i].valor = campo.valor();
            celulas[i].texto = campo.texto();
        }
        escritor.escreverLinha(celulas);
        ++feitos;
        if (acompanhamento.aoAvancar) acompanhamento.aoAvancar(feitos);
        dataset.proximo();
    }
}

}  // namespace

void exportarDataset(db::Dataset& dataset, const QList<int>& campos,
                     exportacao::EscritorExportacao& escritor,
                     const AcompanhamentoExportacao& acompanhamento) {
    if (!dataset.ativo()) {
        throw db::ErroBanco(QStringLiteral("O conjunto de dados está fechado."), dataset.sql());
    }
    // Moving would post the record being edited behind the user's back.
    if (dataset.editando()) {
        throw exportacao::ErroExportacao(
            QStringLiteral("Grave ou cancele o registro em edição antes de exportar."));
    }
    escritor.iniciar(colunasDe(dataset, campos));

    // Every row is read before the walk, so that the views of the dataset
    // have seen all of them come in when its signals are held back.
    const int total = dataset.contagem();
    if (acompanhamento.aoContar) acompanhamento.aoContar(total);
    {
        QSignalBlocker silencio(dataset);
        try {
            escreverRegistros(dataset, campos, escritor, acompanhamento);
        } catch (...) {
            silencio.unblock();
            Q_EMIT dataset.aposRolar();
            throw;
        }
    }
    Q_EMIT dataset.aposRolar();
    escritor.concluir();
}

}  // namespace rh::framework
