#pragma once

#include "grammar/Admission.h"
#include "grammar/SentenceRecord.h"

#include <QString>
#include <QtGlobal>

namespace parsella {

// The one channel between the windows. The main window owns a single instance for the
// whole run; every other window receives it by reference. Pickers write their results
// here while the learner clicks, and the sentence window reads them back once the picker
// has closed. Nothing clears the whole set: each value lasts until its writer overwrites it.
struct SentenceState {
    qint16 xnumb = 0;  // 0 no complete subject, 1 singular, 2 plural
    qint16 xpers = 0;  // 0 unset, 1 first, 2 second, 3 third person
    QString xsubj;     // the subject as the sentence shows it
    QString xvp;       // the inflected verb phrase ("walks", "will go")
    QString xcomp1;    // the complement phrase
    QString xv;        // the chosen verb in its base form
    qint16 x0 = 0;     // 1: the verb may end the sentence without a complement
    qint16 xa0 = 0;    // 1: admits a prepositional phrase or an adverb
    qint16 xa1 = 0;    // 1: admits a noun phrase (direct object)
    qint16 xa4 = 0;    // 1: admits a present participle
    qint16 xa7 = 0;    // 1: admits an adjective
    QString xsentyp;   // "Dec", "Int" or "Imp": the sentence window opened last

    // What the verb the verb picker chose takes after it, as the grammar says it. The picker
    // writes it whenever it writes xa0 to xa7, which say the same as integers; the complement
    // picker and the sentence windows' explanations read it from here.
    grammar::VerbComplements verbTakes;

    // The structure of the sentence being built, and every sentence finished in this run.
    // It travels with the state because every window already receives the state: each
    // picker writes the part it is building as the learner clicks, each sentence window
    // records a step when it succeeds, and a window that only watches (the worksheet) reads
    // it. Unlike the values above it is written from the choices, never from label text.
    grammar::SentenceRecord record;
};

} // namespace parsella
