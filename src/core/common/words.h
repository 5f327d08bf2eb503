#pragma once

#include <QString>
#include <QStringList>

// Word helpers over a set of delimiter characters. A run of delimiters is
// one separator, delimiters at either end are ignored and empty words do not
// exist. There is no limit on the number of words.
namespace Words {

QStringList split(QStringView text, QStringView delimiters);
int count(QStringView text, QStringView delimiters);
// The n-th word, counted from 1; empty when there is no such word.
QString at(QStringView text, int n, QStringView delimiters);

// Removes characters with codes of 32 or less from both ends.
QString trimmed(QStringView text);

} // namespace Words
