// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form.h"

#include <QMessageBox>

namespace rumitaku {

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    bool mustAnswer() const { return buttons_ == MessageButtons::YesNo; }
    void activateLater();
    void keepOverParent();
    void keepOverParentLater();

    MessageButtons buttons_;
    QuitWatch* quit_ = nullptr;  // for a question
    QPoint placedAt_;  // where its inside was put over its parent
    bool onScreen_ = false;  // drawn since it was last shown
};

}  // namespace rumitaku
