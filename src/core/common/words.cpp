#include "words.h"

namespace Words {

QStringList split(QStringView text, QStringView delimiters)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool isDelimiter = i == text.size() || delimiters.contains(text[i]);
        if (isDelimiter) {
            if (start >= 0)
                words.append(text.mid(start, i - start).toString());
            start = -1;
        } else if (start < 0) {
            start = i;
        }
    }
    return words;
}

int count(QStringView text, QStringView delimiters)
{
    return int(split(text, delimiters).size());
}

QString at(QStringView text, int n, QStringView delimiters)
{
    const QStringList words = split(text, delimiters);
    return n >= 1 && n <= words.size() ? words[n - 1] : QString();
}

QString trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin).toString();
}

} // namespace Words
