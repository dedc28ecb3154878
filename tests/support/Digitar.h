#pragma once

#include <QString>

class QWidget;

namespace rh::teste {

// Types `texto` into `alvo` key by key, as a user would. QTest::keyClicks
// aborts on characters outside ASCII ("conceição"), so those are sent as
// key events that carry only their text.
void digitar(QWidget* alvo, const QString& texto);

}  // namespace rh::teste
