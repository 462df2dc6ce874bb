#include "gui/accessories/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/accessories/svg_picture.h"

namespace gui {
namespace {

constexpr QSize kPictureSize(480, 280);

const char* const kDescription =
    "Reeldeck keeps the catalogue of your video collection. My Videos lists the videos you have, "
    "with their details, cover pictures, flags and viewing dates; Wanted Videos lists the titles "
    "you are looking for. Sort, search and replace, print your lists or publish them as HTML "
    "pages, import records from other databases or the online video database, and play your "
    "videos in the built-in player. Databases can be protected with user accounts.";

const char* const kFilmListNote =
    "The films of the demo database come from the film list of vega-datasets, Copyright \u00a9 "
    "2015, University of Washington Interactive Data Lab, used under the BSD 3-Clause licence. "
    "The licence text is in demo/LICENSE.txt in the program folder.";

QLabel* ParagraphLabel(const QString& text, const QString& object_name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(object_name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A fixed width gives the wrapped text a definite height, so the window fits it exactly.
    label->setFixedWidth(kPictureSize.width());
    return label;
}

}  // namespace

AboutDialog::AboutDialog(const QString& res_folder, QWidget* parent) : QDialog(parent) {
    setObjectName("aboutDialog");
    setWindowTitle("About Reeldeck");

    auto* picture = new QLabel(this);
    picture->setObjectName("aboutPicture");
    picture->setFixedSize(kPictureSize);
    picture->setPixmap(RenderSvg(res_folder + "/splash.svg", kPictureSize, devicePixelRatioF()));

    auto* name = new QLabel("Reeldeck 1.0", this);
    name->setObjectName("aboutName");
    QFont name_font = name->font();
    name_font.setBold(true);
    name_font.setPointSizeF(name_font.pointSizeF() * 1.4);
    name->setFont(name_font);

    auto* description = ParagraphLabel(QString::fromUtf8(kDescription), "aboutDescription", this);
    auto* note = ParagraphLabel(QString::fromUtf8(kFilmListNote), "aboutLicenceNote", this);
    QFont note_font = note->font();
    note_font.setPointSizeF(note_font.pointSizeF() * 0.9);
    note->setFont(note_font);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName("closeButton");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addSpacing(4);
    layout->addWidget(name);
    layout->addWidget(description);
    layout->addSpacing(4);
    layout->addWidget(note);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    close->setFocus();
}

}  // namespace gui
