#pragma once

#include "editor/sourceeditor.h"

#include <QObject>
#include <memory>

// The cases every SourceEditor must pass. Each test executable derives a
// class that makes its own kind of editor, so the plain buffer and the
// QScintilla editor answer the same questions.
class EditorContractTest : public QObject
{
    Q_OBJECT

protected:
    virtual std::unique_ptr<SourceEditor> makeEditor() = 0;

private slots:
    void linesAndPositions();
    void nonAsciiOffsetsAreCharacters();
    void backwardCharacterSearch();
    void caretAndSelection();
    void replaceSelectionPutsCaretAfterInsertion();
    void search_data();
    void search();
    void repeatedSearchesMoveOn();
    void failedSearchLeavesSelection();
    void undoAndRedo();
    void undoStepGroupsEdits();
};
