// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Accessibility.h"

#include "ui/Image.h"
#include "ui/Label.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <array>

namespace ui {

namespace {

std::function<void(const QString&)>& listener() {
    static std::function<void(const QString&)> heard;
    return heard;
}

// A game widget read by one name of its own: a picture (a card, the deck, a result) by what it
// shows, a caption by its whole text, also where it is shown cut. Without a name it is
// decoration, an empty card slot or one of the table's bare strips, and left out.
template <typename Widget, QString (*spoken)(const Widget*), QAccessible::Role kRole>
class NamedAccessible : public QAccessibleWidget {
  public:
    explicit NamedAccessible(Widget* widget) : QAccessibleWidget(widget, kRole) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return spoken(static_cast<Widget*>(widget()));
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }
};

// What the game has to say, as a screen reader finds it: a notification that is shown for each
// new sentence, inside a status bar, which makes Orca read it without calling it one. Both take
// no room and no keyboard. Orca reads a notification's name when it comes to it, not when it
// was shown, so a few take turns, and a sentence is not overwritten by the next one too soon.
class Announcement : public QWidget {
    Q_OBJECT
  public:
    explicit Announcement(QWidget* parent) : QWidget(parent) { setGeometry(0, 0, 0, 0); }
    QString sentence;
};

class Announcer : public QWidget {
    Q_OBJECT
  public:
    explicit Announcer(QWidget* window) : QWidget(window) {
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        for (Announcement*& announcement : turns_) {
            announcement = new Announcement(this);
            announcement->hide();
        }
        show();
    }

    void say(const QString& sentence) {
        // Everything said during one event is said together once it is over, after what the
        // screen reader says of the focus and the boxes that event moved.
        if (pending_.isEmpty()) QTimer::singleShot(0, this, &Announcer::speak);
        pending_ << sentence;
    }

  private:
    void speak() {
        Announcement* next = turns_[turn_++ % turns_.size()];
        next->hide();
        next->sentence = pending_.join(QLatin1Char(' '));
        pending_.clear();
        next->show();
    }

    std::array<Announcement*, 4> turns_{};
    std::size_t turn_ = 0;
    QStringList pending_;
};

template <QAccessible::Role kRole> class SilentAccessible : public QAccessibleWidget {
  public:
    explicit SilentAccessible(QWidget* widget) : QAccessibleWidget(widget, kRole) {}
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return {};
        auto* announcement = qobject_cast<Announcement*>(widget());
        return announcement ? announcement->sentence : QString();
    }
};

QString pictureName(const Image* picture) {
    return picture->spokenName();
}
QString captionText(const Label* label) {
    return label->caption();
}

using PictureAccessible = NamedAccessible<Image, pictureName, QAccessible::Graphic>;
using CaptionAccessible = NamedAccessible<Label, captionText, QAccessible::StaticText>;

QAccessibleInterface* gameControls(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::Image"))
        return new PictureAccessible(static_cast<Image*>(object));
    if (className == QLatin1String("ui::Label"))
        return new CaptionAccessible(static_cast<Label*>(object));
    if (className == QLatin1String("ui::Announcer"))
        return new SilentAccessible<QAccessible::StatusBar>(static_cast<QWidget*>(object));
    if (className == QLatin1String("ui::Announcement"))
        return new SilentAccessible<QAccessible::Notification>(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gameControls);
        return true;
    }();
    (void)installed;
}

void announce(QWidget* from, const QString& sentence) {
    if (sentence.isEmpty()) return;
    if (listener()) listener()(sentence);
    QWidget* window = from->window();
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer) announcer = new Announcer(window);
    announcer->say(sentence);
}

void setAnnouncementListener(std::function<void(const QString&)> heard) {
    listener() = std::move(heard);
}

} // namespace ui

#include "Accessibility.moc"
