#pragma once

#include "platform/db/Dialeto.h"

namespace rh::db {

// The embedded database. UPPER and LOWER are replaced on the connection by
// Unicode-aware versions ("ângela" matches "ÂNGELA"), LIKE is made
// case-sensitive as on the central server, and foreign keys are enforced.
// Dates are stored as ISO text ("2020-01-31", "2020-01-31 08:30:00").
class DialetoSqlite : public Dialeto {
public:
    QString nome() const override { return QStringLiteral("sqlite"); }
    QString driverQt() const override { return QStringLiteral("QSQLITE"); }
    void prepararConexao(QSqlDatabase& banco) const override;

    QString mes(const QString& e) const override;
    QString ano(const QString& e) const override;
    QString dia(const QString& e) const override;
    QString hoje() const override { return QStringLiteral("date('now','localtime')"); }
    QString agora() const override { return QStringLiteral("datetime('now','localtime')"); }
    QString idadeEmAnos(const QString& e) const override;

    QString tipoColuna(const DefColuna& c) const override;
    QString definicaoColuna(const DefColuna& c, bool chaveUnica) const override;
    QStringList ajustarGeradorDeChave(const QString&, const QString&) const override { return {}; }
    QVariant paraParametro(const QVariant& valor) const override;
    bool permiteLeiturasSimultaneas() const override { return true; }
    void registrarFuncao(QSqlDatabase& banco, const FuncaoSql& funcao) const override;
};

}  // namespace rh::db
