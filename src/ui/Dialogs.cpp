// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace ui {

namespace {
const QString Title = QStringLiteral("Vantrell");
}

WindowDialogs::WindowDialogs(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

void WindowDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok, parent_());
    box.exec();
}

QString WindowDialogs::input(const QString& prompt, const QString& title) {
    QInputDialog box(parent_());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted) return QString();
    return box.textValue();
}

bool WindowDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No,
                    parent_());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace ui
