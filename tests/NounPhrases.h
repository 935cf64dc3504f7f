#pragma once

#include "pickers/frmNP.h"
#include "Driver.h"

#include <QList>
#include <functional>

// Every way a learner can build a noun phrase in the generator, clicking its groups in the
// order of the phrase and only what is enabled.
namespace nounphrases {

struct Click {
    const char *group;
    int index;
};
using Path = QList<Click>;

// Where a group stands in the phrase; a walk only moves forward through it.
inline int position(const QString &group)
{
    if (group == QLatin1String("optCPN"))
        return 1;
    if (group == QLatin1String("optAdv"))
        return 2;
    if (group == QLatin1String("optAdj"))
        return 3;
    if (group == QLatin1String("optNoun"))
        return 4;
    return 0; // the determiners and the proper noun
}

// Replays every forward click path in a fresh generator and calls `visit` on each state
// reached; a state with a noun ends its path, any other is extended by every enabled word
// of the groups further on in the phrase.
inline void walk(parsella::SentenceState &st, const std::function<void(const Path &, QWidget &)> &visit)
{
    static const char *const groups[] = {"optArt", "optCPN", "optPPN", "optPPA", "optAdv", "optAdj", "optNoun", "optPN"};
    QList<Path> pending{{}};
    while (!pending.isEmpty()) {
        const Path path = pending.takeLast();
        parsella::frmNP w(st, nullptr);
        for (const Click &c : path)
            drive::option(&w, c.group, c.index)->click();
        visit(path, w);
        if (st.xnumb > 0)
            continue;
        const int last = path.isEmpty() ? -1 : position(QLatin1String(path.last().group));
        for (const char *g : groups) {
            if (position(QLatin1String(g)) <= last)
                continue;
            for (int id : drive::enabledIds(&w, g))
                pending.append(path + Path{{g, id}});
        }
    }
}

} // namespace nounphrases
