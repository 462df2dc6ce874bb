// Tools > Import Records (the Import Wizard of each kind of source, the wanted lists, Undo Last),
// the tool bar's "Reeldeck 1.0" button and Tools > Export > CSV....
#include "app/command_ids.h"
#include "gui/imports/export_csv_dialog.h"
#include "gui/imports/import_wizard_dialog.h"
#include "gui/main_window.h"
#include "imports/import_commands.h"

namespace gui {
namespace cmd = app::cmd;

void MainWindow::RegisterImportOperations() {
    app::Session& s = session_;
    app::DatabaseServices& d = database_services_;
    auto& op = operations_;
    using imports::WizardSource;

    op[cmd::kImportMyVideos] = [this] { OpenImportWizard(WizardSource::kReeldeck); };
    op[cmd::kToolImportReeldeck] = op[cmd::kImportMyVideos];
    op[cmd::kImportFilmfolioMovies] = [this] { OpenImportWizard(WizardSource::kFilmfolio); };
    op[cmd::kImportCsv] = [this] { OpenImportWizard(WizardSource::kCsv); };
    op[cmd::kImportTellico] = [this] { OpenImportWizard(WizardSource::kTellico); };
    op[cmd::kImportGcstar] = [this] { OpenImportWizard(WizardSource::kGcstar); };
    op[cmd::kImportWantedVideos] = [&s, &d] {
        imports::ImportWantedCommand(s, imports::WantedSource::kReeldeck, d.prompts, d.progress);
    };
    op[cmd::kImportFilmfolioWanted] = [&s, &d] {
        imports::ImportWantedCommand(s, imports::WantedSource::kFilmfolio, d.prompts, d.progress);
    };
    op[cmd::kUndoImportMyVideos] = [&s, &d] {
        imports::UndoMyVideosCommand(s, d.prompts, d.progress);
    };
    op[cmd::kUndoImportWanted] = [&s, &d] { imports::UndoWantedCommand(s, d.prompts); };
    op[cmd::kExportCsv] = [this] { ExportCsv(); };
}

void MainWindow::OpenImportWizard(imports::WizardSource source) {
    // The tool bar's button is never disabled: it checks what the menu rules check.
    if (!session_.CanChange()) return;
    imports::ImportWizard wizard(source,
                                 {session_, prompts(), database_services_.progress, &converter_});
    ImportWizardDialog dialog(wizard, help_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The lists, counts and captions were refreshed when the import told the session.
    const imports::ImportResult& result = dialog.result();
    prompts().Message(result.message, result.title, platform::Buttons::kOk, result.icon);
}

void MainWindow::ExportCsv() {
    if (!session_.IsOpen() || session_.Videos.RowCount() == 0) return;
    ExportCsvDialog dialog(session_.Videos.SelectedCount(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    imports::ExportCsvCommand(session_, dialog.options(), prompts());
}

}  // namespace gui
