#include "platform/exportacao/NomesArquivo.h"

#include <QDir>
#include <QFileInfo>

namespace rh::exportacao {

namespace {

bool existe(const QString& caminho) {
    const QFileInfo info(caminho);
    return info.exists() || info.isSymLink();  // a dangling link also occupies the name
}

}  // namespace

QString extensaoDe(FormatoExportacao formato) {
    switch (formato) {
        case FormatoExportacao::Csv:
            return QStringLiteral(".csv");
        case FormatoExportacao::Xlsx:
            return QStringLiteral(".xlsx");
        case FormatoExportacao::Odt:
            return QStringLiteral(".odt");
    }
    return {};
}

QString comExtensao(const QString& nome, FormatoExportacao formato) {
    const QString extensao = extensaoDe(formato);
    if (nome.endsWith(extensao, Qt::CaseInsensitive)) {
        return nome;
    }
    if (nome.endsWith(u'.')) {
        return nome.chopped(1) + extensao;
    }
    return nome + extensao;
}

QString nomeArquivoLivre(const QString& caminho) {
    if (!existe(caminho)) {
        return caminho;
    }
    const qsizetype inicioNome =
        std::max(caminho.lastIndexOf(u'/'), caminho.lastIndexOf(QDir::separator())) + 1;
    qsizetype ponto = caminho.lastIndexOf(u'.');
    if (ponto <= inicioNome) {
        ponto = caminho.size();  // no extension (or a name that starts with its only dot)
    }
    const QString base = caminho.left(ponto);
    const QString extensao = caminho.mid(ponto);
    for (int numero = 2;; ++numero) {
        const QString candidato = base + QStringLiteral(" (%1)").arg(numero) + extensao;
        if (!existe(candidato)) {
            return candidato;
        }
    }
}

}  // namespace rh::exportacao
