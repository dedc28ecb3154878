#pragma once

#include "platform/ui/Dialogos.h"

namespace rh::ui {

// The real boxes: QMessageBox with the Portuguese buttons the department's
// staff know ("&Sim", "&Não", "&Cancelar") and Qt's file dialogs, all over
// the window that is active at the time.
class DialogosQt : public Dialogos {
protected:
    void mostrar(TipoMensagem tipo, const QString& texto, const QString& titulo) override;
    bool perguntarSimNao(const QString& texto, const QString& titulo) override;
    Resposta perguntarSimNaoCancelar(const QString& texto, const QString& titulo) override;
    QString escolherArquivoParaSalvar(const QString& titulo, const QString& pastaInicial, const QString& filtro,
                                      const QString& extensaoPadrao) override;
    QString escolherArquivoParaAbrir(const QString& titulo, const QString& pastaInicial,
                                     const QString& filtro) override;
};

}  // namespace rh::ui
