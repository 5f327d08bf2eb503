#pragma once

#include <QString>

// The viewer shows no form controls, so the radio buttons, text fields and
// submit buttons of a preview page are turned into a visible likeness of
// them: an option mark, a framed field with its value, a framed button.
namespace PreviewHtml {

QString forViewer(const QString &page);

} // namespace PreviewHtml
