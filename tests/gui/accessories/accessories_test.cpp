// The windows that need no database (About, splash, Tips and Tricks, System Information), the
// program's pictures and the user guide's links.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSvgRenderer>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "gui/accessories/about_dialog.h"
#include "gui/accessories/splash_window.h"
#include "gui/accessories/system_info.h"
#include "gui/accessories/system_info_dialog.h"
#include "gui/accessories/tips_dialog.h"

namespace {

const QString kData = REELDECK_SOURCE_DATA;
const QString kRes = kData + "/res";

bool HasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) return true;
        }
    }
    return false;
}

QString ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class AccessoriesTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

    QString WriteTips(const QByteArray& bytes) {
        const QString path = folder_.filePath("tip.txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
        file.write(bytes);
        return path;
    }
    static QString Tip(const gui::TipsDialog& dialog) {
        return dialog.findChild<QLabel*>("tipText")->text();
    }
    static void Click(const QWidget& window, const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    }

  private slots:
    void EveryShippedPictureDraws_data() {
        QTest::addColumn<QString>("file");
        for (const QString& name : QDir(kRes).entryList({"*.svg", "*.gif"}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void EveryShippedPictureDraws() {
        QFETCH(QString, file);
        QImage image;
        if (file.endsWith(".svg")) {
            QSvgRenderer renderer(kRes + "/" + file);
            QVERIFY(renderer.isValid());
            image = QImage(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
        } else {
            QVERIFY(image.load(kRes + "/" + file, "GIF"));
        }
        QVERIFY(HasVisiblePixel(image));
    }

    void EveryLinkOfTheUserGuideLeadsToAPageAndPlaceOfIt() {
        const QString help = kData + "/help";
        const QStringList pages = QDir(help).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.contains("index.html") && pages.contains("popup.html"));
        static const QRegularExpression link("(?:href|src)=\"([^\"]*)\"");
        static const QRegularExpression id(" id=\"([^\"]+)\"");
        for (const QString& name : pages) {
            for (const QRegularExpressionMatch& match :
                 link.globalMatch(ReadFile(help + "/" + name))) {
                const QString target = match.captured(1);
                const QString where = name + ": " + target;
                QVERIFY2(!target.contains("://"), qPrintable(where));  // nothing from outside
                const QString file =
                    target.section('#', 0, 0).isEmpty() ? name : target.section('#', 0, 0);
                const QString page = ReadFile(help + "/" + file);
                QVERIFY2(!page.isEmpty(), qPrintable(where));
                const QString anchor = target.section('#', 1);
                QVERIFY2(anchor.isEmpty() || page.contains(" id=\"" + anchor + "\""),
                         qPrintable(where));
            }
        }
    }

    void AboutShowsThePictureTheVersionAndTheFilmListsLicenceAndClosesWithEscape() {
        gui::AboutDialog dialog(kRes);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.findChild<QLabel*>("aboutPicture")->pixmap().isNull());
        QCOMPARE(dialog.findChild<QLabel*>("aboutName")->text(), QString("Reeldeck 1.0"));
        QVERIFY(dialog.findChild<QLabel*>("aboutLicenceNote")->text().contains("BSD 3-Clause"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void TheSplashIsAFramelessPictureCentredOnTheScreen() {
        gui::SplashWindow splash(kRes);
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.size(), QSize(480, 280));
        const QPoint centre = splash.screen()->availableGeometry().center();
        QVERIFY((splash.geometry().center() - centre).manhattanLength() <= 2);
        const QColor corner = splash.grab().toImage().pixelColor(4, 4);
        QVERIFY2(corner.blue() > corner.red() + 40, "the picture's dark blue sky");
    }

    // Which ticks animate is the splash timer's business; here, that an animation step narrows
    // the outline.
    void TheSplashOutlineNarrowsWhileItAnimates() {
        gui::SplashWindow splash(kRes);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        for (int tick = 1; tick < 20; ++tick) splash.Tick();
        QVERIFY(splash.mask().isEmpty());
        splash.Tick();
        const int first = splash.mask().boundingRect().width();
        QVERIFY(first > 0 && first < splash.width());
        splash.Tick();
        splash.Tick();
        QVERIFY(splash.mask().boundingRect().width() < first);
    }

    void TipsAreTheFilesLinesInACircleOrABuiltInOneAndTheCheckBoxReportsTheChoice() {
        const QString path = WriteTips("First tip.\n\n  Second tip.\r\nThird, caf\xc3\xa9.\n");
        gui::TipsDialog dialog(path, true, nullptr, 5);
        QCOMPARE(dialog.TipCount(), 3);
        const int start = dialog.CurrentTipIndex();
        QSet<QString> seen;
        for (int step = 1; step <= 3; ++step) {
            seen << Tip(dialog);
            Click(dialog, "nextTipButton");
            QCOMPARE(dialog.CurrentTipIndex(), (start + step) % 3);
        }
        QCOMPARE(seen, (QSet<QString>{"First tip.", "Second tip.", "Third, caf\u00e9."}));
        Click(dialog, "previousTipButton");
        QCOMPARE(dialog.CurrentTipIndex(), (start + 2) % 3);
        QCOMPARE(Tip(dialog), dialog.CurrentTip());
        QCOMPARE(gui::TipsDialog(path, true, nullptr, 5).CurrentTipIndex(), start);  // the seed
        QVERIFY(dialog.ShowAtStartup());
        dialog.findChild<QCheckBox*>("showAtStartupCheck")->click();
        QVERIFY(!dialog.ShowAtStartup());
        gui::TipsDialog none(folder_.filePath("missing.txt"), true, nullptr);
        QCOMPARE(none.TipCount(), 1);  // a built-in tip
        QVERIFY(!Tip(none).isEmpty());
    }

    void EveryShippedTipFitsWithoutTheWindowChangingSize() {
        gui::TipsDialog dialog(kData + "/cfg/tip.txt", true, nullptr, 3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.TipCount() >= 25);
        const QSize size = dialog.size();
        const QLabel* tip = dialog.findChild<QLabel*>("tipText");
        for (int i = 0; i < dialog.TipCount(); ++i) {
            QVERIFY2(tip->height() >= tip->heightForWidth(tip->width()), qPrintable(Tip(dialog)));
            Click(dialog, "nextTipButton");
            QCOMPARE(dialog.size(), size);
        }
    }

    void SystemInformationReadsMemoryInMegabytesAndCopiesWhatItShows() {
        const QString meminfo = "MemTotal:       16316412 kB\nMemFree:         1048576 kB\n";
        QCOMPARE(gui::MeminfoMegabytes(meminfo, "MemFree"), 1024.0);
        QCOMPARE(gui::MeminfoMegabytes(meminfo, "SwapTotal"), 0.0);
        QCOMPARE(gui::MegabytesText(15933.99), QString("15934 MB"));
        QVERIFY(gui::AvailableMemoryMegabytes() > 0);
        QVERIFY(gui::AvailableMemoryMegabytes() <= gui::InstalledMemoryMegabytes());

        gui::SystemInfoDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tree = dialog.findChild<QTreeWidget*>("systemInfoTree");
        QStringList groups;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            groups << tree->topLevelItem(i)->text(0);
        QCOMPARE(groups, (QStringList{"Operating System", "Memory", "Screens", "Qt"}));
        QGuiApplication::clipboard()->clear();
        Click(dialog, "copyButton");
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.contains(QSysInfo::kernelType() + " " + QSysInfo::kernelVersion()));
        QVERIFY(copied.contains(gui::MegabytesText(gui::InstalledMemoryMegabytes())));
        QVERIFY(copied.contains(qVersion()));
    }
};

QTEST_MAIN(AccessoriesTest)
#include "accessories_test.moc"
