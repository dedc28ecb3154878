#include "app/login/TForm_SelecionaUnidade.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/db/Dataset.h"

namespace rh::app {

namespace {
QLineEdit* somenteLeitura(const QString& texto) {
    auto* e = new QLineEdit(texto);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}
}  // namespace

TForm_SelecionaUnidade::TForm_SelecionaUnidade(db::Dataset& unidades, const QString& nomeUsuario, Modo modo,
                                               QWidget* parent)
    : JanelaEscolhaUnidade(unidades, parent) {
    setWindowTitle(QStringLiteral("AUTENTICAÇÃO"));
    auto* layout = new QVBoxLayout(this);
    GroupBoxUnidades = new QGroupBox(modo == Modo::Escolher ? QStringLiteral("SELECIONE A UNIDADE")
                                                            : QStringLiteral("VOCÊ ESTÁ NA UNIDADE"));
    auto* gl = new QVBoxLayout(GroupBoxUnidades);
    DBLookupComboBoxUnidades->setVisible(modo == Modo::Escolher);
    EdtSigla = somenteLeitura(unidades.vazio() ? QString() : unidades.campo(QStringLiteral("SIGLA")).comoTexto());
    gl->addWidget(DBLookupComboBoxUnidades);
    gl->addWidget(EdtSigla);
    layout->addWidget(GroupBoxUnidades);

    auto* grupoNome = new QGroupBox(QStringLiteral("VOCÊ É:"));
    auto* nl = new QVBoxLayout(grupoNome);
    EdtNome = somenteLeitura(nomeUsuario);
    nl->addWidget(EdtNome);
    layout->addWidget(grupoNome);

    auto* aviso = new QLabel(QStringLiteral("Se os dados não conferem, procure o RH."));
    aviso->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    layout->addWidget(aviso);
    layout->addWidget(BtnOK, 0, Qt::AlignHCenter);
    connect(this, &JanelaEscolhaUnidade::unidadeEscolhida, EdtSigla, &QLineEdit::setText);
}

}  // namespace rh::app
