// This file composes many texts straight into value lists; plain QString
// concatenation keeps those expressions simple.
#undef QT_USE_QSTRINGBUILDER

#include "app/demo/Demo.h"

#include <QCryptographicHash>
#include <QDate>
#include <QHash>
#include <QVariant>
#include <vector>

#include "app/demo/GeradorDemo.h"
#include "app/demo/InsercaoEmLote.h"
#include "platform/db/Conexao.h"
#include "platform/db/ErroBanco.h"
#include "platform/db/GuardaTransacao.h"

namespace rh::app {

using db::Conexao;

const QList<UsuarioDemo>& usuariosDemo() {
    static const QList<UsuarioDemo> l = {
        {QStringLiteral("A"), 1000001, QStringLiteral("admin123"), QStringLiteral("ANA PAULA CONCEIÇÃO MAGALHÃES"), 8},
        {QStringLiteral("U"), 1000002, QStringLiteral("usuario123"), QStringLiteral("JOÃO BATISTA ARAÚJO"), 1},
        {QStringLiteral("C"), 1000003, QStringLiteral("consulta123"), QStringLiteral("MÁRCIA GONÇALVES DE SÁ"), 2},
    };
    return l;
}

QString digestoSenha(const QString& senha) {
    for (const QChar c : senha)
        if (c.unicode() > 0xFF)
            throw db::ErroBanco(QStringLiteral("A senha tem caracteres fora do conjunto aceito."));
    // For Latin-1 text the Windows-1252 bytes are the Latin-1 bytes, except
    // for 0x80-0x9F, which are control characters in Latin-1 and never typed.
    return QString::fromLatin1(QCryptographicHash::hash(senha.toLatin1(), QCryptographicHash::Md5).toHex());
}

namespace {

const QDate kReferencia(2024, 6, 30);  // "today" of the demo: keeps it independent of the clock
const QString kDominio = QStringLiteral("marven.edu.br");

QVariant nulo() { return QVariant(); }

// Lower-case ASCII for logins and addresses: accents dropped, blanks out.
QString semAcentos(const QString& texto) {
    QString r;
    for (const QChar c : texto.normalized(QString::NormalizationForm_D))
        if (c.unicode() < 128 && c != ' ') r += c;
    return r.toLower();
}

// ------------------------------------------------------------- fixed lists

struct Cidade {
    int cod;
    QString uf;
    QString nome;
    QString cep;  // first five digits of its postal codes
};

const QList<Cidade>& cidades() {
    static const QList<Cidade> l = {
        {1, "PA", "ANANINDEUA", "67000"},         {2, "PA", "BELÉM", "66000"},
        {3, "PA", "CASTANHAL", "68740"},          {4, "PA", "MARABÁ", "68500"},
        {5, "PA", "SANTARÉM", "68005"},           {6, "PA", "ALTAMIRA", "68370"},
        {7, "PA", "BRAGANÇA", "68600"},           {8, "PA", "ABAETETUBA", "68440"},
        {9, "PA", "CAMETÁ", "68400"},             {10, "PA", "PARAGOMINAS", "68625"},
        {11, "PA", "TUCURUÍ", "68455"},           {12, "PA", "SÃO MIGUEL DO GUAMÁ", "68660"},
        {13, "PA", "CONCEIÇÃO DO ARAGUAIA", "68540"}, {14, "PA", "ÓBIDOS", "68250"},
        {15, "PA", "SOURE", "68870"},             {16, "PA", "MARITUBA", "67200"},
        {17, "MA", "SÃO LUÍS", "65000"},          {18, "MA", "IMPERATRIZ", "65900"},
        {19, "AP", "MACAPÁ", "68900"},            {20, "AM", "MANAUS", "69000"},
        {21, "CE", "FORTALEZA", "60000"},         {22, "PE", "RECIFE", "50000"},
        {23, "BA", "SALVADOR", "40000"},          {24, "SP", "SÃO PAULO", "01000"},
        {25, "RJ", "RIO DE JANEIRO", "20000"},    {26, "MG", "BELO HORIZONTE", "30000"},
        {27, "DF", "BRASÍLIA", "70000"},          {28, "GO", "GOIÂNIA", "74000"},
        {29, "PR", "CURITIBA", "80000"},          {30, "RS", "PORTO ALEGRE", "90000"},
        {31, "SC", "FLORIANÓPOLIS", "88000"},     {32, "PI", "TERESINA", "64000"},
        {33, "PB", "JOÃO PESSOA", "58000"},       {34, "RN", "NATAL", "59000"},
        {35, "AL", "MACEIÓ", "57000"},            {36, "SE", "ARACAJU", "49000"},
        {37, "ES", "VITÓRIA", "29000"},           {38, "MT", "CUIABÁ", "78000"},
        {39, "MS", "CAMPO GRANDE", "79000"},      {40, "TO", "PALMAS", "77000"},
        {41, "RO", "PORTO VELHO", "76800"},       {42, "AC", "RIO BRANCO", "69900"},
        {43, "RR", "BOA VISTA", "69300"},         {44, "FN", "FERNANDO DE NORONHA", "53990"},
        {45, "MG", "SÃO JOÃO DEL-REI", "36300"},  {46, "SP", "RIBEIRÃO PRETO", "14000"},
        // The code the servant form uses for a place of birth abroad.
        {5638, "EX", "EXTERIOR", "00000"},
    };
    return l;
}

const QList<QPair<QString, QString>>& estados() {
    static const QList<QPair<QString, QString>> l = {
        {"AC", "ACRE"},        {"AL", "ALAGOAS"},           {"AM", "AMAZONAS"},
        {"AP", "AMAPÁ"},       {"BA", "BAHIA"},             {"CE", "CEARÁ"},
        {"DF", "DISTRITO FEDERAL"}, {"ES", "ESPÍRITO SANTO"}, {"FN", "FERNANDO DE NORONHA"},
        {"GO", "GOIÁS"},       {"MA", "MARANHÃO"},          {"MG", "MINAS GERAIS"},
        {"MS", "MATO GROSSO DO SUL"}, {"MT", "MATO GROSSO"}, {"PA", "PARÁ"},
        {"PB", "PARAÍBA"},     {"PE", "PERNAMBUCO"},        {"PI", "PIAUÍ"},
        {"PR", "PARANÁ"},      {"RJ", "RIO DE JANEIRO"},    {"RN", "RIO GRANDE DO NORTE"},
        {"RO", "RONDÔNIA"},    {"RR", "RORAIMA"},           {"RS", "RIO GRANDE DO SUL"},
        {"SC", "SANTA CATARINA"}, {"SE", "SERGIPE"},        {"SP", "SÃO PAULO"},
        {"TO", "TOCANTINS"},   {"--", "NÃO INFORMADO"},
    };
    return l;
}

struct Pais {
    int cod;
    QString nome;
    int mec;
    QString cidade;  // a city of birth for foreigners
};

const QList<Pais>& paises() {
    static const QList<Pais> l = {
        {56, "BRASIL", 10, "BRASÍLIA"},         {10, "ARGENTINA", 63, "BUENOS AIRES"},
        {20, "PORTUGAL", 607, "LISBOA"},        {30, "ESPANHA", 245, "MADRI"},
        {40, "FRANÇA", 275, "PARIS"},           {50, "ITÁLIA", 386, "ROMA"},
        {60, "ALEMANHA", 23, "BERLIM"},         {70, "ESTADOS UNIDOS", 249, "NOVA IORQUE"},
        {80, "JAPÃO", 399, "TÓQUIO"},           {90, "CHILE", 158, "SANTIAGO"},
        {100, "URUGUAI", 845, "MONTEVIDÉU"},    {110, "PARAGUAI", 586, "ASSUNÇÃO"},
        {120, "BOLÍVIA", 97, "LA PAZ"},         {130, "PERU", 589, "LIMA"},
        {140, "COLÔMBIA", 169, "BOGOTÁ"},       {150, "ANGOLA", 40, "LUANDA"},
        {160, "MOÇAMBIQUE", 505, "MAPUTO"},     {170, "CABO VERDE", 127, "PRAIA"},
    };
    return l;
}

const QList<QPair<QString, QString>>& orgaosEmissores() {
    static const QList<QPair<QString, QString>> l = {
        {"SSP", "SECRETARIA DE SEGURANÇA PÚBLICA"},  {"PC", "POLÍCIA CIVIL"},
        {"DETRAN", "DEPARTAMENTO DE TRÂNSITO"},       {"IFP", "INSTITUTO FÉLIX PACHECO"},
        {"DPF", "DEPARTAMENTO DE POLÍCIA FEDERAL"},   {"MEX", "MINISTÉRIO DO EXÉRCITO"},
        {"CREA", "CONSELHO REGIONAL DE ENGENHARIA E AGRONOMIA"}, {"OAB", "ORDEM DOS ADVOGADOS DO BRASIL"},
        {"CRM", "CONSELHO REGIONAL DE MEDICINA"},     {"SEGUP", "SECRETARIA DE SEGURANÇA PÚBLICA DO PARÁ"},
    };
    return l;
}

const QStringList& tiposLogradouro() {
    static const QStringList l = {"RUA", "AVENIDA", "TRAVESSA", "PASSAGEM", "ALAMEDA",
                                  "RODOVIA", "ESTRADA", "PRAÇA", "VILA", "CONJUNTO"};
    return l;
}

// Code, description: the situations the program tests and a few more.
const QList<QPair<QString, QString>>& situacoes() {
    static const QList<QPair<QString, QString>> l = {
        {"A", "ATIVO"},
        {"B", "FALECIDO - INSTITUIDOR DE PENSÃO"},
        {"C", "CEDIDO"},
        {"E", "EXONERADO"},
        {"F", "DESLIGADO"},
        {"I", "APOSENTADO"},
        {"L", "LICENCIADO"},
        {"R", "REDISTRIBUÍDO"},
        {"T", "EM EXERCÍCIO PROVISÓRIO"},
        {"7", "VACÂNCIA POR POSSE EM OUTRO CARGO"},
    };
    return l;
}

struct Cargo {
    QString descricao;
    int codigo;
    bool docente;
};

const QList<Cargo>& cargos() {
    static const QList<Cargo> l = {
        {"PROFESSOR EBTT", 707001, true},
        {"PROFESSOR SUBSTITUTO", 707002, true},
        {"PROFESSOR TEMPORÁRIO", 707003, true},
        {"PROFESSOR VISITANTE", 707004, true},
        {"ASSISTENTE EM ADMINISTRAÇÃO", 701200, false},
        {"AUXILIAR EM ADMINISTRAÇÃO", 701405, false},
        {"TÉCNICO EM ASSUNTOS EDUCACIONAIS", 701079, false},
        {"PEDAGOGO", 701058, false},
        {"BIBLIOTECÁRIO-DOCUMENTALISTA", 701010, false},
        {"TÉCNICO DE LABORATÓRIO", 701244, false},
        {"TÉCNICO EM CONTABILIDADE", 701224, false},
        {"ANALISTA DE TECNOLOGIA DA INFORMAÇÃO", 701062, false},
        {"TÉCNICO DE TECNOLOGIA DA INFORMAÇÃO", 701226, false},
        {"CONTADOR", 701015, false},
        {"ADMINISTRADOR", 701001, false},
        {"PSICÓLOGO", 701060, false},
        {"ASSISTENTE SOCIAL", 701006, false},
        {"MÉDICO", 701047, false},
        {"ENFERMEIRO", 701029, false},
        {"AUXILIAR DE BIBLIOTECA", 701403, false},
        {"ASSISTENTE DE ALUNOS", 701403, false},
        {"MOTORISTA", 701445, false},
    };
    return l;
}

const QStringList& licencas() {
    static const QStringList l = {"LICENÇA PARA TRATAMENTO DE SAÚDE", "LICENÇA À GESTANTE",
                                  "LICENÇA PATERNIDADE", "LICENÇA PARA CAPACITAÇÃO",
                                  "LICENÇA PARA TRATAR DE INTERESSES PARTICULARES",
                                  "LICENÇA POR MOTIVO DE DOENÇA EM PESSOA DA FAMÍLIA",
                                  "LICENÇA PARA ATIVIDADE POLÍTICA", "LICENÇA PARA O SERVIÇO MILITAR"};
    return l;
}

const QList<QPair<QString, QString>>& tiposProcesso() {
    static const QList<QPair<QString, QString>> l = {
        {"APOSENTADORIA", "S"},           {"PROGRESSÃO FUNCIONAL", "S"},  {"AUXÍLIO TRANSPORTE", "S"},
        {"LICENÇA CAPACITAÇÃO", "S"},     {"ADICIONAL DE INSALUBRIDADE", "S"}, {"REDISTRIBUIÇÃO", "S"},
        {"RECONHECIMENTO DE SABERES", "S"}, {"AFASTAMENTO PÓS-GRADUAÇÃO", "S"},
        {"COMPRAS E LICITAÇÕES", "N"},    {"DIÁRIAS E PASSAGENS", "N"},
    };
    return l;
}

const QStringList& planosSaude() {
    static const QStringList l = {"GEAP AUTOGESTÃO EM SAÚDE", "UNIMED BELÉM", "BRADESCO SAÚDE",
                                  "AMIL ASSISTÊNCIA MÉDICA", "HAPVIDA", "SULAMÉRICA SAÚDE"};
    return l;
}

struct Ies {
    QString nome, sigla, tipo;
    int pais, mec;
};

const QList<Ies>& instituicoes() {
    static const QList<Ies> l = {
        {"UNIVERSIDADE FEDERAL DO PARÁ", "UFPA", "Graduação", 56, 569},
        {"UNIVERSIDADE DO ESTADO DO PARÁ", "UEPA", "Graduação", 56, 1140},
        {"UNIVERSIDADE FEDERAL RURAL DA AMAZÔNIA", "UFRA", "Graduação", 56, 590},
        {"INSTITUTO FEDERAL MARVEN", "IFMV", "Graduação", 56, 1813},
        {"UNIVERSIDADE DE SÃO PAULO", "USP", "Pós-Graduação", 56, 67},
        {"UNIVERSIDADE ESTADUAL DE CAMPINAS", "UNICAMP", "Pós-Graduação", 56, 2},
        {"UNIVERSIDADE FEDERAL DE MINAS GERAIS", "UFMG", "Pós-Graduação", 56, 575},
        {"UNIVERSIDADE DE LISBOA", "ULISBOA", "Estrangeiro", 20, 0},
        {"UNIVERSIDAD DE BUENOS AIRES", "UBA", "Estrangeiro", 10, 0},
        {"ESCOLA ESTADUAL DE ENSINO MÉDIO PAES DE CARVALHO", "EEEMPC", "Ensino Médio", 56, 0},
    };
    return l;
}

const QStringList& formacoes() {
    static const QStringList l = {"LICENCIATURA EM MATEMÁTICA", "BACHARELADO EM ADMINISTRAÇÃO",
                                  "ENGENHARIA CIVIL", "CIÊNCIA DA COMPUTAÇÃO", "PEDAGOGIA",
                                  "LETRAS - LÍNGUA PORTUGUESA", "LICENCIATURA EM FÍSICA",
                                  "LICENCIATURA EM QUÍMICA", "HISTÓRIA", "GEOGRAFIA", "DIREITO",
                                  "CIÊNCIAS CONTÁBEIS", "ENGENHARIA ELÉTRICA", "AGRONOMIA"};
    return l;
}

const QStringList& escolaridades() {
    // In ascending order: ORDEM follows the position.
    static const QStringList l = {"ENSINO FUNDAMENTAL INCOMPLETO", "ENSINO FUNDAMENTAL", "ENSINO MÉDIO",
                                  "ENSINO SUPERIOR", "APERFEIÇOAMENTO", "ESPECIALIZAÇÃO",
                                  "MESTRADO", "DOUTORADO", "PÓS-DOUTORADO"};
    return l;
}

const QStringList& especializacoes() {
    static const QStringList l = {"GESTÃO PÚBLICA", "EDUCAÇÃO PROFISSIONAL E TECNOLÓGICA",
                                  "DOCÊNCIA DO ENSINO SUPERIOR", "SEGURANÇA DA INFORMAÇÃO",
                                  "EDUCAÇÃO DE JOVENS E ADULTOS", "ENGENHARIA DE SOFTWARE"};
    return l;
}

// ------------------------------------------------------------- campuses and sectors

struct Campus {
    int cod;
    QString sigla;
    QString curta;   // for sector identifiers
    int codCidade;
    QString bairro;
    QString endereco;
    int peso;        // share of the servants
};

const QList<Campus>& campi() {
    static const QList<Campus> l = {
        {1, "BELÉM", "BEL", 2, "MARCO", "AVENIDA ALMIRANTE BARROSO, 1155", 30},
        {2, "CASTANHAL", "CAS", 3, "SAUDADE", "RODOVIA BR-316, KM 63", 14},
        {3, "MARABÁ", "MAB", 4, "NOVA MARABÁ", "FOLHA 22, QUADRA ESPECIAL, LOTE ESPECIAL", 14},
        {4, "SANTARÉM", "STM", 5, "SALÉ", "AVENIDA MARECHAL CASTELO BRANCO, 621", 12},
        {5, "ALTAMIRA", "ALT", 6, "PREMEM", "RUA JOSÉ PORFÍRIO, 30", 10},
        {6, "BRAGANÇA", "BRA", 7, "VILA SINHÁ", "RUA DA ESCOLA AGRÍCOLA, S/N", 10},
        {8, "REITORIA", "REI", 2, "NAZARÉ", "AVENIDA JOÃO PAULO II, 514", 10},
    };
    return l;
}

struct ModeloSetor {
    QString nivel;
    QString nome;
    QString sigla;
    QString denominacao;
    QString funcao;
};

// The sectors of a campus. Codes are written as stored, with the final stop.
const QList<ModeloSetor>& setoresDeCampus() {
    static const QList<ModeloSetor> l = {
        {"1.", "DIREÇÃO GERAL", "DG", "DIRETOR GERAL", "CD-2"},
        {"1.1.", "GABINETE DA DIREÇÃO GERAL", "GAB", "CHEFE DE GABINETE", "FG-1"},
        {"1.2.", "DIRETORIA DE ENSINO", "DEN", "DIRETOR DE ENSINO", "CD-3"},
        {"1.2.1.", "COORDENAÇÃO DE CURSOS TÉCNICOS", "CCT", "COORDENADOR DE CURSOS TÉCNICOS", "FG-2"},
        {"1.2.2.", "COORDENAÇÃO DE REGISTROS ACADÊMICOS", "CRA", "COORDENADOR DE REGISTROS ACADÊMICOS", "FG-2"},
        {"1.2.3.", "BIBLIOTECA", "BIB", "COORDENADOR DA BIBLIOTECA", "FG-3"},
        {"1.2.4.", "COORDENAÇÃO PEDAGÓGICA", "CPED", "COORDENADOR PEDAGÓGICO", "FG-2"},
        {"1.3.", "DIRETORIA DE ADMINISTRAÇÃO E PLANEJAMENTO", "DAP", "DIRETOR DE ADMINISTRAÇÃO", "CD-3"},
        {"1.3.1.", "COORDENAÇÃO DE GESTÃO DE PESSOAS", "CGP", "COORDENADOR DE GESTÃO DE PESSOAS", "FG-2"},
        {"1.3.2.", "COORDENAÇÃO DE ORÇAMENTO E FINANÇAS", "COF", "COORDENADOR DE ORÇAMENTO E FINANÇAS", "FG-2"},
        {"1.3.3.", "COORDENAÇÃO DE MATERIAL E PATRIMÔNIO", "CMP", "COORDENADOR DE MATERIAL E PATRIMÔNIO", "FG-2"},
        {"1.3.3.1.", "ALMOXARIFADO", "ALM", "CHEFE DO ALMOXARIFADO", "FG-4"},
        {"1.4.", "DIRETORIA DE PESQUISA, PÓS-GRADUAÇÃO E INOVAÇÃO", "DPI", "DIRETOR DE PESQUISA", "CD-4"},
        {"1.5.", "DIRETORIA DE EXTENSÃO", "DEX", "DIRETOR DE EXTENSÃO", "CD-4"},
        {"1.10.", "COORDENAÇÃO DE TECNOLOGIA DA INFORMAÇÃO", "CTI", "COORDENADOR DE TECNOLOGIA DA INFORMAÇÃO", "FG-2"},
        // Closed, still in the chart.
        {"1.6.", "COORDENAÇÃO DE EDUCAÇÃO A DISTÂNCIA", "CEAD", "COORDENADOR DE EDUCAÇÃO A DISTÂNCIA", "FG-2"},
        // Outside the chart.
        {"", "PROTOCOLO GERAL", "PROT", "", ""},
        {"", "SALA DOS PROFESSORES", "SPROF", "", ""},
    };
    return l;
}

const QList<ModeloSetor>& setoresDaReitoria() {
    static const QList<ModeloSetor> l = {
        {"1.", "REITORIA", "REIT", "REITOR", "CD-1"},
        {"1.1.", "GABINETE DA REITORIA", "GAB", "CHEFE DE GABINETE", "CD-3"},
        {"1.2.", "PRÓ-REITORIA DE ENSINO", "PROEN", "PRÓ-REITOR DE ENSINO", "CD-2"},
        {"1.2.1.", "DIRETORIA DE POLÍTICAS EDUCACIONAIS", "DPE", "DIRETOR DE POLÍTICAS EDUCACIONAIS", "CD-4"},
        {"1.3.", "PRÓ-REITORIA DE ADMINISTRAÇÃO", "PROAD", "PRÓ-REITOR DE ADMINISTRAÇÃO", "CD-2"},
        {"1.3.1.", "DIRETORIA DE GESTÃO DE PESSOAS", "DGP", "DIRETOR DE GESTÃO DE PESSOAS", "CD-3"},
        {"1.3.1.1.", "COORDENAÇÃO DE CADASTRO E PAGAMENTO", "CCP", "COORDENADOR DE CADASTRO E PAGAMENTO", "FG-1"},
        {"1.3.1.2.", "COORDENAÇÃO DE SAÚDE DO SERVIDOR", "CSS", "COORDENADOR DE SAÚDE DO SERVIDOR", "FG-1"},
        {"1.4.", "PRÓ-REITORIA DE PESQUISA E PÓS-GRADUAÇÃO", "PROPPG", "PRÓ-REITOR DE PESQUISA", "CD-2"},
        {"1.5.", "PRÓ-REITORIA DE EXTENSÃO", "PROEX", "PRÓ-REITOR DE EXTENSÃO", "CD-2"},
        {"1.10.", "AUDITORIA INTERNA", "AUDIN", "AUDITOR-CHEFE", "CD-4"},
        {"", "OUVIDORIA", "OUV", "", ""},
    };
    return l;
}

// ------------------------------------------------------------- names

const QStringList& nomesFemininos() {
    static const QStringList l = {
        "MARIA", "ANA", "FRANCISCA", "ANTÔNIA", "ADRIANA", "JULIANA", "MÁRCIA", "FERNANDA", "PATRÍCIA",
        "ALINE", "SANDRA", "CAMILA", "AMANDA", "BRUNA", "JÉSSICA", "LETÍCIA", "JÚLIA", "LUCIANA",
        "VANESSA", "MARIANA", "GABRIELA", "VERA", "CLÁUDIA", "SÔNIA", "ÂNGELA", "CONCEIÇÃO", "LÚCIA",
        "TEREZINHA", "RAIMUNDA", "GLÓRIA", "IRACEMA", "BEATRIZ", "LARISSA", "DÉBORA", "MÔNICA",
        "FÁTIMA", "INÊS", "SIMONE", "ROSÂNGELA", "ELIANE", "NAZARÉ", "ODETE", "LÍVIA", "CÉLIA"};
    return l;
}

const QStringList& nomesMasculinos() {
    static const QStringList l = {
        "JOSÉ", "JOÃO", "ANTÔNIO", "FRANCISCO", "CARLOS", "PAULO", "PEDRO", "LUCAS", "LUIZ", "MARCOS",
        "LUÍS", "GABRIEL", "RAFAEL", "DANIEL", "MARCELO", "BRUNO", "EDUARDO", "FELIPE", "RAIMUNDO",
        "RODRIGO", "MANOEL", "SEBASTIÃO", "FÁBIO", "ANDRÉ", "CÉSAR", "MÁRIO", "SÉRGIO", "VÍTOR",
        "JOAQUIM", "BENEDITO", "ROGÉRIO", "HÉLIO", "OTÁVIO", "CLÁUDIO", "VINÍCIUS", "NATANAEL",
        "IVAN", "JÚLIO", "GUSTAVO", "THIAGO", "ÍTALO", "CAETANO", "ALOÍSIO", "GONÇALO"};
    return l;
}

const QStringList& sobrenomes() {
    static const QStringList l = {
        "SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA", "LIMA",
        "GOMES", "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES", "SOARES", "FERNANDES",
        "VIEIRA", "BARBOSA", "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE", "MOREIRA", "NUNES", "MARQUES",
        "MACHADO", "MENDES", "FREITAS", "CARDOSO", "RAMOS", "GONÇALVES", "SANTANA", "TEIXEIRA",
        "ARAÚJO", "MAGALHÃES", "CONCEIÇÃO", "ASSUNÇÃO", "BRANDÃO", "ROMÃO", "SIMÕES", "GUIMARÃES",
        "FALCÃO", "LEÃO", "MONTEIRO", "PINHEIRO", "QUEIRÓS", "TAVARES", "BATISTA", "FONSECA",
        "SEABRA", "ARANHA", "MIRANDA", "PIMENTEL", "SAMPAIO", "AMORIM", "BRAGA", "CORRÊA", "SÁ"};
    return l;
}

const QStringList& logradouros() {
    static const QStringList l = {
        "GOVERNADOR JOSÉ MALCHER", "NAZARÉ", "CONSELHEIRO FURTADO", "GENERALÍSSIMO DEODORO",
        "SERZEDELO CORRÊA", "DOS MUNDURUCUS", "BRAZ DE AGUIAR", "PADRE EUTÍQUIO", "BERNAL DO COUTO",
        "ALCINDO CACELA", "DOM ROMUALDO DE SEIXAS", "ROSA DANIN", "DUQUE DE CAXIAS", "MAGALHÃES BARATA",
        "SÃO JERÔNIMO", "JOÃO BALBI", "ANTÔNIO BARRETO", "BOAVENTURA DA SILVA", "TAMOIOS", "DOS PARIQUIS"};
    return l;
}

const QStringList& bairros() {
    static const QStringList l = {"NAZARÉ", "UMARIZAL", "BATISTA CAMPOS", "MARCO", "PEDREIRA", "GUAMÁ",
                                  "CENTRO", "JARDIM AMÉRICA", "SÃO BRÁS", "CREMAÇÃO", "TELÉGRAFO",
                                  "SACRAMENTA", "JURUNAS", "CONDOR", "FÁTIMA", "SOUZA", "CIDADE NOVA"};
    return l;
}

// ------------------------------------------------------------- the fill

struct SetorDemo {
    qlonglong cod;
    int campus;          // CODUNIDADE
    bool ativo;
    bool noOrganograma;
    QString denominacao;
};

struct ServidorDemo {
    qlonglong cod;
    int campus;
    QString situacao;
    QString categoria;
    QDate admissao;
};

class Preenchedor {
public:
    Preenchedor(Conexao& c, quint64 semente) : m_c(c), m_g(semente) {}

    void referencias();
    void unidadesESetores();
    void servidores(int quantidade);
    void chefias();
    void aplicacao();
    void autorizacoes();
    void ajustarGeradores();

private:
    QString nomePessoa(bool feminino, int sobrenomesQtd = 2);
    QString cpf(quint32 indice, quint32 deslocamento);
    QString telefone(bool celular);

    Conexao& m_c;
    GeradorDemo m_g;
    std::vector<SetorDemo> m_setores;
    QHash<int, std::vector<size_t>> m_setoresAtivosPorCampus;
    std::vector<ServidorDemo> m_servidores;
    QList<int> m_cargosDocentes, m_cargosTecnicos;  // CODCARGO values
};

void Preenchedor::referencias() {
    {
        InsercaoEmLote t(m_c, "GER_PAISES", {"CODPAIS", "NOME", "CODPAIS_MEC"});
        for (const auto& p : paises()) t.adicionar({p.cod, p.nome, p.mec});
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "GER_ESTADOS", {"SIGLAESTADO", "NOME"});
        for (const auto& e : estados()) t.adicionar({e.first, e.second});
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "GER_CIDADES",
                         {"CODCIDADES", "SIGLAESTADO", "CIDADE", "CODMUN_MEC", "CODMUNIC_MEC", "CEPINI", "CEPFIM"});
        for (const auto& c : cidades()) {
            const QString mec = QString::number(1500000 + c.cod * 37);
            t.adicionar({c.cod, c.uf, c.nome, mec, mec, c.cep + "000", c.cep.left(3) + "99999"});
        }
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "GER_ORGAOSEMISSORES", {"CODORGAOEMISSOR", "SIGLA", "NOME"});
        int i = 0;
        for (const auto& o : orgaosEmissores()) t.adicionar({++i, o.first, o.second});
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "GER_TIPOLOGRADOUROS", {"CODTIPOLOGRADOURO", "NOME", "CODLOGRADOUROMEC"});
        int i = 0;
        for (const auto& n : tiposLogradouro()) {
            ++i;
            t.adicionar({i, n, 100 + i});
        }
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "RECH_SITUACAOSERVIDORES", {"CODSITUACAO", "DESCRICAO"});
        for (const auto& s : situacoes()) t.adicionar({s.first, s.second});
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "RECH_CARGOS", {"CODCARGO", "DESCRICAO", "CODIGO"});
        int i = 0;
        for (const auto& c : cargos()) {
            t.adicionar({++i, c.descricao, c.codigo});
            (c.docente ? m_cargosDocentes : m_cargosTecnicos) << i;
        }
        t.concluir();
    }
    auto codigoDescricao = [&](const QString& tabela, const QString& chave, const QString& coluna,
                               const QStringList& valores) {
        InsercaoEmLote t(m_c, tabela, {chave, coluna});
        int i = 0;
        for (const auto& v : valores) t.adicionar({++i, v});
        t.concluir();
    };
    codigoDescricao("RECH_LICENCAS", "CODLICENCA", "DESCLICENCA", licencas());
    codigoDescricao("RECH_PLANOSSAUDE", "CODPLANOSAUDE", "NOMEPLANO", planosSaude());
    codigoDescricao("RECH_FORMACOES", "CODFORMACAO", "DESCRICAO", formacoes());
    codigoDescricao("RECH_ESPECIALIZACOES", "CODESPECIALIZACAO", "DESCRICAO", especializacoes());
    {
        InsercaoEmLote t(m_c, "VORK_TIPOPROCESSOS", {"CODTIPOPROCESSO", "DESCRICAO", "TIPOPROCESSO_RH"});
        int i = 0;
        for (const auto& p : tiposProcesso()) t.adicionar({++i, p.first, p.second});
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "RECH_ESCOLARIDADES", {"CODESCOLARIDADE", "DESCRICAO", "ORDEM"});
        int i = 0;
        for (const auto& e : escolaridades()) {
            ++i;
            t.adicionar({i, e, i});
        }
        t.concluir();
    }
    {
        InsercaoEmLote t(m_c, "GER_IES", {"CODIES", "CODPAIS", "NOME", "TIPO", "CODMEC", "SIGLA"});
        int i = 0;
        for (const auto& e : instituicoes())
            t.adicionar({++i, e.pais, e.nome, e.tipo, e.mec == 0 ? nulo() : QVariant(e.mec), e.sigla});
        t.concluir();
    }
}

void Preenchedor::unidadesESetores() {
    InsercaoEmLote u(m_c, "VORK_UNIDADES",
                     {"CODUNIDADE", "NOME", "SIGLA", "NOMERESUMIDO", "NOMEMINISTERIO", "NOMESECRETARIA", "ENDERECO",
                      "BAIRRO", "CEP", "CIDADE", "ESTADO", "TELEFONE", "FAX", "URL", "COD_INSTITUICAO_QACADEMICO",
                      "COD_DEPARTAMENTO_QACADEMICO", "EMAIL_DOMINIO", "EMAIL_SERVIDOR_SMTP", "EMAIL_PORTA_SMTP",
                      "EMAIL_TIPO_AUTENTICACAO"});
    for (const auto& k : campi()) {
        const Cidade& cid = cidades().at(k.codCidade - 1);
        const bool reitoria = k.cod == 8;
        const QString nome = reitoria ? QStringLiteral("INSTITUTO FEDERAL MARVEN - REITORIA")
                                      : "INSTITUTO FEDERAL MARVEN - CAMPUS " + k.sigla;
        const QString fone = QStringLiteral("(91) 32%1-%2").arg(10 + k.cod).arg(1000 + k.cod * 111);
        const QString fax = QStringLiteral("(91) 32%1-%2").arg(10 + k.cod).arg(1001 + k.cod * 111);
        u.adicionar({k.cod, nome, k.sigla, "IFMV " + k.sigla, "MINISTÉRIO DA EDUCAÇÃO",
                     "SECRETARIA DE EDUCAÇÃO PROFISSIONAL E TECNOLÓGICA", k.endereco, k.bairro,
                     cid.cep + QStringLiteral("-%1").arg(100 + k.cod * 7, 3, 10, QChar('0')), cid.nome, cid.uf, fone, fax,
                     "https://" + (reitoria ? QStringLiteral("www") : k.curta.toLower()) + "." + kDominio,
                     100 + k.cod, 200 + k.cod, kDominio,
                     reitoria ? QVariant(QStringLiteral("smtp.") + kDominio) : nulo(),
                     reitoria ? QVariant(QStringLiteral("587")) : nulo(),
                     reitoria ? QVariant(QStringLiteral("Simple Login")) : nulo()});
    }
    u.concluir();

    InsercaoEmLote s(m_c, "VORK_SETORES",
                     {"CODSETOR", "IDENTSETOR", "DESCRICAO", "DATAINCLUSAO", "DATAEXCLUSAO", "SITUACAO", "PERTENCE",
                      "NIVEL", "RAMAL", "SALA", "EMAIL", "CODUNIDADE", "CODSETORSUBOR", "DENOMINACAO", "CODFUNCAO"});
    qlonglong cod = 0;
    for (const auto& k : campi()) {
        const auto& modelos = k.cod == 8 ? setoresDaReitoria() : setoresDeCampus();
        QHash<QString, qlonglong> porNivel;
        for (const auto& m : modelos) {
            ++cod;
            const bool fechado = m.sigla == QLatin1String("CEAD");
            const bool organograma = !m.nivel.isEmpty();
            QVariant pai;
            if (organograma) {
                // The parent is the code without its last component.
                const QString semPonto = m.nivel.left(m.nivel.size() - 1);
                const qsizetype corte = semPonto.lastIndexOf('.');
                if (corte > 0) pai = porNivel.value(semPonto.left(corte + 1));
                porNivel.insert(m.nivel, cod);
            }
            const QDate inclusao = QDate(2008, 12, 29).addDays(m_g.entre(0, 900));
            s.adicionar({cod, m.sigla + "-" + k.curta, m.nome, inclusao,
                         fechado ? QVariant(QDate(2019, 3, 1)) : nulo(), fechado ? "INATIVO" : "ATIVO",
                         organograma ? "SIM" : "NAO", organograma ? QVariant(m.nivel) : nulo(),
                         QString::number(2000 + k.cod * 100 + int(cod % 100)),
                         QStringLiteral("BLOCO %1 SALA %2").arg(QChar('A' + int(m_g.entre(0, 3)))).arg(m_g.entre(1, 30)),
                         m.sigla.toLower() + "." + k.curta.toLower() + "@" + kDominio, k.cod, pai,
                         m.denominacao.isEmpty() ? nulo() : QVariant(m.denominacao),
                         m.funcao.isEmpty() ? nulo() : QVariant(m.funcao)});
            m_setores.push_back({cod, k.cod, !fechado, organograma, m.denominacao});
            if (!fechado) m_setoresAtivosPorCampus[k.cod].push_back(m_setores.size() - 1);
        }
    }
    s.concluir();
}

QString Preenchedor::nomePessoa(bool feminino, int sobrenomesQtd) {
    const QStringList& proprios = feminino ? nomesFemininos() : nomesMasculinos();
    QString nome = m_g.escolher(proprios);
    if (m_g.chance(30)) {
        const QString segundo = m_g.escolher(proprios);
        if (segundo != nome) nome += (m_g.chance(20) && feminino ? " DE " : " ") + segundo;
    }
    QStringList partes;
    for (int i = 0; i < sobrenomesQtd; ++i) {
        QString s = m_g.escolher(sobrenomes());
        if (m_g.chance(25)) s = (m_g.chance(50) ? QStringLiteral("DA ") : QStringLiteral("DOS ")) + s;
        partes << s;
    }
    // Names are at most 40 characters: drop surnames from the middle.
    while (partes.size() > 1 && (nome + ' ' + partes.join(' ')).size() > 40) partes.removeFirst();
    QString completo = nome + ' ' + partes.join(' ');
    return completo.left(40).trimmed();
}

QString Preenchedor::cpf(quint32 indice, quint32 deslocamento) {
    // 104729 is prime and prime to 10^9, so distinct indices give distinct bases.
    quint32 base = quint32((quint64(indice) * 104729u + deslocamento) % 1000000000u);
    QString digitos = QString::number(base).rightJustified(9, '0');
    if (digitos.count(digitos.at(0)) == 9) base = (base + 1) % 1000000000u;
    return cpfComDigitos(base);
}

QString Preenchedor::telefone(bool celular) {
    return celular ? QStringLiteral("(91) 9%1-%2").arg(m_g.digitos(4), m_g.digitos(4))
                   : QStringLiteral("(91) 3%1-%2").arg(m_g.digitos(3), m_g.digitos(4));
}

void Preenchedor::servidores(int quantidade) {
    const QStringList colunasUsuario = {
        "CODUSUARIO", "CATEGORIA", "NUMMATRIC", "NOME", "ENDERECO", "BAIRRO", "CIDADE", "ESTADO", "CEP", "FONERES",
        "CELULAR", "SEXO", "ESTADOCIVIL", "DTNASC", "CIDADENASC", "ESTADONASC", "NACIONALIDADE", "IDENTIDADE",
        "DTEMISSAO", "ORGAOEMISSOR", "CPF", "CARTTRAB", "SERIETRAB", "VIAATUAL", "SENHA", "DTSENHA", "PASSWORD",
        "MAE", "PAI", "LOGON", "LOGIN", "TITELEITOR", "ZONAELEITORAL", "SECAOELEITORAL", "EMAIL",
        "EMAIL_ALTERNATIVO", "CODCIDADES", "CODPAIS", "CODORGAOEMISSOR", "CODUF_ORGAOEMISSOR",
        "CODTIPOLOGRADOURO", "COMPLEMENTO", "RACA"};
    const QStringList colunasServidor = {
        "CODSERVIDOR", "DTADMISSAO", "DTADM_SERVPUBL_FED", "DTPOSSE", "BANCO", "AGENCIA", "CONTA", "PISPASEP",
        "DTPIS", "BANCOPIS", "CIDADEPIS", "ESTADOPIS", "CERTMILITAR", "SERIEMILITAR", "REGMILITAR", "CATEGMILITAR",
        "TITELEITOR", "ZONAELEITORAL", "SECAOELEITORAL", "CIDADEELEITORAL", "ESTADOELEITORAL", "DTEMISTITELEITORAL",
        "CARGAHORARIA", "CATEGSERVIDOR", "DEDICEXCLUSIVA", "SITUACAO", "CONJUGE", "ESTADOCASAMENTO",
        "DATACASAMENTO", "TIPOSANGUINEO", "CODESCOLARIDADE", "CODUNIDADE", "CODCARGO", "CLASSE", "PADRAO", "NIVEL",
        "DTSAIDA", "MOTIVOSAIDA", "DTLIMITEVIGENCIA", "DTPRORROGACONTRATO", "CODPLANOSAUDE", "QTD_DEPENDENTES"};
    InsercaoEmLote usuarios(m_c, "VORK_USUARIOS", colunasUsuario);
    InsercaoEmLote servidores(m_c, "VORK_SERVIDORES", colunasServidor);
    InsercaoEmLote lotacoes(m_c, "RECH_LOTACOES",
                            {"CODLOTACAO", "CODSERVIDOR", "CODSETOR", "DATAINICIO", "DATAFINAL", "SITUACAO",
                             "NRPORTARIA", "DTPORTARIA"});
    InsercaoEmLote dependentes(m_c, "VORK_DEPENDENTES",
                               {"CODDEPENDENTE", "CODSERVIDOR", "NOMEDEPENDENTE", "DATANASCIMENTO",
                                "CIDADENASCIMENTO", "ESTADONASCIMENTO", "DEPIMPOSTORENDA", "GRAUPARENTESCO",
                                "CPFDEPENDENTE"});

    servidores.gravarDepoisDe(usuarios);
    lotacoes.gravarDepoisDe(servidores);
    dependentes.gravarDepoisDe(servidores);

    QList<int> pesosCampi;
    for (const auto& k : campi()) pesosCampi << k.peso;
    static const QStringList categorias = {"P", "T", "C", "S", "E", "R", "I"};
    static const QList<int> pesosCategorias = {36, 40, 3, 8, 3, 6, 4};
    static const QStringList outrasSituacoes = {"T", "F", "I", "7", "E", "R", "C", "L"};
    static const QList<int> pesosOutrasSituacoes = {15, 12, 25, 5, 12, 8, 10, 13};
    static const QStringList sangue = {"O+", "O-", "A+", "A-", "B+", "B-", "AB+", "AB-"};
    static const QList<int> bancos = {1, 104, 237, 33, 341, 37};
    static const QList<int> pesosEstadoCivil = {35, 40, 3, 8, 2, 10, 2};
    static const QStringList complementos = {"APTO 302", "CASA 2", "BLOCO B, APTO 101", "FUNDOS", "ALTOS",
                                             "QUADRA 4, LOTE 12"};
    static const QStringList provedores = {"gmail.com", "hotmail.com", "yahoo.com.br", "outlook.com"};
    static const QStringList motivosSaida = {"EXONERAÇÃO", "REDISTRIBUIÇÃO", "FALECIMENTO", "APOSENTADORIA",
                                             "FIM DE CONTRATO", "POSSE OUTRO CARGO"};

    const QList<UsuarioDemo>& demo = usuariosDemo();
    const int total = std::max(quantidade, int(demo.size()));
    qlonglong codLotacao = 0, codDependente = 0;
    m_servidores.reserve(size_t(total));

    for (int i = 0; i < total; ++i) {
        const qlonglong cod = i + 1;
        const bool ehDemo = i < demo.size();
        int campus = campi().at(m_g.ponderado(pesosCampi)).cod;
        QString categoria = categorias.at(m_g.ponderado(pesosCategorias));
        QString situacao = categoria == "I" ? QStringLiteral("B")
                           : m_g.chance(80) ? QStringLiteral("A")
                                            : outrasSituacoes.at(m_g.ponderado(pesosOutrasSituacoes));
        bool feminino = m_g.chance(52);
        QString nome = nomePessoa(feminino);
        if (ehDemo) {
            campus = demo.at(i).codUnidade;
            categoria = QStringLiteral("T");
            situacao = QStringLiteral("A");
            nome = demo.at(i).nome;
            feminino = i != 1;
        }
        const qlonglong matricula = 1000001 + i;

        // Person.
        const QDate nascimento = m_g.dataEntre(QDate(1955, 1, 1), QDate(2001, 12, 31));
        const int estadoCivil = m_g.ponderado(pesosEstadoCivil) + 1;
        const int nacionalidade = m_g.ponderado({96, 2, 1, 1}) + 1;
        const Pais& pais = nacionalidade == 4 ? paises().at(qsizetype(m_g.entre(1, paises().size() - 1))) : paises().at(0);
        const Cidade& natal = nacionalidade == 4 ? cidades().last()
                                                 : cidades().at(m_g.chance(70) ? qsizetype(m_g.entre(0, 15))
                                                                               : qsizetype(m_g.entre(16, 45)));
        const Campus* k = nullptr;
        for (const auto& c : campi())
            if (c.cod == campus) k = &c;
        const Cidade& moradia = m_g.chance(85) ? cidades().at(k->codCidade - 1) : cidades().at(qsizetype(m_g.entre(0, 15)));
        const int orgao = int(m_g.entre(1, orgaosEmissores().size()));
        const QString login = (nome.section(' ', 0, 0) + "." + nome.section(' ', -1)).toLower();
        const QString loginAscii = semAcentos(login);
        QString email = loginAscii + QString::number(matricula % 1000) + "@" + kDominio;
        email = email.left(40);
        const QString titulo = m_g.digitos(12);
        const QString zona = QString::number(m_g.entre(1, 99)).rightJustified(3, '0');
        const QString secao = QString::number(m_g.entre(1, 450)).rightJustified(3, '0');
        const QDate emissaoRg = nascimento.addYears(int(m_g.entre(16, 30))).addDays(m_g.entre(0, 300));
        const QDate emissaoTitulo = nascimento.addYears(18).addDays(m_g.entre(0, 700));
        const bool complemento = m_g.chance(30);
        const QString senha = ehDemo ? demo.at(i).senha : QString();

        usuarios.adicionar({
            cod, "S", matricula, nome,
            m_g.escolher(logradouros()) + ", " + QString::number(m_g.entre(10, 3999)),
            m_g.escolher(bairros()), moradia.nome.left(30), moradia.uf,
            moradia.cep + "-" + m_g.digitos(3), telefone(false), telefone(true), feminino ? "F" : "M",
            estadoCivil, nascimento, nacionalidade == 4 ? pais.cidade : natal.nome.left(30),
            nacionalidade == 4 ? nulo() : QVariant(natal.uf), nacionalidade, m_g.digitos(7), emissaoRg,
            orgaosEmissores().at(orgao - 1).first, cpf(quint32(i), 271828u), m_g.entre(10000, 9999999),
            m_g.digitos(5), m_g.entre(1, 3), ehDemo ? QVariant(digestoSenha(senha)) : nulo(),
            ehDemo ? QVariant(QDate(2024, 1, 15)) : nulo(), ehDemo ? QVariant(senha) : nulo(),
            nomePessoa(true), m_g.chance(92) ? QVariant(nomePessoa(false)) : nulo(), "S", loginAscii.left(40), titulo,
            zona, secao, email, m_g.chance(60) ? QVariant((loginAscii + "@" + m_g.escolher(provedores)).left(40)) : nulo(),
            natal.cod, pais.cod, orgao, moradia.uf,
            int(m_g.entre(1, tiposLogradouro().size())), complemento ? QVariant(m_g.escolher(complementos)) : nulo(),
            m_g.entre(1, 6)});

        // Employment.
        const QDate minimaAdmissao = std::max(QDate(1985, 1, 1), nascimento.addYears(18));
        const QDate admissao = minimaAdmissao >= kReferencia ? kReferencia : m_g.dataEntre(minimaAdmissao, kReferencia);
        const bool docente = categoria != "T";
        int carga;
        if (categoria == "P") carga = QList<int>{99, 40, 20}.at(m_g.ponderado({70, 20, 10}));
        else if (categoria == "T") carga = QList<int>{40, 30, 25}.at(m_g.ponderado({80, 15, 5}));
        else carga = m_g.chance(50) ? 40 : 20;
        const bool casado = estadoCivil == 2 || estadoCivil == 6;
        const bool saiu = QStringList{"E", "F", "I", "7", "R", "B"}.contains(situacao);
        const bool contrato = categoria == "S" || categoria == "R";
        const QDate saida = saiu ? m_g.dataEntre(admissao, kReferencia) : QDate();
        int escolaridade = docente ? int(m_g.entre(6, 9)) : int(m_g.entre(3, 8));
        const int qtdDependentes = m_g.ponderado({40, 30, 20, 10});
        const int cargo = docente ? m_cargosDocentes.at(categoria == "S" ? 1 : categoria == "R" ? 2 : 0)
                                  : m_g.escolher(m_cargosTecnicos);
        const bool homem = !feminino;

        servidores.adicionar({
            cod, admissao, m_g.chance(15) ? admissao.addYears(-int(m_g.entre(1, 8))) : admissao,
            admissao.addDays(-m_g.entre(0, 10)), m_g.escolher(bancos), m_g.digitos(4),
            m_g.digitos(5) + "-" + m_g.digitos(1), m_g.digitos(11), admissao.addDays(m_g.entre(0, 60)),
            m_g.escolher(bancos), moradia.nome.left(15), moradia.uf,
            homem && m_g.chance(70) ? QVariant(m_g.digitos(12)) : nulo(),
            homem ? QVariant(m_g.digitos(3)) : nulo(),
            homem ? QVariant(QStringLiteral("%1ª RM").arg(m_g.entre(1, 12))) : nulo(),
            homem ? QVariant(QStringLiteral("%1ª CAT").arg(m_g.entre(1, 3))) : nulo(), titulo, zona, secao,
            moradia.nome.left(15), moradia.uf, emissaoTitulo, carga, categoria, carga == 99 ? "S" : "N", situacao,
            casado ? QVariant(nomePessoa(!feminino)) : nulo(), casado ? QVariant(moradia.uf) : nulo(),
            casado ? QVariant(nascimento.addYears(int(m_g.entre(20, 35)))) : nulo(), m_g.escolher(sangue),
            escolaridade, campus, cargo, QString(QChar('A' + int(m_g.entre(0, 4)))),
            QStringList{"I", "II", "III", "IV"}.at(int(m_g.entre(0, 3))),
            QString::number(m_g.entre(1, 16)).rightJustified(2, '0'), saiu ? QVariant(saida) : nulo(),
            saiu ? QVariant(m_g.escolher(motivosSaida)) : nulo(),
            contrato ? QVariant(admissao.addYears(2)) : nulo(),
            contrato && m_g.chance(40) ? QVariant(admissao.addYears(1)) : nulo(),
            m_g.chance(60) ? QVariant(int(m_g.entre(1, planosSaude().size()))) : nulo(), qtdDependentes});
        m_servidores.push_back({cod, campus, situacao, categoria, admissao});

        // Assignments: some servants moved once; the move closes the old
        // assignment on the day the new one begins.
        const auto& ativos = m_setoresAtivosPorCampus[campus];
        auto setorAleatorio = [&] { return m_setores.at(ativos.at(size_t(m_g.entre(0, qint64(ativos.size()) - 1)))).cod; };
        QDate inicio = admissao;
        if (m_g.chance(35) && admissao < kReferencia.addYears(-1)) {
            const QDate troca = m_g.dataEntre(admissao.addDays(30), kReferencia.addDays(-30));
            lotacoes.adicionar({++codLotacao, cod, setorAleatorio(), admissao, troca, "I",
                                QStringLiteral("%1/%2").arg(m_g.entre(1, 999)).arg(admissao.year()),
                                admissao.addDays(-m_g.entre(1, 15))});
            inicio = troca;
        }
        lotacoes.adicionar({++codLotacao, cod, setorAleatorio(), inicio, nulo(), "A",
                            QStringLiteral("%1/%2").arg(m_g.entre(1, 999)).arg(inicio.year()),
                            inicio.addDays(-m_g.entre(1, 15))});

        // Dependents.
        const QString sobrenome = nome.section(' ', -1);
        for (int d = 0; d < qtdDependentes; ++d) {
            const bool conjuge = d == 0 && casado;
            const bool filha = m_g.chance(50);
            QDate dn = conjuge ? nascimento.addDays(m_g.entre(-1800, 1800))
                               : nascimento.addYears(int(m_g.entre(20, 42))).addDays(m_g.entre(0, 364));
            if (dn > kReferencia) dn = kReferencia.addDays(-m_g.entre(1, 365));
            const Cidade& cd = cidades().at(qsizetype(m_g.entre(0, 15)));
            QString nomeDep = conjuge ? nomePessoa(!feminino) : (m_g.escolher(filha ? nomesFemininos() : nomesMasculinos()) + " " + sobrenome);
            dependentes.adicionar({++codDependente, cod, nomeDep.left(40), dn, cd.nome.left(20), cd.uf,
                                   m_g.chance(70) ? "S" : "N", conjuge ? "CON" : (m_g.chance(8) ? "ENT" : "FIL"),
                                   m_g.chance(80) ? QVariant(cpf(quint32(codDependente), 314159u + 500000000u)) : nulo()});
        }
    }
    usuarios.concluir();
    servidores.concluir();
    lotacoes.concluir();
    dependentes.concluir();
}

void Preenchedor::chefias() {
    // Heads come from the active professors and technicians of the campus,
    // each the active head of at most one sector.
    QHash<int, std::vector<size_t>> elegiveis;
    for (size_t i = 0; i < m_servidores.size(); ++i) {
        const auto& s = m_servidores[i];
        if (s.situacao == "A" && (s.categoria == "P" || s.categoria == "T")) elegiveis[s.campus].push_back(i);
    }
    QHash<int, size_t> proximo;
    InsercaoEmLote r(m_c, "RECH_RESPONSAVEIS",
                     {"CODRESPONSAVEL", "CODSETOR", "CODUSUARIO", "NUMPORTARIA", "DATAPORTARIA", "DATAINCLUSAO",
                      "DATAEXCLUSAO", "SITUACAO", "NUMPORTARIASAIDA", "DATAPORTARIASAIDA"});
    qlonglong cod = 0;
    for (const auto& setor : m_setores) {
        if (!setor.ativo || !setor.noOrganograma) continue;
        const auto& lista = elegiveis.value(setor.campus);
        size_t& p = proximo[setor.campus];
        if (p >= lista.size()) continue;
        const ServidorDemo& chefe = m_servidores[lista[p++]];
        const QDate inicio = m_g.dataEntre(std::max(chefe.admissao, QDate(2016, 1, 1)), kReferencia);
        // An earlier head, relieved the day before, for some sectors.
        if (p < lista.size() && m_g.chance(40)) {
            const ServidorDemo& anterior = m_servidores[lista[size_t(m_g.entre(qint64(p), qint64(lista.size()) - 1))]];
            const QDate inicioAnterior = inicio.addYears(-int(m_g.entre(1, 4)));
            r.adicionar({++cod, setor.cod, anterior.cod, QStringLiteral("%1/%2").arg(m_g.entre(1, 999)).arg(inicioAnterior.year()),
                         inicioAnterior.addDays(-3), inicioAnterior, inicio.addDays(-1), "DESLIGADO",
                         QStringLiteral("%1/%2").arg(m_g.entre(1, 999)).arg(inicio.year()), inicio.addDays(-3)});
        }
        r.adicionar({++cod, setor.cod, chefe.cod, QStringLiteral("%1/%2").arg(m_g.entre(1, 999)).arg(inicio.year()),
                     inicio.addDays(-3), inicio, nulo(), "ATIVO", nulo(), nulo()});
    }
    r.concluir();
}

void Preenchedor::aplicacao() {
    m_c.executar(QStringLiteral("INSERT INTO VORK_APLICACOES (CODAPLICACAO, EXECUTAVEL, VERSAO) "
                                "VALUES (:CODAPLICACAO, :EXECUTAVEL, :VERSAO)"),
                 {{"CODAPLICACAO", kCodAplicacaoDemo},
                  {"EXECUTAVEL", QString::fromLatin1(kExecutavelDemo)},
                  {"VERSAO", QStringLiteral("2")}});
}

void Preenchedor::autorizacoes() {
    InsercaoEmLote a(m_c, "VORK_AUTAPLICACOES", {"CODAPLICACAO", "CODUSUARIO", "DTAUTORIZACAO", "PARAMETRO", "PERFIL"});
    for (int i = 0; i < usuariosDemo().size(); ++i)
        a.adicionar({kCodAplicacaoDemo, i + 1, QDate(2024, 1, 2), 0, usuariosDemo().at(i).perfil});
    a.concluir();
}

void Preenchedor::ajustarGeradores() {
    const QList<QPair<QString, QString>> geradas = {
        {"VORK_USUARIOS", "CODUSUARIO"},     {"VORK_SETORES", "CODSETOR"},
        {"RECH_LOTACOES", "CODLOTACAO"},     {"RECH_RESPONSAVEIS", "CODRESPONSAVEL"},
        {"VORK_DEPENDENTES", "CODDEPENDENTE"}, {"RECH_CARGOS", "CODCARGO"},
        {"RECH_LICENCAS", "CODLICENCA"},     {"VORK_TIPOPROCESSOS", "CODTIPOPROCESSO"},
        {"RECH_PLANOSSAUDE", "CODPLANOSAUDE"}, {"GER_IES", "CODIES"},
        {"RECH_FORMACOES", "CODFORMACAO"},   {"RECH_ESCOLARIDADES", "CODESCOLARIDADE"},
        {"RECH_ESPECIALIZACOES", "CODESPECIALIZACAO"}};
    for (const auto& g : geradas) m_c.executarTodos(m_c.dialeto().ajustarGeradorDeChave(g.first, g.second));
}

void exigirBancoVazio(Conexao& c) {
    if (c.valor(QStringLiteral("SELECT COUNT(*) FROM VORK_UNIDADES")).toLongLong() > 0 ||
        c.valor(QStringLiteral("SELECT COUNT(*) FROM VORK_USUARIOS")).toLongLong() > 0)
        throw db::ErroBanco(QStringLiteral(
            "O banco já tem unidades ou usuários: os dados de demonstração só são incluídos num banco vazio."));
}

}  // namespace

void preencherReferencias(Conexao& conexao, quint64 semente) {
    exigirBancoVazio(conexao);
    db::GuardaTransacao guarda(conexao);
    Preenchedor p(conexao, semente);
    p.referencias();
    p.unidadesESetores();
    p.aplicacao();
    p.ajustarGeradores();
    guarda.confirmar();
}

void preencherDemo(Conexao& conexao, const OpcoesDemo& opcoes) {
    if (opcoes.servidores < 0)
        throw db::ErroBanco(QStringLiteral("Quantidade de servidores de demonstração inválida: %1").arg(opcoes.servidores));
    exigirBancoVazio(conexao);
    db::GuardaTransacao guarda(conexao);
    Preenchedor p(conexao, opcoes.semente);
    p.referencias();
    p.unidadesESetores();
    p.servidores(opcoes.servidores);
    p.chefias();
    p.aplicacao();
    p.autorizacoes();
    p.ajustarGeradores();
    guarda.confirmar();
}

void preencherDemo(Conexao& conexao, int servidores) { preencherDemo(conexao, OpcoesDemo{servidores, OpcoesDemo{}.semente}); }

}  // namespace rh::app
