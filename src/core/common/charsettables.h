#pragma once

#include <QByteArray>

// The program's own tables of 8-bit character sets: for each byte value
// from 0x80 to 0xFF, the character it stands for. Bytes below 0x80 are
// ASCII in every set. ISO-8859-1 needs no table (each byte is the
// character of the same number) and is given as a null table.
namespace CharsetTables {

struct Entry
{
    const char *name;
    const char16_t *upperHalf; // 128 characters, or null for ISO-8859-1
};

// The sets in the order the menus offer them.
const Entry *entries();
int entryCount();

} // namespace CharsetTables
