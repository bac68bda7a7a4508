// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QListWidget>

namespace ui {

// A list with one choice that, once made, stays made: a click beside the items or a Ctrl+click
// on the chosen one changes nothing. Until the player first moves in it, it marks no row as
// current, so nothing looks chosen that is not.
class ChoiceList : public QListWidget {
    Q_OBJECT
  public:
    explicit ChoiceList(QWidget* parent);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace ui
