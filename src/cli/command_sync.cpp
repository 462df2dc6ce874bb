#include "app/synchronize_window.h"
#include "cli/commands.h"
#include "core/images.h"

namespace cli {

void RunSync(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1, "sync DB [--wanted] [--images]");
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();

    app::SynchronizeWindow window;
    const bool neither = !context.arguments().Has("--wanted") && !context.arguments().Has("--images");
    window.SetWantedVideos(neither || context.arguments().Has("--wanted"));
    window.SetVideoImages(neither || context.arguments().Has("--images"));

    const int wanted_before = session.Wanted.Count();
    const int images_before = core::CountImageFiles(session.ImageFolder);
    platform::NoProgress quiet;
    window.Ok(session, quiet);
    if (session.Modified) SaveOpenDatabase(context);
    if (window.WantedVideos()) {
        out << "Removed " << wanted_before - session.Wanted.Count()
            << " wanted titles already in My Videos\n";
    }
    if (window.VideoImages()) {
        out << "Deleted " << images_before - core::CountImageFiles(session.ImageFolder)
            << " image files without a record or older than another image of their record\n";
    }
}

}  // namespace cli
