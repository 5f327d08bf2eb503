#include "words.h"

namespace Words {

namespace {

// Calls visit(start, length) for every word, in order, until it returns
// false. One delimiter (the usual case) is compared directly.
template<typename Visit>
void forEachWord(QStringView text, QStringView delimiters, Visit visit)
{
    const char16_t single = delimiters.size() == 1 ? delimiters[0].unicode() : 0;
    const auto isDelimiter = [&](QChar c) {
        return delimiters.size() == 1 ? c.unicode() == single : delimiters.contains(c);
    };
    qsizetype start = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isDelimiter(text[i])) {
            if (start >= 0 && !visit(start, i - start))
                return;
            start = -1;
        } else if (start < 0) {
            start = i;
        }
    }
    if (start >= 0)
        visit(start, text.size() - start);
}

} // namespace

QStringList split(QStringView text, QStringView delimiters)
{
    QStringList words;
    forEachWord(text, delimiters, [&](qsizetype start, qsizetype length) {
        words.append(text.mid(start, length).toString());
        return true;
    });
    return words;
}

int count(QStringView text, QStringView delimiters)
{
    int words = 0;
    forEachWord(text, delimiters, [&](qsizetype, qsizetype) {
        ++words;
        return true;
    });
    return words;
}

QString at(QStringView text, int n, QStringView delimiters)
{
    QString word;
    int index = 0;
    forEachWord(text, delimiters, [&](qsizetype start, qsizetype length) {
        if (++index < n)
            return true;
        if (index == n)
            word = text.mid(start, length).toString();
        return false;
    });
    return word;
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
