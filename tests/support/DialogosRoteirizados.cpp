#include "support/DialogosRoteirizados.h"

#include <gtest/gtest.h>

namespace rh::teste {

const char* nomeDoTipo(DialogosRoteirizados::Tipo tipo) {
    using T = DialogosRoteirizados::Tipo;
    switch (tipo) {
        case T::Informacao: return "informação";
        case T::Aviso: return "aviso";
        case T::Erro: return "erro";
        case T::Confirmacao: return "confirmação";
        case T::SimNaoCancelar: return "sim/não/cancelar";
        case T::SalvarArquivo: return "salvar arquivo";
        case T::AbrirArquivo: return "abrir arquivo";
    }
    return "?";
}

DialogosRoteirizados::~DialogosRoteirizados() {
    if (!planoConsumido())
        ADD_FAILURE() << "Respostas planejadas e não usadas: " << m_respostas.size() << " pergunta(s), "
                      << m_arquivos.size() << " arquivo(s)";
}

void DialogosRoteirizados::planejar(Resposta resposta) { m_respostas.enqueue(resposta); }
void DialogosRoteirizados::planejarArquivo(const QString& caminho) { m_arquivos.enqueue(caminho); }

QStringList DialogosRoteirizados::textos() const {
    QStringList r;
    for (const auto& m : m_registros) r << m.texto;
    return r;
}

QStringList DialogosRoteirizados::textos(Tipo tipo) const {
    QStringList r;
    for (const auto& m : m_registros)
        if (m.tipo == tipo) r << m.texto;
    return r;
}

void DialogosRoteirizados::mostrar(TipoMensagem tipo, const QString& texto, const QString& titulo) {
    const Tipo t = tipo == TipoMensagem::Informacao ? Tipo::Informacao
                   : tipo == TipoMensagem::Aviso    ? Tipo::Aviso
                                                    : Tipo::Erro;
    m_registros << Registro{t, texto, titulo};
}

std::optional<ui::Dialogos::Resposta> DialogosRoteirizados::proximaResposta(const QString& texto) {
    if (m_respostas.isEmpty()) {
        ADD_FAILURE() << "Pergunta sem resposta planejada: " << texto.toStdString();
        return std::nullopt;
    }
    return m_respostas.dequeue();
}

bool DialogosRoteirizados::perguntarSimNao(const QString& texto, const QString& titulo) {
    m_registros << Registro{Tipo::Confirmacao, texto, titulo};
    const auto r = proximaResposta(texto);
    if (r == Resposta::Cancelar) ADD_FAILURE() << "Cancelar planejado para uma pergunta Sim/Não: " << texto.toStdString();
    return r == Resposta::Sim;
}

ui::Dialogos::Resposta DialogosRoteirizados::perguntarSimNaoCancelar(const QString& texto, const QString& titulo) {
    m_registros << Registro{Tipo::SimNaoCancelar, texto, titulo};
    return proximaResposta(texto).value_or(Resposta::Cancelar);
}

QString DialogosRoteirizados::proximoArquivo(const QString& titulo) {
    if (m_arquivos.isEmpty()) {
        ADD_FAILURE() << "Diálogo de arquivo sem resposta planejada: " << titulo.toStdString();
        return {};
    }
    return m_arquivos.dequeue();
}

QString DialogosRoteirizados::escolherArquivoParaSalvar(const QString& titulo, const QString&, const QString&,
                                                        const QString&) {
    m_registros << Registro{Tipo::SalvarArquivo, titulo, titulo};
    return proximoArquivo(titulo);
}

QString DialogosRoteirizados::escolherArquivoParaAbrir(const QString& titulo, const QString&, const QString&) {
    m_registros << Registro{Tipo::AbrirArquivo, titulo, titulo};
    return proximoArquivo(titulo);
}

}  // namespace rh::teste
