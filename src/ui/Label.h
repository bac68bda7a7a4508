// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A caption on a screen. Text is always plain: a player's name is shown as typed, never read as
// markup. A screen reader reads the caption, and hears each new one.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setRect(int left, int top, int width, int height);
    void setCaption(const QString& caption);
    // The whole caption, also where the label shows it shortened.
    QString caption() const { return caption_; }
    void setFontSize(int points);
    void setTextColor(const QColor& color);
    // A line too long for the label ends in "…" where it is cut; the whole caption is then the
    // tooltip. A screen reader always reads the whole caption.
    void setElided(bool elided);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showCaption();
    void showCut();

    QString caption_;
    bool elided_ = false;
    bool tipIsCaption_ = false;
};

} // namespace ui
