// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialogs/message_box.h"

#include "window/dialogs/answer_guard.h"
#include "window/qt_text.h"
#include "game/texts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace rumitaku {

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

void MessageBox::keyPressEvent(QKeyEvent* event)
{
    if (mustAnswer() && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void MessageBox::closeEvent(QCloseEvent* event)
{
    if (mustAnswer()) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

}  // namespace rumitaku
