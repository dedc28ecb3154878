#include "platform/relatorio/WidgetPagina.h"

#include "platform/relatorio/Documento.h"
#include "platform/relatorio/PintorPagina.h"
#include "platform/relatorio/Unidades.h"

#include <QPainter>

namespace rh::relatorio {

WidgetPagina::WidgetPagina(std::shared_ptr<const Documento> documento, QWidget* parent)
    : QWidget(parent), m_documento(std::move(documento)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void WidgetPagina::setPagina(int indice) {
    m_pagina = indice;
    update();
}

void WidgetPagina::setZoom(double zoom) {
    m_zoom = zoom;
    resize(sizeHint());
    update();
}

QSizeF WidgetPagina::tamanhoNatural() const {
    const QSizeF mm = m_documento->configuracao.tamanhoMm();
    return QSizeF(mm.width() * logicalDpiX() / Unidades::kMmPorPolegada,
                  mm.height() * logicalDpiY() / Unidades::kMmPorPolegada);
}

QSize WidgetPagina::sizeHint() const { return (tamanhoNatural() * m_zoom).toSize(); }

void WidgetPagina::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.scale(m_zoom * logicalDpiX() / Unidades::kMmPorPolegada,
                  m_zoom * logicalDpiY() / Unidades::kMmPorPolegada);
    PintorPagina::pintar(painter, *m_documento, m_pagina);
}

}  // namespace rh::relatorio
