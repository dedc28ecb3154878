#include "LeituraExterna.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace rh::testes {

QByteArray executarLeitor(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForStarted(10'000)) {
        ADD_FAILURE() << "não foi possível executar " << programa.toStdString() << ": "
                      << processo.errorString().toStdString();
        return {};
    }
    processo.closeWriteChannel();
    if (!processo.waitForFinished(60'000)) {
        processo.kill();
        processo.waitForFinished();
        ADD_FAILURE() << programa.toStdString() << " não terminou";
        return {};
    }
    const QByteArray saida = processo.readAllStandardOutput();
    if (processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0) {
        ADD_FAILURE() << programa.toStdString() << " falhou (" << processo.exitCode() << "):\n"
                      << processo.readAllStandardError().toStdString();
    }
    return saida;
}

QJsonDocument lerComPython(const char* script, const QString& caminho) {
    const QByteArray saida =
        executarLeitor(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-c"), QString::fromUtf8(script), caminho});
    QJsonParseError erro{};
    const QJsonDocument documento = QJsonDocument::fromJson(saida, &erro);
    if (erro.error != QJsonParseError::NoError) {
        ADD_FAILURE() << "saída do leitor não é JSON: " << erro.errorString().toStdString() << "\n"
                      << saida.toStdString();
    }
    return documento;
}

}  // namespace rh::testes
