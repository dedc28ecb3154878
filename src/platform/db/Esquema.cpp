#include "platform/db/Esquema.h"

namespace rh::db {

const DefColuna* DefTabela::coluna(const QString& nomeColuna) const {
    for (const auto& c : colunas)
        if (c.nome.compare(nomeColuna, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

QStringList DefTabela::chaves() const {
    QStringList r;
    for (const auto& c : colunas)
        if (c.chave) r << c.nome;
    return r;
}

void Catalogo::registrar(const DefTabela& t) {
    m_tabelas.insert(t.nome.toUpper(), t);
    for (const auto& c : t.colunas)
        if (!m_porNome.contains(c.nome.toUpper())) m_porNome.insert(c.nome.toUpper(), c);
}

void Catalogo::registrar(const DefVisao& v) {
    m_visoes.insert(v.nome.toUpper(), v);
    for (const auto& c : v.colunas)
        if (!m_porNome.contains(c.nome.toUpper())) m_porNome.insert(c.nome.toUpper(), c);
}

void Catalogo::registrar(const FuncaoSql& f) { m_funcoes.push_back(f); }

void Catalogo::registrarPreparacao(std::function<void(Conexao&)> preparacao) {
    m_preparacoes.push_back(std::move(preparacao));
}

const DefTabela* Catalogo::tabela(const QString& nome) const {
    auto it = m_tabelas.constFind(nome.toUpper());
    return it == m_tabelas.constEnd() ? nullptr : &*it;
}

const DefVisao* Catalogo::visao(const QString& nome) const {
    auto it = m_visoes.constFind(nome.toUpper());
    return it == m_visoes.constEnd() ? nullptr : &*it;
}

const DefColuna* Catalogo::coluna(const QString& relacao, const QString& nomeColuna) const {
    if (const auto* t = tabela(relacao)) return t->coluna(nomeColuna);
    if (const auto* v = visao(relacao)) {
        for (const auto& c : v->colunas)
            if (c.nome.compare(nomeColuna, Qt::CaseInsensitive) == 0) return &c;
    }
    return nullptr;
}

const DefColuna* Catalogo::colunaPorNome(const QString& nomeColuna) const {
    auto it = m_porNome.constFind(nomeColuna.toUpper());
    return it == m_porNome.constEnd() ? nullptr : &*it;
}

DefColuna texto(const QString& nome, int tamanho) { return {nome, TipoDado::Texto, tamanho}; }
DefColuna inteiro(const QString& nome) { return {nome, TipoDado::Inteiro}; }
DefColuna numero(const QString& nome) { return {nome, TipoDado::Numero}; }
DefColuna data(const QString& nome) { return {nome, TipoDado::Data}; }
DefColuna dataHora(const QString& nome) { return {nome, TipoDado::DataHora}; }
DefColuna memo(const QString& nome) { return {nome, TipoDado::Memo}; }
DefColuna chaveGerada(const QString& nome) {
    DefColuna c{nome, TipoDado::Inteiro};
    c.chave = true;
    c.geradaPeloBanco = true;
    return c;
}
DefColuna chave(DefColuna c) {
    c.chave = true;
    return c;
}
DefColuna obrigatoria(DefColuna c) {
    c.obrigatoria = true;
    return c;
}

}  // namespace rh::db
