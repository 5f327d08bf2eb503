#pragma once

#include <QString>

// The filters of the program's file dialogs, in the "Label|patterns|..."
// form, translated into the user's language when they are asked for.
namespace FileFilters {

QString wmlOpen();   // "WML files (*.wml)|*.wml|Compiled WML files (*.wmlc)|*.wmlc|All files (*.*)|*.*"
QString wmlc();      // "Compiled WML files (*.wmlc)|*.wmlc"
QString wmlSave();   // "WML files (*.wml)|*.wml"
QString templates(); // "Template files (*.tem)|*.tem"
QString wbmp();      // "WBMP files (*.wbmp)|*.wbmp"

} // namespace FileFilters
