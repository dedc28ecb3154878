#pragma once

#include "platform/db/Dialeto.h"

namespace rh::db {

// The central multi-user server. The database must be UTF-8 with a character
// classification that knows accents (C.UTF-8 or a pt_BR locale), so that
// UPPER('ângela') is 'ÂNGELA'.
class DialetoPostgres : public Dialeto {
public:
    QString nome() const override { return QStringLiteral("postgres"); }
    QString driverQt() const override { return QStringLiteral("QPSQL"); }
    void prepararConexao(QSqlDatabase& banco) const override;

    QString mes(const QString& e) const override;
    QString ano(const QString& e) const override;
    QString dia(const QString& e) const override;
    QString hoje() const override { return QStringLiteral("CURRENT_DATE"); }
    QString agora() const override { return QStringLiteral("LOCALTIMESTAMP(0)"); }
    QString idadeEmAnos(const QString& e) const override;

    QString tipoColuna(const DefColuna& c) const override;
    QString definicaoColuna(const DefColuna& c, bool chaveUnica) const override;
    QStringList ajustarGeradorDeChave(const QString& tabela, const QString& coluna) const override;
    bool permiteLeiturasSimultaneas() const override { return false; }
};

}  // namespace rh::db
