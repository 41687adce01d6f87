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
        guard_ = new AnswerGuard(this);
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

bool MessageBox::takesAnswers() const
{
    return !guard_ || guard_->takesAnswers();
}

// Qt puts the box over its parent as it shows it. A window manager may place the parent
// only afterwards: when it is slow, or places windows itself. So the box stays over its
// parent while it is shown, until the player moves it.
//
// And it keeps the keyboard. An X window manager gives a modal box the focus, and back to
// it when the player clicks its parent. A Wayland compositor that knows nothing of modal
// boxes may leave the focus on the parent, or give it back at the next click on the board,
// and Qt then drops the keys the parent gets: so the box asks to be activated when it
// comes up and whenever its parent is. A compositor with focus-stealing prevention (KWin,
// mutter) grants that only with an xdg-activation token made from the player's latest
// input on the focused window, which is what Qt asks for when a window asks to be activated.
void MessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    placedAt_ = pos();
    if (parentWidget())
        parentWidget()->installEventFilter(this);
    activateLater();
}

// Once the window system has the box's window, which it gets after the box's Show event,
// and after the activations Qt asks for itself as a window becomes active, which the
// compositor would otherwise carry out after the box's.
void MessageBox::activateLater()
{
    QMetaObject::invokeMethod(this, &QWidget::activateWindow, Qt::QueuedConnection);
}

void MessageBox::hideEvent(QHideEvent* event)
{
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    QMessageBox::hideEvent(event);
}

bool MessageBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && pos() == placedAt_) {
            adjustPosition(parentWidget());
            placedAt_ = pos();
        } else if (event->type() == QEvent::WindowActivate) {
            activateLater();
        }
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
