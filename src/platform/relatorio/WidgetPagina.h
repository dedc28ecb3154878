#pragma once

#include <QWidget>
#include <memory>

namespace rh::relatorio {

struct Documento;

// One page of a generated document at a zoom factor (1.0 is the paper's real
// size on the screen).
class WidgetPagina : public QWidget {
    Q_OBJECT
public:
    explicit WidgetPagina(std::shared_ptr<const Documento> documento, QWidget* parent = nullptr);

    void setPagina(int indice);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Widget size of a page at zoom 1.0.
    QSizeF tamanhoNatural() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::shared_ptr<const Documento> m_documento;
    int m_pagina = 0;
    double m_zoom = 1.0;
};

}  // namespace rh::relatorio
