#include "ShellFixture.h"

#include "platform/db/GuardaTransacao.h"

namespace rh::teste {

void ShellFixture::prepararEsquema(db::Conexao& c) {
    app::aplicarMigracoes(c);
    db::GuardaTransacao g(c);
    c.executar("INSERT INTO VORK_UNIDADES (CODUNIDADE, NOME, SIGLA) VALUES (1, 'Campus Centro', 'CENTRO')");
    c.executar("INSERT INTO VORK_UNIDADES (CODUNIDADE, NOME, SIGLA) VALUES (2, 'Campus Norte', 'NORTE')");
    c.executar("INSERT INTO VORK_APLICACOES (CODAPLICACAO, EXECUTAVEL, VERSAO) VALUES (:A, 'cadastro-rh', '2')",
               {{"A", kAplicacao}});
    struct Pessoa {
        int matricula;
        const char* nome;
        const char* perfil;
        const char* senha;
    };
    const Pessoa pessoas[] = {{kAdmin, "Ana Administradora", "A", "senha1"},
                              {kUsuario, "Úrsula Usuária", "U", "senha1"},
                              {kConsulta, "Carlos Consulta", "C", "senha1"},
                              {kOutro, "Otávio Outro", "X", "Senha1x"},
                              {kSemAutorizacao, "Sérgio Sem Acesso", nullptr, "senha1"}};
    for (const auto& p : pessoas) {
        const int cod = p.matricula - 1000;
        c.executar("INSERT INTO VORK_USUARIOS (CODUSUARIO, CATEGORIA, NUMMATRIC, NOME, SENHA) "
                   "VALUES (:C, 'S', :M, :N, :S)",
                   {{"C", cod}, {"M", p.matricula}, {"N", QString::fromUtf8(p.nome)},
                    {"S", app::ServicoLogin::digestSenha(QString::fromUtf8(p.senha))}});
        c.executar("INSERT INTO VORK_SERVIDORES (CODSERVIDOR, CODUNIDADE, SITUACAO) VALUES (:C, 1, 'A')", {{"C", cod}});
        if (p.perfil)
            c.executar("INSERT INTO VORK_AUTAPLICACOES (CODAPLICACAO, CODUSUARIO, PERFIL) VALUES (:A, :C, :P)",
                       {{"A", kAplicacao}, {"C", cod}, {"P", QString::fromLatin1(p.perfil)}});
    }
    g.confirmar();
}

}  // namespace rh::teste
