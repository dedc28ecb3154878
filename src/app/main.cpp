// Program entry: configuration, data module, main window (hidden), login,
// version gate, message loop. "--init-db [--demo N]" creates or upgrades
// the schema of the configured database (and fills demo data) instead.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "app/Inicializacao.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cadastro-rh"));
    QApplication::setApplicationVersion(QStringLiteral("2"));
    return rh::app::executarPrograma(app, QApplication::arguments());
}
