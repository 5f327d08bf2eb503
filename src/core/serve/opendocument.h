#pragma once

#include "common/documentfile.h"

#include <QString>
#include <functional>
#include <optional>

// A page as the editor holds it, saved or not: what the phone server sends
// instead of the file on disk.
struct OpenDocument
{
    QString text;
    TextEncoding encoding;
    LineBreaks::Style lineBreaks = LineBreaks::Style::CrLf;
};

// Answers the phone server's question "is this file open, and what does it
// hold now?" for an absolute, canonical file path; nothing when the file is
// not open. Called on the server's thread, so it must be thread-safe.
using DocumentSource = std::function<std::optional<OpenDocument>(const QString &filePath)>;
