#include "testregistry.h"

#include <QTest>
#include <vector>

namespace TestRegistry {

namespace {
std::vector<std::pair<const char *, Factory>> &registry()
{
    static std::vector<std::pair<const char *, Factory>> tests;
    return tests;
}
} // namespace

bool add(const char *name, Factory factory)
{
    registry().emplace_back(name, std::move(factory));
    return true;
}

int runAll(int argc, char **argv)
{
    // "-class Name" runs one class only; the rest goes to QtTest.
    QString only;
    std::vector<char *> arguments(argv, argv + argc);
    for (size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (QByteArray(arguments[i]) == "-class") {
            only = QString::fromLocal8Bit(arguments[i + 1]);
            arguments.erase(arguments.begin() + long(i), arguments.begin() + long(i) + 2);
            break;
        }
    }
    int failures = 0;
    for (const auto &[name, factory] : registry()) {
        if (!only.isEmpty() && only != QLatin1String(name))
            continue;
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), int(arguments.size()), arguments.data());
    }
    return failures;
}

} // namespace TestRegistry
