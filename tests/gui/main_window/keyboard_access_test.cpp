// Every window of the program can be worked without a mouse and named by a screen reader: each
// control that takes the focus has an accessible name, and Tab reaches all of them, on every page.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include "gui/desktop_services.h"
#include "gui/login_dialog.h"
#include "gui/users_dialog.h"
#include "gui/wizard/wizard_dialogs.h"
#include "gui/wizard/wizard_window.h"
#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;
using KeyboardAccessTest = GuiFixture;

QString Describe(const QWidget* widget) {
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

// A widget that holds the focus for its parent (a spin box's field) may speak with its parent's
// name.
QString AccessibleName(QWidget* control) {
    for (QWidget* named = control; named; named = named->parentWidget()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(named);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        if (!name.isEmpty() || !named->parentWidget() ||
            named->parentWidget()->focusProxy() != named)
            return name;
    }
    return {};
}

// Of a set of exclusive radio buttons Tab stops at one; the arrow keys move within the set.
const QObject* TabStopOf(const QWidget* widget) {
    auto* radio = qobject_cast<const QRadioButton*>(widget);
    if (!radio || !radio->autoExclusive()) return widget;
    return radio->group() ? static_cast<const QObject*>(radio->group()) : radio->parentWidget();
}

// The page as shown: the names, then Tab from the focus until it comes round again.
void CheckShownPage(QWidget* window, const QString& where) {
    QList<QWidget*> stops;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && widget->isVisible() && widget->isEnabled() &&
            !widget->focusProxy() && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            stops << widget;
    }
    for (QWidget* stop : stops)
        EXPECT_FALSE(AccessibleName(stop).isEmpty())
            << where.toStdString() << ": unnamed " << Describe(stop).toStdString();
    if (stops.isEmpty()) return;
    QApplication::setActiveWindow(window);
    if (!window->focusWidget() || !window->focusWidget()->isVisible()) stops.front()->setFocus();
    QSet<const QObject*> reached;
    for (int press = 0; press < 2 * stops.size() + 2; ++press) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) break;
        reached.insert(TabStopOf(focus));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (QWidget* stop : stops) {
        if (!stop->isEnabled()) continue;  // a choice made on the way may turn a control off
        EXPECT_TRUE(reached.contains(TabStopOf(stop)))
            << where.toStdString() << ": Tab never reaches " << Describe(stop).toStdString();
    }
}

// Every page of every tab or page stack of `window` in turn.
void CheckKeyboardAccess(QWidget* window, const QString& where) {
    CheckShownPage(window, where);
    for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
        if (!stack->isVisible()) continue;
        const int shown = stack->currentIndex();
        for (int page = 0; page < stack->count(); ++page) {
            if (page == shown) continue;
            stack->setCurrentIndex(page);
            CheckShownPage(window, where + " page " + QString::number(page));
        }
        stack->setCurrentIndex(shown);
    }
}

// Runs `command`, checks the modal window it opens, then each window that the buttons named in
// `inner` open from it in turn, closing each after its check.
void CheckModal(const QString& where, const std::vector<const char*>& inner, std::size_t depth) {
    QTimer::singleShot(0, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << where.toStdString() << ": no window opened";
            return;
        }
        CheckKeyboardAccess(modal, where + " > " + modal->windowTitle());
        if (depth < inner.size()) {
            auto* button = modal->findChild<QAbstractButton*>(inner[depth]);
            EXPECT_NE(button, nullptr) << inner[depth];
            if (button) {
                CheckModal(where, inner, depth + 1);
                button->click();
            }
        }
        modal->close();
    });
}

TEST_F(KeyboardAccessTest, EveryWindowNamesItsControlsAndTabReachesThemAll) {
    Open(WriteDatabase("films.rdk", 3, 2, {"Drama"}));
    session_->Videos.Select(0, true);
    for (int command : {cmd::kWantedVideos, cmd::kVideoDetails, cmd::kVideoPlayer, cmd::kSearch})
        if (!Action(command)->isChecked()) window_->RunCommand(command);
    CheckKeyboardAccess(window_.get(), "main window");
    window_->RunCommand(cmd::kReplace);
    window_->RunCommand(cmd::kImageView);
    CheckKeyboardAccess(window_.get(), "main window in image view");
    window_->RunCommand(cmd::kTextView);

    const struct {
        int command;
        std::vector<const char*> inner;
    } modals[] = {
        {cmd::kAddNew, {}},
        {cmd::kEditSelected, {}},
        {cmd::kFlagSelected, {}},
        {cmd::kMarkCustom, {}},
        {cmd::kAutoCycle, {}},
        {cmd::kSynchronize, {}},
        {cmd::kSettings, {}},
        {cmd::kProperties, {}},
        {cmd::kPrint, {}},
        {cmd::kHtmlMyVideos, {"pageLinks"}},
        {cmd::kHtmlMyVideos, {"pageLogo"}},
        {cmd::kHtmlMyVideos, {"columns"}},
        {cmd::kOpenHtmlList, {}},
        {cmd::kImportMyVideos, {}},
        {cmd::kImportCsv, {}},
        {cmd::kExportCsv, {}},
        {cmd::kPlayerOpenUrl, {}},
        {cmd::kSystemInformation, {}},
        {cmd::kTipsAndTricks, {}},
        {cmd::kAbout, {}},
    };
    for (const auto& modal : modals) {
        const QString where = Action(modal.command)->text().remove('&');
        CheckModal(where, modal.inner, 0);
        window_->RunCommand(modal.command);
    }

    window_->RunCommand(cmd::kVideoImportWizard);
    auto* wizard = window_->findChild<gui::WizardWindow*>();
    ASSERT_NE(wizard, nullptr);
    CheckKeyboardAccess(wizard, "Video Import Wizard");
    wizard->close();
    gui::NoResultsDialog no_results("Casablanca", true, window_.get());
    no_results.show();
    CheckKeyboardAccess(&no_results, "no results");

    const std::vector<core::UserAccount> accounts{{"Ann", "pw", 2, "Pet?", "Rex"}};
    app::LoginWindow login(accounts, prompts_);
    gui::LoginDialog login_dialog(login, nullptr);
    login_dialog.show();
    CheckKeyboardAccess(&login_dialog, "login");
    app::HintWindow hint(accounts.front(), login, prompts_);
    gui::HintDialog hint_dialog(hint);
    hint_dialog.show();
    CheckKeyboardAccess(&hint_dialog, "hint");
    app::UsersWindow users(accounts, "Ann", "pw", prompts_);
    gui::UsersDialog users_dialog(users, REELDECK_SOURCE_DATA "/res");
    users_dialog.show();
    CheckKeyboardAccess(&users_dialog, "users");

    gui::QtHelp help(REELDECK_SOURCE_DATA "/help/index.html",
                     REELDECK_SOURCE_DATA "/help/popup.html");
    help.ShowContents();
    CheckKeyboardAccess(help.Window(), "help");
}

}  // namespace
