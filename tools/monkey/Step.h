#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace monkey {

// What one step of the random player does.
enum class Action {
    Click,   // a click on a control (a list item when row >= 0)
    Double,  // two clicks on it that both arrive before the game has handled the first
    Move,    // the pointer moved to a point of the screen in front
    Type,    // text typed into a text box
    Fire,    // a pending timer of the screen in front delivered its tick by hand
    Close,   // the window's own close button
    Restart, // the program had ended: a new run in the same folder
};

// One step, complete enough to be played again on its own: the control it aims at by name, and
// every answer to a box and every random value it took, so that a shortened list of steps still
// means the same thing wherever a step survives.
struct Step {
    Action action = Action::Click;
    QString screen;  // the screen in front when the step was chosen
    QString control; // the control's name on that screen; empty for the screen itself
    int row = -1;    // the list item clicked
    QPoint point;    // where the pointer went, in the screen's coordinates
    QString text;    // what was typed
    bool clearFirst = false;
    QStringList inputs;      // the input boxes' answers, in order
    std::vector<bool> yesNo; // the Yes/No questions' answers, in order
    std::vector<float> luck; // the random values the game drew
};

// One line of JSON for a step, and back; a replay file holds one step a line.
QString toLine(const Step& step);
std::optional<Step> fromLine(const QString& line);

// A short human reading: "click Test/cmdDeal (input \"50\")".
QString describe(const Step& step);

const char* actionName(Action action);

// Whether the step is a click on that control of that screen.
inline bool isClickOn(const Step& step, const char* screen, const char* control) {
    return (step.action == Action::Click || step.action == Action::Double) &&
           step.screen == QLatin1String(screen) && step.control == QLatin1String(control);
}

} // namespace monkey
