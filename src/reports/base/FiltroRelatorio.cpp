#include "reports/base/FiltroRelatorio.h"

#include <QRegularExpression>

namespace rh::reports {

namespace {

const QString kPrefixo = QStringLiteral("FILTRO_");

// Builds the statement step by step and keeps the parameters its
// conditions use; each occurrence of a marker gets parameters of its own.
class Montagem {
public:
    explicit Montagem(QString sql) : m_sql(std::move(sql)) {}

    QString parametro(const QString& nome, const QVariant& valor) {
        const QString chave = kPrefixo + nome + QLatin1Char('_') + QString::number(++m_sequencia);
        m_parametros.insert(chave, valor);
        return QLatin1Char(':') + chave;
    }

    // Replaces every occurrence of the marker (case-sensitively); the
    // fragment is built again for each one.
    void substituir(const QString& marcador, const std::function<QString()>& fragmento) {
        qsizetype desde = 0;
        for (;;) {
            const qsizetype i = m_sql.indexOf(marcador, desde, Qt::CaseSensitive);
            if (i < 0) return;
            const QString texto = fragmento();
            m_sql.replace(i, marcador.size(), texto);
            desde = i + texto.size();
        }
    }

    void anexar(const QString& linha) { m_sql += QLatin1Char('\n') + linha; }
    void trocarTudo(const QString& sql) { m_sql = sql; }
    QString& sql() { return m_sql; }
    ComandoFiltrado resultado() const { return {m_sql, m_parametros}; }

private:
    QString m_sql;
    db::Parametros m_parametros;
    int m_sequencia = 0;
};

bool vazioDeData(const QString& texto) {
    for (const QChar c : texto)
        if (c.isDigit()) return false;
    return true;
}

QString mensagemData(const QString& texto) {
    return QStringLiteral("A data ") + texto.trimmed() + QStringLiteral(" não é válida.");
}

}  // namespace

QString ComandoFiltrado::texto() const {
    QString s = sql;
    if (!parametros.isEmpty()) {
        s += QStringLiteral("\n\n-- parâmetros");
        for (auto it = parametros.constBegin(); it != parametros.constEnd(); ++it) {
            const QVariant& v = it.value();
            QString valor = v.isNull() ? QStringLiteral("null")
                            : v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                                                            : v.toString();
            if (v.typeId() == QMetaType::QString) valor = QLatin1Char('\'') + valor + QLatin1Char('\'');
            s += QStringLiteral("\n-- :") + it.key() + QStringLiteral(" = ") + valor;
        }
    }
    return s;
}

QString FiltroRelatorio::comMarcadores(const QString& sql) {
    return sql + QLatin1Char('\n') +
           QStringList{kMarcadorCategoria, kMarcadorSituacao, kMarcadorSexo, kMarcadorUnidade, kMarcadorNome,
                       kMarcadorWhere}
               .join(QLatin1Char('\n'));
}

QString FiltroRelatorio::codigoCategoria(const QString& categoria) {
    static const QList<QPair<QString, QString>> codigos = {
        {QStringLiteral("PROFESSOR"), QStringLiteral("P")},
        {QStringLiteral("TÉCNICO ADMINISTRATIVO"), QStringLiteral("T")},
        {QStringLiteral("PROFESSOR CAIXA ESCOLAR"), QStringLiteral("C")},
        {QStringLiteral("PROFESSOR SUBSTITUTO"), QStringLiteral("S")},
        {QStringLiteral("INSTITUIDOR DE PENSÃO"), QStringLiteral("I")},
    };
    for (const auto& c : codigos)
        if (c.first == categoria) return c.second;
    return QString();
}

std::optional<QDate> FiltroRelatorio::lerData(const QString& texto) {
    if (vazioDeData(texto)) return std::nullopt;
    static const QRegularExpression formato(QStringLiteral("^\\s*(\\d{2})/(\\d{2})/(\\d{4})\\s*$"));
    const auto m = formato.match(texto);
    if (!m.hasMatch()) return QDate();
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

ResultadoFiltro FiltroRelatorio::montar(const AjustesRelatorio& ajustes, const EscolhasFiltro& e,
                                        const SessaoFiltro& sessao) {
    ResultadoFiltro r;

    // Checks first: nothing is built from a choice that cannot run.
    QStringList nomes = e.nomes;
    if (e.pagina == PaginaNomes::Individual) {
        if (nomes.isEmpty() || nomes.first().isEmpty()) {
            r.mensagem = QStringLiteral("Infome os nomes dos servidores.");
            r.campo = CampoFiltro::Nomes;
            return r;
        }
        nomes.removeAll(QString());
    }
    const bool p = e.categoria == kPensionista;
    std::optional<QDate> admissaoDe, admissaoAte;
    if (!p) {
        admissaoDe = lerData(e.admissaoInicial);
        admissaoAte = lerData(e.admissaoFinal);
        if (admissaoDe && !admissaoDe->isValid()) {
            r.mensagem = mensagemData(e.admissaoInicial);
            r.campo = CampoFiltro::AdmissaoInicial;
            return r;
        }
        if (admissaoAte && !admissaoAte->isValid()) {
            r.mensagem = mensagemData(e.admissaoFinal);
            r.campo = CampoFiltro::AdmissaoFinal;
            return r;
        }
    }

    Montagem m(ajustes.sqlORIG);

    // Category.
    if (e.categoria != kTodasCategorias) {
        if (!p) {
            const QString codigo = codigoCategoria(e.categoria);
            m.substituir(kMarcadorCategoria,
                         [&]() -> QString { return QStringLiteral("AND CATEGSERVIDOR= ") + m.parametro(QStringLiteral("CATEGORIA"), codigo); });
        } else {
            m.trocarTudo(kSqlPensionistas);
        }
    }

    // Situation: "F" stays out unless chosen.
    if (p) {
        if (e.situacaoPensionista != kTodasSituacoes)
            m.anexar(QStringLiteral(" AND SITUACAO = ") + m.parametro(QStringLiteral("SITUACAO"), e.situacaoPensionista));
    } else if (e.situacao != kCodigoTodasSituacoes && !e.situacao.isEmpty()) {
        m.substituir(kMarcadorSituacao,
                     [&]() -> QString { return QStringLiteral("AND SITUACAO= ") + m.parametro(QStringLiteral("SITUACAO"), e.situacao); });
    } else {
        m.substituir(kMarcadorSituacao, []() -> QString { return QStringLiteral("AND SITUACAO <>'F'"); });
    }

    // Sex.
    if (e.sexo != kAmbosSexos && !e.sexo.isEmpty()) {
        const QString letra = e.sexo.left(1).toUpper();
        if (!p)
            m.substituir(kMarcadorSexo, [&]() -> QString { return QStringLiteral("AND SEXO= ") + m.parametro(QStringLiteral("SEXO"), letra); });
        else
            m.anexar(QStringLiteral(" AND SEXO= ") + m.parametro(QStringLiteral("SEXO"), letra));
    }

    // Campus: a profile other than "A" is always held to its own campus.
    if (!p) {
        std::optional<int> unidade = e.unidade;
        if (unidade && *unidade == -1) unidade.reset();
        if (sessao.perfil != QLatin1String("A")) unidade = sessao.codUnidade;
        if (unidade)
            m.substituir(kMarcadorUnidade,
                         [&]() -> QString { return QStringLiteral("AND CODUNIDADE= ") + m.parametro(QStringLiteral("UNIDADE"), *unidade); });
    }

    // Names.
    const QString colunaNome = ajustes.CampoNomeRelatorio.isEmpty() ? QStringLiteral("NOME") : ajustes.CampoNomeRelatorio;
    if (e.pagina == PaginaNomes::Faixa) {
        if (e.nomeInicial.trimmed() != kTodosServidores || e.nomeFinal.trimmed() != kTodosServidores) {
            const auto faixa = [&]() -> QString {
                return QStringLiteral("AND UPPER(NOME) BETWEEN UPPER(") +
                       m.parametro(QStringLiteral("NOME_DE"), e.nomeInicial) + QStringLiteral(") AND UPPER(") +
                       m.parametro(QStringLiteral("NOME_ATE"), e.nomeFinal) + QStringLiteral(")");
            };
            if (!p)
                m.substituir(kMarcadorNome, faixa);
            else
                m.anexar(QLatin1Char(' ') + faixa());
        }
    } else {
        const auto lista = [&]() -> QString {
            QStringList marcas;
            for (const QString& nome : nomes) marcas << m.parametro(QStringLiteral("NOME"), nome);
            return QStringLiteral(" AND ") + colunaNome + QStringLiteral(" IN (") + marcas.join(QLatin1Char(',')) +
                   QLatin1Char(')');
        };
        if (!p)
            m.substituir(kMarcadorNome, lista);
        else
            m.anexar(lista());
    }

    // The report's own condition and the admission period.
    if (!p) {
        if (!ajustes.Where.isEmpty()) {
            m.substituir(kMarcadorWhere, [&]() -> QString { return ajustes.Where; });
        }
        if (admissaoDe && admissaoAte)
            m.anexar(QStringLiteral(" AND DTADMISSAO BETWEEN ") + m.parametro(QStringLiteral("ADMISSAO_DE"), *admissaoDe) +
                     QStringLiteral(" AND ") + m.parametro(QStringLiteral("ADMISSAO_ATE"), *admissaoAte));
        else if (admissaoDe)
            m.anexar(QStringLiteral(" AND DTADMISSAO >= ") + m.parametro(QStringLiteral("ADMISSAO_DE"), *admissaoDe));
        else if (admissaoAte)
            m.anexar(QStringLiteral(" AND DTADMISSAO <= ") + m.parametro(QStringLiteral("ADMISSAO_ATE"), *admissaoAte));
    }

    // Order.
    if (e.ordem == kOrdemNome)
        m.anexar(QStringLiteral(" ORDER BY NOME") + ajustes.OrderBy);
    else if (e.ordem == kOrdemMatricula)
        m.anexar(QStringLiteral(" ORDER BY NUMMATRIC") + ajustes.OrderBy);
    else {
        // Only the report's own ordering (a blanked combo); without one the
        // rows keep the database's order instead of breaking the statement.
        QString ordem = ajustes.OrderBy.trimmed();
        if (ordem.startsWith(QLatin1Char(','))) ordem = ordem.mid(1).trimmed();
        if (!ordem.isEmpty()) m.anexar(QStringLiteral(" ORDER BY ") + ordem);
    }

    // Servant reports run on the view that also holds the pension
    // institutors; names already pointing at that view (or any longer name)
    // are left alone.
    if (!p) {
        static const QRegularExpression visao(
            QStringLiteral("(?<![A-Za-z0-9_$])(VORK_VW_SERVIDORES|vork_vw_servidores)(?![A-Za-z0-9_$])"));
        m.sql().replace(visao, QStringLiteral("VORK_VW_SERVIDORES_COM_PENS"));
    }

    if (!ajustes.CampoNomeRelatorio.isEmpty())
        m.sql().replace(QStringLiteral("UPPER(NOME)"), QStringLiteral("UPPER(") + ajustes.CampoNomeRelatorio + QLatin1Char(')'));

    ComandoFiltrado comando = m.resultado();
    if (!p && !ajustes.Where.isEmpty())
        for (auto it = ajustes.parametrosWhere.constBegin(); it != ajustes.parametrosWhere.constEnd(); ++it)
            comando.parametros.insert(it.key(), it.value());
    r.comando = std::move(comando);
    return r;
}

}  // namespace rh::reports
