#pragma once

#include <QFlags>
#include <QObject>
#include <QString>

#include "platform/db/Dataset.h"

namespace rh::framework {

// The commands of a registry window whose enabled state follows rules.
// (Help, About and Close are always enabled.)
enum class AcaoCadastro : quint16 {
    Novo = 1 << 0,
    Editar = 1 << 1,
    Excluir = 1 << 2,
    Salvar = 1 << 3,
    Cancelar = 1 << 4,
    Localizar = 1 << 5,
    LocalizarProxima = 1 << 6,
    Imprimir = 1 << 7,
};
Q_DECLARE_FLAGS(AcoesCadastro, AcaoCadastro)
Q_DECLARE_OPERATORS_FOR_FLAGS(AcoesCadastro)

// The enabling rules of a registry window, apart from its widgets.
//
// Browse (AtualizaAcoes): New always, Edit and Delete only when there are
// records, Save and Cancel off, the finds on. Edit (ModoEdicao): Save and
// Cancel only. After the dataset opens, "Próximo >" follows the presence of
// records and printing also needs the window to print at all. A read-only
// session (profile "C") never gets New, Edit, Delete, Save or Cancel, and
// its browse rule leaves the finds as they were.
class EstadoCadastro : public QObject {
    Q_OBJECT
public:
    // Starts as a window does before its dataset opens: everything enabled
    // but "Próximo >" and printing.
    explicit EstadoCadastro(const QString& perfil, QObject* parent = nullptr);

    bool somenteConsulta() const { return m_somenteConsulta; }
    // The window prints (its print command has a handler).
    void defineImprimivel(bool imprimivel);
    bool imprimivel() const { return m_imprimivel; }

    void AtualizaAcoes(bool temRegistros);
    void ModoEdicao();
    void aposAbrir(bool temRegistros);
    // The rule that fits the dataset's state: ModoEdicao while a record is
    // being inserted or edited, AtualizaAcoes otherwise.
    void sincronizar(db::EstadoDataset estado, bool temRegistros);

    AcoesCadastro habilitadas() const { return m_habilitadas; }
    bool habilitada(AcaoCadastro acao) const { return m_habilitadas.testFlag(acao); }
    // For a window's own additions (the read-only rule still holds).
    void defineHabilitada(AcaoCadastro acao, bool habilitada);

    static QString nome(AcaoCadastro acao);
    static QString descrever(AcoesCadastro acoes);

Q_SIGNALS:
    void mudou(rh::framework::AcoesCadastro habilitadas);

private:
    void aplicar(AcoesCadastro novas);

    bool m_somenteConsulta;
    bool m_imprimivel = false;
    AcoesCadastro m_habilitadas;
};

}  // namespace rh::framework
