#include "scripteddialogs.h"

#include <QDialog>

DialogService::Answer ScriptedDialogs::question(const QString &text, Choice, Answer defaultAnswer)
{
    questions << text;
    questionDefaults << defaultAnswer;
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

QString ScriptedDialogs::openFileName(const FileRequest &request)
{
    fileRequests << request;
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedDialogs::saveFileName(const FileRequest &request)
{
    fileRequests << request;
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

bool ScriptedDialogs::printerSetup(QPrinter &printer)
{
    return onPrinterSetup ? onPrinterSetup(printer) : false;
}

int ScriptedDialogs::runModal(QDialog &dialog)
{
    dialog.show();
    if (onModal)
        onModal(dialog);
    dialog.hide();
    return dialog.result();
}
