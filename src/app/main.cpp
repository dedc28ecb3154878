// Program entry: configuration, data module, main window (hidden), login,
// version gate, message loop. "--init-db [--demo N]" creates or upgrades
// the schema of the configured database (and fills demo data) instead, with
// no display needed.
#include <QApplication>
#include <QCoreApplication>
#include <cstring>
#include <memory>

#include "app/Inicializacao.h"

int main(int argc, char** argv) {
    bool semJanelas = false;
    for (int i = 1; i < argc; ++i)
        semJanelas = semJanelas || std::strcmp(argv[i], "--init-db") == 0 || std::strcmp(argv[i], "--help") == 0 ||
                     std::strcmp(argv[i], "-h") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (semJanelas) app = std::make_unique<QCoreApplication>(argc, argv);
    else app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cadastro-rh"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2"));
    return rh::app::executarPrograma(*app, QCoreApplication::arguments());
}
