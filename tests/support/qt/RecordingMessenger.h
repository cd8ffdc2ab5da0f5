#pragma once
// A messenger that records every message and answers questions from a queue; a question
// without a queued answer fails the test, so no unexpected box passes silently.

#include <QString>
#include <QTest>
#include <deque>
#include <vector>

#include "editor/Messenger.h"

namespace tavelo::test {

class RecordingMessenger : public CMessenger {
public:
    struct Message {
        QString caption;
        QString text;
        EIcon icon;
    };

    void Show(QWidget*, const QString& caption, const QString& text, EIcon icon) override {
        shown.push_back({caption, text, icon});
    }
    EAnswer AskYesNoCancel(QWidget*, const QString& caption, const QString& text,
                           EIcon icon) override {
        asked.push_back({caption, text, icon});
        if (answers.empty()) {
            QTest::qFail(qPrintable("unexpected question: " + text), __FILE__, __LINE__);
            return EAnswer::kCancel;
        }
        const EAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList ShownTexts() const {
        QStringList texts;
        for (const Message& message : shown) texts << message.text;
        return texts;
    }

    std::vector<Message> shown;
    std::vector<Message> asked;
    std::deque<EAnswer> answers;
};

}  // namespace tavelo::test
