#pragma once

#include <QString>

// Texts of the program shown in more than one place.
namespace AppTexts {

QString applicationTitle();   // "Halvern Tarnel"
QString mainCaption();        // "Orvane Tarnel"
QString confirmCaption();     // "Confirm"
QString yesButton();
QString noButton();
QString cancelButton();
QString changedPanel();       // "Changed"
QString restartProgram();     // "Restart this program"
QString statusBarHint();      // "|Line, Column, ..."
QString closeQuestion(const QString &documentPath);
QString noPrinter();
QString notEncodable(const QString &encodingName);

// The part of a hint after "|", or the whole hint when it has none.
QString longHint(const QString &hint);
QString shortHint(const QString &hint);

} // namespace AppTexts
