#include "support/Digitar.h"

#include <QTest>
#include <QWidget>

namespace rh::teste {

void digitar(QWidget* alvo, const QString& texto) {
    for (const QChar c : texto) {
        if (c.unicode() < 0x80 && c.isPrint())
            QTest::keyClick(alvo, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, alvo, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace rh::teste
