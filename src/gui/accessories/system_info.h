#pragma once

#include <QList>
#include <QPair>
#include <QString>

// What the System Information window shows about the computer, and the two figures the Help
// menu's "Send Feedback" address carries.
namespace gui {

// The operating system: its name, kernel and processor architecture, e.g.
// "Debian GNU/Linux 12 (bookworm), linux 6.1.0-27-amd64, x86_64".
QString OperatingSystemText();

// Installed and currently available memory in megabytes (from /proc/meminfo); 0 when unknown.
double InstalledMemoryMegabytes();
double AvailableMemoryMegabytes();

// The value of `key` ("MemTotal", "MemAvailable" …) in a text laid out as /proc/meminfo, in
// megabytes; 0 when the key is missing.
double MeminfoMegabytes(const QString& meminfo_text, const QString& key);

// A memory figure as the window and the feedback address show it: "%.0f MB".
QString MegabytesText(double megabytes);

// One group of the window: a heading and its name/value lines.
struct SystemInfoSection {
    QString title;
    QList<QPair<QString, QString>> lines;
};

// Operating system, memory, screens and Qt, as shown in the window.
QList<SystemInfoSection> CollectSystemInfo();

// The sections as plain text, for the clipboard.
QString SystemInfoText(const QList<SystemInfoSection>& sections);

}  // namespace gui
