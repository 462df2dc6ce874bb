// About Reeldeck: what it says, and that it closes from the keyboard.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/accessories/about_dialog.h"
#include "test_groups.h"
#include "window_checks.h"

namespace accessories_test {
namespace {

class AboutDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void ShowsPictureNameVersionAndTheFilmListLicence() {
        gui::AboutDialog dialog(ResFolder());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("About Reeldeck"));
        QVERIFY(!dialog.findChild<QLabel*>("aboutPicture")->pixmap().isNull());
        QCOMPARE(dialog.findChild<QLabel*>("aboutName")->text(), QString("Reeldeck 1.0"));
        QVERIFY(!dialog.findChild<QLabel*>("aboutDescription")->text().isEmpty());
        const QString note = dialog.findChild<QLabel*>("aboutLicenceNote")->text();
        QVERIFY(note.contains("vega-datasets"));
        QVERIFY(note.contains("BSD 3-Clause"));
        VerifyLabelsFit(dialog);
    }

    void CloseButtonEscapeAndEnterCloseTheWindow() {
        for (int way = 0; way < 3; ++way) {
            gui::AboutDialog dialog(ResFolder());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            if (way == 0) {
                QTest::mouseClick(dialog.findChild<QPushButton*>("closeButton"), Qt::LeftButton);
            } else {
                QTest::keyClick(&dialog, way == 1 ? Qt::Key_Escape : Qt::Key_Return);
            }
            QVERIFY(!dialog.isVisible());
        }
    }

    void WithoutItsPictureStillOpens() {
        gui::AboutDialog dialog("/nonexistent");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        VerifyLabelsFit(dialog);
    }
};

}  // namespace

int RunAboutDialogTests(int argc, char** argv) {
    AboutDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace accessories_test

#include "about_dialog_test.moc"
