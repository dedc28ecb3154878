#include "FixtureRelatorios.h"

#include <QCoreApplication>

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "platform/db/Dataset.h"
#include "platform/db/GuardaTransacao.h"
#include "platform/relatorio/JanelaVisualizacao.h"
#include "support/PdfTexto.h"
#include "reports/base/EsquemaPensionistas.h"

namespace rh::teste {

const QString FixtureRelatorios::kNomeApostrofo = QStringLiteral("JOANA D'ARC DOS SANTOS");
const QString FixtureRelatorios::kNomeHostil =
    QStringLiteral("Z') OR 1=1 /* AND SEXO= */ UPPER(NOME)--");

void ExportacaoGravada::exportar(db::Dataset& dataset) {
    ++vezes;
    linhas.clear();
    for (dataset.primeiro(); !dataset.noFim(); dataset.proximo()) {
        QVariantMap linha;
        for (int i = 0; i < dataset.quantidadeCampos(); ++i) linha.insert(dataset.campo(i).nome(), dataset.campo(i).valor());
        linhas << linha;
    }
}

const app::RegistroEsquemas& FixtureRelatorios::registro() {
    static const app::RegistroEsquemas r = [] {
        app::RegistroEsquemas x;
        x.adicionar(app::moduloCentral());
        x.adicionar(reports::moduloPensionistas());
        return x;
    }();
    return r;
}

void FixtureRelatorios::prepararEsquema(db::Conexao& c) {
    registro().aplicarMigracoes(c);
    app::preencherDemo(c, 60);
    db::GuardaTransacao g(c);
    const auto renomear = [&](qlonglong matricula, const QString& nome) {
        c.executar(QStringLiteral("UPDATE VORK_USUARIOS SET NOME = :N WHERE NUMMATRIC = :M"), {{"N", nome}, {"M", matricula}});
        c.executar(QStringLiteral("UPDATE VORK_SERVIDORES SET SITUACAO = 'A', CATEGSERVIDOR = 'P' WHERE CODSERVIDOR = "
                                  "(SELECT CODUSUARIO FROM VORK_USUARIOS WHERE NUMMATRIC = :M)"),
                   {{"M", matricula}});
    };
    renomear(kMatriculaApostrofo, kNomeApostrofo);
    renomear(kMatriculaHostil, kNomeHostil);
    struct Pensionista {
        int matricula;
        const char* nome;
        const char* sexo;
        const char* situacao;
    };
    const Pensionista pensionistas[] = {{5001, "BEATRIZ PENSIONISTA", "F", "Ativo"},
                                        {5002, "CARLOS D'ÁVILA PENSIONISTA", "M", "Ativo"},
                                        {5003, "DORA PENSIONISTA ANTIGA", "F", "Inativo"}};
    for (const auto& p : pensionistas)
        c.executar(QStringLiteral("INSERT INTO RECH_PENSIONISTAS (NUMMATRIC, NOME, ENDERECO, CIDADE, ESTADO, SEXO, "
                                  "SITUACAO) VALUES (:M, :N, 'RUA DAS FLORES, 10', 'BELÉM', 'PA', :S, :T)"),
                   {{"M", p.matricula}, {"N", QString::fromUtf8(p.nome)}, {"S", QString::fromLatin1(p.sexo)},
                    {"T", QString::fromLatin1(p.situacao)}});
    g.confirmar();
}

void FixtureRelatorios::SetUp() {
    TesteComBanco::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    app::Configuracao cfg = app::Configuracao::padrao();
    cfg.banco = banco().configuracao();
    dm = std::make_unique<app::TDM>(cfg, catalogo());
    entrarComo(QStringLiteral("A"), 1);
    contexto = std::make_unique<app::ContextoJanela>(
        app::ContextoJanela{*dm, sessao, dialogos, executor, dm->configuracao(), campoNomeRelatorio, &exportacao});
    executor.defineInterceptador([this](QWidget& janela) {
        auto* previa = qobject_cast<relatorio::JanelaVisualizacao*>(&janela);
        if (!previa) return 0;
        ++m_previas;
        previa->salvarPdf();
        return 0;
    });
}

void FixtureRelatorios::TearDown() {
    contexto.reset();
    dm.reset();
    TesteComBanco::TearDown();
}

void FixtureRelatorios::entrarComo(const QString& perfil, int codUnidade) {
    sessao.Perfil = perfil;
    sessao.CodUnidade = codUnidade;
    sessao.CodUsuario = 1;
    dm->abrirUnidadeSede(codUnidade);
}

QList<QList<int>> FixtureRelatorios::ordensPorPagina(const QString& pdf, double larguraOrdMm) {
    std::vector<relatorio::teste::PaginaPdf> paginas;
    const auto palavras = relatorio::teste::palavrasPdf(pdf, &paginas);
    // Top to bottom: the words come in the order they were drawn.
    QList<QMap<double, int>> porAltura(qsizetype(paginas.size()));
    for (const auto& p : palavras) {
        bool numero = false;
        const int n = p.texto.toInt(&numero);
        if (numero && p.esquerda >= 9.5 && p.direita <= 10 + larguraOrdMm + 0.5) porAltura[p.pagina].insert(p.topo, n);
    }
    QList<QList<int>> r;
    for (const auto& pagina : porAltura) r << pagina.values();
    return r;
}

void FixtureRelatorios::salvarProximaPrevia(const QString& caminho) { dialogos.planejarArquivo(caminho); }

}  // namespace rh::teste
