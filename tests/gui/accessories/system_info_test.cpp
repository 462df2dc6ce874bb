// System Information: the figures it reports and the Copy button.
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>
#include <QTreeWidget>

#include "gui/accessories/system_info.h"
#include "gui/accessories/system_info_dialog.h"
#include "test_groups.h"
#include "window_checks.h"

namespace accessories_test {
namespace {

class SystemInfoTest : public QObject {
    Q_OBJECT
  private slots:
    void MemoryFiguresArePositive() {
        const double installed = gui::InstalledMemoryMegabytes();
        QVERIFY(installed > 0);
        const double available = gui::AvailableMemoryMegabytes();
        QVERIFY(available > 0);
        QVERIFY(available <= installed);
    }

    void ReadsMeminfoLinesInMegabytes() {
        const QString meminfo =
            "MemTotal:       16316412 kB\n"
            "MemFree:         1048576 kB\n"
            "MemAvailable:    8192000 kB\n"
            "SwapTotal:             0 kB\n";
        QCOMPARE(gui::MeminfoMegabytes(meminfo, "MemTotal"), 16316412 / 1024.0);
        QCOMPARE(gui::MeminfoMegabytes(meminfo, "MemFree"), 1024.0);
        QCOMPARE(gui::MeminfoMegabytes(meminfo, "SwapTotal"), 0.0);
        QCOMPARE(gui::MeminfoMegabytes(meminfo, "Hugepagesize"), 0.0);
        QCOMPARE(gui::MeminfoMegabytes("", "MemTotal"), 0.0);
    }

    void MemoryIsWrittenInWholeMegabytes() {
        QCOMPARE(gui::MegabytesText(15933.99), QString("15934 MB"));
        QCOMPARE(gui::MegabytesText(0), QString("0 MB"));
    }

    void OperatingSystemTextNamesSystemKernelAndProcessor() {
        const QString text = gui::OperatingSystemText();
        QVERIFY(text.contains(QSysInfo::prettyProductName()));
        QVERIFY(text.contains(QSysInfo::kernelType() + " " + QSysInfo::kernelVersion()));
        QVERIFY(text.contains(QSysInfo::currentCpuArchitecture()));
    }

    void WindowListsEveryGroup() {
        gui::SystemInfoDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("System Information"));
        auto* tree = dialog.findChild<QTreeWidget*>("systemInfoTree");
        QStringList groups;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            groups << tree->topLevelItem(i)->text(0);
        QCOMPARE(groups, (QStringList{"Operating System", "Memory", "Screens", "Qt"}));
        // Every line is in view when the window opens.
        QTreeWidgetItem* last = tree->topLevelItem(tree->topLevelItemCount() - 1);
        last = last->child(last->childCount() - 1);
        QVERIFY(tree->viewport()->rect().contains(tree->visualItemRect(last)));
    }

    void CopyPutsTheShownFiguresOnTheClipboard() {
        gui::SystemInfoDialog dialog;
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(dialog.findChild<QPushButton*>("copyButton"), Qt::LeftButton);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, dialog.Text());
        QVERIFY(copied.contains(QSysInfo::prettyProductName()));
        QVERIFY(copied.contains(gui::MegabytesText(gui::InstalledMemoryMegabytes())));
        QVERIFY(copied.contains("Screen 1"));
        QVERIFY(copied.contains(qVersion()));
    }

    void EscapeClosesTheWindow() {
        gui::SystemInfoDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }
};

}  // namespace

int RunSystemInfoTests(int argc, char** argv) {
    SystemInfoTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace accessories_test

#include "system_info_test.moc"
