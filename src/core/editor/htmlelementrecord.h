#pragma once

#include <QStringView>

// One row of the highlighter's tag table: an upper-case tag name and how
// the highlighter treats it. With `attributes` the rest of an opening tag is
// parsed for attribute names and values; with `closing` the name may also
// follow "</".
struct HtmlElementRecord
{
    QStringView name;
    bool attributes;
    bool closing;
};
