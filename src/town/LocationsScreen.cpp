// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "town/LocationsScreen.h"

#include "town/TownScreens.h"
#include "ui/Accessibility.h"
#include "ui/Dialogs.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>

namespace town {

namespace {

struct Place {
    const char* item;
    const char* description;
    ui::ScreenId screen;
};

// The list's items in their order, what each says, and where Go leads.
constexpr Place Places[] = {
    {QT_TRANSLATE_NOOP("town::LocationsScreen", "Home"),
     QT_TRANSLATE_NOOP("town::LocationsScreen",
                       "Go home to write in your diary, view your stats, and sleep."),
     ui::ScreenId::Home},
    {QT_TRANSLATE_NOOP("town::LocationsScreen", "Casino"),
     QT_TRANSLATE_NOOP("town::LocationsScreen",
                       "Go to the casino to bet money on Blackjack games."),
     ui::ScreenId::Test},
    {QT_TRANSLATE_NOOP("town::LocationsScreen", "Vantrell"),
     QT_TRANSLATE_NOOP("town::LocationsScreen",
                       "Go to your school to participate in special events."),
     ui::ScreenId::School},
    {QT_TRANSLATE_NOOP("town::LocationsScreen", "Bank"),
     QT_TRANSLATE_NOOP("town::LocationsScreen", "Go to the bank to deposit and withdraw money."),
     ui::ScreenId::Bank},
};

QString words(const char* text) {
    return QCoreApplication::translate("town::LocationsScreen", text);
}

// The place an item of the list names, as the list shows it in the player's language.
const Place* placeNamed(const QString& item) {
    for (const Place& place : Places)
        if (item == words(place.item)) return &place;
    return nullptr;
}

} // namespace

LocationsScreen::LocationsScreen(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ui::ScreenId::Locations, screens), lblCaption(new ui::Label(this)),
      lstLocations(new ui::ChoiceList(this)), lblLocation(new ui::Label(this)),
      imgGo(new ui::ImageButton(this, QCoreApplication::translate("Button", "Go"))),
      context_(context) {
    lblCaption->setRect(16, 8, 177, 25);
    lblCaption->setFontSize(10);
    QFont bold = lblCaption->font();
    bold.setBold(true);
    lblCaption->setFont(bold);
    lstLocations->setGeometry(16, 40, 177, 121);
    lstLocations->setAccessibleName(tr("Locations"));
    QFont items = bold;
    items.setPointSize(11);
    lstLocations->setFont(items);
    lstLocations->setStyleSheet(QStringLiteral(
        "QListWidget { background: rgba(250, 242, 222, 235); color: #2a1a10;"
        " border: 1px solid #6b4a2b; border-radius: 3px; }"
        "QListWidget::item { padding: 3px 6px; border: none; }"
        "QListWidget::item:selected { padding: 3px 6px; background: #7a1f2b; color: #fff6e0; }"));
    lblLocation->setRect(328, 48, 225, 113);
    lblLocation->setWordWrap(true);
    lblLocation->setFontSize(12);
    imgGo->setPosition(472, 280);

    // Keys move the selection as a click does, and describe it alike.
    connect(lstLocations, &QListWidget::itemSelectionChanged, this,
            &LocationsScreen::describeSelection);
    connect(imgGo, &ui::ImageButton::clicked, this, &LocationsScreen::go);

    bindKey(QStringLiteral("Enter"), {imgGo});
}

bool LocationsScreen::load() {
    imgGo->setPicture(context_.folder.path("\\Graphics\\GoButton.GIF"));
    for (const Place& place : Places)
        lstLocations->addItem(words(place.item));
    lstLocations->clearSelection();
    lstLocations->setCurrentRow(-1);
    setBackground(context_.folder.path("\\Graphics\\LocationsBG.GIF"));
    lblCaption->setTextColor(QColor(255, 255, 255));
    lblCaption->setCaption(tr("Choose your location:"));
    lblLocation->setTextColor(QColor(255, 255, 255));
    LocationChosen = false;
    return true;
}

QString LocationsScreen::selectedText() const {
    const QList<QListWidgetItem*> selected = lstLocations->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void LocationsScreen::describeSelection() {
    if (const Place* place = placeNamed(selectedText())) {
        lblLocation->setCaption(words(place->description));
        ui::announce(this, lblLocation->caption());
    }
}

void LocationsScreen::go() {
    const QString item = selectedText();
    if (const Place* place = placeNamed(item)) {
        // A place that cannot open has told the player why; the chooser stays.
        LocationChosen = screens().show(place->screen);
        // The place shown first, then the chooser hidden, so the window never stands empty;
        // a place that sent the player straight back keeps the chooser in front.
        if (LocationChosen && screens().isVisible(place->screen)) screens().hide(id());
        return;
    }
    if (item.isEmpty()) {
        context_.dialogs.message(tr("Please choose a location."));
        LocationChosen = false;
    }
}

} // namespace town

namespace town {

ui::Screen* makeLocations(ui::ScreenModel& screens, const game::GameContext& context) {
    return new LocationsScreen(screens, context);
}

} // namespace town
