#pragma once

#include "programfolderfixture.h"
#include "scripteddialogs.h"

#include "app/mainform.h"
#include "app/statuspanels.h"
#include "editor/mdichild.h"
#include "editor/wmleditor.h"

#include <QAction>
#include <QTest>
#include <memory>

// A main window in a fresh program folder, with scripted dialogs.
struct GuiFixture
{
    ProgramFolderFixture folder;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<TMainForm> main;

    GuiFixture() { start(); }

    void start()
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        main = std::make_unique<TMainForm>(std::move(scripted), false);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }

    // Opens a file as the Open command does.
    void open(const QString &path) const
    {
        main->OpenDocument(path);
        main->UpdateCommandState();
    }

    QAction *action(const char *name) const { return main->action(QString::fromLatin1(name)); }
    void trigger(const char *name) const { action(name)->trigger(); }
    TMDIChild *active() const { return main->activeChild(); }
    QString panel(int index) const { return main->statusPanels()->panelText(index); }

    QStringList enabledOf(const QStringList &names) const
    {
        QStringList enabled;
        for (const QString &name : names) {
            if (main->action(name)->isEnabled())
                enabled << name;
        }
        return enabled;
    }

    // Types into the active document's editor as a user would.
    void type(const QString &text) const
    {
        WmlEditor *editor = active()->editor();
        editor->setFocus();
        QTest::keyClicks(editor, text);
    }
};
