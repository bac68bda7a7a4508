#pragma once

#include <QPoint>
#include <QString>
#include <vector>

class QWidget;
class QLineEdit;

namespace ui {
class GameTimer;
class Screen;
} // namespace ui

namespace monkey {

// A control of the screen in front that a player could use now: shown and enabled.
struct Control {
    enum class Kind { Button, Label, Picture, List, TextBox, Other };
    QWidget* widget = nullptr;
    QString name; // stable across runs: the object name, the caption, or the kind and its order
    Kind kind = Kind::Other;
    int rows = 0; // items of a list
};

// Every usable control of a screen, in the order the screen built them.
std::vector<Control> usableControls(ui::Screen* screen);
// The control of that name, when it is usable now.
const Control* findControl(const std::vector<Control>& controls, const QString& name);

// The screen's timers that have a tick pending, each with its name ("tmrWait", or "timer#2").
struct PendingTimer {
    QString name;
    ui::GameTimer* timer = nullptr;
};
std::vector<PendingTimer> pendingTimers(ui::Screen* screen);

// What a player's hand does to a control.
void clickControl(const Control& control, int row);
// Two clicks queued at once, as a fast player's double click reaches a busy game.
void clickTwiceAtOnce(const Control& control, int row);
void movePointer(ui::Screen* screen, QPoint at);
void typeInto(QLineEdit* box, const QString& text, bool clearFirst);

} // namespace monkey
