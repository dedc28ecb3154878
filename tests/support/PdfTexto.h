#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace rh::relatorio::teste {

// A word of a PDF as poppler's pdftotext -bbox reports it, in millimetres
// from the page's top-left corner.
struct PalavraPdf {
    int pagina;  // 0-based
    QString texto;
    double esquerda, topo, direita, base;
};

struct PaginaPdf {
    double largura, altura;  // mm
};

QString textoPdf(const QString& caminho);                  // pdftotext -layout
QStringList paginasTextoPdf(const QString& caminho);       // one text per page (form feed)
std::vector<PalavraPdf> palavrasPdf(const QString& caminho, std::vector<PaginaPdf>* paginas = nullptr);
// Words equal to `texto`, in reading order.
std::vector<PalavraPdf> encontrar(const std::vector<PalavraPdf>& palavras, const QString& texto);

}  // namespace rh::relatorio::teste
