#include "platform/ui/Dialogos.h"

#include <QDebug>

#include "platform/db/ErroBanco.h"

namespace rh::ui {

void Dialogos::erroDeBanco(const QString& contexto, const db::ErroBanco& falha) {
    if (!falha.comando().isEmpty())
        qWarning().noquote() << contexto << "|" << falha.mensagem() << "| comando:" << falha.comando();
    QString texto = contexto;
    if (!falha.mensagem().isEmpty()) texto += (texto.isEmpty() ? QString() : QStringLiteral("\n")) + falha.mensagem();
    erro(texto);
}

}  // namespace rh::ui
