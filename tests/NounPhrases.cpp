#include "NounPhrases.h"

#include <QTest>

namespace nounphrases {

int position(const QString &group)
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

void walk(parsella::SentenceState &st, const std::function<void(const Path &, QWidget &)> &visit)
{
    static const char *const groups[] = {"optArt", "optCPN", "optPPN", "optPPA", "optAdv", "optAdj", "optNoun", "optPN"};
    QList<Path> pending{{}};
    // A failed check in `visit` ends the walk: the rest would only repeat the fault.
    while (!pending.isEmpty() && !QTest::currentTestFailed()) {
        const Path path = pending.takeLast();
        parsella::frmNP w(st, nullptr);
        for (const Click &c : path) {
            QAbstractButton *word = drive::option(&w, c.group, c.index);
            if (!word) {
                QTest::qFail(qPrintable(QStringLiteral("no option %1(%2) in the generator").arg(QLatin1String(c.group)).arg(c.index)),
                             __FILE__, __LINE__);
                return;
            }
            word->click();
        }
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
