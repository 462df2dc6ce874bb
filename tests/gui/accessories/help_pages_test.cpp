// The user guide under data/help: the windows open its pages by name and show its pop-up entries
// by id, so both must be there, and every link must lead somewhere inside the guide.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "test_groups.h"

namespace accessories_test {
namespace {

QString HelpFolder() {
    return QString(REELDECK_SOURCE_DATA) + "/help";
}

QString ReadPage(const QString& name) {
    QFile file(HelpFolder() + "/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList IdsOf(const QString& page) {
    QStringList ids;
    static const QRegularExpression id(" id=\"([^\"]+)\"");
    for (const QRegularExpressionMatch& match : id.globalMatch(page)) ids << match.captured(1);
    return ids;
}

class HelpPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void EveryLinkLeadsToAPageAndPlaceOfTheGuide() {
        const QStringList pages = QDir(HelpFolder()).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.contains("index.html"));
        QVERIFY(pages.contains("popup.html"));
        static const QRegularExpression link("(?:href|src)=\"([^\"]*)\"");
        for (const QString& name : pages) {
            const QString page = ReadPage(name);
            QVERIFY2(!page.contains("<script"), qPrintable(name));
            for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
                const QString target = match.captured(1);
                const QString where = name + ": " + target;
                QVERIFY2(!target.contains("://"), qPrintable(where));  // nothing from outside
                const QString file =
                    target.section('#', 0, 0).isEmpty() ? name : target.section('#', 0, 0);
                QVERIFY2(QFile::exists(HelpFolder() + "/" + file), qPrintable(where));
                const QString anchor = target.section('#', 1);
                if (!anchor.isEmpty()) {
                    QVERIFY2(IdsOf(ReadPage(file)).contains(anchor), qPrintable(where));
                }
            }
        }
    }

    void PopupEntriesHaveUniqueIds() {
        const QStringList ids = IdsOf(ReadPage("popup.html"));
        for (const char* id : {"login-username", "login-password", "add-title", "add-year",
                               "add-duration", "add-image"}) {
            QVERIFY2(ids.contains(id), id);
        }
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
    }
};

}  // namespace

int RunHelpPagesTests(int argc, char** argv) {
    HelpPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace accessories_test

#include "help_pages_test.moc"
