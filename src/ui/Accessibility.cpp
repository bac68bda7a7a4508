#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace ui {

namespace {

// A picture of the game: a card, the deck, a result. Without a spoken name it is decoration or
// an empty slot, and left out.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty()) state.invisible = true;
        return state;
    }
};

// A caption reads as its text (or its whole text where it is shown cut); an empty one, such as
// the table's bare strips, is left out.
class CaptionAccessible : public QAccessibleWidget {
  public:
    explicit CaptionAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? static_cast<QLabel*>(widget())->text() : name;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }
};

QAccessibleInterface* gameControls(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::Image"))
        return new PictureAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("ui::Label"))
        return new CaptionAccessible(static_cast<QLabel*>(object));
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

} // namespace ui
