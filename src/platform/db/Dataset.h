#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/db/Campo.h"
#include "platform/db/Conexao.h"

namespace rh::db {

enum class EstadoDataset { Inativo, Navegando, Inserindo, Editando };

struct OpcoesLocalizar {
    bool ignorarCaixa = false;  // compare text case-insensitively
    bool parcial = false;       // text value is a prefix
};

// The program's dataset: a statement with :NAME parameters read into an
// in-memory static cursor, its fields, the browse/insert/edit states, and
// the write-through of posted records to one named table by its key.
//
// Rows are read from the database in pages as they are needed (navigation,
// a grid scrolling, a locate); memory grows with what has been read. When
// the backend cannot keep a partly read result open while other statements
// run, the connection makes the dataset finish its reading first.
class Dataset : public QObject, private LeituraPendente {
    Q_OBJECT
public:
    using Linha = QList<QVariant>;
    using Gancho = std::function<void(Dataset&)>;

    explicit Dataset(Conexao& conexao, QObject* parent = nullptr);
    ~Dataset() override;

    Conexao& conexao() const { return m_conexao; }

    // Statement and parameters.
    void defineSql(const QString& sql);
    const QString& sql() const { return m_sql; }
    void defineParametro(const QString& nome, const QVariant& valor);
    QVariant parametro(const QString& nome) const;
    const Parametros& parametros() const { return m_parametros; }

    // Where posted records go; the key columns come from the schema when not
    // given. Without a table the dataset is read-only.
    void defineTabelaAtualizacao(const QString& tabela, const QStringList& chaves = {});
    const QString& tabelaAtualizacao() const { return m_tabela; }

    // Field definitions kept across reopenings. definirCampo may be called
    // before the dataset is opened; the settings apply when the field appears.
    DefCampo& definirCampo(const QString& nome);
    void adicionarCampoCalculado(const QString& nome, TipoDado tipo,
                                 std::function<QVariant(const LinhaDataset&)> calculo);

    // Opening and closing.
    void abrir();
    void fechar();
    void reabrir();
    bool ativo() const { return m_estado != EstadoDataset::Inativo; }
    EstadoDataset estado() const { return m_estado; }
    bool editando() const {
        return m_estado == EstadoDataset::Inserindo || m_estado == EstadoDataset::Editando;
    }

    // Fields of the open dataset.
    int quantidadeCampos() const { return int(m_campos.size()); }
    Campo& campo(int indice) const;
    Campo& campo(const QString& nome) const;  // throws ErroBanco when unknown
    Campo* procurarCampo(const QString& nome) const;
    QVariant valor(const QString& nome) const { return campo(nome).valor(); }

    // Navigation over the rows read so far (more are read as needed).
    bool vazio();
    int linhaAtual() const { return m_atual; }  // -1 when empty
    bool noInicio() const { return m_bof; }
    bool noFim() const { return m_eof; }
    void primeiro();
    void ultimo();
    void proximo();
    void anterior();
    bool irPara(int linha);
    int contagem();  // reads every remaining row
    int linhasLidas() const { return int(m_linhas.size()); }
    bool leituraCompleta() const { return !m_consulta.has_value(); }
    // Reads up to n more rows; returns how many were read.
    int lerMais(int n);
    bool localizar(const QString& nomeCampo, const QVariant& valor, OpcoesLocalizar opcoes = {});
    // Value of a row already read, for grids.
    QVariant valorNaLinha(int linha, int indiceCampo) const;

    // Editing.
    void inserir();  // appends a new record and enters the insert state
    void editar();
    void gravar();   // posts the record (writes it to the table)
    void cancelar();
    void excluir();
    bool modificado() const { return m_modificado; }

    // Hooks that run before an action and may stop it by throwing.
    void aoAntesDeGravar(Gancho g) { m_antesGravar.push_back(std::move(g)); }
    void aoAntesDeExcluir(Gancho g) { m_antesExcluir.push_back(std::move(g)); }
    void aoNovoRegistro(Gancho g) { m_novoRegistro.push_back(std::move(g)); }

    // Master-detail: this dataset's parameters follow fields of the master's
    // current row; it is reopened when the master opens or moves and closed
    // when the master closes.
    void vincularMestre(Dataset& mestre, const QHash<QString, QString>& parametroParaCampo);

    // Reading and writing of the current record by field index (Campo).
    QVariant valorAtual(int indiceCampo) const;
    void defineValorAtual(int indiceCampo, const QVariant& valor);

Q_SIGNALS:
    void aposAbrir();
    void aposFechar();
    void aposRolar();
    void aposInserir();
    void aposEditar();
    void aposGravar();
    void aposCancelar();
    void aposExcluir();
    void estadoMudou(rh::db::EstadoDataset estado);
    void valorAlterado(int indiceCampo);
    // For grids: rows about to be / just added at the end, a row changed or
    // removed, everything replaced.
    void antesDeAcrescentarLinhas(int primeira, int ultima);
    void linhasAcrescentadas();
    void linhaAlterada(int linha);
    void antesDeRemoverLinha(int linha);
    void linhaRemovida();
    void dadosReiniciados();

private:
    void concluirLeitura() override;
    void montarCampos(const QSqlRecord& registro);
    std::optional<DefColuna> colunaDoEsquema(const QString& nome) const;
    void mudarEstado(EstadoDataset estado);
    void exigirAtivo() const;
    void exigirNavegando(const char* acao) const;
    void gravarNaTabela();
    void acompanharMestre();
    Linha& linhaEditavel();

    Conexao& m_conexao;
    QString m_sql;
    Parametros m_parametros;
    QString m_tabela;
    QStringList m_chaves;
    QHash<QString, DefCampo> m_definicoes;
    QStringList m_calculados;  // names, in order of declaration
    QHash<QString, TipoDado> m_tiposCalculados;

    EstadoDataset m_estado = EstadoDataset::Inativo;
    std::vector<std::unique_ptr<Campo>> m_campos;
    QHash<QString, int> m_indicePorNome;
    std::vector<Linha> m_linhas;
    std::optional<QSqlQuery> m_consulta;
    QStringList m_relacoes;  // relations named in the statement, for typing
    int m_atual = -1;
    bool m_bof = true;
    bool m_eof = true;

    Linha m_buffer;       // record being inserted or edited
    Linha m_original;     // the row before editing
    int m_linhaEditada = -1;
    bool m_modificado = false;

    std::vector<Gancho> m_antesGravar;
    std::vector<Gancho> m_antesExcluir;
    std::vector<Gancho> m_novoRegistro;

    Dataset* m_mestre = nullptr;
    QHash<QString, QString> m_parametroParaCampo;
};

}  // namespace rh::db
