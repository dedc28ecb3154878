#pragma once

#include <QImage>
#include <QObject>
#include <memory>

#include "app/configuracao/Configuracao.h"
#include "platform/db/Conexao.h"
#include "platform/db/Dataset.h"

namespace rh::app {

// The data module: the program's connections and the datasets several
// windows share. Created right after the application object and kept for
// the whole run; its main connection opens on creation.
class TDM : public QObject {
    Q_OBJECT
    // Declared first: the datasets below are bound to the main connection.
    Configuracao m_configuracao;
    std::shared_ptr<const db::Catalogo> m_catalogo;
    std::unique_ptr<db::Conexao> m_principal;

public:
    // Opens the main connection; throws db::ErroBanco naming the database
    // when it cannot.
    TDM(const Configuracao& configuracao, std::shared_ptr<const db::Catalogo> catalogo,
        QObject* parent = nullptr);
    ~TDM() override;

    const Configuracao& configuracao() const { return m_configuracao; }
    std::shared_ptr<const db::Catalogo> catalogo() const { return m_catalogo; }

    // The main connection, shared by every window.
    db::Conexao& ADOConnecOracle() { return *m_principal; }
    // The academic system's connection, opened on first use.
    db::Conexao& ADOConnectionQAcademico();
    // A new private connection with the main connection's settings (the
    // login and campus-change windows own one each).
    std::unique_ptr<db::Conexao> novaConexaoPrivada() const;

    // Reopens the current-campus dataset for another campus.
    void abrirUnidadeSede(int codUnidade);

    // The organisation's logo, 37.042 mm x 23.019 mm in reports.
    const QImage& logotipo() const { return m_logotipo; }
    static constexpr double larguraLogotipoMm = 37.042;
    static constexpr double alturaLogotipoMm = 23.019;

    db::Dataset QryUnidadeSEDE;
    db::Dataset QryUnidades;
    db::Dataset QrySituacaoServidores;
    db::Dataset qryServidoresOrd;
    db::Dataset QryServidoresDesc;
    db::Dataset QSetores;
    db::Dataset Data;
    db::Dataset Query_UsuarioServidor;
    db::Dataset Query_Servidores;
    db::Dataset QryServidores;
    db::Dataset qryDependentes;
    db::Dataset QryEscolaridadeServidor;
    db::Dataset QruConsLotacoes;
    db::Dataset QryConsServidores;

private:
    void montarDatasets();
    static QImage desenharLogotipo(const QString& sigla);

    std::unique_ptr<db::Conexao> m_academico;
    QImage m_logotipo;
};

// Portuguese month name of a date ("Dezembro").
QString nomeDoMes(int mes);

}  // namespace rh::app
