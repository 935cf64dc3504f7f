<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Admission</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+12"/>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+46"/>
        <source>“a” goes before a consonant sound (a dog); say “an %1”.</source>
        <translation>«a» ставимо перед приголосним звуком (a dog); скажи «an %1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation>«an» ставимо перед голосним звуком (an image); скажи «a %1».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation>%1 — для одного предмета, а не для %2: якщо їх більше, почни з «the».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation>Після %1 спершу потрібен прикметник: вибери, наприклад, %2, а тоді %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation>Перед %1 потрібен означник: спершу вибери «the», «my» або «Mary&apos;s».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation>Перед %1 потрібен артикль: спершу вибери %2 або «the».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation>%1 вживається окремо; щоб узяти %2, почни з означника, наприклад «the».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>an adjective</source>
        <translation>прикметник</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a place</source>
        <translation>місце</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an object</source>
        <translation>прямий додаток</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an -ing word</source>
        <translation>форма на -ing</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>place</source>
        <translation>місце</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>object</source>
        <translation>прямий додаток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-ing word</source>
        <translation>форма на -ing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>прикметник</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation>Питальне слово %1 уже вибрано: щоб узяти інше, почни нове питання.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation>Вибери «Who» або «Which», щоб почати питання.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs an adjective: %2</source>
        <translation>Після %1 потрібен прикметник: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a noun: %2</source>
        <translation>Після %1 потрібен іменник: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation>Додаток іде після дієслова: спершу вибери дієслово.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 takes no complement.</source>
        <translation>%1 не бере додатка.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation>Після %1 не йде %2; після нього йде %3: %4…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> або </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs a verb next: press %2.</source>
        <translation>Після %1 потрібне дієслово: натисни «%2».</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Choose a subject first: choose “Who”, or “Which” and a noun.</source>
        <translation>Спершу вибери підмет: вибери «Who» або «Which» з іменником.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subject has begun: press %1 or %2.</source>
        <translation>Підмет уже почато: натисни «%1» або «%2».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1 or %2.</source>
        <translation>Спершу вибери підмет: натисни «%1» або «%2».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject has begun: press %1.</source>
        <translation>Підмет уже почато: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1.</source>
        <translation>Спершу вибери підмет: натисни «%1».</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The subject is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>Підмет вибрано: натисни «%1» або, якщо речення завершене, «%2».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The predicate has its verb: press %1, or %2 if the sentence is complete.</source>
        <translation>Присудок уже має дієслово: натисни «%1» або, якщо речення завершене, «%2».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The verb is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>Дієслово вибрано: натисни «%1» або, якщо речення завершене, «%2».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject is chosen: press %1.</source>
        <translation>Підмет вибрано: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has its verb: press %1.</source>
        <translation>Присудок уже має дієслово: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has begun: press %1.</source>
        <translation>Присудок уже почато: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The verb is chosen: press %1.</source>
        <translation>Дієслово вибрано: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Begin the predicate first: press %1.</source>
        <translation>Спершу почни присудок: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The complement is chosen: press %1.</source>
        <translation>Додаток вибрано: натисни «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a verb first: press %1.</source>
        <translation>Спершу вибери дієслово: натисни «%1».</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>%1 needs a complement: %2…</source>
        <translation>Після %1 потрібен додаток: %2…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sentence is complete.</source>
        <translation>Речення готове.</translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+25"/>
        <source>the control character %1</source>
        <translation>керівний символ %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the invisible character %1</source>
        <translation>невидимий символ %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>There are no brackets.</source>
        <translation>Дужок немає.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation>Після закривної дужки речення ще щось є.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation>Запис у дужках довший за %1 символів.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation>У дужках є %1, а запис у дужках такого не вживає.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A word is longer than %1 letters.</source>
        <translation>Слово довше за %1 літер.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation>Дужки вкладені глибше, ніж на %1 рівнів.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A bracket “[” was expected here.</source>
        <translation>Тут мала бути дужка «[».</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation>Дужка відкривається без мітки, як-от NP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation>«%1» — не мітка дерева, як-от NP чи VP.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A bracket is not closed.</source>
        <translation>Дужку не закрито.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation>Частини в дужці треба розділяти пробілом.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation>У круглих дужках пишуть лише підмет, що мається на увазі: «(you)».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A “)” closes nothing.</source>
        <translation>Дужка «)» нічого не закриває.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation>У дужці лише одне слово: «%1» потребує власної дужки.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation>У дужці або одне слово, або групи слів, але не те й інше разом.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation>Підмет «(you)», що мається на увазі, — це іменна група: пиши [NP (you)].</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="+99"/>
        <source>sentence %1: %2</source>
        <translation>речення %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation>це не об’єкт із «type» і «brackets».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation>у ньому немає «type» або це не текст; має бути «statement», «question» чи «command».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation>його тип «%1» — це ні «statement», ні «question», ні «command».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “brackets” are missing or not text.</source>
        <translation>у ньому немає «brackets» або це не текст.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation>Файл більший за %1 МіБ — це набагато більше, ніж будь-який робочий аркуш.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The file is empty.</source>
        <translation>Файл порожній.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>Файл уривається зарано: можливо, його обрізало під час копіювання.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>Цей файл — не робочий аркуш: його JSON не читається (%1; рядок %2, позиція %3).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation>Цей файл — не робочий аркуш: у ньому немає об’єкта JSON.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation>Цей файл — не робочий аркуш Parsella: у ньому немає «format».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation>Цей файл — не робочий аркуш Parsella: його формат — «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>У файлі немає «version» або це не ціле число.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation>Файл записала новіша Parsella (версія формату %1); ця читає версію %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The learner&apos;s name is not text.</source>
        <translation>Ім’я учня — не текст.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation>Ім’я учня довше за %1 символів.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation>В імені учня є керівний символ.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file has no list of “sentences”.</source>
        <translation>У файлі немає списку «sentences».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation>«tasks» у файлі — не список.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>task %1: it is not an object.</source>
        <translation>завдання %1: це не об’єкт.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>It is a folder, not a file.</source>
        <translation>Це тека, а не файл.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>Це не звичайний файл.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="+341"/>
        <source>System default</source>
        <translation>Як у системі</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="+17"/>
        <source>sentence</source>
        <translation>речення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun phrase</source>
        <translation>іменна група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb phrase</source>
        <translation>дієслівна група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prepositional phrase</source>
        <translation>прийменникова група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective phrase</source>
        <translation>прикметникова група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb phrase</source>
        <translation>прислівникова група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>determiner</source>
        <translation>означник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun</source>
        <translation>іменник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pronoun</source>
        <translation>займенник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>прикметник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb</source>
        <translation>прислівник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb</source>
        <translation>дієслово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>auxiliary verb</source>
        <translation>допоміжне дієслово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preposition</source>
        <translation>прийменник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>possessive</source>
        <translation>присвійне слово</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <location filename="../src/app/OutputModule.cpp" line="+47"/>
        <source>it is not this version&apos;s module</source>
        <translation>це не модуль цієї версії</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the module for printing and SVG pictures, %1, could not be loaded (%2). Installing Parsella again puts it right.</source>
        <translation>не вдалося завантажити модуль друку та малюнків SVG, %1 (%2). Повторне встановлення Parsella це виправить.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the module for printing and SVG pictures, %1, is missing. Installing Parsella again puts it back.</source>
        <translation>модуль друку та малюнків SVG, %1, відсутній. Повторне встановлення Parsella поверне його.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+115"/>
        <source>Not opened</source>
        <translation>Не відкрито</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation>Цю адресу не вдалося відкрити: жоден браузер не відповів. Можеш сам скопіювати її в браузер:

%1</translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+101"/>
        <source>Worksheet</source>
        <translation>Робочий аркуш</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation>У робочому аркуші «%1» є незбережені зміни.

Зберегти їх, щоб вони не пропали?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Save your finished sentences before they are dropped?

They are not saved in a file yet.</source>
        <translation>Зберегти твої готові речення, щоб вони не пропали?

У файлі їх ще не збережено.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Restore Worksheet</source>
        <translation>Відновлення аркуша</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation>Минулого разу Parsella закрилася неправильно, але робочий аркуш із незбереженими змінами вдалося вберегти (%1).

Відновити його?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+70"/>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="+156"/>
        <source>complete</source>
        <translation>завершено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incomplete</source>
        <translation>не завершено</translation>
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
        <translation>Скасувати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Відкинути</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Save</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+5"/>
        <source>%1. Task %2 · %3: %4 — %5</source>
        <translation>%1. Завдання %2 · %3: %4 — %5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meets it</source>
        <translation>відповідає завданню</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="+90"/>
        <location filename="../src/grammar/Sentence.cpp" line="+167"/>
        <source>Adjective</source>
        <translation>Прикметник</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/grammar/Sentence.cpp" line="+1"/>
        <source>Noun</source>
        <translation>Іменник</translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="-150"/>
        <source>Statement</source>
        <translation>Розповідне речення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Питальне речення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Спонукальне речення</translation>
    </message>
    <message>
        <location line="+77"/>
        <location line="+67"/>
        <source>Subject</source>
        <translation>Підмет</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+65"/>
        <source>Predicate</source>
        <translation>Присудок</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+59"/>
        <source>Complement</source>
        <translation>Додаток</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>subject not chosen yet</source>
        <translation>підмет: ще не вибрано</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predicate not chosen yet</source>
        <translation>присудок: ще не вибрано</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>complement not chosen yet</source>
        <translation>додаток: ще не вибрано</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective not chosen yet</source>
        <translation>прикметник: ще не вибрано</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun not chosen yet</source>
        <translation>іменник: ще не вибрано</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 not chosen yet</source>
        <translation>%1: ще не вибрано</translation>
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
        <translation>завершене</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not complete yet</source>
        <translation>ще не завершене</translation>
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
        <translation>Підмет: «you», мається на увазі.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: not chosen yet.</source>
        <translation>Підмет: ще не вибрано.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: %1.</source>
        <translation>Підмет: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Predicate: not chosen yet.</source>
        <translation>Присудок: ще не вибрано.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Predicate: %1.</source>
        <translation>Присудок: %1.</translation>
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
        <translation>Слова %1 немає у вікнах вибору.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2, not %3.</source>
        <translation>%1 — це %2, а не %3.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation>%1 не може йти після %2: в іменній групі йдуть означник, прислівник, прикметник та іменник — саме в такому порядку і кожен лише раз.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation>Вікно іменної групи не пропонує %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation>Щоб бути цілим підметом, %1 потребує іменника.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation>Підмет питання починається з «Who» або «Which», а не з %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation>«Who» — уже цілий підмет: %1 не може йти після нього.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation>У питанні після %2 не буває %1.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation>%1 починає підмет питання, а не розповідного речення.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation>Займенник %1 — уже цілий підмет: %2 не може йти після нього.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation>Вікно дієслова не показує форми %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation>У спонукальному реченні дієслово стоїть у початковій формі: %1, а не %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation>%1 не узгоджується з %2: вікно дієслова показує %3, %4 або %5.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation>Вікно додатків не пропонує такого додатка: %1.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation>Запис речення в дужках починається з [S.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation>Підмет спонукального речення — «you», що мається на увазі: пиши [NP (you)].</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Only a command has the understood subject (you).</source>
        <translation>Підмет (you), що мається на увазі, буває лише в спонукальному реченні.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation>У дужках підмета [NP] стоять його слова, кожне у власній дужці.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation>Дієслівна група починається з дієслова: [VP [V …]].</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation>Дієслово бере лише один додаток: %1 — уже зайвий.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation>Додаток — це група: %1 потребує дужок групи, як-от [AdvP [Adv here]].</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation>Речення — це підмет і дієслівна група: [S [NP …] [VP …]].</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The sentence has no subject yet: press %1.</source>
        <translation>У реченні ще немає підмета: натисни «%1».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A command needs its verb: press %1.</source>
        <translation>Спонукальному реченню потрібне дієслово: натисни «%1».</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation>Ці дужки мають не ту будову, яку складають вікна; вікна записують це речення так: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sentence is not complete.</source>
        <translation>Речення не завершене.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation>%1 (символ %2 у дужках).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../src/grammar/Summary.cpp" line="+31"/>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>У файлі це завдання позначено як виконане, але жодне з його речень йому не відповідає.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>The worksheet has no tasks.</source>
        <translation>У робочому аркуші немає завдань.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>task %1: %2</source>
        <translation>завдання %1: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>пропущено: це аркуш із завданнями, без імені учня й без відповідей.</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+75"/>
        <source>a statement</source>
        <translation>розповідне речення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a question</source>
        <translation>питальне речення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command</source>
        <translation>спонукальне речення</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>present</source>
        <translation>теперішній час</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>past</source>
        <translation>минулий час</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>future</source>
        <translation>майбутній час</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>plural</source>
        <translation>множина</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>singular</source>
        <translation>однина</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first</source>
        <translation>перша особа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>second</source>
        <translation>друга особа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>третя особа</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a pronoun</source>
        <translation>займенник</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>a noun phrase</source>
        <translation>іменна група</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>“Who”</source>
        <translation>«Who»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a phrase with “Which”</source>
        <translation>група з «Which»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no complement</source>
        <translation>без додатка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a prepositional phrase</source>
        <translation>прийменникова група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adverb</source>
        <translation>прислівник</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a present participle</source>
        <translation>форма на -ing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adjective</source>
        <translation>прикметник</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 і %2</translation>
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
        <translation>у спонукального речення немає часу</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation>у спонукального речення немає власного підмета, тож немає ні числа, ні особи, ні виду підмета</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation>підмет питання складають із «Who» або «Which»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation>«Who» і «Which» складають підмет питання, а не розповідного речення</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation>у першій чи другій особі буває лише підмет-займенник</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” as a subject is singular</source>
        <translation>«Who» як підмет стоїть в однині</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>it asks for nothing</source>
        <translation>воно нічого не просить</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no value of “%2”</source>
        <translation>%1 — не значення для «%2»</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation>воно просить %1, а ця Parsella такого не знає</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>its brackets are no sentence: %1</source>
        <translation>його дужки — не речення: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation>його дужки не збігаються з іншими ключами: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Build this sentence: %1</source>
        <translation>Побудуй таке речення: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Build %1</source>
        <translation>Побудуй %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a sentence</source>
        <translation>речення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> in the %1 tense</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>in the %1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> whose subject is %1</source>
        <translation>, у якому підмет — %1</translation>
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
        <translation> без додатка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> with %1 as its complement</source>
        <translation> з додатком — %1</translation>
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
        <translation>Речення із завдання — %1, а твоє — %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The task&apos;s sentence has %1, which yours lacks.</source>
        <translation>У реченні із завдання є %1, а у твоєму немає.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours has %1, which the task&apos;s sentence does not.</source>
        <translation>У твоєму реченні є %1, а в реченні із завдання немає.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task&apos;s sentence has %1 where yours has %2.</source>
        <translation>У реченні із завдання %1 там, де у твоєму %2.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation>Завдання просить речення %1, а твоє — %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a complete sentence.</source>
        <translation>%1 — ще не завершене речення.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a command has no subject of its own.</source>
        <translation>а в спонукальному реченні немає власного підмета.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation>Завдання просить %1, а %2 — це %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task asks for the %1 tense; </source>
        <translation>Завдання просить %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command has no tense.</source>
        <translation>а в спонукальному реченні часу немає.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>%1 is in the %2.</source>
        <translation>а %1 — це %2.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The task asks for a %1 subject; </source>
        <translation>Завдання просить підмет: %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2.</source>
        <translation>а %1 — це %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation>Завдання просить підмет: %1; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The task asks for %1 as the subject; </source>
        <translation>Завдання просить підмет: %1; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a pronoun.</source>
        <translation>а %1 — це займенник.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a noun phrase.</source>
        <translation>а %1 — це іменна група.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the question word alone.</source>
        <translation>а %1 — це лише питальне слово.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation>а %1 — це група з «Which».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation>Завдання просить речення без додатка, а в %1 є %2 — %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation>Завдання просить додаток: %1; а в %2 додатка немає.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation>Завдання просить додаток: %1; а %2 — це %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Task %1 is already done; this sentence meets it too.</source>
        <translation>Завдання %1 уже виконано; це речення теж йому відповідає.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1 is already done; this sentence would not meet it: %2</source>
        <translation>Завдання %1 уже виконано; це речення йому не відповідало б: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>task %1: %2</source>
        <translation>завдання %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object</source>
        <translation>це не об’єкт</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no “ask” object</source>
        <translation>у ньому немає об’єкта «ask»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its “prompt” is not text</source>
        <translation>його «prompt» — не текст</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “prompt” is longer than %1 characters</source>
        <translation>його «prompt» довший за %1 символів</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1, tries: %2</source>
        <translation>%1, спроб: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>its “prompt” holds a control character</source>
        <translation>у його «prompt» є керівний символ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “tries” is not a count</source>
        <translation>його «tries» — не кількість</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “done” is neither true nor false</source>
        <translation>його «done» — ні true, ні false</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>done</source>
        <translation>виконано</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+1"/>
        <location filename="../src/grammar/Task.cpp" line="+1"/>
        <source>not yet</source>
        <translation>ще ні</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+0"/>
        <source>to do</source>
        <translation>не почато</translation>
    </message>
    <message>
        <location filename="../src/grammar/TaskList.cpp" line="+54"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation>речення %1: воно відповідає на завдання, якого в аркуші немає</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+41"/>
        <source>answers</source>
        <translation>відповіді</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name:</source>
        <translation>Ім’я:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer (%1): %2</source>
        <translation>Відповідь (%1): %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <location filename="../src/grammar/WholeFile.cpp" line="+49"/>
        <source>it could not be written</source>
        <translation>його не вдалося записати</translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="+15"/>
        <source>Verb Complements</source>
        <translation>Додатки дієслова</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Current Verb:</source>
        <translation>Дієслово:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current verb</source>
        <translation>Поточне дієслово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complements</source>
        <translation>Додатки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prepositional Phrase</source>
        <translation>Прийменникова група</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Noun, Noun Phrase</source>
        <translation>Іменник, іменна група</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation>&lt;присл.&gt;* прикметник</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Present Participle</source>
        <translation>Форма на -ing</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adverb</source>
        <translation>Прислівник</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+68"/>
        <source>Copyright notice</source>
        <translation>Авторські права</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence drawn as a tree</source>
        <translation>Речення, намальоване деревом</translation>
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
        <translation>Розповідне речення (твердження)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Речення</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+5"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="-46"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Subject</source>
        <translation>Підмет</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Присудок</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Noun, Noun Phrase</source>
        <translation>Іменник, іменна група</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Особовий займенник (наз. в.)</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Дієслово</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Complement</source>
        <translation>Додаток</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation>Граматичний аркуш Тамріна</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declarative Sentence = (statement)</source>
        <translation>Розповідне речення = (твердження)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation>Питальне речення = (питання) ???</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation>Спонукальне речення = (наказ)   !!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+8"/>
        <source>Imperative Sentence (Command)</source>
        <translation>Спонукальне речення (наказ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Речення</translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="+7"/>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Присудок</translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Дієслово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Додаток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="+16"/>
        <source>Interrogative Sentence (Question)</source>
        <translation>Питальне речення (питання)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Речення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Predicate</source>
        <translation>Присудок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Дієслово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Додаток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Who/Which</source>
        <translation>Who/Which</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adjective</source>
        <translation>Прикметник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Прислівник</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Іменник</translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+18"/>
        <source>Noun Phrase Generation</source>
        <translation>Складання іменної групи</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Noun phrase</source>
        <translation>Іменна група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Noun Phrase</source>
        <translation>Іменна група</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Article</source>
        <translation>Артикль</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Common Possessive Noun</source>
        <translation>Присвійний іменник</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proper Possessive Noun</source>
        <translation>Присвійна власна назва</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Personal Possessive Adjective</source>
        <translation>Присвійний займенник</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjective</source>
        <translation>Прикметник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Прислівник</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Іменник</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Proper Noun</source>
        <translation>Власна назва</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="+16"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Особовий займенник (називний відмінок)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pronoun</source>
        <translation>Займенник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-- Singular --</source>
        <translation>-- Однина --</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>First Person</source>
        <translation>Перша особа</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+9"/>
        <source>Second Person</source>
        <translation>Друга особа</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+7"/>
        <source>Third Person</source>
        <translation>Третя особа</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>-- Plural --</source>
        <translation>-- Множина --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>frmVerb</name>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="+16"/>
        <source>Verb, Verb Phrase</source>
        <translation>Дієслово, дієслівна група</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verb phrase</source>
        <translation>Дієслівна група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbs</source>
        <translation>Дієслова</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tense</source>
        <translation>Час</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+57"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella: для мови «%1» немає каталогу; використано англійську
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Build English sentences word by word.</source>
        <translation>Будуй англійські речення слово за словом.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check each worksheet&apos;s tasks and print them as CSV, one row per task (%1), and open no window.</source>
        <translation>Перевірити завдання кожного робочого аркуша й вивести їх як CSV, по рядку на завдання (%1), не відкриваючи вікна.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --summary: one row per learner and one column per task, with a total, for a markbook.</source>
        <translation>З --summary: рядок на учня і стовпець на завдання, з підсумком, для журналу оцінок.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Показати програму мовою &lt;code&gt; (наприклад, de, es чи pt_BR) лише цього разу; «en» — англійська.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Робочий аркуш (.parsella), який треба відкрити; з --summary — аркуші для підсумку.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file...]</source>
        <translation>[файл...]</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>parsella: --grid goes with --summary
</source>
        <translation>parsella: --grid працює лише з --summary
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella: --summary потребує щонайменше одного файлу робочого аркуша
</translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-41"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Сторінку &lt;b&gt;%1&lt;/b&gt; не знайдено.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="+16"/>
        <source>New Task from Sentence</source>
        <translation>Нове завдання з речення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation>Попросити речення, схоже на «%1», з позначеними ознаками:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Type: %1</source>
        <translation>&amp;Тип: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;ense: %1</source>
        <translation>&amp;Час: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Number: %1</source>
        <translation>Ч&amp;исло: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Person: %1</source>
        <translation>&amp;Особа: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subject: %1</source>
        <translation>&amp;Підмет: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Complement: %1</source>
        <translation>&amp;Додаток: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This e&amp;xact sentence</source>
        <translation>Саме &amp;це речення</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The learner reads:</source>
        <translation>Учень прочитає:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation>&amp;Свій текст завдання (необов’язково):</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tick at least one feature.</source>
        <translation>Познач хоча б одну ознаку.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prompt</source>
        <translation>Текст завдання</translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="+37"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation>Завдання — &amp;обери одне для роботи</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tasks</source>
        <translation>Завдання</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current task</source>
        <translation>Поточне завдання</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Task feedback</source>
        <translation>Перевірка завдання</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tas&amp;ks</source>
        <translation>Завд&amp;ання</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Task from Sentence…</source>
        <translation>&amp;Нове завдання з речення…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remove Task</source>
        <translation>&amp;Вилучити завдання</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Up</source>
        <translation>Завдання в&amp;гору</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Down</source>
        <translation>Завдання вн&amp;из</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Work Without a Task</source>
        <translation>&amp;Працювати без завдання</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Task %1: %2</source>
        <translation>Завдання %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation>Завдання не вибрано: речення лише додаються до списку.</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="-63"/>
        <source>Task %1 is done.</source>
        <translation>Завдання %1 виконано.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1, not yet: %2</source>
        <translation>Завдання %1 ще не виконано: %2</translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="+28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation>Тут росте дерево речення, яке ти будуєш.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Sentence tree</source>
        <translation>Дерево речення</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+27"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation>Робочий аркуш Parsella (*.parsella)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Learner:</source>
        <translation>&amp;Учень:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learner</source>
        <translation>Учень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>optional</source>
        <translation>необов’язково</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>Finished &amp;sentences</source>
        <translation>Готові &amp;речення</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Finished sentences</source>
        <translation>Готові речення</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;Новий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>&amp;Відкрити…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>Ос&amp;танні</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;As…</source>
        <translation>Зберегти &amp;як…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export</source>
        <translation>&amp;Експорт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture…</source>
        <translation>&amp;Малюнок…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text…</source>
        <translation>&amp;Текст…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print…</source>
        <translation>&amp;Друк…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>За&amp;крити</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Зміни</translation>
    </message>
    <message>
        <location line="+414"/>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <location line="-401"/>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as &amp;Brackets</source>
        <translation>Копіювати як &amp;дужки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;move</source>
        <translation>В&amp;илучити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Up</source>
        <translation>Пересунути в&amp;гору</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move &amp;Down</source>
        <translation>Пересунути в&amp;низ</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Збільшити</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom &amp;Out</source>
        <translation>З&amp;меншити</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Fit the Tree</source>
        <translation>&amp;Умістити дерево</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>Мо&amp;ва</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Finished &amp;sentences — in bold, the answers to task %1</source>
        <translation>Готові &amp;речення — жирним: відповіді на завдання %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — Worksheet</source>
        <translation>%1[*] — Робочий аркуш</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation>&amp;Дерево речення, яке будуєш</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree of sentence %1</source>
        <translation>&amp;Дерево речення %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree</source>
        <translation>&amp;Дерево</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No recent worksheets</source>
        <translation>Останніх аркушів немає</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+9"/>
        <source>Open Worksheet</source>
        <translation>Відкрити робочий аркуш</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+146"/>
        <source>Save Worksheet</source>
        <translation>Зберегти робочий аркуш</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>worksheet.parsella</source>
        <translation>аркуш.parsella</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Save Worksheet As</source>
        <translation>Зберегти робочий аркуш як</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Скасувати %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторити %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Save Picture</source>
        <translation>Зберегти малюнок</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Малюнок SVG (*.svg);;Малюнок PNG (*.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation>Файл «%1» не збережено: малюнок зберігається як SVG або PNG, тож його назва має закінчуватися на .svg або .png.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file &quot;%1&quot; was not saved: %2</source>
        <translation>Файл «%1» не збережено: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Текст (*.txt);;Усі файли (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The worksheet was not printed: %1</source>
        <translation>Робочий аркуш не надруковано: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Worksheet</source>
        <translation>Робочий аркуш</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+17"/>
        <location line="+10"/>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The worksheet was not printed: the printer &quot;%1&quot; could not be used.</source>
        <translation>Робочий аркуш не надруковано: не вдалося скористатися принтером «%1».</translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="+54"/>
        <source>Learner&apos;s Name</source>
        <translation>зміну імені учня</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Untitled</source>
        <translation>Без назви</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled (from %1)</source>
        <translation>Без назви (з %1)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Finished Sentence</source>
        <translation>додавання речення</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Answer Task</source>
        <translation>відповідь на завдання</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New Task</source>
        <translation>нове завдання</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Remove Task</source>
        <translation>вилучення завдання</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move Task Up</source>
        <translation>переміщення завдання вгору</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Task Down</source>
        <translation>переміщення завдання вниз</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Remove Sentence</source>
        <translation>вилучення речення</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move Sentence Up</source>
        <translation>переміщення речення вгору</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Sentence Down</source>
        <translation>переміщення речення вниз</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation>Файл «%1» не відкрито: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation>Файл «%1» не збережено: %2.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>1 sentence</source>
        <translation>1 речення</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sentences</source>
        <translation>речень: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 by %2</source>
        <translation>%1; учень: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore Worksheet</source>
        <translation>відновлення аркуша</translation>
    </message>
</context>
<context>
    <name>parsella::frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+17"/>
        <source>Copyright © %1</source>
        <translation>Авторські права © %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 2 or later (%1)</source>
        <translation>Вільна програма на умовах GNU General Public License, версії 2 або новішої (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Grammar and Help work offline</source>
        <translation>Граматика й довідка офлайн</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>link to the publisher&apos;s web site</source>
        <translation>посилання на сайт видавця</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+23"/>
        <source>&amp;Grammar</source>
        <translation>&amp;Граматика</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worksheet</source>
        <translation>&amp;Робочий аркуш</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Language</source>
        <translation>&amp;Мова</translation>
    </message>
</context>
<context>
    <name>parsella::frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+191"/>
        <source>Error - A noun was not selected</source>
        <translation>Помилка: іменник не вибрано</translation>
    </message>
</context>
</TS>
