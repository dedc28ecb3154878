#include "platform/relatorio/Fontes.h"

#include "platform/relatorio/Unidades.h"

#include <QStringList>
#include <mutex>

namespace rh::relatorio {

void Fontes::registrarSubstitutos() {
    static std::once_flag registrado;
    std::call_once(registrado, [] {
        const struct {
            const char* original;
            QStringList substitutos;
        } tabela[] = {
            {"Arial", {QStringLiteral("Liberation Sans")}},
            {"Helvetica", {QStringLiteral("Liberation Sans")}},
            {"Courier New", {QStringLiteral("Liberation Mono")}},
            {"Courier", {QStringLiteral("Liberation Mono")}},
            {"Times New Roman", {QStringLiteral("Liberation Serif")}},
            {"Tahoma", {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
            {"MS Sans Serif", {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
            {"Verdana", {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        };
        for (const auto& linha : tabela) {
            QFont::insertSubstitutions(QString::fromLatin1(linha.original), linha.substitutos);
        }
    });
}

namespace {

QFont montar(const EstiloTexto& estilo) {
    Fontes::registrarSubstitutos();
    QFont fonte(estilo.familia);
    fonte.setBold(estilo.negrito);
    fonte.setItalic(estilo.italico);
    fonte.setUnderline(estilo.sublinhado);
    // Unhinted outlines scale linearly, so widths measured at the reference
    // resolution hold on the screen and on paper.
    fonte.setHintingPreference(QFont::PreferNoHinting);
    fonte.setStyleStrategy(QFont::PreferOutline);
    return fonte;
}

}  // namespace

QFont Fontes::fonteReferencia(const EstiloTexto& estilo) {
    QFont fonte = montar(estilo);
    fonte.setPixelSize(qMax(1, qRound(Unidades::referenciaDePontos(estilo.tamanho))));
    return fonte;
}

QFont Fontes::fontePontos(const EstiloTexto& estilo) {
    QFont fonte = montar(estilo);
    fonte.setPointSizeF(qMax(1.0, estilo.tamanho));
    return fonte;
}

}  // namespace rh::relatorio
