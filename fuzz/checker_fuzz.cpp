// Parses arbitrary text as a WML deck and checks it: no crash, and every
// problem lies inside the text with a fix whose edits do too.
#include "check/checker.h"
#include "wml/wmldocument.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto document = WmlDocument::parse(text);
    for (const Diagnostic &problem : Checker::check(*document, Checker::Options())) {
        if (problem.range.start.offset < 0 || problem.range.start.offset > problem.range.end.offset
            || problem.range.end.offset > text.size())
            __builtin_trap();
        if (!problem.fix)
            continue;
        for (const TextEdit &edit : problem.fix->edits) {
            if (edit.start < 0 || edit.start > edit.end || edit.end > text.size())
                __builtin_trap();
        }
    }
    return 0;
}
