#pragma once

#include <QString>

namespace rh::exportacao {

enum class FormatoExportacao { Csv, Xlsx, Odt };

// ".csv", ".xlsx" or ".odt".
QString extensaoDe(FormatoExportacao formato);

// `nome` with the format's extension appended, unless it already ends with it
// (in any letter case). A trailing dot is not doubled ("a." gives "a.csv").
QString comExtensao(const QString& nome, FormatoExportacao formato);

// For "a new file each time, never overwrite": `caminho` itself when nothing
// exists under that name, otherwise the first free of "nome (2).ext",
// "nome (3).ext", ... in the same folder (the number goes before the last
// extension of the file name; a name without extension gets it at the end).
QString nomeArquivoLivre(const QString& caminho);

}  // namespace rh::exportacao
