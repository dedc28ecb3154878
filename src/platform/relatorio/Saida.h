#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace rh::relatorio {

struct Documento;
class Relatorio;

struct ResultadoSaida {
    bool ok = false;
    QString erro;         // why nothing (or not everything) was written
    int paginas = 0;
    QStringList avisos;   // from generation
};

// Writes the pages to a PDF file (fonts embedded). Works without a display.
// The file is replaced only when the whole document was written.
ResultadoSaida renderizarPdf(const Documento& documento, const QString& caminho);
// Generates and writes; a design that cannot print comes back as the error.
ResultadoSaida renderizarPdf(Relatorio& relatorio, const QString& caminho);

// Prints on a set-up printer (the page range chosen in its dialog is honoured).
ResultadoSaida imprimir(const Documento& documento, QPrinter& impressora);
ResultadoSaida imprimir(Relatorio& relatorio, QPrinter& impressora);

}  // namespace rh::relatorio
