#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Every question, message and standard dialog the program shows goes
// through this one interface, owned by the main window. The program uses
// WidgetDialogService; tests install a scripted service that answers and
// records.
class DialogService
{
public:
    enum class Answer { Yes, No, Cancel };
    enum class Choice { YesNo, YesNoCancel };

    struct FileRequest
    {
        QString initialFolder;
        QString filter;           // "WML files (*.wml)|*.wml|All files (*.*)|*.*"
        QString defaultExtension; // "wml", added to a name typed without one
    };

    virtual ~DialogService() = default;

    // A "Confirm" box with a question icon; defaultAnswer is the button
    // that Enter presses (questions that could lose work default to No).
    virtual Answer question(const QString &text, Choice choice, Answer defaultAnswer = Answer::Yes) = 0;
    // A plain message titled with the application title.
    virtual void message(const QString &text) = 0;
    // The error display's box: application title, error icon, OK.
    virtual void error(const QString &text) = 0;

    // Empty when cancelled. The open dialog accepts names of files that do
    // not exist; the save dialog does not ask before overwriting (the
    // commands ask through question()).
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;

    // The platform's printer setup dialog; true when confirmed.
    virtual bool printerSetup(QPrinter &printer) = 0;

    // Runs one of the program's own dialogs modally; returns its result.
    virtual int runModal(QDialog &dialog) = 0;

    // Converts "Text (*.a)|*.a|Other|*.*" into Qt's ";;" filter form.
    static QString qtFilter(const QString &filter);
};
