#include "app/principal/TFSobre.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace rh::app {

namespace {
QPixmap desenharPainel(const QString& organizacao, const QString& departamento) {
    QPixmap p(500, 273);
    p.fill(QColor(0, 122, 90));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(26);
    g.setFont(f);
    g.drawText(QRect(20, 40, 460, 110), Qt::AlignCenter | Qt::TextWordWrap, departamento);
    f.setBold(false);
    f.setPixelSize(16);
    g.setFont(f);
    g.drawText(QRect(20, 160, 460, 60), Qt::AlignCenter | Qt::TextWordWrap, organizacao);
    f.setPixelSize(12);
    g.setFont(f);
    g.drawText(QRect(20, 235, 460, 24), Qt::AlignCenter, QStringLiteral("cadastro-rh — versão 2"));
    return p;
}
}  // namespace

TFSobre::TFSobre(const QString& nomeOrganizacao, const QString& tituloDepartamento, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(nomeOrganizacao);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* imagem = new QLabel;
    imagem->setPixmap(desenharPainel(nomeOrganizacao, tituloDepartamento));
    layout->addWidget(imagem);
    setFixedSize(500, 273);
}

void TFSobre::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter || evento->key() == Qt::Key_Escape) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace rh::app
