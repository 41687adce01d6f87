// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form.h"

#include <QMessageBox>

namespace rumitaku {

class AnswerGuard;
class QuitWatch;

// The program's message boxes: modal, with Japanese button texts. A Yes/No
// question must be answered: Escape and the window's close button do nothing,
// and input meant for the board does not answer it (see AnswerGuard).
class MessageBox : public QMessageBox {
    Q_OBJECT

public:
    MessageBox(const QString& title, const QString& prompt, MessageButtons buttons,
               MessageIcon icon, QWidget* parent);

    MessageAnswer ask();
    // Whether input now answers the box: always, but for a question just come up.
    bool takesAnswers() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool mustAnswer() const { return buttons_ == MessageButtons::YesNo; }
    void activateLater();

    MessageButtons buttons_;
    AnswerGuard* guard_ = nullptr;
    QuitWatch* quit_ = nullptr;  // for a question
    QPoint placedAt_;  // where it was put over its parent
};

}  // namespace rumitaku
