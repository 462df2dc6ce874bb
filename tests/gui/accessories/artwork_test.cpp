// The pictures of res/: every file the windows name is there, draws something, and has the size
// its place in the window expects.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "test_groups.h"
#include "window_checks.h"

namespace accessories_test {
namespace {

bool HasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) return true;
        }
    }
    return false;
}

class ArtworkTest : public QObject {
    Q_OBJECT
  private slots:
    void SvgPicturesDrawAtTheirSize_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (const char* name :
             {"tb-new", "tb-open", "tb-save", "tb-saveas", "tb-search", "tb-replace", "tb-wanted",
              "tb-details", "tb-player", "tb-wizard", "tb-print", "tb-settings"}) {
            QTest::newRow(name) << QString(name) + ".svg" << QSize(24, 24);
        }
        for (const char* name :
             {"user-admin", "user-guest", "user-none", "flag", "viewed", "pane-add", "pane-edit",
              "pane-delete", "pane-delete-all", "pane-flag", "pane-unflag", "pane-unflag-all",
              "pane-viewed", "pane-not-viewed", "pane-viewed-custom"}) {
            QTest::newRow(name) << QString(name) + ".svg" << QSize(16, 16);
        }
        QTest::newRow("sort-up") << "sort-up.svg" << QSize(8, 8);
        QTest::newRow("sort-down") << "sort-down.svg" << QSize(8, 8);
        for (const char* name : {"pane-float", "pane-dock", "pane-close"}) {
            QTest::newRow(name) << QString(name) + ".svg" << QSize(12, 12);
        }
        QTest::newRow("reeldeck") << "reeldeck.svg" << QSize(256, 256);
        QTest::newRow("dbexe") << "dbexe.svg" << QSize(48, 48);
        QTest::newRow("dbmisc") << "dbmisc.svg" << QSize(48, 48);
        QTest::newRow("splash") << "splash.svg" << QSize(480, 280);
        QTest::newRow("no-picture") << "no-picture.svg" << QSize(90, 130);
    }

    void SvgPicturesDrawAtTheirSize() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QString path = ResFolder() + "/" + file;
        QFile source(path);
        QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(path));
        QVERIFY(source.readAll().contains("viewBox=\""));

        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QVERIFY(HasVisiblePixel(image));
    }

    void GifMarksAndPlaceholderLoad_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("flagged mark") << "ivflag.gif" << QSize(16, 16);
        QTest::newRow("viewed mark") << "ivview.gif" << QSize(16, 16);
        QTest::newRow("no picture") << "pprev.gif" << QSize(90, 130);
    }

    void GifMarksAndPlaceholderLoad() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage image(ResFolder() + "/" + file, "GIF");
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), size);
        QVERIFY(HasVisiblePixel(image));
    }
};

}  // namespace

int RunArtworkTests(int argc, char** argv) {
    ArtworkTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace accessories_test

#include "artwork_test.moc"
