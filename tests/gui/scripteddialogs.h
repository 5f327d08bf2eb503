#pragma once

#include "app/dialogservice.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// A dialog service for tests: answers come from queues filled beforehand,
// and every question, message and error is recorded. A question with no
// answer queued fails the test's expectations by answering Cancel.
class ScriptedDialogs : public DialogService
{
public:
    Answer question(const QString &text, Choice choice, Answer defaultAnswer = Answer::Yes) override;
    void message(const QString &text) override { messages << text; }
    void error(const QString &text) override { errors << text; }
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    bool printerSetup(QPrinter &printer) override;
    int runModal(QDialog &dialog) override;

    QList<Answer> answers;
    QStringList openNames;
    QStringList saveNames;
    std::function<bool(QPrinter &)> onPrinterSetup;
    // Plays the user's part in a modal dialog, which is shown meanwhile.
    std::function<void(QDialog &)> onModal;

    QStringList questions;
    QList<Answer> questionDefaults; // the default button of each question
    QStringList messages;
    QStringList errors;
    QList<FileRequest> fileRequests;
};
