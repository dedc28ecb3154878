#include "reports/base/EsquemaPensionistas.h"

#include "platform/db/Conexao.h"

namespace rh::reports {

using namespace db;

DefTabela tabelaPensionistas() {
    return {QStringLiteral("RECH_PENSIONISTAS"),
            {chaveGerada(QStringLiteral("CODPENSIONISTA")),
             inteiro(QStringLiteral("CODUSUARIO")),
             inteiro(QStringLiteral("NUMMATRIC")),
             texto(QStringLiteral("NOME"), 60),
             texto(QStringLiteral("ENDERECO"), 40),
             texto(QStringLiteral("COMPLEMENTO"), 40),
             texto(QStringLiteral("BAIRRO"), 30),
             texto(QStringLiteral("CIDADE"), 30),
             texto(QStringLiteral("ESTADO"), 2),
             texto(QStringLiteral("CEP"), 9),
             texto(QStringLiteral("FONERES"), 15),
             texto(QStringLiteral("CELULAR"), 15),
             texto(QStringLiteral("SEXO"), 1),
             inteiro(QStringLiteral("ESTADOCIVIL")),
             data(QStringLiteral("DTNASC")),
             texto(QStringLiteral("CIDADENASC"), 30),
             texto(QStringLiteral("ESTADONASC"), 2),
             inteiro(QStringLiteral("NACIONALIDADE")),
             texto(QStringLiteral("IDENTIDADE"), 16),
             data(QStringLiteral("DTEMISSAO")),
             texto(QStringLiteral("ORGAOEMISSOR"), 15),
             texto(QStringLiteral("CPF"), 11),
             texto(QStringLiteral("TITELEITOR"), 15),
             texto(QStringLiteral("ZONAELEITORAL"), 3),
             texto(QStringLiteral("SECAOELEITORAL"), 3),
             texto(QStringLiteral("EMAIL"), 40),
             texto(QStringLiteral("SITUACAO"), 7),
             data(QStringLiteral("DTINIBENEFICIO")),
             data(QStringLiteral("DTFINBENEFICIO")),
             texto(QStringLiteral("TIPOPENSAO"), 10),
             texto(QStringLiteral("GRAUPARENTESCO"), 7),
             texto(QStringLiteral("MOTIVO"), 21),
             inteiro(QStringLiteral("CODPLANOSAUDE"))},
            {QStringLiteral("FOREIGN KEY (CODUSUARIO) REFERENCES VORK_USUARIOS (CODUSUARIO)"),
             QStringLiteral("FOREIGN KEY (CODPLANOSAUDE) REFERENCES RECH_PLANOSSAUDE (CODPLANOSAUDE)")}};
}

void registrarCatalogoPensionistas(Catalogo& catalogo) { catalogo.registrar(tabelaPensionistas()); }

std::vector<Migracao> migracoesPensionistas() {
    return {{QString::fromLatin1(kModuloPensionistas), 1, QStringLiteral("tabela de pensionistas"),
             [](Conexao& c) { criarTabela(c, tabelaPensionistas()); }}};
}

app::ModuloEsquema moduloPensionistas() {
    return {QString::fromLatin1(kModuloPensionistas), registrarCatalogoPensionistas, migracoesPensionistas, {}};
}

}  // namespace rh::reports
