#pragma once

#include <QString>

namespace rh::db {
class ErroBanco;
}

namespace rh::ui {

// The one way the program talks to the user in a box: every message,
// question and file dialog goes through it. Windows receive it in their
// context, so tests can replace it with a double that records what was
// said and answers planned questions.
//
// The public calls carry the default titles; implementations supply the
// protected hooks, so the defaults live in one place.
class Dialogos {
public:
    enum class Resposta { Sim, Nao, Cancelar };
    enum class TipoMensagem { Informacao, Aviso, Erro };

    virtual ~Dialogos() = default;

    void informacao(const QString& texto, const QString& titulo = QStringLiteral("Atenção")) {
        mostrar(TipoMensagem::Informacao, texto, titulo);
    }
    void aviso(const QString& texto, const QString& titulo = QStringLiteral("Atenção")) {
        mostrar(TipoMensagem::Aviso, texto, titulo);
    }
    void erro(const QString& texto, const QString& titulo = QStringLiteral("Erro")) {
        mostrar(TipoMensagem::Erro, texto, titulo);
    }

    // Yes/No question; true only on "Sim".
    bool confirmar(const QString& texto, const QString& titulo = QStringLiteral("Confirmação")) {
        return perguntarSimNao(texto, titulo);
    }
    Resposta simNaoCancelar(const QString& texto, const QString& titulo = QStringLiteral("Confirmação")) {
        return perguntarSimNaoCancelar(texto, titulo);
    }

    // The chosen path, or empty when the user gave up. A name typed without
    // an extension gets extensaoPadrao ("xlsx" or ".xlsx").
    QString salvarArquivo(const QString& titulo, const QString& pastaInicial, const QString& filtro,
                          const QString& extensaoPadrao) {
        return escolherArquivoParaSalvar(titulo, pastaInicial, filtro, extensaoPadrao);
    }
    QString abrirArquivo(const QString& titulo, const QString& pastaInicial, const QString& filtro) {
        return escolherArquivoParaAbrir(titulo, pastaInicial, filtro);
    }

    // A failed database call explained to the user: the window's own
    // sentence first, then the driver's message on the next line. The
    // statement goes to the log for the support staff, never to the box.
    void erroDeBanco(const QString& contexto, const db::ErroBanco& falha);

protected:
    virtual void mostrar(TipoMensagem tipo, const QString& texto, const QString& titulo) = 0;
    virtual bool perguntarSimNao(const QString& texto, const QString& titulo) = 0;
    virtual Resposta perguntarSimNaoCancelar(const QString& texto, const QString& titulo) = 0;
    virtual QString escolherArquivoParaSalvar(const QString& titulo, const QString& pastaInicial,
                                              const QString& filtro, const QString& extensaoPadrao) = 0;
    virtual QString escolherArquivoParaAbrir(const QString& titulo, const QString& pastaInicial,
                                             const QString& filtro) = 0;
};

}  // namespace rh::ui
