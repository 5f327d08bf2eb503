#pragma once

#include "browser/browser.h"
#include "browser/fetcher.h"

#include <QHash>
#include <QList>
#include <QString>

// Runs the phone engine over small decks served from memory at
// http://phone.test/, for the scenario tests.
namespace PhoneScenario {

inline const QString base = QStringLiteral("http://phone.test/");

// Serves the texts it holds by URL (without query); records each request.
class StubFetcher : public Fetcher
{
public:
    QHash<QString, QByteArray> files; // URL → bytes
    QList<FetchRequest> requests;
    FetchResult fetch(const FetchRequest &request) override;
};

// decks: one deck, or several, each after a line "=== NAME". A deck that
// does not start with "<?xml" is given the WML 1.3 prologue and the <wml>
// element around it. The first deck is loaded.
void addDecks(StubFetcher &fetcher, const QString &decks, QString *first);

// Loads the decks, presses keys (KeySequence syntax) and checks expect:
// clauses separated by ";" (a ";" inside a value is written ";;"):
//   card=ID  title=T  screen=LINE|LINE|...  line=N:TEXT  var:NAME=VALUE
//   novar=NAME  vars=N (how many are set)  history=URL,URL (relative to the
//   base)  error~TEXT  error=  soft1=L  soft2=L  timer=N  timer=none
//   focus=N  menu=E|E  menu=none  refused=N (how many keys were refused)
//   requests=N  post=BODY  lastrequest=URL
// Fails the running test with a message naming the clause.
void run(const QString &decks, const QString &keys, const QString &expect,
         const QString &device = QString());

} // namespace PhoneScenario
