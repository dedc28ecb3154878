#pragma once

#include <array>
#include <memory>

#include "reports/base/MolduraRelatorio.h"
#include "reports/base/TMasterRelatorio.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace rh::reports {

// "RELAÇÃO DE SERVIDORES": the general servant list in six layouts, over the
// report filter, optionally one page per campus ("Quebra por unidade").
class TFormRelCadServidores : public TMasterRelatorio {
    Q_OBJECT
public:
    // Index of the radio buttons of "Tipo do Relatório ".
    enum Tipo {
        ClasseNivelPadrao = 0,
        Completa = 1,
        Resumida = 2,
        ComAssinatura = 3,
        Email = 4,
        CargaHoraria = 5,
    };

    explicit TFormRelCadServidores(app::ContextoJanela& contexto, QWidget* parent = nullptr);
    ~TFormRelCadServidores() override;

    void executar(Destino destino) override;

    QButtonGroup& tipoRelatorio() const { return *m_tipos; }
    QCheckBox& quebraPorUnidade() const { return *m_quebra; }
    void escolherTipo(Tipo tipo);

    // The layouts (types 2 and 3 share one).
    MolduraRelatorio& relClasses() const { return *m_classes; }
    MolduraRelatorio& relCompleto() const { return *m_completo; }
    MolduraRelatorio& relResumido() const { return *m_resumido; }
    MolduraRelatorio& relEmail() const { return *m_email; }
    MolduraRelatorio& relCargaHoraria() const { return *m_carga; }

    static const QString kSqlBase;

private:
    MolduraRelatorio& moldura(int tipo) const;

    QGroupBox* m_grupoTipos = nullptr;
    QButtonGroup* m_tipos = nullptr;
    QCheckBox* m_quebra = nullptr;
    std::unique_ptr<MolduraRelatorio> m_classes, m_completo, m_resumido, m_email, m_carga;
    relatorio::ItemTexto* m_tituloAssinatura = nullptr;
    relatorio::Item* m_linhaAssinatura = nullptr;
};

}  // namespace rh::reports
