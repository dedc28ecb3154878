#include "app/login/JanelaEscolhaUnidade.h"

#include <QKeyEvent>

#include "platform/db/Dataset.h"

namespace rh::app {

JanelaEscolhaUnidade::JanelaEscolhaUnidade(db::Dataset& unidades, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_unidades(unidades) {
    DBLookupComboBoxUnidades = new QComboBox;
    DBLookupComboBoxUnidades->setObjectName(QStringLiteral("DBLookupComboBoxUnidades"));
    DBLookupComboBoxUnidades->setMaxVisibleItems(10);
    const int atual = unidades.linhaAtual();
    const int sigla = unidades.campo(QStringLiteral("SIGLA")).indice();
    const int codigo = unidades.campo(QStringLiteral("CODUNIDADE")).indice();
    for (int i = 0, n = unidades.contagem(); i < n; ++i)
        DBLookupComboBoxUnidades->addItem(unidades.valorNaLinha(i, sigla).toString(), unidades.valorNaLinha(i, codigo));
    unidades.irPara(atual);
    DBLookupComboBoxUnidades->setCurrentIndex(atual);
    DBLookupComboBoxUnidades->installEventFilter(this);
    BtnOK = new QPushButton(QStringLiteral("OK"));
    BtnOK->setDefault(true);
    connect(DBLookupComboBoxUnidades, &QComboBox::currentIndexChanged, this, &JanelaEscolhaUnidade::escolher);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void JanelaEscolhaUnidade::escolher(int indice) {
    if (indice < 0) return;
    m_unidades.irPara(indice);
    Q_EMIT unidadeEscolhida(m_unidades.campo(QStringLiteral("SIGLA")).comoTexto());
}

bool JanelaEscolhaUnidade::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo == DBLookupComboBoxUnidades && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

}  // namespace rh::app
