// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Accessibility.h"

#include "ui/Image.h"
#include "ui/Label.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <deque>

namespace ui {

namespace {

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

// What the game has to say reaches the screen reader once per event: the sentences of one key or
// click together, after what the reader says of the focus and the boxes that event moved, from
// the screen that said them and only while the player can see it.
//
// Qt 6.8 hands the reader an announcement, which Orca speaks as it is, without a role word.
// Older Qt has no such event: there each sentence is a notification shown inside a status bar,
// both taking no room and no keyboard. A notification is never shown twice, as Orca remembers
// the name it read the first time; the last few stay, so Orca can still read one it comes to
// late.
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
class Announcement : public QWidget {
    Q_OBJECT
  public:
    Announcement(QWidget* parent, QString said) : QWidget(parent), sentence(std::move(said)) {
        setGeometry(0, 0, 0, 0);
    }
    const QString sentence;
};
#endif

class Announcer : public QWidget {
    Q_OBJECT
  public:
    explicit Announcer(QWidget* window) : QWidget(window) {
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        show();
    }

    void say(QWidget* from, const QString& sentence) {
        if (pending_.isEmpty()) QTimer::singleShot(0, this, &Announcer::speak);
        pending_ << sentence;
        from_ = from;
    }

  private:
    void speak() {
        // Lines broken for the display are one sentence to the ear.
        const QString sentence = pending_.join(QLatin1Char(' ')).simplified();
        pending_.clear();
        // A screen left in the same moment has nothing more to tell.
        if (!from_ || !from_->isVisible()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent event(from_, sentence);
        QAccessible::updateAccessibility(&event);
#else
        auto* note = new Announcement(this, sentence);
        note->show();
        shown_.push_back(note);
        if (shown_.size() > 4) {
            delete shown_.front();
            shown_.pop_front();
        }
#endif
    }

    QStringList pending_;
    QPointer<QWidget> from_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    std::deque<Announcement*> shown_;
#endif
};

// The announcer and its notifications say nothing of their own but the sentence they carry.
template <QAccessible::Role kRole> class SilentAccessible : public QAccessibleWidget {
  public:
    explicit SilentAccessible(QWidget* widget) : QAccessibleWidget(widget, kRole) {}
    QString text(QAccessible::Text kind) const override {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        if (auto* note = qobject_cast<Announcement*>(widget()); note && kind == QAccessible::Name)
            return note->sentence;
#endif
        (void)kind;
        return {};
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
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (className == QLatin1String("ui::Announcement"))
        return new SilentAccessible<QAccessible::Notification>(static_cast<QWidget*>(object));
#endif
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
    QWidget* window = from->window();
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer) announcer = new Announcer(window);
    announcer->say(from, sentence);
}

} // namespace ui

#include "Accessibility.moc"
