// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "TestGame.h"

#include "game/Records.h"
#include "game/SaveFolders.h"
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QStringList& overheard() {
    static QStringList sentences;
    return sentences;
}

// Where a screen reader's sentences leave the game: Qt 6.8's announcements, or on older Qt the
// notifications shown, read as they appear.
void overhear(QAccessibleEvent* event) {
    QString sentence;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        sentence = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#else
    QAccessibleInterface* node = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && node && node->role() == QAccessible::Notification)
        sentence = node->text(QAccessible::Name);
#endif
    if (sentence.isEmpty()) return;
    const auto* source = qobject_cast<QWidget*>(event->object());
    overheard() << (source && source->isVisible() ? sentence : "(unseen) " + sentence);
}

} // namespace

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TestGame::TestGame() {
    QVERIFY2(dir_.isValid(), "no temporary program folder");
    // The delivered save folders, copied as an installed game copies them, so the test may
    // change them.
    QCOMPARE(game::openSaveFolder(VANTRELL_SOURCE_DIR, dir_.path() + "/Files"), QString());
    QFile::link(QStringLiteral(VANTRELL_GRAPHICS_DIR), dir_.path() + "/Graphics");
    game_ = std::make_unique<app::Game>(
        game::GameContext{game::ProgramFolder(dir_.path()), dialogs, random, true});
    overheard().clear();
    // Offscreen, the accessibility layer passes nothing on until a screen reader asks for it.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(overhear);
}

TestGame::~TestGame() {
    QAccessible::installUpdateHandler(nullptr);
}

QStringList& TestGame::heard() {
    QCoreApplication::processEvents(); // what the last click said reaches the reader after it
    return overheard();
}

QString TestGame::path(const char* gameName) const {
    return game::ProgramFolder(dir_.path()).path(gameName);
}

void TestGame::writeBytes(const char* gameName, const QByteArray& bytes) {
    QFile file(path(gameName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray TestGame::bytes(const char* gameName) const {
    QFile file(path(gameName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestGame::writeInteger(const char* gameName, std::int16_t value) {
    writeBytes(gameName, game::integerRecordBytes(value));
}

int TestGame::integer(const char* gameName) const {
    const auto record = game::ReadIntegerRecord(path(gameName));
    if (!record.ok()) {
        QTest::qFail(qPrintable(record.error().message()), __FILE__, __LINE__);
        return -99999;
    }
    return record.value();
}

void TestGame::setCurrentGame(int slot, int money, int bank, const QString& name) {
    const QByteArray dir = "\\Files\\Slot" + QByteArray::number(slot) + "\\";
    for (const auto& [file, value] : {std::pair{QByteArray(game::CurrentSlotFile), slot},
                                      {game::CurrentMoneyFile, money}, {dir + "Money.txt", money},
                                      {game::CurrentBankFile, bank}, {dir + "Bank.txt", bank}})
        writeInteger(file.constData(), std::int16_t(value));
    writeBytes((dir + "Name.txt").constData(), game::textRecordBytes(name));
}

void TestGame::click(QWidget* control) {
    QVERIFY2(control, "no such control");
    QVERIFY2(control->isVisible(), qPrintable(control->objectName() + " is not visible"));
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    QCoreApplication::processEvents(); // as the game's loop would before the player's next move
}

void TestGame::movePointer(QWidget* screen, QPoint at) {
    QWidget* target = screen->childAt(at);
    if (!target) target = screen;
    QMouseEvent move(QEvent::MouseMove, target->mapFrom(screen, at), screen->mapToGlobal(at),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}
