#pragma once

#include <QDialog>

namespace rh::app {

// The about window: the organisation's name and a picture; Enter or Escape
// closes it.
class TFSobre : public QDialog {
    Q_OBJECT
public:
    TFSobre(const QString& nomeOrganizacao, const QString& tituloDepartamento, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace rh::app
