#include "window_checks.h"

#include <QLabel>
#include <QTest>

namespace accessories_test {

QString ResFolder() {
    return QString(REELDECK_SOURCE_DATA) + "/res";
}

void VerifyLabelsFit(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        const QString name = label->objectName() + " \"" + label->text().left(30) + "\"";
        if (label->wordWrap()) {
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(name));
        } else {
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name));
            QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(name));
        }
    }
}

}  // namespace accessories_test
