#include "platform/db/Dataset.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <climits>

#include "platform/db/ErroBanco.h"

namespace rh::db {

namespace {

constexpr int kPagina = 256;

QStringList relacoesDoComando(const QString& sql) {
    // Table and view names after FROM / JOIN and in comma-separated FROM
    // lists; enough to type the fields of the program's own statements.
    static const QRegularExpression de(QStringLiteral(R"(\b(?:FROM|JOIN)\s+([A-Za-z_][\w]*)((?:\s+[A-Za-z_]\w*)?(?:\s*,\s*[A-Za-z_][\w]*(?:\s+[A-Za-z_]\w*)?)*))"),
                                       QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression virgula(QStringLiteral(R"(,\s*([A-Za-z_][\w]*))"));
    QStringList r;
    auto it = de.globalMatch(sql);
    while (it.hasNext()) {
        const auto m = it.next();
        r << m.captured(1).toUpper();
        auto jt = virgula.globalMatch(m.captured(2));
        while (jt.hasNext()) r << jt.next().captured(1).toUpper();
    }
    return r;
}

TipoDado tipoDoDriver(const QSqlField& f) {
    switch (f.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            return TipoDado::Inteiro;
        case QMetaType::Double:
        case QMetaType::Float:
            return TipoDado::Numero;
        case QMetaType::QDate: return TipoDado::Data;
        case QMetaType::QDateTime: return TipoDado::DataHora;
        case QMetaType::QTime: return TipoDado::Hora;
        case QMetaType::Bool: return TipoDado::Booleano;
        case QMetaType::QByteArray: return TipoDado::Blob;
        default: return TipoDado::Texto;
    }
}

bool iguais(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull();
    return a == b;
}

}  // namespace

Dataset::Dataset(Conexao& conexao, QObject* parent) : QObject(parent), m_conexao(conexao) {}

Dataset::~Dataset() { m_conexao.removerLeituraPendente(this); }

void Dataset::defineSql(const QString& sql) {
    if (ativo()) fechar();
    m_sql = sql;
}

void Dataset::defineParametro(const QString& nome, const QVariant& valor) {
    for (auto it = m_parametros.begin(); it != m_parametros.end(); ++it) {
        if (it.key().compare(nome, Qt::CaseInsensitive) == 0) {
            it.value() = valor;
            return;
        }
    }
    m_parametros.insert(nome, valor);
}

QVariant Dataset::parametro(const QString& nome) const {
    for (auto it = m_parametros.constBegin(); it != m_parametros.constEnd(); ++it)
        if (it.key().compare(nome, Qt::CaseInsensitive) == 0) return it.value();
    return {};
}

void Dataset::defineTabelaAtualizacao(const QString& tabela, const QStringList& chaves) {
    m_tabela = tabela.toUpper();
    m_chaves.clear();
    for (const auto& c : chaves) m_chaves << c.toUpper();
    if (m_chaves.isEmpty()) {
        if (const auto* t = m_conexao.catalogo().tabela(m_tabela))
            for (const auto& c : t->chaves()) m_chaves << c.toUpper();
    }
}

DefCampo& Dataset::definirCampo(const QString& nome) { return m_definicoes[nome.toUpper()]; }

void Dataset::adicionarCampoCalculado(const QString& nome, TipoDado tipo,
                                      std::function<QVariant(const LinhaDataset&)> calculo) {
    const QString n = nome.toUpper();
    definirCampo(n).calculo = std::move(calculo);
    if (!m_calculados.contains(n)) m_calculados << n;
    m_tiposCalculados.insert(n, tipo);
}

std::optional<DefColuna> Dataset::colunaDoEsquema(const QString& nome) const {
    const Catalogo& cat = m_conexao.catalogo();
    if (!m_tabela.isEmpty())
        if (const auto* c = cat.coluna(m_tabela, nome)) return *c;
    for (const auto& r : m_relacoes)
        if (const auto* c = cat.coluna(r, nome)) return *c;
    return std::nullopt;
}

void Dataset::montarCampos(const QSqlRecord& registro) {
    m_campos.clear();
    m_indicePorNome.clear();
    const Catalogo& cat = m_conexao.catalogo();
    for (int i = 0; i < registro.count(); ++i) {
        const QSqlField f = registro.field(i);
        const QString nome = f.name().toUpper();
        const DefCampo def = m_definicoes.value(nome);
        TipoDado tipo = tipoDoDriver(f);
        int tamanho = f.length() > 0 ? f.length() : 0;
        if (auto col = colunaDoEsquema(nome)) {
            tipo = col->tipo;
            tamanho = col->tamanho;
        } else if (tipo == TipoDado::Texto || tipo == TipoDado::Inteiro) {
            // Expressions on the embedded database carry no declared type.
            if (const auto* c = cat.colunaPorNome(nome);
                c && (c->tipo == TipoDado::Data || c->tipo == TipoDado::DataHora))
                tipo = c->tipo;
        }
        if (def.tipo) tipo = *def.tipo;
        if (def.tamanho >= 0) tamanho = def.tamanho;
        m_indicePorNome.insert(nome, int(m_campos.size()));
        m_campos.push_back(std::make_unique<Campo>(*this, int(m_campos.size()), nome, tipo, tamanho, def));
    }
    for (const auto& n : m_calculados) {
        if (m_indicePorNome.contains(n)) continue;
        m_indicePorNome.insert(n, int(m_campos.size()));
        m_campos.push_back(std::make_unique<Campo>(*this, int(m_campos.size()), n, m_tiposCalculados.value(n),
                                                   0, m_definicoes.value(n)));
    }
}

void Dataset::abrir() {
    if (ativo()) return;
    if (m_mestre) acompanharMestre();
    m_relacoes = relacoesDoComando(m_sql);
    QSqlQuery q = m_conexao.executarLeitura(m_sql, m_parametros);
    montarCampos(q.record());
    m_linhas.clear();
    m_consulta = std::move(q);
    m_conexao.registrarLeituraPendente(this);
    m_estado = EstadoDataset::Navegando;
    Q_EMIT dadosReiniciados();
    lerMais(kPagina);
    m_atual = m_linhas.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_linhas.empty();
    Q_EMIT estadoMudou(m_estado);
    Q_EMIT aposAbrir();
    Q_EMIT aposRolar();
}

void Dataset::fechar() {
    if (!ativo()) return;
    m_consulta.reset();
    m_conexao.removerLeituraPendente(this);
    m_linhas.clear();
    m_buffer.clear();
    m_linhaEditada = -1;
    m_atual = -1;
    m_bof = m_eof = true;
    m_estado = EstadoDataset::Inativo;
    Q_EMIT dadosReiniciados();
    Q_EMIT estadoMudou(m_estado);
    Q_EMIT aposFechar();
}

void Dataset::reabrir() {
    fechar();
    abrir();
}

Campo& Dataset::campo(int indice) const {
    if (indice < 0 || indice >= int(m_campos.size()))
        throw ErroBanco(QStringLiteral("Campo %1 inexistente.").arg(indice), m_sql);
    return *m_campos[size_t(indice)];
}

Campo* Dataset::procurarCampo(const QString& nome) const {
    const auto it = m_indicePorNome.constFind(nome.toUpper());
    return it == m_indicePorNome.constEnd() ? nullptr : m_campos[size_t(*it)].get();
}

Campo& Dataset::campo(const QString& nome) const {
    if (Campo* c = procurarCampo(nome)) return *c;
    throw ErroBanco(QStringLiteral("Campo '%1' não encontrado.").arg(nome), m_sql);
}

void Dataset::concluirLeitura() { lerMais(INT_MAX); }

int Dataset::lerMais(int n) {
    if (!m_consulta) return 0;
    std::vector<Linha> novas;
    int colunas = 0;
    for (const auto& c : m_campos) colunas += c->calculado() ? 0 : 1;
    QSqlQuery& q = *m_consulta;
    bool fim = false;
    while (int(novas.size()) < n) {
        if (!q.next()) {
            fim = true;
            break;
        }
        Linha l;
        l.reserve(colunas);
        for (int i = 0; i < colunas; ++i) l << converterValor(q.value(i), m_campos[size_t(i)]->tipo());
        novas.push_back(std::move(l));
    }
    if (fim) {
        if (q.lastError().isValid()) {
            const QString erro = q.lastError().text();
            m_consulta.reset();
            m_conexao.removerLeituraPendente(this);
            throw ErroBanco(erro, m_sql);
        }
        m_consulta.reset();
        m_conexao.removerLeituraPendente(this);
    }
    if (!novas.empty()) {
        const int primeira = int(m_linhas.size());
        Q_EMIT antesDeAcrescentarLinhas(primeira, primeira + int(novas.size()) - 1);
        for (auto& l : novas) m_linhas.push_back(std::move(l));
        Q_EMIT linhasAcrescentadas();
    }
    return int(novas.size());
}

bool Dataset::vazio() {
    exigirAtivo();
    return m_linhas.empty() && m_estado != EstadoDataset::Inserindo;
}

void Dataset::exigirAtivo() const {
    if (!ativo()) throw ErroBanco(QStringLiteral("O conjunto de dados está fechado."), m_sql);
}

void Dataset::exigirNavegando(const char* acao) const {
    exigirAtivo();
    if (editando())
        throw ErroBanco(QStringLiteral("Não é possível %1 com um registro em edição.").arg(QString::fromUtf8(acao)),
                        m_sql);
}

bool Dataset::irPara(int linha) {
    exigirAtivo();
    if (editando()) gravar();
    while (linha >= int(m_linhas.size()) && lerMais(kPagina) > 0) {
    }
    if (m_linhas.empty()) {
        m_atual = -1;
        m_bof = m_eof = true;
        return false;
    }
    const int destino = std::clamp(linha, 0, int(m_linhas.size()) - 1);
    const bool mudou = destino != m_atual;
    m_atual = destino;
    m_bof = linha < 0;
    m_eof = linha >= int(m_linhas.size());
    if (mudou) Q_EMIT aposRolar();
    return destino == linha;
}

void Dataset::primeiro() {
    irPara(0);
    m_bof = true;
}

void Dataset::ultimo() {
    exigirAtivo();
    if (editando()) gravar();
    lerMais(INT_MAX);
    irPara(int(m_linhas.size()) - 1);
    m_eof = true;
}

void Dataset::proximo() {
    exigirAtivo();
    if (m_linhas.empty() && !editando()) {
        m_eof = true;
        return;
    }
    irPara(m_atual + 1);
    m_bof = false;
}

void Dataset::anterior() {
    exigirAtivo();
    irPara(m_atual - 1);
    m_eof = false;
}

int Dataset::contagem() {
    exigirAtivo();
    lerMais(INT_MAX);
    return int(m_linhas.size()) + (m_estado == EstadoDataset::Inserindo ? 1 : 0);
}

bool Dataset::localizar(const QString& nomeCampo, const QVariant& valor, OpcoesLocalizar opcoes) {
    exigirAtivo();
    if (editando()) gravar();
    const Campo& c = campo(nomeCampo);
    QVariant procurado;
    try {
        procurado = converterValor(valor, c.tipo());
    } catch (const ErroBanco&) {
        return false;
    }
    const auto cs = opcoes.ignorarCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int i = 0;; ++i) {
        if (i >= int(m_linhas.size()) && lerMais(kPagina) == 0) return false;
        const QVariant v = valorNaLinha(i, c.indice());
        bool igual;
        if (c.ehTexto() && !v.isNull() && !procurado.isNull()) {
            const QString s = v.toString(), p = procurado.toString();
            igual = opcoes.parcial ? s.startsWith(p, cs) : s.compare(p, cs) == 0;
        } else {
            igual = iguais(v, procurado);
        }
        if (igual) {
            irPara(i);
            return true;
        }
    }
}

QVariant Dataset::valorNaLinha(int linha, int indiceCampo) const {
    if (linha < 0 || linha >= int(m_linhas.size())) return {};
    const Campo& c = campo(indiceCampo);
    const Linha& l = (editando() && linha == m_linhaEditada) ? m_buffer : m_linhas[size_t(linha)];
    if (c.calculado()) return c.definicao().calculo(LinhaDataset(*this, l));
    return indiceCampo < l.size() ? l.at(indiceCampo) : QVariant();
}

QVariant Dataset::valorAtual(int indiceCampo) const {
    exigirAtivo();
    const Campo& c = campo(indiceCampo);
    static const Linha vazia;
    const Linha& l = editando() ? m_buffer : (m_atual >= 0 ? m_linhas[size_t(m_atual)] : vazia);
    if (c.calculado()) return c.definicao().calculo(LinhaDataset(*this, l));
    return indiceCampo < l.size() ? l.at(indiceCampo) : QVariant();
}

void Dataset::defineValorAtual(int indiceCampo, const QVariant& valor) {
    if (!editando())
        throw ErroBanco(QStringLiteral("O registro não está em edição: o campo %1 não pode ser alterado.")
                            .arg(campo(indiceCampo).nome()),
                        m_sql);
    const Campo& c = campo(indiceCampo);
    if (c.calculado()) return;
    const QVariant convertido = converterValor(valor, c.tipo());
    if (iguais(m_buffer[indiceCampo], convertido) && m_buffer[indiceCampo].typeId() == convertido.typeId())
        return;
    m_buffer[indiceCampo] = convertido;
    m_modificado = true;
    Q_EMIT valorAlterado(indiceCampo);
    if (m_linhaEditada >= 0) Q_EMIT linhaAlterada(m_linhaEditada);
}

void Dataset::mudarEstado(EstadoDataset estado) {
    m_estado = estado;
    Q_EMIT estadoMudou(estado);
}

void Dataset::inserir() {
    exigirAtivo();
    if (editando()) gravar();
    lerMais(INT_MAX);
    int colunas = 0;
    for (const auto& c : m_campos) colunas += c->calculado() ? 0 : 1;
    m_buffer = Linha(colunas);
    m_original = m_buffer;
    m_modificado = false;
    // The new record is shown as the last row while it is being inserted.
    m_linhaEditada = int(m_linhas.size());
    Q_EMIT antesDeAcrescentarLinhas(m_linhaEditada, m_linhaEditada);
    m_linhas.push_back(m_buffer);
    Q_EMIT linhasAcrescentadas();
    m_atual = m_linhaEditada;
    m_bof = m_eof = false;
    mudarEstado(EstadoDataset::Inserindo);
    for (auto& g : m_novoRegistro) g(*this);
    Q_EMIT aposInserir();
    Q_EMIT aposRolar();
}

void Dataset::editar() {
    exigirAtivo();
    if (editando()) return;
    if (m_atual < 0) throw ErroBanco(QStringLiteral("Não há registro para editar."), m_sql);
    m_buffer = m_linhas[size_t(m_atual)];
    m_original = m_buffer;
    m_linhaEditada = m_atual;
    m_modificado = false;
    mudarEstado(EstadoDataset::Editando);
    Q_EMIT aposEditar();
}

void Dataset::gravar() {
    exigirAtivo();
    if (!editando()) return;
    for (auto& g : m_antesGravar) g(*this);
    if (!m_tabela.isEmpty()) gravarNaTabela();
    m_linhas[size_t(m_linhaEditada)] = m_buffer;
    const int linha = m_linhaEditada;
    m_linhaEditada = -1;
    m_modificado = false;
    mudarEstado(EstadoDataset::Navegando);
    Q_EMIT linhaAlterada(linha);
    Q_EMIT aposGravar();
}

void Dataset::gravarNaTabela() {
    const DefTabela* def = m_conexao.catalogo().tabela(m_tabela);
    auto pertence = [&](const Campo& c) { return !c.calculado() && (!def || def->coluna(c.nome())); };
    auto ehChaveGerada = [&](const Campo& c) {
        const DefColuna* col = def ? def->coluna(c.nome()) : nullptr;
        return col && col->geradaPeloBanco;
    };
    Parametros p;
    if (m_estado == EstadoDataset::Inserindo) {
        QStringList colunas, valores;
        QString chaveGerada;
        for (const auto& c : m_campos) {
            if (!pertence(*c)) continue;
            const QVariant v = m_buffer[c->indice()];
            // A generated key left empty (or posted as 0, as some windows do)
            // is assigned by the database.
            if (ehChaveGerada(*c) && (v.isNull() || v.toLongLong() == 0)) {
                chaveGerada = c->nome();
                continue;
            }
            if (v.isNull()) continue;
            colunas << c->nome();
            valores << ":P" + QString::number(c->indice());
            p.insert("P" + QString::number(c->indice()), v);
        }
        QString sql = QStringLiteral("INSERT INTO ") + m_tabela;
        if (colunas.isEmpty())
            sql += QStringLiteral(" DEFAULT VALUES");
        else
            sql += " (" + colunas.join(", ") + ") VALUES (" + valores.join(", ") + ")";
        if (!chaveGerada.isEmpty()) sql += m_conexao.dialeto().retornando(chaveGerada);
        QSqlQuery q = m_conexao.executar(sql, p);
        if (!chaveGerada.isEmpty()) {
            if (!q.next()) throw ErroBanco(QStringLiteral("O banco não devolveu a chave do novo registro."), sql);
            m_buffer[campo(chaveGerada).indice()] = converterValor(q.value(0), TipoDado::Inteiro);
        }
        return;
    }
    if (m_chaves.isEmpty())
        throw ErroBanco(QStringLiteral("A tabela %1 não tem chave para gravar o registro.").arg(m_tabela), m_sql);
    QStringList sets;
    for (const auto& c : m_campos) {
        if (!pertence(*c) || m_chaves.contains(c->nome())) continue;
        const QVariant v = m_buffer[c->indice()];
        if (iguais(v, m_original[c->indice()])) continue;
        sets << c->nome() + " = :P" + QString::number(c->indice());
        p.insert("P" + QString::number(c->indice()), v);
    }
    if (sets.isEmpty()) return;
    QStringList onde;
    for (const auto& k : m_chaves) {
        const Campo& c = campo(k);
        onde << k + " = :K" + QString::number(c.indice());
        p.insert("K" + QString::number(c.indice()), m_original[c.indice()]);
    }
    const QString sql = "UPDATE " + m_tabela + " SET " + sets.join(", ") + " WHERE " + onde.join(" AND ");
    QSqlQuery q = m_conexao.executar(sql, p);
    if (q.numRowsAffected() == 0)
        throw ErroBanco(QStringLiteral("O registro não existe mais no banco de dados."), sql);
}

void Dataset::cancelar() {
    if (!editando()) return;
    if (m_estado == EstadoDataset::Inserindo) {
        const int linha = m_linhaEditada;
        Q_EMIT antesDeRemoverLinha(linha);
        m_linhas.erase(m_linhas.begin() + linha);
        Q_EMIT linhaRemovida();
        m_atual = m_linhas.empty() ? -1 : std::min(linha, int(m_linhas.size()) - 1);
    } else {
        Q_EMIT linhaAlterada(m_linhaEditada);
    }
    m_buffer.clear();
    m_linhaEditada = -1;
    m_modificado = false;
    mudarEstado(EstadoDataset::Navegando);
    Q_EMIT aposCancelar();
    Q_EMIT aposRolar();
}

void Dataset::excluir() {
    exigirAtivo();
    if (m_estado == EstadoDataset::Inserindo) {
        cancelar();
        return;
    }
    if (editando()) cancelar();
    if (m_atual < 0) throw ErroBanco(QStringLiteral("Não há registro para excluir."), m_sql);
    for (auto& g : m_antesExcluir) g(*this);
    if (!m_tabela.isEmpty()) {
        if (m_chaves.isEmpty())
            throw ErroBanco(QStringLiteral("A tabela %1 não tem chave para excluir o registro.").arg(m_tabela), m_sql);
        Parametros p;
        QStringList onde;
        for (const auto& k : m_chaves) {
            const Campo& c = campo(k);
            onde << k + " = :K" + QString::number(c.indice());
            p.insert("K" + QString::number(c.indice()), m_linhas[size_t(m_atual)][c.indice()]);
        }
        m_conexao.executar("DELETE FROM " + m_tabela + " WHERE " + onde.join(" AND "), p);
    }
    const int linha = m_atual;
    Q_EMIT antesDeRemoverLinha(linha);
    m_linhas.erase(m_linhas.begin() + linha);
    Q_EMIT linhaRemovida();
    if (m_linhas.empty() && !leituraCompleta()) lerMais(kPagina);
    m_atual = m_linhas.empty() ? -1 : std::min(linha, int(m_linhas.size()) - 1);
    m_eof = m_linhas.empty();
    Q_EMIT aposExcluir();
    Q_EMIT aposRolar();
}

void Dataset::vincularMestre(Dataset& mestre, const QHash<QString, QString>& parametroParaCampo) {
    m_mestre = &mestre;
    m_parametroParaCampo = parametroParaCampo;
    auto seguir = [this] {
        if (m_mestre->editando()) return;
        fechar();
        abrir();
    };
    connect(&mestre, &Dataset::aposAbrir, this, seguir);
    connect(&mestre, &Dataset::aposRolar, this, seguir);
    connect(&mestre, &Dataset::aposFechar, this, &Dataset::fechar);
    connect(&mestre, &QObject::destroyed, this, [this] { m_mestre = nullptr; });
}

void Dataset::acompanharMestre() {
    for (auto it = m_parametroParaCampo.constBegin(); it != m_parametroParaCampo.constEnd(); ++it) {
        QVariant v;
        if (m_mestre->ativo())
            if (const Campo* c = m_mestre->procurarCampo(it.value())) v = c->valor();
        defineParametro(it.key(), v);
    }
}

}  // namespace rh::db
