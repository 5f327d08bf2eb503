#pragma once

#include <QString>
#include <exception>

// The one error type of the program. A command that cannot go on throws it
// with the text the user is to read ("Cannot open file /x/y.wml"); the
// command's entry point catches it and hands it to the error display.
class TarnelError : public std::exception
{
public:
    explicit TarnelError(QString text);

    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    // Common failures of the file layer, worded as the user sees them.
    static TarnelError cannotOpen(const QString &path);
    static TarnelError cannotCreate(const QString &path);

private:
    QString m_text;
    QByteArray m_utf8;
};

// The text the error display shows: a full stop is appended when the last
// character sorts after "." (so "Cannot open file a.wml" gains one, while a
// text ending in "." or "!" or a digit-free ")" is left alone).
QString errorDisplayText(const QString &text);
