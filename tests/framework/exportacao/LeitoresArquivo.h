#pragma once

#include <QJsonObject>
#include <QString>

namespace rh::teste {

// Exported files as independent programs read them. Each fails the current
// test (with the reader's error output) when the reader cannot run or
// rejects the file.

// The .xlsx as openpyxl (Debian's /usr/bin/python3) reads it:
// {"folha": name, "linhas": [[{"valor": v, "tipo": "str"|"int"|"float"|"NoneType", "negrito":
// b}]]}.
QJsonObject lerPlanilha(const QString& caminho);

// The .odt's content.xml: {"antes": [paragraph texts before the table],
// "linhas": [[{"texto": t, "negrito": b}]]}; bold through the automatic styles.
QJsonObject lerDocumento(const QString& caminho);

// The document's text as odt2txt prints it.
QString textoDoDocumento(const QString& caminho);

}  // namespace rh::teste
