#pragma once

#include "dialogservice.h"

#include <QPointer>
#include <QWidget>

// The real dialogs: message boxes and the platform's file and print dialogs.
class WidgetDialogService : public DialogService
{
public:
    explicit WidgetDialogService(QWidget *parent) : m_parent(parent) {}

    Answer question(const QString &text, Choice choice, Answer defaultAnswer = Answer::Yes) override;
    void message(const QString &text) override;
    void error(const QString &text) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    bool printerSetup(QPrinter &printer) override;
    int runModal(QDialog &dialog) override;

private:
    QPointer<QWidget> m_parent;
};
