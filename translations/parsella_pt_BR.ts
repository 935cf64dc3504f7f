<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Admission</name>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="37"/>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="50"/>
        <source>“a” goes before a consonant sound (a dog); say “an %1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="52"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="58"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="65"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="71"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="78"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="84"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="124"/>
        <source>an adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="128"/>
        <source>a place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="132"/>
        <source>an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="136"/>
        <source>an -ing word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="147"/>
        <source>place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="148"/>
        <source>object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="149"/>
        <source>-ing word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="150"/>
        <source>adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="212"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="221"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="227"/>
        <source>%1 needs an adjective: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="228"/>
        <source>%1 needs a noun: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="251"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="254"/>
        <source>%1 takes no complement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="255"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="256"/>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="261"/>
        <source>%1 needs a verb next: press Predicate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="266"/>
        <source>%1 needs a complement: %2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="271"/>
        <source>The sentence is complete.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="30"/>
        <source>the control character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="32"/>
        <source>the invisible character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="53"/>
        <source>There are no brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="59"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="83"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="92"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="116"/>
        <source>A word is longer than %1 letters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="126"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="131"/>
        <source>A bracket “[” was expected here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="140"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="146"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="160"/>
        <source>A bracket is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="164"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="175"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="182"/>
        <source>A “)” closes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="190"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="200"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="208"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="74"/>
        <source>sentence %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="78"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="82"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="87"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="91"/>
        <source>its “brackets” are missing or not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="128"/>
        <location filename="../src/grammar/Document.cpp" line="213"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="133"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="139"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="145"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="148"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="156"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="158"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="166"/>
        <source>The learner&apos;s name is not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="169"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="172"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="176"/>
        <source>The file has no list of “sentences”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="189"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="193"/>
        <source>task %1: it is not an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="208"/>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Document.cpp" line="211"/>
        <source>It is not an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="308"/>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="17"/>
        <source>sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="18"/>
        <source>noun phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="19"/>
        <source>verb phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="20"/>
        <source>prepositional phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="21"/>
        <source>adjective phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="22"/>
        <source>adverb phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="23"/>
        <source>determiner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="24"/>
        <source>noun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="25"/>
        <source>pronoun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="26"/>
        <source>adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="27"/>
        <source>adverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="28"/>
        <source>verb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="29"/>
        <source>auxiliary verb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="30"/>
        <source>preposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Node.cpp" line="31"/>
        <source>possessive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="51"/>
        <source>Not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="52"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="70"/>
        <source>Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="71"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="78"/>
        <source>Restore Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="79"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="82"/>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="93"/>
        <source>%1. %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="41"/>
        <source>Learner&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="107"/>
        <source>complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="109"/>
        <source>incomplete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../src/core/Language.cpp" line="24"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="25"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="26"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="27"/>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="28"/>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="29"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="30"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="31"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="32"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Language.cpp" line="33"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="90"/>
        <source>Adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="99"/>
        <source>Noun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="21"/>
        <source>Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="22"/>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="23"/>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="71"/>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="74"/>
        <source>Predicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="81"/>
        <source>Complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="128"/>
        <source>%1 &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="134"/>
        <source>%1 not chosen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="149"/>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="156"/>
        <source>complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="157"/>
        <source>not complete yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="158"/>
        <source>%1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="159"/>
        <source>%1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="166"/>
        <source>Subject: &apos;you&apos;, understood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="168"/>
        <source>Subject: not chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="170"/>
        <source>Subject: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="174"/>
        <source>Predicate: not chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="176"/>
        <source>Predicate: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SentenceReader</name>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="29"/>
        <source>an %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="30"/>
        <source>a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="40"/>
        <source>%1 is not a word the pickers offer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="43"/>
        <source>%1 is %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="126"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="141"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="153"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="163"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="172"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="180"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="204"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="208"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="238"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="243"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="252"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="263"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="292"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="300"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="311"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="302"/>
        <source>Only a command has the understood subject (you).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="306"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="323"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="331"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="334"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="339"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="353"/>
        <source>The sentence has no subject yet: press Subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="359"/>
        <source>A command needs its verb: press Predicate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="367"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="371"/>
        <source>The sentence is not complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="398"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="87"/>
        <source>a statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="88"/>
        <source>a question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="89"/>
        <source>a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="97"/>
        <source>present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="98"/>
        <source>past</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="99"/>
        <source>future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="104"/>
        <source>plural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="104"/>
        <source>singular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="109"/>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="110"/>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="111"/>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="119"/>
        <source>a pronoun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="120"/>
        <location filename="../src/grammar/Task.cpp" line="133"/>
        <source>a noun phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="121"/>
        <source>“Who”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="122"/>
        <source>a phrase with “Which”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="130"/>
        <source>no complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="131"/>
        <source>a prepositional phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="132"/>
        <source>an adverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="134"/>
        <source>a present participle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="135"/>
        <source>an adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="158"/>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="167"/>
        <source>a command has no tense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="169"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="172"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="174"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="178"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="180"/>
        <source>“Who” as a subject is singular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="232"/>
        <source>it asks for nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="240"/>
        <source>%1 is no value of “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="267"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="289"/>
        <source>its brackets are no sentence: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="295"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="341"/>
        <source>Build this sentence: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="343"/>
        <source>Build %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="343"/>
        <source>a sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="345"/>
        <source> in the %1 tense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="352"/>
        <source>in the %1 person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="354"/>
        <source> whose subject is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="359"/>
        <source> with no complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="360"/>
        <source> with %1 as its complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="371"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="375"/>
        <source>%1 is not a complete sentence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="379"/>
        <source>a command has no subject of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="382"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="384"/>
        <source>The task asks for the %1 tense; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="385"/>
        <source>a command has no tense.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="386"/>
        <location filename="../src/grammar/Task.cpp" line="395"/>
        <source>%1 is in the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="390"/>
        <source>The task asks for a %1 subject; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="391"/>
        <source>%1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="394"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="398"/>
        <source>The task asks for %1 as the subject; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="402"/>
        <source>%1 is a pronoun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="403"/>
        <source>%1 is a noun phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="404"/>
        <source>%1 is the question word alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="405"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="413"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="416"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="419"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="431"/>
        <source>task %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="435"/>
        <source>it is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="440"/>
        <source>it has no “ask” object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="449"/>
        <source>its “prompt” is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="454"/>
        <source>its “prompt” is longer than 2000 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="456"/>
        <source>its “prompt” holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="461"/>
        <source>its “tries” is not a count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="465"/>
        <source>its “done” is neither true nor false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="485"/>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="486"/>
        <source>not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="486"/>
        <source>to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="527"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="16"/>
        <source>Verb Complements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="18"/>
        <source>Current Verb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="19"/>
        <source>Current verb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="20"/>
        <source>Complements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="21"/>
        <source>Prepositional Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="26"/>
        <source>Noun, Noun Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="30"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="35"/>
        <source>Present Participle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="38"/>
        <source>Adverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="41"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="68"/>
        <source>Copyright notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="73"/>
        <source>A sentence drawn as a tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="78"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDec</name>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="12"/>
        <source>Declarative Sentence (statement)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="14"/>
        <source>Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="15"/>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="16"/>
        <source>Predicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="17"/>
        <source>Noun, Noun Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="18"/>
        <source>Nominative Personal Pronoun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="19"/>
        <source>Verb, Verb Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="20"/>
        <source>Complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="21"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="32"/>
        <source>Declarative Sentence = (statement)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="33"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="34"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="35"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="6"/>
        <source>Imperative Sentence (Command)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="8"/>
        <source>Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="9"/>
        <source>Predicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="10"/>
        <source>Verb, Verb Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="11"/>
        <source>Complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="12"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="15"/>
        <source>Interrogative Sentence (Question)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="17"/>
        <source>Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="18"/>
        <source>Predicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="19"/>
        <source>Verb, Verb Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="20"/>
        <source>Complement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="21"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="23"/>
        <source>Who/Which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="26"/>
        <source>Adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="27"/>
        <source>Adverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="34"/>
        <source>Noun</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="18"/>
        <source>Noun Phrase Generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="20"/>
        <source>Noun phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="21"/>
        <source>Noun Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="23"/>
        <source>Article</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="27"/>
        <source>Common Possessive Noun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="30"/>
        <source>Proper Possessive Noun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="33"/>
        <source>Personal Possessive Adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="43"/>
        <source>Adjective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="44"/>
        <source>Adverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="51"/>
        <source>Noun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="60"/>
        <source>Proper Noun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="62"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="16"/>
        <source>Nominative Personal Pronoun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="18"/>
        <source>Pronoun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="19"/>
        <source>-- Singular --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="21"/>
        <location filename="../src/pickers/frmNPP.cpp" line="30"/>
        <source>First Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="23"/>
        <location filename="../src/pickers/frmNPP.cpp" line="32"/>
        <source>Second Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="27"/>
        <location filename="../src/pickers/frmNPP.cpp" line="34"/>
        <source>Third Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="28"/>
        <source>-- Plural --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="35"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmVerb</name>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="15"/>
        <source>Verb, Verb Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="17"/>
        <source>Verb phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="18"/>
        <source>Verbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="27"/>
        <source>Tense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="31"/>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="56"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="62"/>
        <source>Build English sentences word by word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="67"/>
        <source>Print each worksheet&apos;s tasks as CSV (%1) and open no window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="70"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="74"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="75"/>
        <source>[file...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="98"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="33"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="34"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="18"/>
        <source>New Task from Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="20"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="26"/>
        <source>&amp;Type: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="27"/>
        <source>T&amp;ense: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="27"/>
        <source>&amp;Number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="27"/>
        <source>&amp;Person: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="28"/>
        <source>&amp;Subject: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="28"/>
        <source>&amp;Complement: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="41"/>
        <source>This e&amp;xact sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="46"/>
        <source>The learner reads:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="55"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="104"/>
        <source>Tick at least one feature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="105"/>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="25"/>
        <source>%1, tries: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="26"/>
        <source>%1. %2 — %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="46"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="49"/>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="55"/>
        <source>Current task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="63"/>
        <source>Task feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="80"/>
        <source>Tas&amp;ks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="82"/>
        <source>&amp;New Task from Sentence…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="86"/>
        <source>&amp;Remove Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="92"/>
        <source>Move Task &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="98"/>
        <source>Move Task &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="105"/>
        <source>&amp;Work Without a Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="171"/>
        <source>Task %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="177"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="188"/>
        <source>Task %1 is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="191"/>
        <source>Task %1, not yet: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/TreeView.cpp" line="101"/>
        <source>Sentence tree</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="96"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="191"/>
        <source>&amp;Learner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="194"/>
        <source>Learner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="195"/>
        <source>optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="203"/>
        <source>Finished &amp;sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="206"/>
        <source>Finished sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="231"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="232"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="233"/>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="237"/>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="240"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="244"/>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="248"/>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="249"/>
        <source>&amp;Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="250"/>
        <source>&amp;Text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="251"/>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="253"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="256"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="257"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="260"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="266"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="267"/>
        <source>Copy as &amp;Brackets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="270"/>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="271"/>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="275"/>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="292"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="293"/>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="297"/>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="300"/>
        <source>&amp;Fit the Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="304"/>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="378"/>
        <source>%1[*] — Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="417"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="420"/>
        <source>&amp;Tree of sentence %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="423"/>
        <source>&amp;Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="464"/>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="472"/>
        <source>No recent worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="499"/>
        <location filename="../src/app/Worksheet.cpp" line="509"/>
        <source>Open Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="510"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="523"/>
        <location filename="../src/app/Worksheet.cpp" line="664"/>
        <source>Save Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="532"/>
        <source>worksheet.parsella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="534"/>
        <location filename="../src/app/Worksheet.cpp" line="539"/>
        <source>Save Worksheet As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="599"/>
        <source>it could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="600"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="609"/>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="612"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="619"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="667"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="681"/>
        <source>Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="697"/>
        <location filename="../src/app/Worksheet.cpp" line="707"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="708"/>
        <source>The worksheet was not printed: the printer &quot;%1&quot; could not be used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="94"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="117"/>
        <source>Finished Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="136"/>
        <source>Answer Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="162"/>
        <source>New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="179"/>
        <source>Remove Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="206"/>
        <source>Move Task Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="206"/>
        <source>Move Task Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="224"/>
        <source>Remove Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="239"/>
        <source>Move Sentence Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="239"/>
        <source>Move Sentence Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="95"/>
        <source>Copyright © %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="105"/>
        <source>Grammar and Help work offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="117"/>
        <source>link to the publisher&apos;s web site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="58"/>
        <source>&amp;Grammar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="60"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="62"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="64"/>
        <source>&amp;Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="67"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="69"/>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="153"/>
        <source>1 sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="153"/>
        <source>%1 sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="155"/>
        <source>%1 by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="158"/>
        <source>Restore Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parsella::frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="253"/>
        <source>Error - A noun was not selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
