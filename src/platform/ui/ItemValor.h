#pragma once

#include <QString>
#include <QVariant>

namespace rh::ui {

// A caption the user sees and the value stored in the field for it
// ("Solteiro" stores 1).
struct ItemValor {
    QString texto;
    QVariant valor;
};

}  // namespace rh::ui
