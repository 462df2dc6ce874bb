// Tips and Tricks: which tips it shows, stepping through them, and the start-up check box.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "gui/accessories/tips_dialog.h"
#include "test_groups.h"
#include "window_checks.h"

namespace accessories_test {
namespace {

class TipsDialogTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir folder_;

    QString WriteTips(const QByteArray& bytes) {
        const QString path = folder_.filePath("tip.txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
        file.write(bytes);
        return path;
    }

    static QString ShownTip(const gui::TipsDialog& dialog) {
        return dialog.findChild<QLabel*>("tipText")->text();
    }

    static void Click(const gui::TipsDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }

  private slots:
    void ShowsEveryLineOfTheFileAsOneTip() {
        const QString path = WriteTips("First tip.\n\n  Second tip.\r\nThird tip, caf\xc3\xa9.\n");
        gui::TipsDialog dialog(path, true, nullptr, 1);
        QCOMPARE(dialog.TipCount(), 3);
        QSet<QString> seen;
        for (int i = 0; i < dialog.TipCount(); ++i) {
            seen << ShownTip(dialog);
            Click(dialog, "nextTipButton");
        }
        QCOMPARE(seen, (QSet<QString>{"First tip.", "Second tip.", "Third tip, caf\u00e9."}));
    }

    void NextTipStepsForwardAndWrapsToTheFirst() {
        gui::TipsDialog dialog(WriteTips("a\nb\nc\n"), true, nullptr, 5);
        const int start = dialog.CurrentTipIndex();
        for (int step = 1; step <= 4; ++step) {
            Click(dialog, "nextTipButton");
            QCOMPARE(dialog.CurrentTipIndex(), (start + step) % 3);
            QCOMPARE(ShownTip(dialog), dialog.CurrentTip());
        }
    }

    void PreviousTipStepsBackwardAndWrapsToTheLast() {
        gui::TipsDialog dialog(WriteTips("a\nb\nc\n"), true, nullptr, 5);
        const int start = dialog.CurrentTipIndex();
        for (int step = 1; step <= 4; ++step) {
            Click(dialog, "previousTipButton");
            QCOMPARE(dialog.CurrentTipIndex(), ((start - step) % 3 + 3) % 3);
            QCOMPARE(ShownTip(dialog), dialog.CurrentTip());
        }
    }

    void NextThenPreviousReturnsToTheSameTip() {
        gui::TipsDialog dialog(WriteTips("a\nb\nc\nd\n"), true, nullptr, 9);
        const QString first = ShownTip(dialog);
        Click(dialog, "nextTipButton");
        QVERIFY(ShownTip(dialog) != first);
        Click(dialog, "previousTipButton");
        QCOMPARE(ShownTip(dialog), first);
    }

    void TheSameSeedStartsAtTheSameTip() {
        const QString path = WriteTips("a\nb\nc\nd\ne\nf\ng\nh\n");
        for (quint32 seed : {0u, 1u, 42u}) {
            gui::TipsDialog first(path, true, nullptr, seed);
            gui::TipsDialog second(path, true, nullptr, seed);
            QCOMPARE(first.CurrentTipIndex(), second.CurrentTipIndex());
        }
    }

    void StartupCheckBoxStartsAsGivenAndReportsTheUsersChoice() {
        for (bool initially : {true, false}) {
            gui::TipsDialog dialog(WriteTips("a\n"), initially, nullptr, 0);
            auto* check = dialog.findChild<QCheckBox*>("showAtStartupCheck");
            QCOMPARE(check->text(), QString("&Show tips at startup"));
            QCOMPARE(dialog.ShowAtStartup(), initially);
            check->click();
            QCOMPARE(dialog.ShowAtStartup(), !initially);
        }
    }

    void MissingOrEmptyFileShowsOneBuiltInTip() {
        for (const QString& path :
             {folder_.filePath("no-such-file.txt"), WriteTips(""), WriteTips("\n  \n\n")}) {
            gui::TipsDialog dialog(path, true, nullptr);
            QCOMPARE(dialog.TipCount(), 1);
            QVERIFY(!ShownTip(dialog).isEmpty());
            Click(dialog, "nextTipButton");
            Click(dialog, "previousTipButton");
            QCOMPARE(dialog.CurrentTipIndex(), 0);
        }
    }

    void ShowsTitleHeadingAndEveryTipUncut() {
        gui::TipsDialog dialog(QString(REELDECK_SOURCE_DATA) + "/cfg/tip.txt", true, nullptr, 3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Tips and Tricks"));
        QCOMPARE(dialog.findChild<QLabel*>("tipHeading")->text(), QString("Did you know..."));
        QVERIFY(dialog.TipCount() >= 25);
        const QSize size = dialog.size();
        for (int i = 0; i < dialog.TipCount(); ++i) {
            VerifyLabelsFit(dialog);
            if (QTest::currentTestFailed()) return;
            Click(dialog, "nextTipButton");
            QCOMPARE(dialog.size(), size);  // the window does not jump from tip to tip
        }
    }

    void EscapeAndEnterCloseTheWindow() {
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            gui::TipsDialog dialog(WriteTips("a\nb\n"), true, nullptr, 0);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::keyClick(&dialog, key);
            QVERIFY(!dialog.isVisible());
        }
    }
};

}  // namespace

int RunTipsDialogTests(int argc, char** argv) {
    TipsDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace accessories_test

#include "tips_dialog_test.moc"
