#include "gui/xdg_file_types.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "gui/text_bytes.h"

namespace gui {
namespace {

struct FileType {
    const char* extension;
    const char* type_name;
    const char* mime;
    const char* comment;
    const char* icon;  // under res/
};

constexpr FileType kTypes[] = {
    {"rdka", "ReeldeckAccessFile", "application/x-reeldeck-access", "Reeldeck accounts",
     "dbmisc.svg"},
    {"rdkh", "ReeldeckHeaderFile", "application/x-reeldeck-header", "Reeldeck column header",
     "dbmisc.svg"},
    {"rdki", "ReeldeckImagePathFile", "application/x-reeldeck-image-path", "Reeldeck image folder",
     "dbmisc.svg"},
    {"rdks", "ReeldeckSortStateFile", "application/x-reeldeck-sort-state", "Reeldeck sort order",
     "dbmisc.svg"},
    {"rdkw", "ReeldeckWantedFile", "application/x-reeldeck-wanted", "Reeldeck wanted videos",
     "dbmisc.svg"},
    {"rdk", "ReeldeckDatabaseFile", "application/x-reeldeck-database", "Reeldeck database",
     "dbexe.svg"},
};

// Writes `content` unless the file already holds it; true if it was written.
bool WriteIfChanged(const QString& path, const QByteArray& content) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return false;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(content);
    return file.commit();
}

QString IconName(const char* mime) {
    return QString(mime).replace('/', '-');
}

}  // namespace

XdgFileTypes::XdgFileTypes(QString data_home) : data_home_(std::move(data_home)) {
    if (data_home_.isEmpty()) {
        data_home_ = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }
}

QString XdgFileTypes::MimePackage() {
    QString xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const FileType& type : kTypes) {
        xml += QString(
                   "  <mime-type type=\"%1\">\n"
                   "    <comment>%2</comment>\n"
                   "    <generic-icon name=\"%3\"/>\n"
                   "    <glob pattern=\"*.%4\"/>\n"
                   "    <alias type=\"application/x-%5\"/>\n"
                   "  </mime-type>\n")
                   .arg(type.mime, type.comment, IconName(type.mime), type.extension,
                        QString(type.type_name).toLower());
    }
    return xml + "</mime-info>\n";
}

QString XdgFileTypes::DesktopEntry(const QString& program) {
    return QString(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Reeldeck\n"
               "GenericName=Video Catalogue\n"
               "Comment=Catalogue your video collection\n"
               "Exec=\"%1\" %f\n"
               "Icon=reeldeck\n"
               "Terminal=false\n"
               "Categories=AudioVideo;Video;Database;\n"
               "MimeType=application/x-reeldeck-database;\n")
        .arg(program);
}

bool XdgFileTypes::Associate(const std::string& program, const std::string& program_folder) {
    const QString res = FromBytes(program_folder) + "/res/";
    const bool changed =
        WriteIfChanged(data_home_ + "/mime/packages/reeldeck.xml", MimePackage().toUtf8());
    const bool entry_changed = WriteIfChanged(data_home_ + "/applications/reeldeck.desktop",
                                              DesktopEntry(FromBytes(program)).toUtf8());
    auto copy_icon = [&](const QString& from, const QString& to) {
        QFile source(from);
        if (source.open(QIODevice::ReadOnly)) WriteIfChanged(to, source.readAll());
    };
    const QString icons = data_home_ + "/icons/hicolor/scalable/";
    copy_icon(res + "reeldeck.svg", icons + "apps/reeldeck.svg");
    for (const FileType& type : kTypes) {
        copy_icon(res + type.icon, icons + "mimetypes/" + IconName(type.mime) + ".svg");
    }
    // The desktop reads its caches, not the files: refresh them when something changed.
    if (changed && !QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        QProcess::startDetached("update-mime-database", {data_home_ + "/mime"});
    }
    if (entry_changed && !QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        QProcess::startDetached("update-desktop-database", {data_home_ + "/applications"});
    }
    return true;
}

}  // namespace gui
