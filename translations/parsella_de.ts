<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Admission</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+12"/>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+46"/>
        <source>“a” goes before a consonant sound (a dog); say “an %1”.</source>
        <translation>„a“ steht vor einem Konsonanten-Laut (a dog); sag „an %1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation>„an“ steht vor einem Vokal-Laut (an image); sag „a %1“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation>%1 steht für eine Sache, nicht für %2: Beginne bei mehreren mit „the“.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation>%1 braucht zuerst sein Adjektiv: Wähle eines wie %2, dann %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation>%1 braucht einen Begleiter davor: Wähle zuerst „the“, „my“ oder „Mary&apos;s“.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation>%1 braucht einen Artikel davor: Wähle zuerst %2 oder „the“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation>%1 steht allein; für %2 beginne mit einem Begleiter wie „the“.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>an adjective</source>
        <translation>einem Adjektiv</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a place</source>
        <translation>einer Ortsangabe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an object</source>
        <translation>einem Objekt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an -ing word</source>
        <translation>einer -ing-Form</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>place</source>
        <translation>einer Ortsangabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>object</source>
        <translation>einem Objekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-ing word</source>
        <translation>einer -ing-Form</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>einem Adjektiv</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation>Das Fragewort %1 bleibt: Um es zu ändern, beginne eine neue Frage.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation>Wähle „Who“ oder „Which“, um die Frage zu beginnen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs an adjective: %2</source>
        <translation>%1 braucht ein Adjektiv: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a noun: %2</source>
        <translation>%1 braucht ein Nomen: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation>Eine Ergänzung folgt ihrem Verb: Wähle zuerst das Verb.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 takes no complement.</source>
        <translation>%1 hat keine Ergänzung.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation>%1 steht nicht mit %2, sondern mit %3: %4…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs a verb next: press %2.</source>
        <translation>Nach %1 kommt ein Verb: Klicke auf %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Choose a subject first: choose “Who”, or “Which” and a noun.</source>
        <translation>Wähle zuerst ein Subjekt: Wähle „Who“ oder „Which“ und ein Nomen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subject has begun: press %1 or %2.</source>
        <translation>Du hast mit dem Subjekt angefangen: Klicke auf %1 oder %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1 or %2.</source>
        <translation>Wähle zuerst ein Subjekt: Klicke auf %1 oder %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject has begun: press %1.</source>
        <translation>Du hast mit dem Subjekt angefangen: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1.</source>
        <translation>Wähle zuerst ein Subjekt: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The subject is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>Das Subjekt ist gewählt: Klicke auf %1 oder, wenn der Satz vollständig ist, auf %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The predicate has its verb: press %1, or %2 if the sentence is complete.</source>
        <translation>Das Prädikat hat sein Verb: Klicke auf %1 oder, wenn der Satz vollständig ist, auf %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The verb is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>Das Verb ist gewählt: Klicke auf %1 oder, wenn der Satz vollständig ist, auf %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject is chosen: press %1.</source>
        <translation>Das Subjekt ist gewählt: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has its verb: press %1.</source>
        <translation>Das Prädikat hat sein Verb: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has begun: press %1.</source>
        <translation>Du hast mit dem Prädikat angefangen: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The verb is chosen: press %1.</source>
        <translation>Das Verb ist gewählt: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Begin the predicate first: press %1.</source>
        <translation>Beginne zuerst das Prädikat: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The complement is chosen: press %1.</source>
        <translation>Die Ergänzung ist gewählt: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a verb first: press %1.</source>
        <translation>Wähle zuerst ein Verb: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>%1 needs a complement: %2…</source>
        <translation>%1 braucht eine Ergänzung: %2…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sentence is complete.</source>
        <translation>Der Satz ist vollständig.</translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+25"/>
        <source>the control character %1</source>
        <translation>das Steuerzeichen %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the invisible character %1</source>
        <translation>das unsichtbare Zeichen %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>There are no brackets.</source>
        <translation>Es gibt keine Klammern.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation>Nach der schließenden Klammer des Satzes steht noch etwas.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation>Die Klammern sind länger als %1 Zeichen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation>Die Klammern enthalten %1, das die Klammerschreibweise nicht verwendet.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A word is longer than %1 letters.</source>
        <translation>Ein Wort ist länger als %1 Buchstaben.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation>Die Klammern sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A bracket “[” was expected here.</source>
        <translation>Hier wurde eine Klammer „[“ erwartet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation>Eine Klammer öffnet sich ohne ihr Etikett, zum Beispiel NP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation>„%1“ ist kein Etikett des Baums wie NP oder VP.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A bracket is not closed.</source>
        <translation>Eine Klammer ist nicht geschlossen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation>Die Teile einer Klammer müssen durch ein Leerzeichen getrennt sein.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation>Nur das mitgedachte Subjekt steht in runden Klammern: „(you)“.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A “)” closes nothing.</source>
        <translation>Eine „)“ schließt nichts.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation>Eine Klammer enthält ein Wort: „%1“ braucht eine eigene Klammer.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation>Eine Klammer enthält entweder ein Wort oder Wortgruppen, nicht beides.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation>Das mitgedachte Subjekt „(you)“ ist eine Nominalgruppe: Schreib [NP (you)].</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="+99"/>
        <source>sentence %1: %2</source>
        <translation>Satz %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation>Er ist kein Objekt mit „type“ und „brackets“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation>Sein Schlüssel „type“ fehlt oder ist kein Text; er muss „statement“, „question“ oder „command“ sein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation>Sein Typ „%1“ ist weder „statement“ noch „question“ noch „command“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “brackets” are missing or not text.</source>
        <translation>Sein Schlüssel „brackets“ fehlt oder ist kein Text.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation>Die Datei ist größer als %1 MiB, viel mehr als jedes Arbeitsblatt.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation>Die Datei ist kein Arbeitsblatt: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation>Die Datei ist kein Parsella-Arbeitsblatt: Sie hat kein „format“.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation>Die Datei ist kein Parsella-Arbeitsblatt: Ihr Format ist „%1“.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>Die „version“ der Datei fehlt oder ist keine ganze Zahl.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation>Die Datei stammt von einem neueren Parsella (Formatversion %1); dieses liest Version %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The learner&apos;s name is not text.</source>
        <translation>Der Name ist kein Text.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation>Der Name ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation>Der Name enthält ein Steuerzeichen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file has no list of “sentences”.</source>
        <translation>Die Datei hat keine Liste „sentences“.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation>Der Schlüssel „tasks“ der Datei ist keine Liste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>task %1: it is not an object.</source>
        <translation>Aufgabe %1: Sie ist kein Objekt.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>Die Datei endet zu früh: Vielleicht wurde sie beim Kopieren abgeschnitten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>Die Datei ist kein Arbeitsblatt: Ihr JSON ist nicht lesbar (%1 in Zeile %2, Spalte %3).</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="+341"/>
        <source>System default</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="+17"/>
        <source>sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun phrase</source>
        <translation>Nominalgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb phrase</source>
        <translation>Verbgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prepositional phrase</source>
        <translation>Präpositionalgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective phrase</source>
        <translation>Adjektivgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb phrase</source>
        <translation>Adverbgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>determiner</source>
        <translation>Begleiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun</source>
        <translation>Nomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pronoun</source>
        <translation>Pronomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>Adjektiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb</source>
        <translation>Adverb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb</source>
        <translation>Verb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>auxiliary verb</source>
        <translation>Hilfsverb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preposition</source>
        <translation>Präposition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>possessive</source>
        <translation>Possessiv</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <location filename="../src/app/OutputModule.cpp" line="+47"/>
        <source>it is not this version&apos;s module</source>
        <translation>es ist nicht das Modul dieser Version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the module for printing and SVG pictures, %1, could not be loaded (%2). Installing Parsella again puts it right.</source>
        <translation>Das Modul für Drucken und SVG-Bilder, %1, ließ sich nicht laden (%2). Parsella neu zu installieren behebt das.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the module for printing and SVG pictures, %1, is missing. Installing Parsella again puts it back.</source>
        <translation>Das Modul für Drucken und SVG-Bilder, %1, fehlt. Parsella neu zu installieren bringt es zurück.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+115"/>
        <source>Not opened</source>
        <translation>Nicht geöffnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation>Diese Adresse konnte nicht geöffnet werden, weil kein Webbrowser geantwortet hat. Du kannst sie selbst in einen Browser kopieren:

%1</translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+101"/>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation>Das Arbeitsblatt „%1“ hat ungespeicherte Änderungen.

Sollen sie gespeichert werden, bevor sie verloren gehen?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Save your finished sentences before they are dropped?

They are not saved in a file yet.</source>
        <translation>Deine fertigen Sätze speichern, bevor sie verloren gehen?

Sie sind noch in keiner Datei gespeichert.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Restore Worksheet</source>
        <translation>Arbeitsblatt wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation>Parsella wurde letztes Mal nicht richtig beendet, und ein Arbeitsblatt mit ungespeicherten Änderungen wurde aufbewahrt: %1.

Soll es wiederhergestellt werden?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+70"/>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="+156"/>
        <source>complete</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incomplete</source>
        <translation>unvollständig</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../src/core/Language.cpp" line="-315"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+5"/>
        <source>%1. Task %2 · %3: %4 — %5</source>
        <translation>%1. Aufgabe %2 · %3: %4 — %5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meets it</source>
        <translation>erfüllt sie</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="+90"/>
        <location filename="../src/grammar/Sentence.cpp" line="+167"/>
        <source>Adjective</source>
        <translation>Adjektiv</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/grammar/Sentence.cpp" line="+1"/>
        <source>Noun</source>
        <translation>Nomen</translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="-150"/>
        <source>Statement</source>
        <translation>Aussagesatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Fragesatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Aufforderungssatz</translation>
    </message>
    <message>
        <location line="+77"/>
        <location line="+67"/>
        <source>Subject</source>
        <translation>Subjekt</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+65"/>
        <source>Predicate</source>
        <translation>Prädikat</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+59"/>
        <source>Complement</source>
        <translation>Ergänzung</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>subject not chosen yet</source>
        <translation>Subjekt noch nicht gewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predicate not chosen yet</source>
        <translation>Prädikat noch nicht gewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>complement not chosen yet</source>
        <translation>Ergänzung noch nicht gewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective not chosen yet</source>
        <translation>Adjektiv noch nicht gewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun not chosen yet</source>
        <translation>Nomen noch nicht gewählt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 not chosen yet</source>
        <translation>%1 noch nicht gewählt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <comment>between the parts of a phrase</comment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>complete</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not complete yet</source>
        <translation>noch nicht vollständig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subject: &apos;you&apos;, understood.</source>
        <translation>Subjekt: „you“, mitgedacht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: not chosen yet.</source>
        <translation>Subjekt: noch nicht gewählt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: %1.</source>
        <translation>Subjekt: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Predicate: not chosen yet.</source>
        <translation>Prädikat: noch nicht gewählt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Predicate: %1.</source>
        <translation>Prädikat: %1.</translation>
    </message>
</context>
<context>
    <name>SentenceReader</name>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="+25"/>
        <source>an %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is not a word the pickers offer.</source>
        <translation>%1 ist kein Wort aus den Auswahllisten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2, not %3.</source>
        <translation>Wortart von %1: %2, nicht %3.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation>%1 kann nicht nach %2 stehen: Eine Nominalgruppe nennt Begleiter, Adverb, Adjektiv und Nomen in dieser Reihenfolge, jedes einmal.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation>%1 wird beim Bauen der Nominalgruppe nicht angeboten.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation>%1 braucht ein Nomen, um ein ganzes Subjekt zu sein.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation>Das Subjekt einer Frage beginnt mit „Who“ oder „Which“, nicht mit %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation>„Who“ ist allein schon ein ganzes Subjekt: %1 kann nicht folgen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation>%1 wird in einer Frage nach %2 nicht angeboten.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation>%1 beginnt das Subjekt einer Frage, nicht eines Aussagesatzes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation>Das Pronomen %1 ist allein schon ein ganzes Subjekt: %2 kann nicht folgen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation>%1 ist keine Verbform aus der Auswahl.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation>Ein Aufforderungssatz nimmt die Grundform des Verbs: %1, nicht %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation>%1 passt nicht zu %2: Die Auswahl zeigt %3, %4 oder %5.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation>%1 ist keine Ergänzung aus der Auswahl.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation>Die Klammern eines Satzes beginnen mit [S.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation>Das Subjekt eines Aufforderungssatzes ist das mitgedachte „you“: Schreib [NP (you)].</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Only a command has the understood subject (you).</source>
        <translation>Nur ein Aufforderungssatz hat das mitgedachte Subjekt (you).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation>Die Klammern des Subjekts [NP] enthalten seine Wörter, jedes in einer eigenen Klammer.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation>Eine Verbgruppe beginnt mit ihrem Verb: [VP [V …]].</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation>Ein Verb nimmt eine Ergänzung: %1 ist eine zu viel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation>Eine Ergänzung ist eine Wortgruppe: %1 braucht deren Klammern, zum Beispiel [AdvP [Adv here]].</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation>Ein Satz besteht aus Subjekt und Verbgruppe: [S [NP …] [VP …]].</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The sentence has no subject yet: press %1.</source>
        <translation>Der Satz hat noch kein Subjekt: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A command needs its verb: press %1.</source>
        <translation>Ein Aufforderungssatz braucht sein Verb: Klicke auf %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation>Die Klammern haben nicht den Aufbau, den die Fenster bauen; sie schreiben diesen Satz so: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sentence is not complete.</source>
        <translation>Der Satz ist nicht vollständig.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation>%1 (bei Zeichen %2 der Klammern).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../src/grammar/Summary.cpp" line="+31"/>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>Laut Datei ist diese Aufgabe geschafft, aber keiner ihrer Sätze erfüllt sie.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>The worksheet has no tasks.</source>
        <translation>Das Arbeitsblatt hat keine Aufgaben.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>task %1: %2</source>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>ausgelassen: ein Aufgabenblatt mit Aufgaben, aber ohne Namen und ohne Antworten.</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+75"/>
        <source>a statement</source>
        <translation>eine Aussage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a question</source>
        <translation>eine Frage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command</source>
        <translation>eine Aufforderung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>present</source>
        <translation>im Präsens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>past</source>
        <translation>im Präteritum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>future</source>
        <translation>im Futur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>plural</source>
        <translation>im Plural</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>singular</source>
        <translation>im Singular</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first</source>
        <translation>in der 1. Person</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>second</source>
        <translation>in der 2. Person</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>in der 3. Person</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a pronoun</source>
        <translation>ein Pronomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>a noun phrase</source>
        <translation>eine Nominalgruppe</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>“Who”</source>
        <translation>„Who“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a phrase with “Which”</source>
        <translation>eine Wortgruppe mit „Which“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no complement</source>
        <translation>keine Ergänzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a prepositional phrase</source>
        <translation>eine Präpositionalgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adverb</source>
        <translation>ein Adverb</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a present participle</source>
        <translation>ein Partizip Präsens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adjective</source>
        <translation>ein Adjektiv</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a command has no tense</source>
        <translation>Eine Aufforderung hat keine Zeitform</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation>Eine Aufforderung hat kein eigenes Subjekt, also weder Numerus noch Person noch Art des Subjekts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation>Das Subjekt einer Frage wird mit „Who“ oder „Which“ gebildet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation>„Who“ und „Which“ bilden das Subjekt einer Frage, nicht einer Aussage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation>Nur ein Pronomen als Subjekt kann in der 1. oder 2. Person stehen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” as a subject is singular</source>
        <translation>„Who“ als Subjekt steht im Singular</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>it asks for nothing</source>
        <translation>Sie verlangt nichts</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no value of “%2”</source>
        <translation>%1 ist kein Wert von „%2“</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation>Sie verlangt %1, das dieses Parsella nicht kennt</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>its brackets are no sentence: %1</source>
        <translation>Ihre Klammern ergeben keinen Satz: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation>Ihre Klammern passen nicht zu ihren anderen Schlüsseln: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Build this sentence: %1</source>
        <translation>Bilde diesen Satz: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Build %1</source>
        <translation>Bilde %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a sentence</source>
        <translation>einen Satz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> in the %1 tense</source>
        <translation> %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>in the %1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> whose subject is %1</source>
        <translation> (Subjekt: %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>,</source>
        <comment>after the subject&apos;s features, before the complement&apos;s</comment>
        <translation>,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> with no complement</source>
        <translation> ohne Ergänzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> with %1 as its complement</source>
        <translation> mit Ergänzung: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <comment>the prompt written from an ask, ended as a sentence is in the language</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The task&apos;s sentence is %1; yours is %2.</source>
        <translation>Der Satz der Aufgabe ist %1, deiner ist %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The task&apos;s sentence has %1, which yours lacks.</source>
        <translation>Der Satz der Aufgabe hat %1, deiner nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours has %1, which the task&apos;s sentence does not.</source>
        <translation>Deiner hat %1, der Satz der Aufgabe nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task&apos;s sentence has %1 where yours has %2.</source>
        <translation>Der Satz der Aufgabe hat %1, wo deiner %2 hat.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation>Die Aufgabe verlangt den Satz %1; deiner ist %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a complete sentence.</source>
        <translation>%1 ist kein vollständiger Satz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a command has no subject of its own.</source>
        <translation>eine Aufforderung hat kein eigenes Subjekt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation>Die Aufgabe verlangt %1; %2 ist %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task asks for the %1 tense; </source>
        <translation>Die Aufgabe verlangt einen Satz %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command has no tense.</source>
        <translation>eine Aufforderung hat keine Zeitform.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>%1 is in the %2.</source>
        <translation>%1 steht %2.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The task asks for a %1 subject; </source>
        <translation>Die Aufgabe verlangt ein Subjekt %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2.</source>
        <translation>%1 steht %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation>Die Aufgabe verlangt ein Subjekt %1; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The task asks for %1 as the subject; </source>
        <translation>Die Aufgabe verlangt als Subjekt %1; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a pronoun.</source>
        <translation>%1 ist ein Pronomen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a noun phrase.</source>
        <translation>%1 ist eine Nominalgruppe.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the question word alone.</source>
        <translation>%1 ist das Fragewort allein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation>%1 ist eine Wortgruppe mit „Which“.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation>Die Aufgabe verlangt keine Ergänzung; %1 hat %2, %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation>Die Aufgabe verlangt als Ergänzung %1; %2 hat keine Ergänzung.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation>Die Aufgabe verlangt als Ergänzung %1; %2 ist %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Task %1 is already done; this sentence meets it too.</source>
        <translation>Aufgabe %1 ist schon geschafft; dieser Satz erfüllt sie auch.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1 is already done; this sentence would not meet it: %2</source>
        <translation>Aufgabe %1 ist schon geschafft; dieser Satz würde sie nicht erfüllen: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>task %1: %2</source>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object</source>
        <translation>Sie ist kein Objekt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no “ask” object</source>
        <translation>Sie hat kein Objekt „ask“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its “prompt” is not text</source>
        <translation>Ihr Schlüssel „prompt“ ist kein Text</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “prompt” is longer than %1 characters</source>
        <translation>Ihr Schlüssel „prompt“ ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1, tries: %2</source>
        <translation>%1, Versuche: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>its “prompt” holds a control character</source>
        <translation>Ihr Schlüssel „prompt“ enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “tries” is not a count</source>
        <translation>Ihr Schlüssel „tries“ ist keine Anzahl</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “done” is neither true nor false</source>
        <translation>Ihr Schlüssel „done“ ist weder true noch false</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>done</source>
        <translation>geschafft</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+1"/>
        <location filename="../src/grammar/Task.cpp" line="+1"/>
        <source>not yet</source>
        <translation>noch nicht</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+0"/>
        <source>to do</source>
        <translation>offen</translation>
    </message>
    <message>
        <location filename="../src/grammar/TaskList.cpp" line="+54"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation>Satz %1: Er beantwortet eine Aufgabe, die das Arbeitsblatt nicht hat</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+41"/>
        <source>answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer (%1): %2</source>
        <translation>Antwort (%1): %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <location filename="../src/grammar/WholeFile.cpp" line="+49"/>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="+15"/>
        <source>Verb Complements</source>
        <translation>Ergänzungen zum Verb</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Current Verb:</source>
        <translation>Aktuelles Verb:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current verb</source>
        <translation>Aktuelles Verb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complements</source>
        <translation>Ergänzungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prepositional Phrase</source>
        <translation>Präpositionalgruppe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Noun, Noun Phrase</source>
        <translation>Nomen, Nominalgruppe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation>&lt;Adverb&gt;* Adjektiv</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Present Participle</source>
        <translation>Partizip Präsens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adverb</source>
        <translation>Adverb</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+68"/>
        <source>Copyright notice</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence drawn as a tree</source>
        <translation>Ein Satz, als Baum gezeichnet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmDec</name>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="+13"/>
        <source>Declarative Sentence (statement)</source>
        <translation>Aussagesatz (Aussage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+5"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="-46"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Subject</source>
        <translation>Subjekt</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Prädikat</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Noun, Noun Phrase</source>
        <translation>Nomen, Nominalgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Personalpronomen (Nominativ)</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verb, Verbgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Complement</source>
        <translation>Ergänzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation>Tamrins Grammatik-Arbeitsblatt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declarative Sentence = (statement)</source>
        <translation>Aussagesatz = (Aussage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation>Fragesatz = (Frage) ???</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation>Aufforderungssatz = (Befehl)   !!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+8"/>
        <source>Imperative Sentence (Command)</source>
        <translation>Aufforderungssatz (Befehl)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="+7"/>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Prädikat</translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verb, Verbgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Ergänzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="+16"/>
        <source>Interrogative Sentence (Question)</source>
        <translation>Fragesatz (Frage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Predicate</source>
        <translation>Prädikat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verb, Verbgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Ergänzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Who/Which</source>
        <translation>Who/Which</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adjective</source>
        <translation>Adjektiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Adverb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Nomen</translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+18"/>
        <source>Noun Phrase Generation</source>
        <translation>Nominalgruppe bauen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Noun phrase</source>
        <translation>Nominalgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Noun Phrase</source>
        <translation>Nominalgruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Common Possessive Noun</source>
        <translation>Nomen mit s-Genitiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proper Possessive Noun</source>
        <translation>Eigenname mit s-Genitiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Personal Possessive Adjective</source>
        <translation>Possessivbegleiter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjective</source>
        <translation>Adjektiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Adverb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Nomen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Proper Noun</source>
        <translation>Eigenname</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="+16"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Personalpronomen im Nominativ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pronoun</source>
        <translation>Pronomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-- Singular --</source>
        <translation>-- Singular --</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>First Person</source>
        <translation>1. Person</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+9"/>
        <source>Second Person</source>
        <translation>2. Person</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+7"/>
        <source>Third Person</source>
        <translation>3. Person</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>-- Plural --</source>
        <translation>-- Plural --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>frmVerb</name>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="+16"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verb, Verbgruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verb phrase</source>
        <translation>Verbgruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbs</source>
        <translation>Verben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tense</source>
        <translation>Zeitform</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+57"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella: Für die Sprache „%1“ gibt es keinen Katalog; Englisch wird verwendet
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Build English sentences word by word.</source>
        <translation>Baue englische Sätze Wort für Wort.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check each worksheet&apos;s tasks and print them as CSV, one row per task (%1), and open no window.</source>
        <translation>Die Aufgaben jedes Arbeitsblatts prüfen und als CSV ausgeben, eine Zeile pro Aufgabe (%1), ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --summary: one row per learner and one column per task, with a total, for a markbook.</source>
        <translation>Mit --summary: eine Zeile pro Schüler und eine Spalte pro Aufgabe, mit Summe, für die Notenliste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Das Programm diesmal in der Sprache &lt;code&gt; zeigen (etwa de, es oder pt_BR); „en“ ist Englisch.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Ein Arbeitsblatt (.parsella) zum Öffnen; mit --summary die Arbeitsblätter für die Übersicht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file...]</source>
        <translation>[Datei...]</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>parsella: --grid goes with --summary
</source>
        <translation>parsella: --grid geht nur mit --summary
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella: --summary braucht mindestens eine Arbeitsblatt-Datei
</translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-41"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Seite &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="+16"/>
        <source>New Task from Sentence</source>
        <translation>Neue Aufgabe aus dem Satz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation>Einen Satz wie „%1“ verlangen, mit den angekreuzten Merkmalen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Type: %1</source>
        <translation>&amp;Typ: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;ense: %1</source>
        <translation>&amp;Zeitform: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Number: %1</source>
        <translation>&amp;Numerus: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Person: %1</source>
        <translation>&amp;Person: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subject: %1</source>
        <translation>&amp;Subjekt: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Complement: %1</source>
        <translation>&amp;Ergänzung: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This e&amp;xact sentence</source>
        <translation>Genau &amp;diesen Satz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The learner reads:</source>
        <translation>So lautet die Aufgabe:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation>Eigene Formulierung (&amp;optional):</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tick at least one feature.</source>
        <translation>Kreuze mindestens ein Merkmal an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prompt</source>
        <translation>Aufgabentext</translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="+37"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation>A&amp;ufgaben — wähle eine aus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current task</source>
        <translation>Aktuelle Aufgabe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Task feedback</source>
        <translation>Rückmeldung zur Aufgabe</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tas&amp;ks</source>
        <translation>Auf&amp;gaben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Task from Sentence…</source>
        <translation>&amp;Neue Aufgabe aus dem Satz…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remove Task</source>
        <translation>Aufgabe &amp;entfernen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Up</source>
        <translation>Aufgabe nach &amp;oben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Down</source>
        <translation>Aufgabe nach &amp;unten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Work Without a Task</source>
        <translation>Ohne Aufgabe &amp;arbeiten</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Task %1: %2</source>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation>Keine Aufgabe gewählt: Die Sätze werden nur aufgelistet.</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="-63"/>
        <source>Task %1 is done.</source>
        <translation>Aufgabe %1 ist geschafft.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1, not yet: %2</source>
        <translation>Aufgabe %1, noch nicht: %2</translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="+28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation>Hier wächst der Baum des Satzes, den du baust.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Sentence tree</source>
        <translation>Satzbaum</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+27"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation>Parsella-Arbeitsblatt (*.parsella)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Learner:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learner</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>Finished &amp;sentences</source>
        <translation>&amp;Fertige Sätze</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Finished sentences</source>
        <translation>Fertige Sätze</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture…</source>
        <translation>&amp;Bild…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text…</source>
        <translation>&amp;Text…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+414"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="-401"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as &amp;Brackets</source>
        <translation>Als Kl&amp;ammern kopieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Fit the Tree</source>
        <translation>Baum ein&amp;passen</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Finished &amp;sentences — in bold, the answers to task %1</source>
        <translation>&amp;Fertige Sätze — fett: die Antworten zu Aufgabe %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — Worksheet</source>
        <translation>%1[*] — Arbeitsblatt</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation>Bau&amp;m des Satzes, der gerade entsteht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree of sentence %1</source>
        <translation>Bau&amp;m von Satz %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree</source>
        <translation>Bau&amp;m</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No recent worksheets</source>
        <translation>Keine zuletzt geöffneten Arbeitsblätter</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+9"/>
        <source>Open Worksheet</source>
        <translation>Arbeitsblatt öffnen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+146"/>
        <source>Save Worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>worksheet.parsella</source>
        <translation>arbeitsblatt.parsella</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Save Worksheet As</source>
        <translation>Arbeitsblatt speichern unter</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>SVG-Bild (*.svg);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation>Die Datei „%1“ wurde nicht gespeichert: Ein Bild wird als SVG oder PNG gespeichert, sein Name muss also auf .svg oder .png enden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file &quot;%1&quot; was not saved: %2</source>
        <translation>Die Datei „%1“ wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Text (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The worksheet was not printed: %1</source>
        <translation>Das Arbeitsblatt wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+17"/>
        <location line="+10"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The worksheet was not printed: the printer &quot;%1&quot; could not be used.</source>
        <translation>Das Arbeitsblatt wurde nicht gedruckt: Der Drucker „%1“ ließ sich nicht verwenden.</translation>
    </message>
    <message>
        <location line="-497"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="+54"/>
        <source>Learner&apos;s Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled (from %1)</source>
        <translation>Unbenannt (aus %1)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Finished Sentence</source>
        <translation>Fertiger Satz</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Answer Task</source>
        <translation>Aufgabe beantworten</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New Task</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Remove Task</source>
        <translation>Aufgabe entfernen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move Task Up</source>
        <translation>Aufgabe nach oben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Task Down</source>
        <translation>Aufgabe nach unten</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Remove Sentence</source>
        <translation>Satz entfernen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move Sentence Up</source>
        <translation>Satz nach oben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Sentence Down</source>
        <translation>Satz nach unten</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation>Die Datei „%1“ wurde nicht geöffnet: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation>Die Datei „%1“ wurde nicht gespeichert: %2.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>1 sentence</source>
        <translation>1 Satz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sentences</source>
        <translation>%1 Sätze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore Worksheet</source>
        <translation>Arbeitsblatt wiederherstellen</translation>
    </message>
</context>
<context>
    <name>parsella::frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+17"/>
        <source>Copyright © %1</source>
        <translation>Copyright © %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 2 or later (%1)</source>
        <translation>Freie Software unter der GNU General Public License, Version 2 oder später (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Grammar and Help work offline</source>
        <translation>Grammatik und Hilfe auch offline</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>link to the publisher&apos;s web site</source>
        <translation>Link zur Website des Herausgebers</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+23"/>
        <source>&amp;Grammar</source>
        <translation>&amp;Grammatik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worksheet</source>
        <translation>&amp;Arbeitsblatt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>An&amp;sicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>parsella::frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+191"/>
        <source>Error - A noun was not selected</source>
        <translation>Fehler - Es wurde kein Nomen gewählt</translation>
    </message>
</context>
</TS>
