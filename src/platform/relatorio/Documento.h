#pragma once

#include "platform/relatorio/ConfiguracaoPagina.h"
#include "platform/relatorio/Primitivas.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

namespace rh::relatorio {

struct Pagina {
    int numero = 1;  // as printed; restarts where a group restarts the numbering
    int total = 1;   // pages in this numbering run ("Pág.: 2/5")
    std::vector<Primitiva> primitivas;
};

// A generated report: the pages, ready for the preview, a printer or a PDF file.
struct Documento {
    QString nome;  // print job and PDF title
    ConfiguracaoPagina configuracao;
    QDateTime momento;  // printing date and time shown by the report
    std::vector<Pagina> paginas;
    QStringList avisos;  // things printed differently from the design (a bar code that cannot be encoded...)
};

}  // namespace rh::relatorio
