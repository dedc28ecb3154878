#pragma once

#include "platform/exportacao/EscritorExportacao.h"

#include <QString>
#include <QStringList>

#include <memory>

class QSaveFile;

namespace rh::exportacao {

// A word-processor document (ODF text, .odt): a first paragraph with the
// title, two empty paragraphs, then a table whose first row holds the column
// titles in bold and which has one row per record with the cells' texts.
//
// The file is opened (under a temporary name) by iniciar(); the records'
// texts are kept until concluir(), which builds the document and puts the
// file in place. This suits report-sized exports. Needs a QGuiApplication
// (the document's fonts).
class EscritorOdt final : public EscritorExportacao {
public:
    EscritorOdt(QString caminho, QString titulo);
    ~EscritorOdt() override;

    void iniciar(const QList<ColunaExportada>& colunas) override;
    void escreverLinha(const QList<CelulaExportada>& celulas) override;
    void concluir() override;

private:
    QString m_caminho;
    QString m_titulo;
    std::unique_ptr<QSaveFile> m_arquivo;
    QStringList m_titulos;
    QList<QStringList> m_linhas;
};

}  // namespace rh::exportacao
