#include "editorcontract.h"
#include "testregistry.h"

#include "editor/plaintextbuffer.h"

// The editor cases on the plain in-memory buffer.
class PlainBufferEditorTest : public EditorContractTest
{
protected:
    std::unique_ptr<SourceEditor> makeEditor() override { return std::make_unique<PlainTextBuffer>(); }
};

TARNEL_TEST(PlainBufferEditorTest)
