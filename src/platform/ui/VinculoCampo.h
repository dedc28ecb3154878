#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/db/Dataset.h"

namespace rh::ui {

class EditorVinculado;

// The QObject half of a data-aware editor: follows the dataset's signals
// for one field and tells the editor when to show the value again and when
// its editability may have changed. The editor itself (a Qt widget class
// mixed with EditorVinculado) cannot be a second QObject.
class VinculoCampo : public QObject {
    Q_OBJECT
public:
    explicit VinculoCampo(EditorVinculado& editor);

    void vincular(db::Dataset& dataset, const QString& nomeCampo);
    db::Dataset* dataset() const { return m_dataset; }
    const QString& nomeCampo() const { return m_nomeCampo; }
    // The field in the open dataset; null while unbound or closed. Fields are
    // made again at every opening, so it is looked up by name each time.
    db::Campo* campo() const;

private:
    void valorAlterado(int indiceCampo);

    EditorVinculado& m_editor;
    QPointer<db::Dataset> m_dataset;
    QString m_nomeCampo;
    QList<db::Dataset*> m_comGancho;  // datasets already flushing this editor before posting
};

}  // namespace rh::ui
