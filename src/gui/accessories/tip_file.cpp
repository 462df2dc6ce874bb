#include "gui/accessories/tip_file.h"

#include <QFile>

namespace gui {
namespace {

const char* const kBuiltInTip =
    "Press F1 at any time to open the Reeldeck user guide. It explains databases, the My Videos "
    "and Wanted Videos lists, searching, printing and every other part of the program.";

}  // namespace

QStringList ReadTips(const QString& path) {
    QStringList tips;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        // Tips are short; the whole file is read at once, and CR LF line ends are accepted.
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& line : text.split('\n')) {
            const QString tip = line.trimmed();
            if (!tip.isEmpty()) tips << tip;
        }
    }
    if (tips.isEmpty()) tips << QString::fromUtf8(kBuiltInTip);
    return tips;
}

}  // namespace gui
