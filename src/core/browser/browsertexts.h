#pragma once

#include <QCoreApplication>

// The translation context of what the phone engine shows on its screen:
// error screens, soft-key labels, the Options list.
class BrowserTexts
{
    Q_DECLARE_TR_FUNCTIONS(Browser)
};
