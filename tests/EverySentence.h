#pragma once

#include "grammar/Sentence.h"

#include <QList>

// Every sentence the every-sentence walk builds through the real windows, made from the
// grammar alone, so that a widget-free test can take them all: every predicate after every
// pronoun ("you" as one and as several), "Who", and a singular and a plural subject of each
// kind; every other subject with some predicate; every command. The few the sentence label
// leaves red ("be" still waiting for its complement) are among them.
namespace everysentence {

QList<parsella::grammar::Sentence> walk();

} // namespace everysentence
