#pragma once

#include <QString>

// The phone the user chose in View > Device: the one whose limits apply
// while the Preview shows no skin that names a phone of its own. Kept in
// the per-user settings.
namespace DeviceChoice {

// The id of the chosen profile; "nokia7110" until the user chooses.
QString chosen();
void setChosen(const QString &id);

} // namespace DeviceChoice
