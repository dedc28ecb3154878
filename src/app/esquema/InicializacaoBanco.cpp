#include "app/esquema/InicializacaoBanco.h"

#include "app/demo/Demo.h"
#include "app/esquema/EsquemaCentral.h"
#include "platform/db/Conexao.h"
#include "platform/db/ErroBanco.h"

namespace rh::app {

QString ResultadoInicializacao::resumo() const {
    QString s = migracoesAplicadas == 0 ? QStringLiteral("Esquema do banco já atualizado")
                                        : QStringLiteral("%1 migração(ões) aplicada(s)").arg(migracoesAplicadas);
    if (servidoresCriados > 0)
        s += QStringLiteral("; dados de demonstração com %1 servidores").arg(servidoresCriados);
    else if (demoDispensada)
        s += QStringLiteral("; o banco já tem servidores: dados de demonstração não incluídos");
    return s + '.';
}

ResultadoInicializacao inicializarBanco(db::Conexao& conexao, const RegistroEsquemas& registro,
                                        std::optional<int> demo) {
    if (demo && *demo < 0)
        throw db::ErroBanco(QStringLiteral("Quantidade de servidores de demonstração inválida: %1").arg(*demo));
    ResultadoInicializacao r;
    r.migracoesAplicadas = registro.aplicarMigracoes(conexao);
    if (demo) {
        const qlonglong existentes = conexao.valor(QStringLiteral("SELECT COUNT(*) FROM VORK_SERVIDORES")).toLongLong();
        if (existentes > 0) {
            r.demoDispensada = true;
        } else {
            preencherDemo(conexao, *demo);
            r.servidoresCriados =
                int(conexao.valor(QStringLiteral("SELECT COUNT(*) FROM VORK_SERVIDORES")).toLongLong());
        }
    }
    return r;
}

ResultadoInicializacao inicializarBanco(db::Conexao& conexao, std::optional<int> demo) {
    return inicializarBanco(conexao, RegistroEsquemas().adicionar(moduloCentral()), demo);
}

}  // namespace rh::app
