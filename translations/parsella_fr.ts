<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Admission</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+12"/>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+46"/>
        <source>“a” goes before a consonant sound (a dog); say “an %1”.</source>
        <translation>«&#xa0;a&#xa0;» se met devant un son consonne (a dog)&#xa0;; dis «&#xa0;an %1&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation>«&#xa0;an&#xa0;» se met devant un son voyelle (an image)&#xa0;; dis «&#xa0;a %1&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation>%1 sert pour une seule chose, pas pour %2&#xa0;: commence par «&#xa0;the&#xa0;» pour plusieurs.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation>%1 a d’abord besoin de son adjectif&#xa0;: choisis-en un comme %2, puis %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation>%1 a besoin d’un déterminant devant lui&#xa0;: choisis d’abord «&#xa0;the&#xa0;», «&#xa0;my&#xa0;» ou «&#xa0;Mary&apos;s&#xa0;».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation>%1 a besoin d’un article devant lui&#xa0;: choisis d’abord %2 ou «&#xa0;the&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation>%1 s’emploie seul&#xa0;; pour utiliser %2, commence par un déterminant comme «&#xa0;the&#xa0;».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>an adjective</source>
        <translation>un adjectif</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a place</source>
        <translation>un complément de lieu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an object</source>
        <translation>un complément d’objet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an -ing word</source>
        <translation>un mot en -ing</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>place</source>
        <translation>un complément de lieu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>object</source>
        <translation>un complément d’objet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-ing word</source>
        <translation>un mot en -ing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>un adjectif</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation>Le mot interrogatif %1 reste&#xa0;: pour le changer, commence une nouvelle question.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation>Choisis «&#xa0;Who&#xa0;» ou «&#xa0;Which&#xa0;» pour commencer la question.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs an adjective: %2</source>
        <translation>%1 a besoin d’un adjectif&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a noun: %2</source>
        <translation>%1 a besoin d’un nom&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation>Un complément suit son verbe&#xa0;: choisis d’abord le verbe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 takes no complement.</source>
        <translation>%1 n’a pas de complément.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation>%1 ne se construit pas avec %2, mais avec %3&#xa0;: %4…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs a verb next: press %2.</source>
        <translation>Après %1, il faut un verbe&#xa0;: clique sur %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Choose a subject first: choose “Who”, or “Which” and a noun.</source>
        <translation>Choisis d’abord un sujet&#xa0;: choisis «&#xa0;Who&#xa0;», ou «&#xa0;Which&#xa0;» et un nom.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subject has begun: press %1 or %2.</source>
        <translation>Tu as commencé le sujet&#xa0;: clique sur %1 ou sur %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1 or %2.</source>
        <translation>Choisis d’abord un sujet&#xa0;: clique sur %1 ou sur %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject has begun: press %1.</source>
        <translation>Tu as commencé le sujet&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1.</source>
        <translation>Choisis d’abord un sujet&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The subject is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>Le sujet est choisi&#xa0;: clique sur %1, ou sur %2 si la phrase est complète.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The predicate has its verb: press %1, or %2 if the sentence is complete.</source>
        <translation>Le prédicat a son verbe&#xa0;: clique sur %1, ou sur %2 si la phrase est complète.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The verb is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>Le verbe est choisi&#xa0;: clique sur %1, ou sur %2 si la phrase est complète.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject is chosen: press %1.</source>
        <translation>Le sujet est choisi&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has its verb: press %1.</source>
        <translation>Le prédicat a son verbe&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has begun: press %1.</source>
        <translation>Tu as commencé le prédicat&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The verb is chosen: press %1.</source>
        <translation>Le verbe est choisi&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Begin the predicate first: press %1.</source>
        <translation>Commence d’abord le prédicat&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The complement is chosen: press %1.</source>
        <translation>Le complément est choisi&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a verb first: press %1.</source>
        <translation>Choisis d’abord un verbe&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>%1 needs a complement: %2…</source>
        <translation>%1 a besoin d’un complément&#xa0;: %2…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sentence is complete.</source>
        <translation>La phrase est complète.</translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+25"/>
        <source>the control character %1</source>
        <translation>le caractère de contrôle %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the invisible character %1</source>
        <translation>le caractère invisible %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>There are no brackets.</source>
        <translation>Il n’y a pas de crochets.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation>Quelque chose suit le crochet fermant de la phrase.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation>Les crochets dépassent %1 caractères.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation>Les crochets contiennent %1, que la notation à crochets n’utilise pas.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A word is longer than %1 letters.</source>
        <translation>Un mot dépasse %1 lettres.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation>Les crochets s’emboîtent sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A bracket “[” was expected here.</source>
        <translation>Un crochet «&#xa0;[&#xa0;» était attendu ici.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation>Un crochet s’ouvre sans son étiquette, comme NP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une étiquette de l’arbre, comme NP ou VP.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A bracket is not closed.</source>
        <translation>Un crochet n’est pas fermé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation>Une espace doit séparer les parties d’un crochet.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation>Seul le sujet sous-entendu s’écrit entre parenthèses&#xa0;: «&#xa0;(you)&#xa0;».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A “)” closes nothing.</source>
        <translation>Une «&#xa0;)&#xa0;» ne ferme rien.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation>Un crochet contient un seul mot&#xa0;: «&#xa0;%1&#xa0;» a besoin de son propre crochet.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation>Un crochet contient soit un mot, soit des groupes, pas les deux.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation>Le sujet sous-entendu «&#xa0;(you)&#xa0;» est un groupe nominal&#xa0;: écris [NP (you)].</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="+99"/>
        <source>sentence %1: %2</source>
        <translation>phrase %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation>ce n’est pas un objet avec «&#xa0;type&#xa0;» et «&#xa0;brackets&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation>sa clé «&#xa0;type&#xa0;» manque ou n’est pas du texte&#xa0;; elle doit valoir «&#xa0;statement&#xa0;», «&#xa0;question&#xa0;» ou «&#xa0;command&#xa0;».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation>son type «&#xa0;%1&#xa0;» n’est ni «&#xa0;statement&#xa0;», ni «&#xa0;question&#xa0;», ni «&#xa0;command&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “brackets” are missing or not text.</source>
        <translation>sa clé «&#xa0;brackets&#xa0;» manque ou n’est pas du texte.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation>Le fichier dépasse %1 Mio, bien plus que n’importe quelle fiche.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation>Le fichier n’est pas une fiche&#xa0;: il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation>Le fichier n’est pas une fiche Parsella&#xa0;: il n’a pas de «&#xa0;format&#xa0;».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation>Le fichier n’est pas une fiche Parsella&#xa0;: son format est «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>La «&#xa0;version&#xa0;» du fichier manque ou n’est pas un nombre entier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation>Le fichier a été écrit par un Parsella plus récent (version de format %1)&#xa0;; celui-ci lit la version %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The learner&apos;s name is not text.</source>
        <translation>Le nom de l’élève n’est pas du texte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation>Le nom de l’élève dépasse %1 caractères.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation>Le nom de l’élève contient un caractère de contrôle.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file has no list of “sentences”.</source>
        <translation>Le fichier n’a pas de liste «&#xa0;sentences&#xa0;».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation>La clé «&#xa0;tasks&#xa0;» du fichier n’est pas une liste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>task %1: it is not an object.</source>
        <translation>exercice %1&#xa0;: ce n’est pas un objet.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>Le fichier se termine trop tôt&#xa0;: il a peut-être été coupé pendant une copie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>Le fichier n’est pas une fiche&#xa0;: son JSON est illisible (%1 à la ligne %2, colonne %3).</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="+341"/>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="+17"/>
        <source>sentence</source>
        <translation>phrase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun phrase</source>
        <translation>groupe nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb phrase</source>
        <translation>groupe verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prepositional phrase</source>
        <translation>groupe prépositionnel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective phrase</source>
        <translation>groupe adjectival</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb phrase</source>
        <translation>groupe adverbial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>determiner</source>
        <translation>déterminant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun</source>
        <translation>nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pronoun</source>
        <translation>pronom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>adjectif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb</source>
        <translation>adverbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb</source>
        <translation>verbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>auxiliary verb</source>
        <translation>auxiliaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preposition</source>
        <translation>préposition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>possessive</source>
        <translation>possessif</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <location filename="../src/app/OutputModule.cpp" line="+47"/>
        <source>it is not this version&apos;s module</source>
        <translation>ce n’est pas le module de cette version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the module for printing and SVG pictures, %1, could not be loaded (%2). Installing Parsella again puts it right.</source>
        <translation>le module d’impression et d’images SVG, %1, n’a pas pu être chargé (%2). Réinstaller Parsella règle le problème.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the module for printing and SVG pictures, %1, is missing. Installing Parsella again puts it back.</source>
        <translation>le module d’impression et d’images SVG, %1, est absent. Réinstaller Parsella le remet en place.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+115"/>
        <source>Not opened</source>
        <translation>Non ouvert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation>Cette adresse n’a pas pu être ouverte, car aucun navigateur web n’a répondu. Tu peux la copier toi-même dans un navigateur&#xa0;:

%1</translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+101"/>
        <source>Worksheet</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation>La fiche «&#xa0;%1&#xa0;» a des modifications non enregistrées.

Les enregistrer avant qu’elles soient perdues&#xa0;?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Save your finished sentences before they are dropped?

They are not saved in a file yet.</source>
        <translation>Enregistrer tes phrases terminées avant qu’elles ne soient perdues&#xa0;?

Elles ne sont encore dans aucun fichier.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Restore Worksheet</source>
        <translation>Restaurer la fiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation>La dernière fois, Parsella n’a pas été fermé correctement, et une fiche avec des modifications non enregistrées a été gardée&#xa0;: %1.

La restaurer&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+70"/>
        <source>%1. %2: %3</source>
        <translation>%1. %2&#xa0;: %3</translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="+156"/>
        <source>complete</source>
        <translation>complet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incomplete</source>
        <translation>incomplet</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+5"/>
        <source>%1. Task %2 · %3: %4 — %5</source>
        <translation>%1. Exercice %2 · %3&#xa0;: %4 — %5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meets it</source>
        <translation>répond à l’exercice</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="+90"/>
        <location filename="../src/grammar/Sentence.cpp" line="+167"/>
        <source>Adjective</source>
        <translation>Adjectif</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/grammar/Sentence.cpp" line="+1"/>
        <source>Noun</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="-150"/>
        <source>Statement</source>
        <translation>Phrase déclarative</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Phrase interrogative</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Phrase impérative</translation>
    </message>
    <message>
        <location line="+77"/>
        <location line="+67"/>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+65"/>
        <source>Predicate</source>
        <translation>Prédicat</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+59"/>
        <source>Complement</source>
        <translation>Complément</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>subject not chosen yet</source>
        <translation>sujet pas encore choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predicate not chosen yet</source>
        <translation>prédicat pas encore choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>complement not chosen yet</source>
        <translation>complément pas encore choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective not chosen yet</source>
        <translation>adjectif pas encore choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun not chosen yet</source>
        <translation>nom pas encore choisi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 not chosen yet</source>
        <translation>%1 pas encore choisi</translation>
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
        <translation>complète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not complete yet</source>
        <translation>pas encore complète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subject: &apos;you&apos;, understood.</source>
        <translation>Sujet&#xa0;: «&#xa0;you&#xa0;», sous-entendu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: not chosen yet.</source>
        <translation>Sujet&#xa0;: pas encore choisi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: %1.</source>
        <translation>Sujet&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Predicate: not chosen yet.</source>
        <translation>Prédicat&#xa0;: pas encore choisi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Predicate: %1.</source>
        <translation>Prédicat&#xa0;: %1.</translation>
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
        <translation>%1 n’est pas un mot proposé dans les listes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2, not %3.</source>
        <translation>Nature de %1&#xa0;: %2, pas %3.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation>%1 ne peut pas suivre %2&#xa0;: un groupe nominal donne son déterminant, son adverbe, son adjectif et son nom dans cet ordre, chacun une fois.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation>%1 n’est pas proposé pour construire un groupe nominal.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation>%1 a besoin d’un nom pour former un sujet complet.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation>Le sujet d’une question commence par «&#xa0;Who&#xa0;» ou «&#xa0;Which&#xa0;», pas par %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation>«&#xa0;Who&#xa0;» est à lui seul un sujet complet&#xa0;: %1 ne peut pas le suivre.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation>%1 n’est pas proposé après %2 dans une question.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation>%1 commence le sujet d’une question, pas d’une phrase déclarative.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation>Le pronom %1 est à lui seul un sujet complet&#xa0;: %2 ne peut pas le suivre.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation>%1 n’est pas une forme proposée pour le verbe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation>Une phrase impérative prend la base verbale&#xa0;: %1, pas %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation>%1 ne s’accorde pas avec %2&#xa0;: les formes proposées sont %3, %4 ou %5.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation>%1 n’est pas un complément proposé dans la liste.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation>Les crochets d’une phrase commencent par [S.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation>Le sujet d’une phrase impérative est le «&#xa0;you&#xa0;» sous-entendu&#xa0;: écris [NP (you)].</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Only a command has the understood subject (you).</source>
        <translation>Seule une phrase impérative a le sujet sous-entendu (you).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation>Les crochets du sujet [NP] contiennent ses mots, chacun dans son propre crochet.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation>Un groupe verbal commence par son verbe&#xa0;: [VP [V …]].</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation>Un verbe prend un seul complément&#xa0;: %1 est en trop.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation>Un complément est un groupe&#xa0;: %1 a besoin des crochets d’un groupe, comme [AdvP [Adv here]].</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation>Une phrase, c’est son sujet et son groupe verbal&#xa0;: [S [NP …] [VP …]].</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The sentence has no subject yet: press %1.</source>
        <translation>La phrase n’a pas encore de sujet&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A command needs its verb: press %1.</source>
        <translation>Une phrase impérative a besoin de son verbe&#xa0;: clique sur %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation>Les crochets n’ont pas la structure que construisent les fenêtres&#xa0;; elles écrivent cette phrase ainsi&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sentence is not complete.</source>
        <translation>La phrase n’est pas complète.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation>%1 (au caractère %2 des crochets).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../src/grammar/Summary.cpp" line="+31"/>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>Le fichier dit que cet exercice est réussi, mais aucune de ses phrases n’y répond.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>The worksheet has no tasks.</source>
        <translation>La fiche n’a pas d’exercices.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>task %1: %2</source>
        <translation>exercice %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>laissée de côté&#xa0;: une fiche d’exercices, avec des exercices mais sans nom d’élève ni réponses.</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+75"/>
        <source>a statement</source>
        <translation>une phrase déclarative</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a question</source>
        <translation>une phrase interrogative</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command</source>
        <translation>une phrase impérative</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>present</source>
        <translation>au présent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>past</source>
        <translation>au passé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>future</source>
        <translation>au futur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>plural</source>
        <translation>au pluriel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>singular</source>
        <translation>au singulier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first</source>
        <translation>à la première personne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>second</source>
        <translation>à la deuxième personne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>à la troisième personne</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a pronoun</source>
        <translation>un pronom</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>a noun phrase</source>
        <translation>un groupe nominal</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>“Who”</source>
        <translation>«&#xa0;Who&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a phrase with “Which”</source>
        <translation>un groupe avec «&#xa0;Which&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no complement</source>
        <translation>aucun complément</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a prepositional phrase</source>
        <translation>un groupe prépositionnel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adverb</source>
        <translation>un adverbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a present participle</source>
        <translation>un participe présent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adjective</source>
        <translation>un adjectif</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
        <translation>une phrase impérative n’a pas de temps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation>une phrase impérative n’a pas de sujet à elle, donc ni nombre, ni personne, ni sorte de sujet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation>le sujet d’une question se fait avec «&#xa0;Who&#xa0;» ou «&#xa0;Which&#xa0;»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation>«&#xa0;Who&#xa0;» et «&#xa0;Which&#xa0;» forment le sujet d’une question, pas d’une phrase déclarative</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation>seul un pronom sujet peut être à la première ou à la deuxième personne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” as a subject is singular</source>
        <translation>«&#xa0;Who&#xa0;» comme sujet est au singulier</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>it asks for nothing</source>
        <translation>il ne demande rien</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no value of “%2”</source>
        <translation>%1 n’est pas une valeur de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation>il demande %1, que ce Parsella ne connaît pas</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>its brackets are no sentence: %1</source>
        <translation>ses crochets ne forment pas une phrase&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation>ses crochets ne vont pas avec ses autres clés&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Build this sentence: %1</source>
        <translation>Construis cette phrase&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Build %1</source>
        <translation>Construis %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a sentence</source>
        <translation>une phrase</translation>
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
        <translation> dont le sujet est %1</translation>
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
        <translation> sans complément</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> with %1 as its complement</source>
        <translation> avec %1 comme complément</translation>
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
        <translation>La phrase de l’exercice est %1&#xa0;; la tienne est %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The task&apos;s sentence has %1, which yours lacks.</source>
        <translation>La phrase de l’exercice a %1, la tienne non.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours has %1, which the task&apos;s sentence does not.</source>
        <translation>La tienne a %1, la phrase de l’exercice non.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task&apos;s sentence has %1 where yours has %2.</source>
        <translation>La phrase de l’exercice a %1 là où la tienne a %2.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation>L’exercice demande la phrase %1&#xa0;; la tienne est %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a complete sentence.</source>
        <translation>%1 n’est pas une phrase complète.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a command has no subject of its own.</source>
        <translation>une phrase impérative n’a pas de sujet à elle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation>L’exercice demande %1&#xa0;; %2 est %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task asks for the %1 tense; </source>
        <translation>L’exercice demande une phrase %1&#xa0;; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command has no tense.</source>
        <translation>une phrase impérative n’a pas de temps.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>%1 is in the %2.</source>
        <translation>%1 est %2.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The task asks for a %1 subject; </source>
        <translation>L’exercice demande un sujet %1&#xa0;; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2.</source>
        <translation>%1 est %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation>L’exercice demande un sujet %1&#xa0;; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The task asks for %1 as the subject; </source>
        <translation>L’exercice demande %1 comme sujet&#xa0;; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a pronoun.</source>
        <translation>%1 est un pronom.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a noun phrase.</source>
        <translation>%1 est un groupe nominal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the question word alone.</source>
        <translation>%1 est le mot interrogatif seul.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation>%1 est un groupe avec «&#xa0;Which&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation>L’exercice ne demande aucun complément&#xa0;; %1 a %2, %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation>L’exercice demande %1 comme complément&#xa0;; %2 n’a pas de complément.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation>L’exercice demande %1 comme complément&#xa0;; %2 est %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Task %1 is already done; this sentence meets it too.</source>
        <translation>L’exercice %1 est déjà réussi&#xa0;; cette phrase y répond aussi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1 is already done; this sentence would not meet it: %2</source>
        <translation>L’exercice %1 est déjà réussi&#xa0;; cette phrase n’y répondrait pas&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>task %1: %2</source>
        <translation>exercice %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object</source>
        <translation>ce n’est pas un objet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no “ask” object</source>
        <translation>il n’a pas d’objet «&#xa0;ask&#xa0;»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its “prompt” is not text</source>
        <translation>sa clé «&#xa0;prompt&#xa0;» n’est pas du texte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “prompt” is longer than %1 characters</source>
        <translation>sa clé «&#xa0;prompt&#xa0;» dépasse %1 caractères</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1, tries: %2</source>
        <translation>%1, essais&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>its “prompt” holds a control character</source>
        <translation>sa clé «&#xa0;prompt&#xa0;» contient un caractère de contrôle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “tries” is not a count</source>
        <translation>sa clé «&#xa0;tries&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “done” is neither true nor false</source>
        <translation>sa clé «&#xa0;done&#xa0;» n’est ni true ni false</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>done</source>
        <translation>réussi</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+1"/>
        <location filename="../src/grammar/Task.cpp" line="+1"/>
        <source>not yet</source>
        <translation>pas encore</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+0"/>
        <source>to do</source>
        <translation>à faire</translation>
    </message>
    <message>
        <location filename="../src/grammar/TaskList.cpp" line="+54"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation>phrase %1&#xa0;: elle répond à un exercice que la fiche n’a pas</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+41"/>
        <source>answers</source>
        <translation>réponses</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer (%1): %2</source>
        <translation>Réponse (%1)&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <location filename="../src/grammar/WholeFile.cpp" line="+49"/>
        <source>it could not be written</source>
        <translation>il n’a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="+15"/>
        <source>Verb Complements</source>
        <translation>Compléments du verbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Current Verb:</source>
        <translation>Verbe choisi&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current verb</source>
        <translation>Verbe choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complements</source>
        <translation>Compléments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prepositional Phrase</source>
        <translation>Groupe prépositionnel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Noun, Noun Phrase</source>
        <translation>Nom, groupe nominal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation>&lt;adverbe&gt;* adjectif</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Present Participle</source>
        <translation>Participe présent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adverb</source>
        <translation>Adverbe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+68"/>
        <source>Copyright notice</source>
        <translation>Droits d’auteur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence drawn as a tree</source>
        <translation>Une phrase dessinée en arbre</translation>
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
        <translation>Phrase déclarative (affirmation)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+5"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="-46"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Prédicat</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Noun, Noun Phrase</source>
        <translation>Nom, groupe nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Pronom personnel sujet</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbe, groupe verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Complement</source>
        <translation>Complément</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation>La fiche de grammaire de Tamrin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declarative Sentence = (statement)</source>
        <translation>Phrase déclarative = (affirmation)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation>Phrase interrogative = (question)&#xa0;???</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation>Phrase impérative = (ordre)  &#xa0;!!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+8"/>
        <source>Imperative Sentence (Command)</source>
        <translation>Phrase impérative (ordre)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="+7"/>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Prédicat</translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbe, groupe verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Complément</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="+16"/>
        <source>Interrogative Sentence (Question)</source>
        <translation>Phrase interrogative (question)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Predicate</source>
        <translation>Prédicat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbe, groupe verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Complément</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Who/Which</source>
        <translation>Who/Which</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adjective</source>
        <translation>Adjectif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Adverbe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+18"/>
        <source>Noun Phrase Generation</source>
        <translation>Construire un groupe nominal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Noun phrase</source>
        <translation>Groupe nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Noun Phrase</source>
        <translation>Groupe nominal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Article</source>
        <translation>Article</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Common Possessive Noun</source>
        <translation>Nom commun au génitif</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proper Possessive Noun</source>
        <translation>Nom propre au génitif</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Personal Possessive Adjective</source>
        <translation>Adjectif possessif</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjective</source>
        <translation>Adjectif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Adverbe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Proper Noun</source>
        <translation>Nom propre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="+16"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Pronom personnel sujet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pronoun</source>
        <translation>Pronom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-- Singular --</source>
        <translation>-- Singulier --</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>First Person</source>
        <translation>1re personne</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+9"/>
        <source>Second Person</source>
        <translation>2e personne</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+7"/>
        <source>Third Person</source>
        <translation>3e personne</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>-- Plural --</source>
        <translation>-- Pluriel --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>frmVerb</name>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="+16"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbe, groupe verbal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verb phrase</source>
        <translation>Groupe verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbs</source>
        <translation>Verbes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tense</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+57"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella&#xa0;: il n’y a pas de catalogue pour la langue «&#xa0;%1&#xa0;»&#xa0;; l’anglais est utilisé
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Build English sentences word by word.</source>
        <translation>Construis des phrases anglaises mot à mot.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check each worksheet&apos;s tasks and print them as CSV, one row per task (%1), and open no window.</source>
        <translation>Vérifie les exercices de chaque fiche et les écrit en CSV, une ligne par exercice (%1), sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --summary: one row per learner and one column per task, with a total, for a markbook.</source>
        <translation>Avec --summary&#xa0;: une ligne par élève et une colonne par exercice, avec le total, pour le carnet de notes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Afficher le programme dans la langue &lt;code&gt; (par exemple de, es ou pt_BR) pour cette fois&#xa0;; «&#xa0;en&#xa0;» est l’anglais.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Une fiche (.parsella) à ouvrir&#xa0;; avec --summary, les fiches à résumer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file...]</source>
        <translation>[fichier...]</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>parsella: --grid goes with --summary
</source>
        <translation>parsella&#xa0;: --grid va avec --summary
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella&#xa0;: --summary a besoin d’au moins un fichier de fiche
</translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-41"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page &lt;b&gt;%1&lt;/b&gt; est introuvable.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="+16"/>
        <source>New Task from Sentence</source>
        <translation>Nouvel exercice à partir de la phrase</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation>Demander une phrase comme «&#xa0;%1&#xa0;», avec les critères cochés&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Type: %1</source>
        <translation>&amp;Type&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;ense: %1</source>
        <translation>T&amp;emps&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Number: %1</source>
        <translation>&amp;Nombre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Person: %1</source>
        <translation>&amp;Personne&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subject: %1</source>
        <translation>&amp;Sujet&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Complement: %1</source>
        <translation>&amp;Complément&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This e&amp;xact sentence</source>
        <translation>Cette phrase e&amp;xacte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The learner reads:</source>
        <translation>L’élève lit&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation>Consigne pe&amp;rsonnelle (facultative)&#xa0;:</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tick at least one feature.</source>
        <translation>Coche au moins un critère.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prompt</source>
        <translation>Consigne</translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="+37"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation>&amp;Exercices — choisis celui que tu veux faire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tasks</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current task</source>
        <translation>Exercice en cours</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Task feedback</source>
        <translation>Remarques sur l’exercice</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tas&amp;ks</source>
        <translation>E&amp;xercices</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Task from Sentence…</source>
        <translation>&amp;Nouvel exercice à partir de la phrase…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remove Task</source>
        <translation>&amp;Supprimer l’exercice</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Up</source>
        <translation>&amp;Monter l’exercice</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Down</source>
        <translation>&amp;Descendre l’exercice</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Work Without a Task</source>
        <translation>&amp;Travailler sans exercice</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Task %1: %2</source>
        <translation>Exercice %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation>Aucun exercice choisi&#xa0;: les phrases sont seulement listées.</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="-63"/>
        <source>Task %1 is done.</source>
        <translation>L’exercice %1 est réussi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1, not yet: %2</source>
        <translation>Exercice %1, pas encore&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="+28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation>L’arbre de la phrase que tu construis pousse ici.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Sentence tree</source>
        <translation>Arbre de la phrase</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+27"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation>Fiche Parsella (*.parsella)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Learner:</source>
        <translation>É&amp;lève&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>Finished &amp;sentences</source>
        <translation>&amp;Phrases terminées</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Finished sentences</source>
        <translation>Phrases terminées</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture…</source>
        <translation>&amp;Image…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text…</source>
        <translation>&amp;Texte…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+414"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="-401"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as &amp;Brackets</source>
        <translation>Copier en cr&amp;ochets</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Fit the Tree</source>
        <translation>A&amp;juster l’arbre</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Finished &amp;sentences — in bold, the answers to task %1</source>
        <translation>&amp;Phrases terminées — en gras, les réponses à l’exercice %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — Worksheet</source>
        <translation>%1[*] — Fiche</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation>A&amp;rbre de la phrase en construction</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree of sentence %1</source>
        <translation>A&amp;rbre de la phrase %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree</source>
        <translation>A&amp;rbre</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No recent worksheets</source>
        <translation>Aucune fiche récente</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+9"/>
        <source>Open Worksheet</source>
        <translation>Ouvrir une fiche</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+146"/>
        <source>Save Worksheet</source>
        <translation>Enregistrer la fiche</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>worksheet.parsella</source>
        <translation>fiche.parsella</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Save Worksheet As</source>
        <translation>Enregistrer la fiche sous</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Image SVG (*.svg);;Image PNG (*.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas été enregistré&#xa0;: une image s’enregistre en SVG ou en PNG, son nom doit donc finir par .svg ou .png.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file &quot;%1&quot; was not saved: %2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas été enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The worksheet was not printed: %1</source>
        <translation>La fiche n’a pas été imprimée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Worksheet</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+17"/>
        <location line="+10"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The worksheet was not printed: the printer &quot;%1&quot; could not be used.</source>
        <translation>La fiche n’a pas été imprimée&#xa0;: l’imprimante «&#xa0;%1&#xa0;» n’a pas pu être utilisée.</translation>
    </message>
    <message>
        <location line="-497"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="+54"/>
        <source>Learner&apos;s Name</source>
        <translation>Nom de l’élève</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled (from %1)</source>
        <translation>Sans titre (d’après %1)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Finished Sentence</source>
        <translation>Phrase terminée</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Answer Task</source>
        <translation>Réponse à l’exercice</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New Task</source>
        <translation>Nouvel exercice</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Remove Task</source>
        <translation>Supprimer l’exercice</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move Task Up</source>
        <translation>Monter l’exercice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Task Down</source>
        <translation>Descendre l’exercice</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Remove Sentence</source>
        <translation>Supprimer la phrase</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move Sentence Up</source>
        <translation>Monter la phrase</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Sentence Down</source>
        <translation>Descendre la phrase</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas été ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas été enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>1 sentence</source>
        <translation>1 phrase</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sentences</source>
        <translation>%1 phrases</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 by %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore Worksheet</source>
        <translation>Restaurer la fiche</translation>
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
        <translation>Logiciel libre sous la licence publique générale GNU, version 2 ou ultérieure (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Grammar and Help work offline</source>
        <translation>Grammaire et aide sans Internet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>link to the publisher&apos;s web site</source>
        <translation>lien vers le site web de l’éditeur</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+23"/>
        <source>&amp;Grammar</source>
        <translation>&amp;Grammaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worksheet</source>
        <translation>&amp;Fiche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>parsella::frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+191"/>
        <source>Error - A noun was not selected</source>
        <translation>Erreur - aucun nom n’a été choisi</translation>
    </message>
</context>
</TS>
