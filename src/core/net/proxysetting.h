#pragma once

#include <QString>

// A proxy chosen in a remote dialog; an empty host means no proxy.
struct ProxySetting
{
    QString host;
    int port = 0;

    bool isSet() const { return !host.isEmpty(); }
};
