// The splash window: its kind of window, its place on the screen and its tick animation.
#include <QScreen>
#include <QTest>

#include "gui/accessories/splash_window.h"
#include "test_groups.h"
#include "window_checks.h"

namespace accessories_test {
namespace {

class SplashWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void IsASmallFramelessWindowCentredOnTheScreen() {
        gui::SplashWindow splash(ResFolder());
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash.windowFlags() & Qt::SplashScreen, Qt::SplashScreen);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.size(), QSize(480, 280));
        const QPoint screen_centre = splash.screen()->availableGeometry().center();
        QVERIFY((splash.geometry().center() - screen_centre).manhattanLength() <= 2);
    }

    void ShowsThePicture() {
        gui::SplashWindow splash(ResFolder());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QImage shot = splash.grab().toImage();
        // The picture's dark blue sky, not an empty window.
        const QColor corner = shot.pixelColor(4, 4);
        QVERIFY(corner.blue() > corner.red() + 40);
    }

    void CountsTicksFromZero() {
        gui::SplashWindow splash(ResFolder());
        QCOMPARE(splash.Ticks(), 0);
        for (int i = 1; i <= 40; ++i) {
            splash.Tick();
            QCOMPARE(splash.Ticks(), i);
        }
    }

    void OutlineNarrowsAtTicks20To30AndOnlyThere() {
        gui::SplashWindow splash(ResFolder());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        int last_width = splash.width() + 1;
        QRegion last_outline;
        for (int tick = 1; tick <= 34; ++tick) {
            splash.Tick();
            const QRegion outline = splash.mask();
            const bool changes = tick >= 20 && tick <= 30 && tick % 2 == 0;
            if (tick < 20) {
                QVERIFY2(outline.isEmpty(), qPrintable(QString("tick %1").arg(tick)));
            } else if (changes) {
                const int width = outline.boundingRect().width();
                QVERIFY2(width > 0 && width < last_width, qPrintable(QString("tick %1").arg(tick)));
                QVERIFY(QRect(QPoint(0, 0), splash.size()).contains(outline.boundingRect()));
                last_width = width;
            } else {
                QCOMPARE(outline, last_outline);
            }
            last_outline = outline;
        }
    }

    void WithoutItsPictureStillShowsAtTheUsualSize() {
        gui::SplashWindow splash("/nonexistent");
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.size(), QSize(480, 280));
        QVERIFY(!splash.grab().isNull());
    }
};

}  // namespace

int RunSplashWindowTests(int argc, char** argv) {
    SplashWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace accessories_test

#include "splash_window_test.moc"
