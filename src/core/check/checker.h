#pragma once

#include "devices/deviceprofile.h"
#include "diagnostic.h"

#include "wml/wmldocument.h"

#include <optional>

class CheckContext;

// The checker: every rule over one parsed deck.
namespace Checker {

struct Options
{
    // The version to check against; the DOCTYPE's when not given.
    std::optional<WmlVersion> version;
    DeviceProfile device;
    // The folder the deck's file lies in: its pictures are looked for
    // there. Empty for a page not yet saved; the picture files are not
    // checked then.
    QString documentFolder;
};

// One rule: its id, the versions it applies to and the function that
// looks for it. A deck that is not well-formed is checked only for its
// XML errors: the rules would judge a tree cut short.
struct Rule
{
    const char *id;
    bool wml11;
    bool wml12;
    bool wml13;
    void (*run)(const CheckContext &context);
};

// Every rule, in the order they run.
const QList<Rule> &rules();

// The problems of document, sorted by position.
QList<Diagnostic> check(const WmlDocument &document, const Options &options);

} // namespace Checker
