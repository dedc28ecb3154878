#include "platform/relatorio/ItemSistema.h"

#include "platform/texto/FormatoExibicao.h"

namespace rh::relatorio {

ItemSistema::ItemSistema(const QRectF& retanguloMm, ValorSistema valor)
    : ItemTexto(retanguloMm), m_valor(valor) {}

QString ItemSistema::textoAtual(const Linha&) const { return {}; }

double ItemSistema::gerar(const ContextoItem& contexto, const QString&,
                          std::vector<Primitiva>& saida) const {
    double crescimento = 0;
    PrimitivaTexto p = montar(contexto, QString(), crescimento);
    p.linhas = QStringList{QString()};
    p.justificar = {false};
    p.sistema = m_valor;
    p.formato = formato();
    p.prefixo = prefixo();
    p.sufixo = sufixo();
    saida.emplace_back(std::move(p));
    return 0;
}

QString ItemSistema::resolver(ValorSistema valor, const QString& formato, int pagina, int total,
                              const QDateTime& momento) {
    switch (valor) {
        case ValorSistema::NumeroPagina:
            return texto::FormatoExibicao::formatar(pagina, formato);
        case ValorSistema::TotalPaginas:
            return texto::FormatoExibicao::formatar(total, formato);
        case ValorSistema::PaginaDeTotal:
            return QStringLiteral("%1/%2").arg(pagina).arg(total);
        case ValorSistema::DataImpressao:
            return texto::FormatoExibicao::formatarDataHora(
                momento, formato.isEmpty() ? QStringLiteral("dd/mm/yyyy") : formato);
        case ValorSistema::HoraImpressao:
            return texto::FormatoExibicao::formatarDataHora(
                momento, formato.isEmpty() ? QStringLiteral("hh:nn:ss") : formato);
        case ValorSistema::DataHoraImpressao:
            return texto::FormatoExibicao::formatarDataHora(
                momento, formato.isEmpty() ? QStringLiteral("dd/mm/yyyy hh:nn") : formato);
    }
    return {};
}

}  // namespace rh::relatorio
