#include "app/login/ServicoLogin.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>

#include "platform/db/Conexao.h"
#include "platform/db/GuardaTransacao.h"
#include "platform/texto/Windows1252.h"

namespace rh::app {

QString ServicoLogin::digestSenha(const QString& senha) {
    return QString::fromLatin1(
        QCryptographicHash::hash(rh::texto::paraWindows1252(senha), QCryptographicHash::Md5).toHex());
}

QString ServicoLogin::ObterNomeMaquina() { return QSysInfo::machineHostName().left(15); }

QString ServicoLogin::nomeExecutavel(const QString& caminhoExecutavel, const QStringList& argumentos) {
    const QString nome = QFileInfo(caminhoExecutavel).fileName();
    if (!argumentos.isEmpty() && argumentos.first() == QLatin1String("//FBBOMY"))
        return (nome.left(std::max<qsizetype>(0, nome.size() - 7)) + QStringLiteral("exe")).toUpper();
    return nome;
}

std::optional<UsuarioLogin> ServicoLogin::buscarUsuario(const QString& matricula, const QString& digest) {
    bool ok = false;
    const qlonglong numero = matricula.toLongLong(&ok);
    if (!ok) return std::nullopt;  // not a number: no such matriculation
    auto q = m_conexao.executar(
        QStringLiteral("SELECT A.CODUSUARIO, A.NOME, A.NUMMATRIC, A.SENHA, A.PASSWORD, B.CODUNIDADE "
                       "FROM VORK_USUARIOS A, VORK_SERVIDORES B WHERE A.CODUSUARIO = B.CODSERVIDOR "
                       "AND A.NUMMATRIC = :pNUMMATRICULA AND A.SENHA = :pSENHA"),
        {{QStringLiteral("pNUMMATRICULA"), numero}, {QStringLiteral("pSENHA"), digest}});
    if (!q.next()) return std::nullopt;
    UsuarioLogin u;
    u.CODUSUARIO = q.value(0).toInt();
    u.NOME = q.value(1).toString();
    u.NUMMATRIC = q.value(2).toLongLong();
    u.CODUNIDADE = q.value(5).isNull() ? -1 : q.value(5).toInt();
    return u;
}

std::optional<AutorizacaoLogin> ServicoLogin::buscarAutorizacao(int codUsuario, const QString& executavel) {
    auto q = m_conexao.executar(
        QStringLiteral("SELECT A.CODAPLICACAO, A.PERFIL, B.VERSAO FROM VORK_AUTAPLICACOES A, VORK_APLICACOES B "
                       "WHERE A.CODAPLICACAO = B.CODAPLICACAO AND A.CODUSUARIO = :pCODUSUARIO "
                       "AND UPPER(B.EXECUTAVEL) = UPPER(:pEXECUTAVEL) ORDER BY A.CODAPLICACAO"),
        {{QStringLiteral("pCODUSUARIO"), codUsuario}, {QStringLiteral("pEXECUTAVEL"), executavel}});
    if (!q.next()) return std::nullopt;
    return AutorizacaoLogin{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
}

std::optional<UsoNaoFinalizado> ServicoLogin::IniciaUsoAplicacao(int codUsuario, int codAplicacao,
                                                                 const QString& maquina) {
    const db::Parametros chave{{QStringLiteral("pCODUSUARIO"), codUsuario},
                               {QStringLiteral("pCODAPLICACAO"), codAplicacao},
                               {QStringLiteral("pNOMEMAQUIMA"), maquina}};
    db::GuardaTransacao guarda(m_conexao);
    auto q = m_conexao.executar(
        QStringLiteral("select DTINICIOUSO from VORK_AUDITUSOS where CODUSUARIO = :pCODUSUARIO and "
                       "CODAPLICACAO = :pCODAPLICACAO and MAQUINA = :pNOMEMAQUIMA"),
        chave);
    std::optional<UsoNaoFinalizado> anterior;
    if (q.next()) {
        const QVariant v = q.value(0);
        QDateTime inicio = v.toDateTime();
        if (!inicio.isValid()) inicio = QDateTime::fromString(v.toString().left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!inicio.isValid()) inicio = QDate::fromString(v.toString().left(10), Qt::ISODate).startOfDay();
        anterior = UsoNaoFinalizado{inicio};
        auto p = chave;
        const QDateTime agora = QDateTime::currentDateTime();
        p.insert(QStringLiteral("pINICIO"), QDateTime(agora.date(), QTime(agora.time().hour(), agora.time().minute(),
                                                                          agora.time().second())));
        m_conexao.executar(QStringLiteral("UPDATE VORK_AUDITUSOS SET DTINICIOUSO = :pINICIO WHERE CODUSUARIO = "
                                          ":pCODUSUARIO AND CODAPLICACAO = :pCODAPLICACAO AND MAQUINA = :pNOMEMAQUIMA"),
                           p);
    } else {
        auto p = chave;
        p.insert(QStringLiteral("pINICIO"), QDate::currentDate().startOfDay());
        m_conexao.executar(QStringLiteral("INSERT INTO VORK_AUDITUSOS (CODUSUARIO, CODAPLICACAO, DTINICIOUSO, MAQUINA) "
                                          "VALUES (:pCODUSUARIO, :pCODAPLICACAO, :pINICIO, :pNOMEMAQUIMA)"),
                           p);
    }
    guarda.confirmar();
    return anterior;
}

void ServicoLogin::TerminaUsoAplicacao(int codUsuario, int codAplicacao, const QString& maquina) {
    db::GuardaTransacao guarda(m_conexao);
    m_conexao.executar(QStringLiteral("DELETE FROM VORK_AUDITUSOS WHERE CODUSUARIO = :pCODUSUARIO AND "
                                      "CODAPLICACAO = :pCODAPLICACAO AND MAQUINA = :pNOMEMAQUIMA"),
                       {{QStringLiteral("pCODUSUARIO"), codUsuario},
                        {QStringLiteral("pCODAPLICACAO"), codAplicacao},
                        {QStringLiteral("pNOMEMAQUIMA"), maquina}});
    guarda.confirmar();
}

void ServicoLogin::alterarSenha(int codUsuario, const QString& novaSenha, SenhaEmClaro emClaro) {
    db::GuardaTransacao guarda(m_conexao);
    m_conexao.executar(QStringLiteral("UPDATE VORK_USUARIOS SET SENHA = :SENHA, PASSWORD = :PASSWORD, "
                                      "DTSENHA = :DTSENHA WHERE CODUSUARIO = :CODUSUARIO"),
                       {{QStringLiteral("SENHA"), digestSenha(novaSenha)},
                        {QStringLiteral("PASSWORD"), emClaro == SenhaEmClaro::Gravar ? QVariant(novaSenha) : QVariant()},
                        {QStringLiteral("DTSENHA"), QDate::currentDate()},
                        {QStringLiteral("CODUSUARIO"), codUsuario}});
    guarda.confirmar();
}

}  // namespace rh::app
