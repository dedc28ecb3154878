#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "platform/db/Esquema.h"
#include "platform/exportacao/EscritorExportacao.h"
#include "platform/exportacao/NomesArquivo.h"

namespace rh::db {
class Dataset;
}

namespace rh::framework {

// How a field's values are written: numbers as numbers in the spreadsheet,
// every other type as the text the user sees.
exportacao::TipoColuna tipoColunaDe(db::TipoDado tipo);

// The columns of the chosen fields (indices into the open dataset), in the
// order given: each field's display label and the column type of its type.
QList<exportacao::ColunaExportada> colunasDe(const db::Dataset& dataset, const QList<int>& campos);

// Where an export goes. The title is the document's first paragraph (.odt
// only); the separator applies to the CSV text only.
struct DestinoExportacao {
    exportacao::FormatoExportacao formato = exportacao::FormatoExportacao::Csv;
    QString caminho;  // the complete file name, extension included
    QString titulo;
    QString separador = QStringLiteral(";");
};

// The platform writer of the destination. Throws exportacao::ErroExportacao
// for a separator the CSV text cannot use.
std::unique_ptr<exportacao::EscritorExportacao> criarEscritor(const DestinoExportacao& destino);

struct AcompanhamentoExportacao {
    std::function<void(int total)> aoContar;    // the record count, before the first record
    std::function<void(int feitos)> aoAvancar;  // after each record written
};

// Writes the chosen fields of every record, from the first, through the
// writer: a header of the fields' labels, then per record each field's typed
// value and display text. The file is only put in place when every record
// was written. The dataset is left after its last record.
//
// The file is created before the records are counted, so a path that cannot
// be written fails at once. While the records are walked the dataset's
// signals are held back (grids and detail datasets would otherwise follow
// every record); its views are told of the final position afterwards.
//
// Throws exportacao::ErroExportacao for file problems and for a dataset with
// a record being edited, db::ErroBanco for a closed dataset or a failed read.
void exportarDataset(db::Dataset& dataset, const QList<int>& campos,
                     exportacao::EscritorExportacao& escritor,
                     const AcompanhamentoExportacao& acompanhamento = {});

}  // namespace rh::framework
