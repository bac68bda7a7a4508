#include "ui/Accessibility.h"

#include "ui/Label.h"
#include "ui/Picture.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

std::function<void(QWidget*)>& listener() {
    static std::function<void(QWidget*)> heard;
    return heard;
}

// A picture of the game: a card, the deck, a result. Without a spoken name it is decoration or
// an empty slot, and left out.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(Image* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<Image*>(widget())->spokenName();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }
};

// A caption reads as its whole text, also where it is shown cut; an empty one, such as the
// table's bare strips, is left out.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<Label*>(widget())->caption();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }
};

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
