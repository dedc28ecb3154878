#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/esquema/RegistroEsquemas.h"
#include "app/nucleo/ContextoJanela.h"
#include "app/nucleo/ServicoExportacao.h"
#include "platform/ui/ExecutorJanelas.h"
#include "support/BancoDeTeste.h"
#include "support/DialogosRoteirizados.h"

namespace rh::teste {

// The export window's stand-in: keeps what it was handed.
class ExportacaoGravada : public app::ServicoExportacao {
public:
    void exportar(db::Dataset& dataset) override;
    int vezes = 0;
    QList<QVariantMap> linhas;  // NUMMATRIC, NOME, SITUACAO, UNIDADE... of every row handed over
};

// A demo database of 60 servants plus a few named for the edge cases and
// three pensioners; a data module, session and window context over it.
class FixtureRelatorios : public TesteComBanco {
protected:
    static const app::RegistroEsquemas& registro();
    std::shared_ptr<const db::Catalogo> catalogo() override { return registro().catalogo(); }
    void prepararEsquema(db::Conexao& c) override;
    void SetUp() override;
    void TearDown() override;

    // The servants renamed for the edge cases.
    static constexpr qlonglong kMatriculaApostrofo = 1000010;
    static constexpr qlonglong kMatriculaHostil = 1000011;
    static const QString kNomeApostrofo;
    static const QString kNomeHostil;

    void entrarComo(const QString& perfil, int codUnidade);
    // A file path in the test's own folder.
    QString arquivo(const QString& nome) const { return m_pasta.filePath(nome); }
    // The next preview opened through the window runner is saved to this PDF.
    void salvarProximaPrevia(const QString& caminho);
    int previasAbertas() const { return m_previas; }
    // The running "ORD" numbers of each page of a list report: the whole
    // numbers printed in the first column (left margin 10 mm, this wide).
    static QList<QList<int>> ordensPorPagina(const QString& pdf, double larguraOrdMm);

    DialogosRoteirizados dialogos;
    ui::ExecutorJanelas executor;
    ExportacaoGravada exportacao;
    app::Sessao sessao;
    QString campoNomeRelatorio;
    std::unique_ptr<app::TDM> dm;
    std::unique_ptr<app::ContextoJanela> contexto;

private:
    QTemporaryDir m_pasta;
    int m_previas = 0;
};

}  // namespace rh::teste
