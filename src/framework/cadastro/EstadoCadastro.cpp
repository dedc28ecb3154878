#include "framework/cadastro/EstadoCadastro.h"

#include <QStringList>

namespace rh::framework {

namespace {
using A = AcaoCadastro;
constexpr AcoesCadastro kEdicao =
    AcoesCadastro(A::Novo) | A::Editar | A::Excluir | A::Salvar | A::Cancelar;
constexpr AcoesCadastro kBusca = AcoesCadastro(A::Localizar) | A::LocalizarProxima;
constexpr AcaoCadastro kTodas[] = {A::Novo,     A::Editar,    A::Excluir,          A::Salvar,
                                   A::Cancelar, A::Localizar, A::LocalizarProxima, A::Imprimir};
}  // namespace

EstadoCadastro::EstadoCadastro(const QString& perfil, QObject* parent)
    : QObject(parent), m_somenteConsulta(perfil == QLatin1String("C")) {
    AcoesCadastro inicial = kEdicao | A::Localizar;
    if (m_somenteConsulta) inicial &= ~kEdicao;
    m_habilitadas = inicial;
}

void EstadoCadastro::defineImprimivel(bool imprimivel) {
    m_imprimivel = imprimivel;
    if (!imprimivel) aplicar(m_habilitadas & ~AcoesCadastro(A::Imprimir));
}

void EstadoCadastro::AtualizaAcoes(bool temRegistros) {
    AcoesCadastro novas = m_habilitadas;
    if (m_somenteConsulta) {
        novas &= ~kEdicao;
    } else {
        novas |= A::Novo;
        novas.setFlag(A::Editar, temRegistros);
        novas.setFlag(A::Excluir, temRegistros);
        novas &= ~(AcoesCadastro(A::Salvar) | A::Cancelar);
        novas |= kBusca;
    }
    aplicar(novas);
}

void EstadoCadastro::ModoEdicao() {
    AcoesCadastro novas =
        m_habilitadas & ~(AcoesCadastro(A::Novo) | A::Editar | A::Excluir | kBusca);
    novas |= AcoesCadastro(A::Salvar) | A::Cancelar;
    aplicar(novas);
}

void EstadoCadastro::aposAbrir(bool temRegistros) {
    AcoesCadastro novas = m_habilitadas;
    novas.setFlag(A::LocalizarProxima, temRegistros);
    novas.setFlag(A::Imprimir, m_imprimivel && temRegistros);
    aplicar(novas);
}

void EstadoCadastro::sincronizar(db::EstadoDataset estado, bool temRegistros) {
    if (estado == db::EstadoDataset::Inserindo || estado == db::EstadoDataset::Editando)
        ModoEdicao();
    else
        AtualizaAcoes(temRegistros);
}

void EstadoCadastro::defineHabilitada(AcaoCadastro acao, bool habilitada) {
    AcoesCadastro novas = m_habilitadas;
    novas.setFlag(acao, habilitada);
    aplicar(novas);
}

void EstadoCadastro::aplicar(AcoesCadastro novas) {
    // The one place that keeps a read-only session read-only, whatever rule
    // or window asked.
    if (m_somenteConsulta) novas &= ~kEdicao;
    if (!m_imprimivel) novas &= ~AcoesCadastro(A::Imprimir);
    if (novas == m_habilitadas) return;
    m_habilitadas = novas;
    Q_EMIT mudou(m_habilitadas);
}

QString EstadoCadastro::nome(AcaoCadastro acao) {
    switch (acao) {
        case A::Novo:
            return QStringLiteral("Novo");
        case A::Editar:
            return QStringLiteral("Editar");
        case A::Excluir:
            return QStringLiteral("Excluir");
        case A::Salvar:
            return QStringLiteral("Salvar");
        case A::Cancelar:
            return QStringLiteral("Cancelar");
        case A::Localizar:
            return QStringLiteral("Localizar");
        case A::LocalizarProxima:
            return QStringLiteral("Proximo");
        case A::Imprimir:
            return QStringLiteral("Imprimir");
    }
    return {};
}

QString EstadoCadastro::descrever(AcoesCadastro acoes) {
    QStringList nomes;
    for (AcaoCadastro a : kTodas)
        if (acoes.testFlag(a)) nomes << nome(a);
    return nomes.join(QLatin1Char(' '));
}

}  // namespace rh::framework
