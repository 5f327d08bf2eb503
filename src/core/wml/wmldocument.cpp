#include "wmldocument.h"

#include "wmldocumentbuilder.h"

#include <algorithm>

QString versionName(WmlVersion version)
{
    switch (version) {
    case WmlVersion::Wml11:
        return QStringLiteral("1.1");
    case WmlVersion::Wml12:
        return QStringLiteral("1.2");
    case WmlVersion::Wml13:
        return QStringLiteral("1.3");
    }
    return QString();
}

bool parseVersionName(QStringView name, WmlVersion *version)
{
    for (const WmlVersion candidate : {WmlVersion::Wml11, WmlVersion::Wml12, WmlVersion::Wml13}) {
        if (name == versionName(candidate)) {
            *version = candidate;
            return true;
        }
    }
    return false;
}

std::shared_ptr<const WmlDocument> WmlDocument::parse(const QString &text, const Options &options)
{
    return WmlDocumentBuilder(text, options).build();
}

SourcePosition WmlDocument::positionAt(int offset) const
{
    offset = std::clamp(offset, 0, int(m_text.size()));
    const auto next = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    const int line = int(next - m_lineStarts.begin()); // counted from 1
    return SourcePosition{line, offset - m_lineStarts[size_t(line - 1)] + 1, offset};
}
