#include "platform/ui/DialogosQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rh::ui {

namespace {
// The program's messages break lines with a carriage return, as the
// department's texts always have; a message box breaks on line feeds.
QString comQuebras(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}
}  // namespace

void DialogosQt::mostrar(TipoMensagem tipo, const QString& texto, const QString& titulo) {
    const QMessageBox::Icon icone = tipo == TipoMensagem::Informacao ? QMessageBox::Information
                                    : tipo == TipoMensagem::Aviso    ? QMessageBox::Warning
                                                                     : QMessageBox::Critical;
    QMessageBox caixa(icone, titulo, comQuebras(texto), QMessageBox::NoButton, QApplication::activeWindow());
    caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    caixa.exec();
}

bool DialogosQt::perguntarSimNao(const QString& texto, const QString& titulo) {
    QMessageBox caixa(QMessageBox::Question, titulo, comQuebras(texto), QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* sim = caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    caixa.setDefaultButton(sim);
    caixa.setEscapeButton(nao);  // closing the box is a "no"
    caixa.exec();
    return caixa.clickedButton() == sim;
}

Dialogos::Resposta DialogosQt::perguntarSimNaoCancelar(const QString& texto, const QString& titulo) {
    QMessageBox caixa(QMessageBox::Question, titulo, comQuebras(texto), QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* sim = caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    QPushButton* cancelar = caixa.addButton(QStringLiteral("&Cancelar"), QMessageBox::RejectRole);
    caixa.setDefaultButton(sim);
    caixa.setEscapeButton(cancelar);  // closing the box changes nothing
    caixa.exec();
    if (caixa.clickedButton() == sim) return Resposta::Sim;
    if (caixa.clickedButton() == nao) return Resposta::Nao;
    return Resposta::Cancelar;
}

QString DialogosQt::escolherArquivoParaSalvar(const QString& titulo, const QString& pastaInicial,
                                              const QString& filtro, const QString& extensaoPadrao) {
    QFileDialog dialogo(QApplication::activeWindow(), titulo, pastaInicial, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    QString extensao = extensaoPadrao;
    if (extensao.startsWith('.')) extensao.remove(0, 1);
    dialogo.setDefaultSuffix(extensao);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}

QString DialogosQt::escolherArquivoParaAbrir(const QString& titulo, const QString& pastaInicial,
                                             const QString& filtro) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titulo, pastaInicial, filtro);
}

}  // namespace rh::ui
