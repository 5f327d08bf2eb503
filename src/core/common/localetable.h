#pragma once

#include <QString>
#include <vector>

// The program's own table of locales, laid out the way a desktop platform
// numbers them: a primary language number (1 to 63) and, under it, regional
// variants 0, 1, 2, ... where variant 0 stands for the language as a whole.
// The Language menu walks this table in order to match translation files.
struct LocaleEntry
{
    int primary = 0;           // primary language number, 1..63
    int variant = 0;           // 0 = the language itself, 1.. = regions
    const char *abbreviation;  // three-letter abbreviated language name, e.g. "CSY", "ENU"
    const char *languageName;  // e.g. "Czech", "English (United States)"
    const char *countryName;   // e.g. "Czech Republic", "United States"
};

// All entries, ordered by primary number, then variant. Variants of one
// language are numbered without gaps.
const std::vector<LocaleEntry> &localeTable();
