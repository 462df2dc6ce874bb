#include "gui/accessories/system_info.h"

#include <unistd.h>

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSysInfo>
#include <QtGlobal>

namespace gui {
namespace {

QString ReadMeminfo() {
    QFile file("/proc/meminfo");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll());
}

QString ScreenText(const QScreen& screen) {
    const QRect g = screen.geometry();
    return QString("%1 x %2 at (%3, %4), %5-bit colour, device pixel ratio %6")
        .arg(g.width())
        .arg(g.height())
        .arg(g.x())
        .arg(g.y())
        .arg(screen.depth())
        .arg(screen.devicePixelRatio());
}

}  // namespace

QString OperatingSystemText() {
    return QString("%1, %2 %3, %4")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture());
}

double MeminfoMegabytes(const QString& meminfo_text, const QString& key) {
    // Lines read "MemTotal:       16316412 kB".
    const QRegularExpression line("^" + QRegularExpression::escape(key) + ":\\s*(\\d+)\\s*kB",
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(meminfo_text);
    if (!match.hasMatch()) return 0;
    return match.captured(1).toDouble() / 1024.0;
}

double InstalledMemoryMegabytes() {
    const double from_kernel = MeminfoMegabytes(ReadMeminfo(), "MemTotal");
    if (from_kernel > 0) return from_kernel;
    // Without /proc (a restricted sandbox) the C library still knows the page count.
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || page_size <= 0) return 0;
    return static_cast<double>(pages) * static_cast<double>(page_size) / (1024.0 * 1024.0);
}

double AvailableMemoryMegabytes() {
    const QString meminfo = ReadMeminfo();
    const double available = MeminfoMegabytes(meminfo, "MemAvailable");
    // Kernels before 3.14 have no MemAvailable; free memory is the nearest figure.
    return available > 0 ? available : MeminfoMegabytes(meminfo, "MemFree");
}

QString MegabytesText(double megabytes) {
    return QString::asprintf("%.0f MB", megabytes);
}

QList<SystemInfoSection> CollectSystemInfo() {
    QList<SystemInfoSection> sections;
    sections.append({"Operating System",
                     {{"Name", QSysInfo::prettyProductName()},
                      {"Kernel", QSysInfo::kernelType() + " " + QSysInfo::kernelVersion()},
                      {"Architecture", QSysInfo::currentCpuArchitecture()}}});
    sections.append({"Memory",
                     {{"Installed", MegabytesText(InstalledMemoryMegabytes())},
                      {"Available", MegabytesText(AvailableMemoryMegabytes())}}});

    SystemInfoSection screens{"Screens", {}};
    const QList<QScreen*> all_screens = QGuiApplication::screens();
    screens.lines.append({"Count", QString::number(all_screens.size())});
    for (int i = 0; i < all_screens.size(); ++i) {
        screens.lines.append({QString("Screen %1").arg(i + 1), ScreenText(*all_screens.at(i))});
    }
    sections.append(screens);

    sections.append(
        {"Qt", {{"Version", QString("%1 (built with %2)").arg(qVersion(), QT_VERSION_STR)}}});
    return sections;
}

QString SystemInfoText(const QList<SystemInfoSection>& sections) {
    QString text;
    for (const SystemInfoSection& section : sections) {
        text += section.title + "\n";
        for (const auto& [name, value] : section.lines) {
            text += QString("    %1 %2\n").arg(name + ":", -14).arg(value);
        }
    }
    return text;
}

}  // namespace gui
