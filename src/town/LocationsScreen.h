// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/ChoiceList.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

namespace town {

// The hub of the town: the four places, a description of the one selected, and Go. Loaded
// once a run and only hidden, so the selection and its description stay between visits.
class LocationsScreen : public ui::Screen {
    Q_OBJECT
  public:
    LocationsScreen(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;

    ui::Label* lblCaption;
    ui::ChoiceList* lstLocations;
    ui::Label* lblLocation;
    ui::ImageButton* imgGo;

    bool LocationChosen = false;

  protected:
    QWidget* startingFocus() const override { return lstLocations; }

  private:
    void describeSelection();
    void go();
    QString selectedText() const;

    const game::GameContext& context_;
};

} // namespace town
