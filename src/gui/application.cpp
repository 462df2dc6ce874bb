#include "gui/application.h"

#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "app/startup.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "config/service_config.h"
#include "core/dates.h"
#include "core/text.h"
#include "gui/desktop_services.h"
#include "gui/editor/qt_image_converter.h"
#include "gui/main_window.h"
#include "gui/memory_arena.h"
#include "gui/startup_sequence.h"
#include "gui/text_bytes.h"
#include "gui/web_html_view.h"
#include "gui/xdg_file_types.h"
#include "platform/curl_downloader.h"

namespace gui {

const char* const kHtmlViewMissingWarning =
    "Reeldeck was unable to find the HTML view component (Qt WebEngine) on\nthis computer. It is "
    "required in order for some features\nto work properly (the video player, previews and the "
    "Video Import Wizard).\n\nIf an error occurs while using Reeldeck try the following:\n\n1. If "
    "Qt WebEngine is not installed:\n\n    Install it (the qt6-webengine packages) before "
    "restarting Reeldeck.\n\n2. If it is installed:\n\n    Verify its installation or re-install "
    "it "
    "and try again.\n\nClick the Retry button to continue opening Reeldeck or click the\nAbort "
    "button to exit. To avoid seeing this warning in the future\nclick the Ignore button.";

namespace {

// Settings the web engine needs before the application object exists.
void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine's sandbox refuses to run as root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

}  // namespace

int RunApplication(int argc, char** argv) {
    UseOneMemoryArena();
    PrepareWebEngine();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Reeldeck");
    QApplication::setApplicationVersion("1.0");
    QApplication::setDesktopFileName("reeldeck");

    // The program's files and its settings.
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(
        config::LocateProgramFolder(config::CurrentProgramFolderInputs()));
    config::ProgramConfig config;
    const auto show_error = [](const QString& text) {
        QMessageBox::critical(nullptr, "Error", text);
    };
    if (!ReadStartupConfiguration(paths, config, show_error)) return 0;
    config::RecentDatabases recent;
    recent.Load(paths.recent_databases);
    config::ServiceConfig service;
    config::ReadServiceConfig(service, paths.service,
                              qEnvironmentVariable("REELDECK_SERVICE_URL").toStdString());

    // The HTML view component.
    if (!config.ignore_ie_missing_warning && !HtmlViewAvailable()) {
        const auto answer = QMessageBox::warning(
            nullptr, "Warning", kHtmlViewMissingWarning,
            QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Retry);
        if (answer == QMessageBox::Abort) return 0;
        if (answer == QMessageBox::Ignore) {
            config.ignore_ie_missing_warning = true;
            const core::FileResult written = config::WriteConfig(config, paths.config);
            if (!written) {
                show_error(
                    FromBytes(core::FormatText("Error saving configuration settings to:\n%s.\n%s.",
                                               {written.path, written.reason})));
            }
        }
    }

    core::SystemClock clock;
    app::Session session(paths, config, recent, clock);
    QtShell shell;
    QtHelp help(FromBytes(paths.help), FromBytes(paths.popup_help));
    platform::CurlDownloader downloader;
    QtImageConverter converter;
    MainWindow window({session, service, shell, help, downloader, converter});
    help.SetParent(&window);

    StartupSequence startup(window, application.arguments());
    XdgFileTypes file_types;
    startup.Run(file_types);
    return QApplication::exec();
}

}  // namespace gui
