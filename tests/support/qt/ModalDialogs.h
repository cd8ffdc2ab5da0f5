#pragma once
// Answers the modal dialogs a command opens with exec(): every dialog that becomes the active
// modal widget is accepted or rejected in turn, one after another.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>

namespace tavelo::test {

class ModalDialogs {
public:
    enum class Answer { Accept, Reject };

    ModalDialogs() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { AnswerActive(); });
        m_timer.start();
    }

    // Dialogs beyond the queued answers are accepted.
    std::deque<Answer> answers;

private:
    void AnswerActive() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_last) return;
        m_last = dialog;
        const Answer answer = answers.empty() ? Answer::Accept : answers.front();
        if (!answers.empty()) answers.pop_front();
        if (answer == Answer::Accept)
            dialog->accept();
        else
            dialog->reject();
    }

    QTimer m_timer;
    QPointer<QDialog> m_last;
};

}  // namespace tavelo::test
