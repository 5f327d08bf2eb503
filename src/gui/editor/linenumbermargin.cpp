#include "linenumbermargin.h"

#include "wmleditor.h"

namespace {
constexpr int numberMargin = 0;
constexpr int minimumDigits = 3;
constexpr int padding = 8;
} // namespace

LineNumberMargin::LineNumberMargin(WmlEditor &editor, bool shown)
    : QObject(&editor), m_editor(editor), m_shown(shown)
{
    m_editor.setMarginType(numberMargin, QsciScintilla::NumberMargin);
    m_editor.setMarginLineNumbers(numberMargin, true);
    // The editor's own line notifications are switched off (they cost a
    // count of the whole text per keystroke); its cheap change signal is
    // followed instead, and the width changes only with the digit count.
    connect(&m_editor, &WmlEditor::contentChanged, this, &LineNumberMargin::updateWidth);
    updateWidth();
}

void LineNumberMargin::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_digits = 0;
    updateWidth();
}

void LineNumberMargin::updateWidth()
{
    if (!m_shown) {
        m_editor.setMarginWidth(numberMargin, 0);
        return;
    }
    const int digits = std::max(minimumDigits, int(QString::number(std::max(1, m_editor.QsciScintilla::lines())).size()));
    if (digits == m_digits)
        return;
    m_digits = digits;
    // Measured in the margin's own style, so the font the numbers are drawn in.
    const QByteArray sample(digits, '9');
    const long width = m_editor.SendScintilla(QsciScintilla::SCI_TEXTWIDTH, QsciScintilla::STYLE_LINENUMBER,
                                              sample.constData());
    m_editor.setMarginWidth(numberMargin, int(width) + padding);
}
