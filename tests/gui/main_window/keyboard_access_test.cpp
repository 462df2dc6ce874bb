// Every window of the program can be worked without a mouse and named by a screen reader: each
// control that takes the focus has an accessible name, Tab reaches all of them, on every page, and
// Alt with a letter reaches each labelled control; F6 goes round the main window's panes.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
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

// The Alt key a text offers ("Fi&nd" offers N), or none. A standard button of a button box is
// given its first letter by the desktop's own texts ("&OK", "&Cancel").
QChar Mnemonic(QWidget* widget, QString text) {
    if (auto* box = qobject_cast<const QDialogButtonBox*>(widget->parentWidget());
        box && box->standardButton(qobject_cast<QAbstractButton*>(widget)))
        text = "&" + text.remove('&');
    for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf('&', at + 2)) {
        if (text[at + 1].isLetterOrNumber()) return text[at + 1].toUpper();
    }
    return {};
}

// Records the mnemonic `key` of `text`; a key taken before is a clash.
void Take(QMap<QChar, QString>& taken, QChar key, const QString& text, const QString& where) {
    if (key.isNull()) return;
    EXPECT_FALSE(taken.contains(key)) << where.toStdString() << ": \"" << text.toStdString()
                                      << "\" clashes with \"" << taken[key].toStdString() << "\"";
    taken[key] = text;
}

// The labels and buttons as shown: each button with a text and each label that names a field has
// a mnemonic of its own, and so have group boxes and tabs that offer one; a label's mnemonic
// leads to its field. A text repeated row after row (each pane's "Dock") cannot.
void CheckMnemonics(QWidget* window, const QString& where) {
    QMap<QChar, QString> taken;
    QMap<QString, int> repeats;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible()) ++repeats[button->text()];
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || !widget->isVisible()) continue;
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                Take(taken, Mnemonic(tabs, tabs->tabText(tab)), tabs->tabText(tab), where);
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            Take(taken, Mnemonic(group, group->title()), group->title(), where);
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool labelled =
            button && !button->text().isEmpty() &&
            (qobject_cast<QPushButton*>(button) || qobject_cast<QCheckBox*>(button) ||
             qobject_cast<QRadioButton*>(button));
        if (!label && !labelled) continue;
        const QString text = label ? label->text() : button->text();
        if (label && (label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))) continue;
        const QChar key = Mnemonic(widget, text);
        const std::string what = where.toStdString() + ": \"" + text.toStdString() + "\"";
        const bool words =
            std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        const bool alone = label || repeats[text] < 3;
        EXPECT_TRUE(!key.isNull() || !words || !alone || (label && !label->buddy()))
            << what << " has no mnemonic";
        EXPECT_TRUE(key.isNull() || !label || label->buddy()) << what << " leads nowhere";
        Take(taken, key, text, where);
    }
}

// Within each menu of a menu bar or window, and along the bar, every item has a letter of its own.
void CheckMenuMnemonics(QWidget* owner) {
    QList<QWidget*> menus;
    if (qobject_cast<QMenuBar*>(owner)) menus << owner;
    for (QMenu* menu : owner->findChildren<QMenu*>()) menus << menu;
    for (QWidget* menu : menus) {
        QMap<QChar, QString> taken;
        for (QAction* action : menu->actions()) {
            if (!action->isVisible() || action->isSeparator()) continue;
            Take(taken, Mnemonic(menu, action->text()), action->text(), menu->objectName());
        }
    }
}

// The page as shown: the names, then Tab from the focus until it comes round again.
void CheckShownPage(QWidget* window, const QString& where) {
    CheckMnemonics(window, where);
    QList<QWidget*> stops;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && widget->isVisible() && widget->isEnabled() &&
            !widget->focusProxy() && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            stops << widget;
    }
    for (QWidget* stop : stops)
        EXPECT_FALSE(AccessibleName(stop).isEmpty())
            << where.toStdString() << ": unnamed " << stop->metaObject()->className() << " "
            << stop->objectName().toStdString();
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
            << where.toStdString() << ": Tab never reaches " << stop->metaObject()->className()
            << " " << stop->objectName().toStdString();
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

// Checks the modal window that opens next and, when `inner` names one of its buttons, the window
// that this button opens; closes each after its check.
void CheckNextModal(const QString& where, const char* inner) {
    QTimer::singleShot(0, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << where.toStdString();
        CheckKeyboardAccess(modal, where + " > " + modal->windowTitle());
        if (auto* button = inner ? modal->findChild<QAbstractButton*>(inner) : nullptr) {
            CheckNextModal(where + " > " + inner, nullptr);
            button->click();
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
    for (std::string_view menu : {app::menu_id::kFile, app::menu_id::kList})
        window_->PrepareMenu(QString::fromUtf8(menu));
    CheckMenuMnemonics(window_->menuBar());
    for (int command : {cmd::kReplace, cmd::kImageView}) window_->RunCommand(command);
    CheckKeyboardAccess(window_.get(), "main window in image view");
    window_->RunCommand(cmd::kTextView);

    const std::pair<int, const char*> modals[] = {
        {cmd::kAddNew, nullptr},          {cmd::kEditSelected, nullptr},
        {cmd::kFlagSelected, nullptr},    {cmd::kMarkCustom, nullptr},
        {cmd::kAutoCycle, nullptr},       {cmd::kSynchronize, nullptr},
        {cmd::kSettings, nullptr},        {cmd::kProperties, nullptr},
        {cmd::kPrint, nullptr},           {cmd::kHtmlMyVideos, "pageLinks"},
        {cmd::kHtmlMyVideos, "pageLogo"}, {cmd::kHtmlMyVideos, "columns"},
        {cmd::kOpenHtmlList, nullptr},    {cmd::kImportMyVideos, nullptr},
        {cmd::kImportCsv, nullptr},       {cmd::kExportCsv, nullptr},
        {cmd::kPlayerOpenUrl, nullptr},   {cmd::kSystemInformation, nullptr},
        {cmd::kTipsAndTricks, nullptr},   {cmd::kAbout, nullptr}};
    for (const auto& [command, inner] : modals) {
        CheckNextModal(Action(command)->text().remove('&'), inner);
        window_->RunCommand(command);
    }

    // The windows that no command of the main window opens here: over their models.
    window_->RunCommand(cmd::kVideoImportWizard);
    auto* wizard = window_->findChild<gui::WizardWindow*>();
    ASSERT_NE(wizard, nullptr);
    CheckKeyboardAccess(wizard, "Video Import Wizard");
    CheckMenuMnemonics(wizard);
    wizard->close();
    const std::vector<core::UserAccount> accounts{{"Ann", "pw", 2, "Pet?", "Rex"}};
    app::LoginWindow login(accounts, prompts_);
    app::HintWindow hint(accounts.front(), login, prompts_);
    app::UsersWindow users(accounts, "Ann", "pw", prompts_);
    gui::QtHelp help(REELDECK_SOURCE_DATA "/help/index.html",
                     REELDECK_SOURCE_DATA "/help/popup.html");
    help.ShowContents();
    gui::NoResultsDialog no_results("Casablanca", true);
    gui::LoginDialog login_dialog(login, nullptr);
    gui::HintDialog hint_dialog(hint);
    gui::UsersDialog users_dialog(users, REELDECK_SOURCE_DATA "/res");
    for (QWidget* window :
         {help.Window(), static_cast<QWidget*>(&no_results), static_cast<QWidget*>(&login_dialog),
          static_cast<QWidget*>(&hint_dialog), static_cast<QWidget*>(&users_dialog)}) {
        window->show();
        CheckKeyboardAccess(window, window->objectName() + " " + window->windowTitle());
        window->close();
    }
}

TEST_F(KeyboardAccessTest, F6GoesRoundTheShownPanesAndShiftF6GoesBack) {
    Open(WriteDatabase("films.rdk", 3, 2));
    for (int command : {cmd::kWantedVideos, cmd::kVideoDetails, cmd::kVideoPlayer, cmd::kSearch})
        if (!Action(command)->isChecked()) window_->RunCommand(command);
    if (Action(cmd::kVideoPlayer)->isChecked()) window_->RunCommand(cmd::kVideoPlayer);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->myVideos()->view()->setFocus();
    const char* const round[] = {"wantedList", "searchFind", "detailsText", nullptr};
    for (const char* expected : round) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        EXPECT_EQ(QApplication::focusWidget(),
                  expected ? Find(*window_, expected) : window_->myVideos()->view())
            << (expected ? expected : "the list");
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Find(*window_, "detailsText"));
    window_->RunCommand(cmd::kImageView);
    Find(*window_, "detailsText")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), window_->myVideos()->browser()->canvas());
}

}  // namespace
