#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Lets one test executable hold several QtTest classes: each .cpp registers
// its class with TARNEL_TEST(Class), and the shared main runs them all.
namespace TestRegistry {

using Factory = std::function<std::unique_ptr<QObject>()>;
bool add(const char *name, Factory factory);
int runAll(int argc, char **argv);

} // namespace TestRegistry

#define TARNEL_TEST(Class) \
    static const bool registered_##Class \
        = TestRegistry::add(#Class, [] { return std::unique_ptr<QObject>(new Class); });
