#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace rh::app {

// The whole run of the program from its command line; returns the exit code.
// The application object is a QApplication, except for "--init-db" and
// "--help", which need no display.
int executarPrograma(QCoreApplication& app, const QStringList& argumentos);

// The version gate's message for a database that expects another version.
QString mensagemVersaoIncorreta(const QString& versao, const QString& enderecoDownload);

}  // namespace rh::app
