#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/ui/Dialogos.h"

namespace rh::teste {

// The message service of the tests: records every message and question
// (kind, text, title) and answers questions from a plan, in order. A
// question nobody planned fails the test (and gets the harmless answer: No,
// Cancel, no file), and so does a planned answer left unused when the
// double is destroyed.
class DialogosRoteirizados : public ui::Dialogos {
public:
    enum class Tipo { Informacao, Aviso, Erro, Confirmacao, SimNaoCancelar, SalvarArquivo, AbrirArquivo };
    struct Registro {
        Tipo tipo;
        QString texto;
        QString titulo;
    };

    ~DialogosRoteirizados() override;

    // The answer to the next Yes/No or Yes/No/Cancel question.
    void planejar(Resposta resposta);
    // The path the next file dialog returns (empty: the user gave up).
    void planejarArquivo(const QString& caminho);

    const QList<Registro>& registros() const { return m_registros; }
    QStringList textos() const;
    // Texts of the records of one kind.
    QStringList textos(Tipo tipo) const;
    bool vazio() const { return m_registros.isEmpty(); }
    void limpar() { m_registros.clear(); }
    bool planoConsumido() const { return m_respostas.isEmpty() && m_arquivos.isEmpty(); }

protected:
    void mostrar(TipoMensagem tipo, const QString& texto, const QString& titulo) override;
    bool perguntarSimNao(const QString& texto, const QString& titulo) override;
    Resposta perguntarSimNaoCancelar(const QString& texto, const QString& titulo) override;
    QString escolherArquivoParaSalvar(const QString& titulo, const QString& pastaInicial, const QString& filtro,
                                      const QString& extensaoPadrao) override;
    QString escolherArquivoParaAbrir(const QString& titulo, const QString& pastaInicial,
                                     const QString& filtro) override;

private:
    std::optional<Resposta> proximaResposta(const QString& texto);
    QString proximoArquivo(const QString& titulo);

    QList<Registro> m_registros;
    QQueue<Resposta> m_respostas;
    QQueue<QString> m_arquivos;
};

const char* nomeDoTipo(DialogosRoteirizados::Tipo tipo);

}  // namespace rh::teste
