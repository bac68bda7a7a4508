#include "ui/Accessibility.h"

#include "ui/Label.h"
#include "ui/Image.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

std::function<void(QWidget*)>& listener() {
    static std::function<void(QWidget*)> heard;
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

QString pictureName(const Image* picture) { return picture->spokenName(); }
QString captionText(const Label* label) { return label->caption(); }

using PictureAccessible = NamedAccessible<Image, pictureName, QAccessible::Graphic>;
using CaptionAccessible = NamedAccessible<Label, captionText, QAccessible::StaticText>;

QAccessibleInterface* gameControls(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::Image"))
        return new PictureAccessible(static_cast<Image*>(object));
    if (className == QLatin1String("ui::Label"))
        return new CaptionAccessible(static_cast<Label*>(object));
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

void announce(QWidget* control, bool sent) {
    if (!sent) {
        QAccessibleEvent changed(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (listener()) listener()(control);
}

void setAnnouncementListener(std::function<void(QWidget*)> heard) {
    listener() = std::move(heard);
}

} // namespace ui
