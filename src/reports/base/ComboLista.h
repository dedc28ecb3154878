#pragma once

#include <QComboBox>
#include <QPointer>
#include <QVariant>

namespace rh::db {
class Dataset;
}

namespace rh::reports {

// A drop-down list of a list dataset that is not bound to any field: the
// filter windows pick a servant, a campus or a situation with it. It shows
// one field and answers the key field of the chosen row; it follows the
// list when the list is reopened.
class ComboLista : public QComboBox {
    Q_OBJECT
public:
    explicit ComboLista(QWidget* parent = nullptr);

    // Reads the whole list (opening it when closed). The choice is cleared.
    void defineLista(db::Dataset& lista, const QString& campoChave, const QString& campoExibido);
    db::Dataset* lista() const { return m_lista; }

    QVariant chave() const;                    // null when nothing is chosen
    bool defineChave(const QVariant& chave);   // false (and nothing chosen) when the key is not listed
    QString texto() const { return currentText(); }

Q_SIGNALS:
    void listaTrocada();

private:
    void carregar();

    QPointer<db::Dataset> m_lista;
    QString m_campoChave, m_campoExibido;
    QMetaObject::Connection m_aoAbrir;
};

}  // namespace rh::reports
