#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace rh::app {

// The whole run of the program from its command line; returns the exit code.
int executarPrograma(QApplication& app, const QStringList& argumentos);

// The version gate's message for a database that expects another version.
QString mensagemVersaoIncorreta(const QString& versao, const QString& enderecoDownload);

}  // namespace rh::app
