// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialogs/message_box.h"

#include "window/dialogs/answer_guard.h"
#include "window/qt_text.h"
#include "game/texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>

namespace rumitaku {

// Notes that the application was asked to quit: Qt delivers the request to the
// application as an event, and then closes every window, beginning with the open box.
class QuitWatch : public QObject {
public:
    explicit QuitWatch(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

    bool asked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
            asked = true;
        return false;
    }
};

MessageBox::MessageBox(const QString& title, const QString& prompt, MessageButtons buttons,
                       MessageIcon icon, QWidget* parent)
    : QMessageBox(parent), buttons_(buttons)
{
    setWindowTitle(title);
    // The prompt is read, not selected, as in the desktop's own message boxes; a label
    // that cannot be selected also lays its text out without a text document, which
    // takes the question a good part of the time it needs to come up.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setText(prompt);
    setIcon(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon);
    setWindowModality(Qt::ApplicationModal);
    if (mustAnswer()) {
        setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        button(QMessageBox::Yes)->setText(qText(texts::yesButton));
        button(QMessageBox::No)->setText(qText(texts::noButton));
        button(QMessageBox::Yes)->setIcon({});
        button(QMessageBox::No)->setIcon({});
        setDefaultButton(QMessageBox::Yes);
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
                       & ~Qt::WindowCloseButtonHint);
        // The question comes up while the player clicks the board. The start message
        // needs no guard: nothing is under way when it comes, and it ends nothing.
        new AnswerGuard(this);  // the box's child, gone with it
        quit_ = new QuitWatch(this);
    } else {
        setStandardButtons(QMessageBox::Ok);
        button(QMessageBox::Ok)->setText(qText(texts::okButton));
        button(QMessageBox::Ok)->setIcon({});
        setDefaultButton(QMessageBox::Ok);
    }
}

MessageAnswer MessageBox::ask()
{
    exec();
    if (!mustAnswer())
        return MessageAnswer::Ok;
    return clickedButton() == button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
}

// Qt puts the box over its parent as it shows it. A window manager may place the parent
// only afterwards: when it is slow, or places windows itself. So the box stays over its
// parent while it is shown, until the player moves it. Its inside tells which: a window
// manager frames the box around its inside, where Qt put it, while the player moves it whole.
//
// And it keeps the keyboard. An X window manager gives a modal box the focus, and back to
// it when the player clicks its parent. A Wayland compositor that knows nothing of modal
// boxes may leave the focus on the parent, or give it back at the next click on the board,
// and Qt then drops the keys the parent gets: so the box asks to be activated when it
// comes up, again once it is on screen (mutter passes over a request for a window it has not
// drawn yet), and whenever its parent is. A compositor with focus-stealing prevention (KWin,
// mutter) grants that only with an xdg-activation token made from the player's latest
// input on the focused window, which is what Qt asks for when a window asks to be activated.
void MessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    placedAt_ = geometry().topLeft();
    onScreen_ = false;
    windowHandle()->installEventFilter(this);
    if (parentWidget())
        parentWidget()->installEventFilter(this);
    connect(windowHandle(), &QWindow::screenChanged, this, &MessageBox::keepOverParentLater,
            Qt::UniqueConnection);
    activateLater();
}

// Once the window system has the box's window, which it gets after the box's Show event,
// and after the activations Qt asks for itself as a window becomes active, which the
// compositor would otherwise carry out after the box's.
void MessageBox::activateLater()
{
    QMetaObject::invokeMethod(this, &QWidget::activateWindow, Qt::QueuedConnection);
}

// The window manager may move the box as it takes it, before the box is on the screen:
// onto the monitor it counts the box's, which need not be its parent's. The player has not
// moved it yet: it goes back over its parent, once Qt has taken the move in.
void MessageBox::moveEvent(QMoveEvent* event)
{
    QMessageBox::moveEvent(event);
    if (isVisible() && !windowHandle()->isExposed()) {
        placedAt_ = geometry().topLeft();
        keepOverParentLater();
    }
}

// Moved to a monitor of another scale factor, the box keeps its size in that monitor's pixels,
// which Qt gives it as its size there: from 1× to 2×, a box twice its size drawn at 1×. It
// takes its fixed size again, as the main window does.
void MessageBox::keepOverParent()
{
    if (!isVisible())
        return;
    if (size() != minimumSize())
        resize(minimumSize());
    if (parentWidget() && geometry().topLeft() == placedAt_) {
        adjustPosition(parentWidget());
        placedAt_ = geometry().topLeft();
    }
}

void MessageBox::keepOverParentLater()
{
    QMetaObject::invokeMethod(this, &MessageBox::keepOverParent, Qt::QueuedConnection);
}

void MessageBox::hideEvent(QHideEvent* event)
{
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    QMessageBox::hideEvent(event);
}

bool MessageBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && !onScreen_ && windowHandle()->isExposed()) {
        onScreen_ = true;
        if (!isActiveWindow())
            activateLater();
    }
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            keepOverParent();
        else if (event->type() == QEvent::WindowActivate)
            activateLater();
    }
    return QMessageBox::eventFilter(watched, event);
}

void MessageBox::keyPressEvent(QKeyEvent* event)
{
    if (mustAnswer() && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

// A close does not answer the question (the title bar, Alt+F4, a compositor's close):
// but for the one with which the application quits, at the desktop session's end, say.
// The question then answers No, and the game ends.
void MessageBox::closeEvent(QCloseEvent* event)
{
    if (mustAnswer() && !quit_->asked) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

}  // namespace rumitaku
