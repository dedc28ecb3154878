#pragma once

#include <QJsonDocument>
#include <QString>
#include <QStringList>

namespace rh::testes {

// Runs an external program that reads back an exported file (Debian's
// python3 with openpyxl, odt2txt). Fails the current test, with the
// program's error output, when it cannot be run or exits with an error.
// Returns its standard output.
QByteArray executarLeitor(const QString& programa, const QStringList& argumentos);

// Runs /usr/bin/python3 with `script`, the exported file's path as argv[1],
// and parses the JSON the script prints.
QJsonDocument lerComPython(const char* script, const QString& caminho);

}  // namespace rh::testes
