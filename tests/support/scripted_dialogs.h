#pragma once

#include "ui/dialogs.h"

#include <QApplication>
#include <QWidget>

#include <deque>
#include <functional>

// Records every message and answers input and file dialogs from a script.
class ScriptedDialogs final : public varnix::Dialogs {
public:
    struct Message {
        QString text;
        bool windowVisible;  // whether any top-level window was showing at the time
    };

    struct InputCall {
        QString prompt, caption, defaultText;
    };
    struct FileCall {
        QStringList filters;
        int filterIndex;
        QString startPath;
    };

    std::vector<Message> messages;
    std::vector<InputCall> inputCalls;
    std::vector<FileCall> fileCalls;
    // Answers in order; when they run out, input boxes and file dialogs are
    // cancelled.
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QString>> fileAnswers;

    void messageBox(const QString& text) override
    {
        bool visible = false;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            visible = visible || widget->isVisible();
        messages.push_back({text, visible});
    }

    QString inputBox(const QString& prompt, const QString& caption, const QString& defaultText) override
    {
        inputCalls.push_back({prompt, caption, defaultText});
        if (inputAnswers.empty())
            return {};
        auto answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    std::optional<QString> openFile(const QStringList& filters, int filterIndex, const QString& startPath) override
    {
        fileCalls.push_back({filters, filterIndex, startPath});
        if (fileAnswers.empty())
            return std::nullopt;
        const bool chosen = fileAnswers.front().has_value();
        const QString path = fileAnswers.front().value_or(QString());
        fileAnswers.pop_front();
        return chosen ? std::optional<QString>(path) : std::nullopt;
    }
};
