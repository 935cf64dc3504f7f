<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>«a» va delante de un sonido consonántico (a dog); di «an %1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation>«an» va delante de un sonido vocálico (an image); di «a %1».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation>%1 es para una sola cosa, no para %2: empieza con «the» si son varias.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation>%1 necesita antes su adjetivo: elige uno, como %2, y luego %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation>%1 necesita un determinante delante: elige primero «the», «my» o «Mary&apos;s».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation>%1 necesita un artículo delante: elige primero %2 o «the».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation>%1 va solo; para usar %2, empieza con un determinante como «the».</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>an adjective</source>
        <translation>un adjetivo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a place</source>
        <translation>un lugar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an object</source>
        <translation>un complemento directo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an -ing word</source>
        <translation>una palabra en -ing</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>place</source>
        <translation>complemento de lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>object</source>
        <translation>complemento directo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-ing word</source>
        <translation>palabra en -ing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>adjetivo</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation>La palabra interrogativa %1 ya no cambia: para cambiarla, empieza una pregunta nueva.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation>Elige «Who» o «Which» para empezar la pregunta.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs an adjective: %2</source>
        <translation>%1 necesita un adjetivo: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a noun: %2</source>
        <translation>%1 necesita un sustantivo: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation>El complemento va después del verbo: elige primero el verbo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 takes no complement.</source>
        <translation>%1 no lleva complemento.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation>%1 no lleva %2; lleva %3: %4…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs a verb next: press %2.</source>
        <translation>%1 necesita ahora un verbo: pulsa %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Choose a subject first: choose “Who”, or “Which” and a noun.</source>
        <translation>Elige primero un sujeto: elige «Who», o «Which» y un sustantivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subject has begun: press %1 or %2.</source>
        <translation>Ya has empezado el sujeto: pulsa %1 o %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1 or %2.</source>
        <translation>Elige primero un sujeto: pulsa %1 o %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject has begun: press %1.</source>
        <translation>Ya has empezado el sujeto: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1.</source>
        <translation>Elige primero un sujeto: pulsa %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The subject is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>El sujeto ya está elegido: pulsa %1, o %2 si la oración está completa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The predicate has its verb: press %1, or %2 if the sentence is complete.</source>
        <translation>El predicado ya tiene su verbo: pulsa %1, o %2 si la oración está completa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The verb is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>El verbo ya está elegido: pulsa %1, o %2 si la oración está completa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject is chosen: press %1.</source>
        <translation>El sujeto ya está elegido: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has its verb: press %1.</source>
        <translation>El predicado ya tiene su verbo: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has begun: press %1.</source>
        <translation>Ya has empezado el predicado: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The verb is chosen: press %1.</source>
        <translation>El verbo ya está elegido: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Begin the predicate first: press %1.</source>
        <translation>Empieza primero el predicado: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The complement is chosen: press %1.</source>
        <translation>El complemento ya está elegido: pulsa %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a verb first: press %1.</source>
        <translation>Elige primero un verbo: pulsa %1.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>%1 needs a complement: %2…</source>
        <translation>%1 necesita un complemento: %2…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sentence is complete.</source>
        <translation>La oración está completa.</translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+25"/>
        <source>the control character %1</source>
        <translation>el carácter de control %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the invisible character %1</source>
        <translation>el carácter invisible %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>There are no brackets.</source>
        <translation>No hay corchetes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation>Hay algo después del corchete que cierra la oración.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation>Los corchetes tienen más de %1 caracteres.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation>Los corchetes contienen %1, que la notación de corchetes no usa.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A word is longer than %1 letters.</source>
        <translation>Una palabra tiene más de %1 letras.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation>Los corchetes se anidan en más de %1 niveles.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A bracket “[” was expected here.</source>
        <translation>Aquí se esperaba un corchete «[».</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation>Un corchete se abre sin su etiqueta, como NP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation>«%1» no es una etiqueta del árbol, como NP o VP.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A bracket is not closed.</source>
        <translation>Falta cerrar un corchete.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation>Las partes de un corchete van separadas por un espacio.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation>Solo el sujeto omitido va entre paréntesis: «(you)».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A “)” closes nothing.</source>
        <translation>Un «)» no cierra nada.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation>Cada corchete lleva una sola palabra: «%1» necesita su propio corchete.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation>Un corchete lleva una palabra o sintagmas, no las dos cosas.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation>El sujeto omitido «(you)» es un sintagma nominal: escribe [NP (you)].</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="+99"/>
        <source>sentence %1: %2</source>
        <translation>oración %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation>no es un objeto con «type» y «brackets».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation>su «type» falta o no es texto; debe ser «statement», «question» o «command».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation>su tipo «%1» no es «statement», «question» ni «command».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “brackets” are missing or not text.</source>
        <translation>sus «brackets» faltan o no son texto.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation>El archivo ocupa más de %1 MiB, mucho más que cualquier hoja de trabajo.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>El archivo termina antes de tiempo: puede que se cortara al copiarlo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>El archivo no es una hoja de trabajo: su JSON no se puede leer (%1 en la línea %2, columna %3).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation>El archivo no es una hoja de trabajo: no contiene ningún objeto JSON.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation>El archivo no es una hoja de trabajo de Parsella: no tiene «format».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation>El archivo no es una hoja de trabajo de Parsella: su formato es «%1».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>Al archivo le falta «version» o no es un número entero.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation>El archivo lo escribió un Parsella más nuevo (versión de formato %1); este lee la versión %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The learner&apos;s name is not text.</source>
        <translation>El nombre del alumno no es texto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation>El nombre del alumno tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation>El nombre del alumno contiene un carácter de control.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file has no list of “sentences”.</source>
        <translation>El archivo no tiene una lista «sentences».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation>Las «tasks» del archivo no son una lista.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>task %1: it is not an object.</source>
        <translation>tarea %1: no es un objeto.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="+341"/>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="+17"/>
        <source>sentence</source>
        <translation>oración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun phrase</source>
        <translation>sintagma nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb phrase</source>
        <translation>sintagma verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prepositional phrase</source>
        <translation>sintagma preposicional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective phrase</source>
        <translation>sintagma adjetival</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb phrase</source>
        <translation>sintagma adverbial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>determiner</source>
        <translation>determinante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun</source>
        <translation>sustantivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pronoun</source>
        <translation>pronombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>adjetivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb</source>
        <translation>adverbio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb</source>
        <translation>verbo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>auxiliary verb</source>
        <translation>verbo auxiliar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preposition</source>
        <translation>preposición</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>possessive</source>
        <translation>posesivo</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <location filename="../src/app/OutputModule.cpp" line="+47"/>
        <source>it is not this version&apos;s module</source>
        <translation>no es el módulo de esta versión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the module for printing and SVG pictures, %1, could not be loaded (%2). Installing Parsella again puts it right.</source>
        <translation>no se pudo cargar el módulo de impresión e imágenes SVG, %1 (%2). Instalar Parsella de nuevo lo arregla.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the module for printing and SVG pictures, %1, is missing. Installing Parsella again puts it back.</source>
        <translation>falta el módulo de impresión e imágenes SVG, %1. Instalar Parsella de nuevo lo repone.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+115"/>
        <source>Not opened</source>
        <translation>No se abrió</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation>No se pudo abrir esta dirección porque ningún navegador respondió. Puedes copiarla tú en un navegador:

%1</translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+101"/>
        <source>Worksheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation>La hoja de trabajo «%1» tiene cambios sin guardar.

¿Quieres guardarlos antes de que se pierdan?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Save your finished sentences before they are dropped?

They are not saved in a file yet.</source>
        <translation>¿Quieres guardar tus oraciones terminadas antes de que se pierdan?

Todavía no están guardadas en ningún archivo.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Restore Worksheet</source>
        <translation>Recuperar la hoja de trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation>La última vez Parsella no se cerró bien y se conservó una hoja de trabajo con cambios sin guardar: %1.

¿Quieres recuperarla?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+70"/>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="+156"/>
        <source>complete</source>
        <translation>completa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incomplete</source>
        <translation>incompleta</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../src/core/Language.cpp" line="-315"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+5"/>
        <source>%1. Task %2 · %3: %4 — %5</source>
        <translation>%1. Tarea %2 · %3: %4 — %5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meets it</source>
        <translation>cumple la tarea</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="+90"/>
        <location filename="../src/grammar/Sentence.cpp" line="+167"/>
        <source>Adjective</source>
        <translation>Adjetivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/grammar/Sentence.cpp" line="+1"/>
        <source>Noun</source>
        <translation>Sustantivo</translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="-150"/>
        <source>Statement</source>
        <translation>Afirmación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <location line="+77"/>
        <location line="+67"/>
        <source>Subject</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+65"/>
        <source>Predicate</source>
        <translation>Predicado</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+59"/>
        <source>Complement</source>
        <translation>Complemento</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>subject not chosen yet</source>
        <translation>sujeto sin elegir todavía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predicate not chosen yet</source>
        <translation>predicado sin elegir todavía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>complement not chosen yet</source>
        <translation>complemento sin elegir todavía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective not chosen yet</source>
        <translation>adjetivo sin elegir todavía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun not chosen yet</source>
        <translation>sustantivo sin elegir todavía</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 not chosen yet</source>
        <translation>%1 sin elegir todavía</translation>
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
        <translation>completa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not complete yet</source>
        <translation>aún sin completar</translation>
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
        <translation>Sujeto: «you», omitido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: not chosen yet.</source>
        <translation>Sujeto: sin elegir todavía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: %1.</source>
        <translation>Sujeto: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Predicate: not chosen yet.</source>
        <translation>Predicado: sin elegir todavía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Predicate: %1.</source>
        <translation>Predicado: %1.</translation>
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
        <translation>%1 no es una palabra que ofrezcan las ventanas de palabras.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2, not %3.</source>
        <translation>%1 es %2, no %3.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation>%1 no puede ir después de %2: un sintagma nominal lleva determinante, adverbio, adjetivo y sustantivo en ese orden, cada uno una sola vez.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation>El generador de sintagmas nominales no ofrece %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation>%1 necesita un sustantivo para ser un sujeto completo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation>El sujeto de una pregunta empieza con «Who» o «Which», no con %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation>«Who» ya es un sujeto completo por sí solo: %1 no puede ir detrás.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation>En una pregunta, %1 no se ofrece después de %2.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation>%1 empieza el sujeto de una pregunta, no de una afirmación.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation>El pronombre %1 ya es un sujeto completo por sí solo: %2 no puede ir detrás.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation>%1 no es una forma que muestre la ventana del verbo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation>Una orden lleva la forma base del verbo: %1, no %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation>%1 no concuerda con %2: la ventana del verbo muestra %3, %4 o %5.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation>%1 no es un complemento que ofrezca la ventana de complementos.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation>Los corchetes de una oración empiezan con [S.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation>El sujeto de una orden es el «you» omitido: escribe [NP (you)].</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Only a command has the understood subject (you).</source>
        <translation>Solo una orden tiene el sujeto omitido (you).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation>Los corchetes del sujeto [NP] contienen sus palabras, cada una en su propio corchete.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation>Un sintagma verbal empieza con su verbo: [VP [V …]].</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation>Un verbo lleva un solo complemento: %1 sobra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation>Un complemento es un sintagma: %1 necesita los corchetes de un sintagma, como [AdvP [Adv here]].</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation>Una oración es su sujeto y su sintagma verbal: [S [NP …] [VP …]].</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The sentence has no subject yet: press %1.</source>
        <translation>La oración aún no tiene sujeto: pulsa %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A command needs its verb: press %1.</source>
        <translation>Una orden necesita su verbo: pulsa %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation>Los corchetes no tienen la estructura que construyen las ventanas; ellas escriben esta oración así: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sentence is not complete.</source>
        <translation>La oración no está completa.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation>%1 (en el carácter %2 de los corchetes).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../src/grammar/Summary.cpp" line="+31"/>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>El archivo dice que esta tarea está hecha, pero ninguna de sus oraciones la cumple.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>The worksheet has no tasks.</source>
        <translation>La hoja de trabajo no tiene tareas.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>task %1: %2</source>
        <translation>tarea %1: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>omitida: es una hoja de tareas, con tareas pero sin nombre del alumno ni respuestas.</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+75"/>
        <source>a statement</source>
        <translation>una afirmación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a question</source>
        <translation>una pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command</source>
        <translation>una orden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>past</source>
        <translation>pasado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>future</source>
        <translation>futuro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>plural</source>
        <translation>plural</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>singular</source>
        <translation>singular</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first</source>
        <translation>primera persona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>second</source>
        <translation>segunda persona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>tercera persona</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a pronoun</source>
        <translation>un pronombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>a noun phrase</source>
        <translation>un sintagma nominal</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>“Who”</source>
        <translation>«Who»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a phrase with “Which”</source>
        <translation>un sintagma con «Which»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no complement</source>
        <translation>ningún complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a prepositional phrase</source>
        <translation>un sintagma preposicional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adverb</source>
        <translation>un adverbio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a present participle</source>
        <translation>un participio presente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adjective</source>
        <translation>un adjetivo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
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
        <translation>una orden no tiene tiempo verbal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation>una orden no tiene sujeto propio, así que no tiene número, persona ni tipo de sujeto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation>el sujeto de una pregunta se forma con «Who» o «Which»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation>«Who» y «Which» forman el sujeto de una pregunta, no de una afirmación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation>solo un sujeto que es un pronombre puede estar en primera o segunda persona</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” as a subject is singular</source>
        <translation>«Who» como sujeto es singular</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>it asks for nothing</source>
        <translation>no pide nada</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no value of “%2”</source>
        <translation>%1 no es un valor de «%2»</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation>pide %1, que este Parsella no conoce</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>its brackets are no sentence: %1</source>
        <translation>sus corchetes no forman una oración: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation>sus corchetes no encajan con sus otras claves: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Build this sentence: %1</source>
        <translation>Construye esta oración: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Build %1</source>
        <translation>Construye %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a sentence</source>
        <translation>una oración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> in the %1 tense</source>
        <translation> en tiempo %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>in the %1 person</source>
        <translation>en %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> whose subject is %1</source>
        <translation> cuyo sujeto sea %1</translation>
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
        <translation> sin complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> with %1 as its complement</source>
        <translation> con %1 como complemento</translation>
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
        <translation>La oración de la tarea es %1; la tuya es %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The task&apos;s sentence has %1, which yours lacks.</source>
        <translation>La oración de la tarea tiene %1, y la tuya no.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours has %1, which the task&apos;s sentence does not.</source>
        <translation>La tuya tiene %1, y la oración de la tarea no.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task&apos;s sentence has %1 where yours has %2.</source>
        <translation>La oración de la tarea tiene %1 donde la tuya tiene %2.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation>La tarea pide la oración %1; la tuya es %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a complete sentence.</source>
        <translation>%1 no es una oración completa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a command has no subject of its own.</source>
        <translation>una orden no tiene sujeto propio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation>La tarea pide %1; %2 es %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task asks for the %1 tense; </source>
        <translation>La tarea pide el tiempo %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command has no tense.</source>
        <translation>una orden no tiene tiempo verbal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>%1 is in the %2.</source>
        <translation>%1 está en %2.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The task asks for a %1 subject; </source>
        <translation>La tarea pide un sujeto %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2.</source>
        <translation>%1 es %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation>La tarea pide un sujeto en %1; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The task asks for %1 as the subject; </source>
        <translation>La tarea pide %1 como sujeto; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a pronoun.</source>
        <translation>%1 es un pronombre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a noun phrase.</source>
        <translation>%1 es un sintagma nominal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the question word alone.</source>
        <translation>%1 es solo la palabra interrogativa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation>%1 es un sintagma con «Which».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation>La tarea no pide complemento; %1 tiene %2, %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation>La tarea pide %1 como complemento; %2 no tiene complemento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation>La tarea pide %1 como complemento; %2 es %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Task %1 is already done; this sentence meets it too.</source>
        <translation>La tarea %1 ya está hecha; esta oración también la cumple.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1 is already done; this sentence would not meet it: %2</source>
        <translation>La tarea %1 ya está hecha; esta oración no la cumpliría: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>task %1: %2</source>
        <translation>tarea %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no “ask” object</source>
        <translation>no tiene el objeto «ask»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its “prompt” is not text</source>
        <translation>su «prompt» no es texto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “prompt” is longer than %1 characters</source>
        <translation>su «prompt» tiene más de %1 caracteres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its “prompt” holds a control character</source>
        <translation>su «prompt» contiene un carácter de control</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “tries” is not a count</source>
        <translation>su «tries» no es un número entero de intentos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “done” is neither true nor false</source>
        <translation>su «done» no es ni true ni false</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>done</source>
        <translation>hecha</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+1"/>
        <location filename="../src/grammar/Task.cpp" line="+1"/>
        <source>not yet</source>
        <translation>todavía no</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+0"/>
        <source>to do</source>
        <translation>por hacer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, tries: %2</source>
        <translation>%1, intentos: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
    </message>
    <message>
        <location filename="../src/grammar/TaskList.cpp" line="+54"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation>oración %1: responde a una tarea que la hoja de trabajo no tiene</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+41"/>
        <source>answers</source>
        <translation>respuestas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer (%1): %2</source>
        <translation>Respuesta (%1): %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <location filename="../src/grammar/WholeFile.cpp" line="+49"/>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="+15"/>
        <source>Verb Complements</source>
        <translation>Complementos del verbo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Current Verb:</source>
        <translation>Verbo actual:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current verb</source>
        <translation>Verbo actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complements</source>
        <translation>Complementos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prepositional Phrase</source>
        <translation>Sintagma preposicional</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Noun, Noun Phrase</source>
        <translation>Sustantivo, sintagma nominal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation>&lt;adverbio&gt;* adjetivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Present Participle</source>
        <translation>Participio presente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adverb</source>
        <translation>Adverbio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+68"/>
        <source>Copyright notice</source>
        <translation>Aviso de copyright</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence drawn as a tree</source>
        <translation>Una oración dibujada como árbol</translation>
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
        <translation>Oración enunciativa (afirmación)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Oración</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+5"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="-46"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Subject</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Predicado</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Noun, Noun Phrase</source>
        <translation>Sustantivo, sintagma nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Pronombre personal sujeto</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbo, sintagma verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Complement</source>
        <translation>Complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation>Hoja de gramática de Tamrin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declarative Sentence = (statement)</source>
        <translation>Oración enunciativa = (afirmación)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation>Oración interrogativa = (pregunta) ???</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation>Oración imperativa = (orden)   !!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+8"/>
        <source>Imperative Sentence (Command)</source>
        <translation>Oración imperativa (orden)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Oración</translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="+7"/>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>Predicado</translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbo, sintagma verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="+16"/>
        <source>Interrogative Sentence (Question)</source>
        <translation>Oración interrogativa (pregunta)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Oración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Predicate</source>
        <translation>Predicado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbo, sintagma verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>Complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Who/Which</source>
        <translation>Who/Which</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adjective</source>
        <translation>Adjetivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Adverbio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Sustantivo</translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+18"/>
        <source>Noun Phrase Generation</source>
        <translation>Generador de sintagmas nominales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Noun phrase</source>
        <translation>Sintagma nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Noun Phrase</source>
        <translation>Sintagma nominal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Article</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Common Possessive Noun</source>
        <translation>Sustantivo común posesivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proper Possessive Noun</source>
        <translation>Nombre propio posesivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Personal Possessive Adjective</source>
        <translation>Adjetivo posesivo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjective</source>
        <translation>Adjetivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Adverbio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Sustantivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Proper Noun</source>
        <translation>Nombre propio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="+16"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Pronombre personal sujeto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pronoun</source>
        <translation>Pronombre</translation>
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
        <translation>Primera persona</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+9"/>
        <source>Second Person</source>
        <translation>Segunda persona</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+7"/>
        <source>Third Person</source>
        <translation>Tercera persona</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>-- Plural --</source>
        <translation>-- Plural --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmVerb</name>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="+16"/>
        <source>Verb, Verb Phrase</source>
        <translation>Verbo, sintagma verbal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verb phrase</source>
        <translation>Sintagma verbal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbs</source>
        <translation>Verbos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tense</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+57"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella: no hay catálogo para el idioma «%1»; se usa el inglés
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Build English sentences word by word.</source>
        <translation>Construye oraciones en inglés palabra por palabra.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check each worksheet&apos;s tasks and print them as CSV, one row per task (%1), and open no window.</source>
        <translation>Comprueba las tareas de cada hoja de trabajo y las escribe como CSV, una fila por tarea (%1), sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --summary: one row per learner and one column per task, with a total, for a markbook.</source>
        <translation>Con --summary: una fila por alumno y una columna por tarea, con el total, para el cuaderno de notas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Muestra el programa en el idioma &lt;code&gt; (como de, es o pt_BR) durante esta ejecución; «en» es el inglés.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Una hoja de trabajo (.parsella) que abrir; con --summary, las hojas de trabajo que resumir.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file...]</source>
        <translation>[archivo...]</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>parsella: --grid goes with --summary
</source>
        <translation>parsella: --grid va con --summary
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella: --summary necesita al menos un archivo de hoja de trabajo
</translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-41"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se encontró la página &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="+16"/>
        <source>New Task from Sentence</source>
        <translation>Nueva tarea a partir de una oración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation>Pide una oración como «%1», con las características marcadas:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Type: %1</source>
        <translation>&amp;Tipo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;ense: %1</source>
        <translation>Tie&amp;mpo: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Number: %1</source>
        <translation>&amp;Número: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Person: %1</source>
        <translation>&amp;Persona: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subject: %1</source>
        <translation>&amp;Sujeto: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Complement: %1</source>
        <translation>&amp;Complemento: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This e&amp;xact sentence</source>
        <translation>Esta oración e&amp;xacta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The learner reads:</source>
        <translation>El alumno lee:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation>Tu pr&amp;opia consigna (opcional):</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tick at least one feature.</source>
        <translation>Marca al menos una característica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prompt</source>
        <translation>Consigna</translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="+37"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation>&amp;Tareas: elige una para trabajar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current task</source>
        <translation>Tarea actual</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Task feedback</source>
        <translation>Comentarios sobre la tarea</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tas&amp;ks</source>
        <translation>Ta&amp;reas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Task from Sentence…</source>
        <translation>&amp;Nueva tarea a partir de la oración…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remove Task</source>
        <translation>&amp;Eliminar tarea</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Up</source>
        <translation>&amp;Subir tarea</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Down</source>
        <translation>&amp;Bajar tarea</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Work Without a Task</source>
        <translation>&amp;Trabajar sin tarea</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Task %1: %2</source>
        <translation>Tarea %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation>No hay ninguna tarea elegida: las oraciones solo se añaden a la lista.</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="-73"/>
        <source>Task %1 is done.</source>
        <translation>La tarea %1 está hecha.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1, not yet: %2</source>
        <translation>Tarea %1, todavía no: %2</translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="+28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation>Aquí crece el árbol de la oración que construyes.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Sentence tree</source>
        <translation>Árbol de la oración</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+27"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation>Hoja de trabajo de Parsella (*.parsella)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Learner:</source>
        <translation>Alu&amp;mno:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learner</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>Finished &amp;sentences</source>
        <translation>&amp;Oraciones terminadas</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Finished sentences</source>
        <translation>Oraciones terminadas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;As…</source>
        <translation>Guardar c&amp;omo…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture…</source>
        <translation>&amp;Imagen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text…</source>
        <translation>&amp;Texto…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location line="+414"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="-401"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as &amp;Brackets</source>
        <translation>Copiar como corc&amp;hetes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;move</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Fit the Tree</source>
        <translation>A&amp;justar el árbol</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Finished &amp;sentences — in bold, the answers to task %1</source>
        <translation>&amp;Oraciones terminadas — en negrita, las respuestas a la tarea %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — Worksheet</source>
        <translation>%1[*] — Hoja de trabajo</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation>Ár&amp;bol de la oración en construcción</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree of sentence %1</source>
        <translation>Ár&amp;bol de la oración %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree</source>
        <translation>Ár&amp;bol</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No recent worksheets</source>
        <translation>No hay hojas de trabajo recientes</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+9"/>
        <source>Open Worksheet</source>
        <translation>Abrir hoja de trabajo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+146"/>
        <source>Save Worksheet</source>
        <translation>Guardar hoja de trabajo</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>worksheet.parsella</source>
        <translation>hoja-de-trabajo.parsella</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Save Worksheet As</source>
        <translation>Guardar hoja de trabajo como</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Imagen SVG (*.svg);;Imagen PNG (*.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation>No se guardó el archivo «%1»: una imagen se guarda como SVG o PNG, así que su nombre debe terminar en .svg o .png.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file &quot;%1&quot; was not saved: %2</source>
        <translation>No se guardó el archivo «%1»: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The worksheet was not printed: %1</source>
        <translation>No se imprimió la hoja de trabajo: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Worksheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+17"/>
        <location line="+10"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The worksheet was not printed: the printer &quot;%1&quot; could not be used.</source>
        <translation>No se imprimió la hoja de trabajo: no se pudo usar la impresora «%1».</translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="+54"/>
        <source>Learner&apos;s Name</source>
        <translation>nombre del alumno</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled (from %1)</source>
        <translation>Sin título (a partir de %1)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Finished Sentence</source>
        <translation>oración terminada</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Answer Task</source>
        <translation>respuesta a la tarea</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New Task</source>
        <translation>nueva tarea</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Remove Task</source>
        <translation>eliminar tarea</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move Task Up</source>
        <translation>subir tarea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Task Down</source>
        <translation>bajar tarea</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Remove Sentence</source>
        <translation>eliminar oración</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move Sentence Up</source>
        <translation>subir oración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Sentence Down</source>
        <translation>bajar oración</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation>El archivo «%1» no se abrió: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation>El archivo «%1» no se guardó: %2.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>1 sentence</source>
        <translation>1 oración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sentences</source>
        <translation>%1 oraciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 by %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore Worksheet</source>
        <translation>Recuperar la hoja de trabajo</translation>
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
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 2 o posterior (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Grammar and Help work offline</source>
        <translation>Gramática y Ayuda sin conexión</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>link to the publisher&apos;s web site</source>
        <translation>enlace al sitio web del editor</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+23"/>
        <source>&amp;Grammar</source>
        <translation>&amp;Gramática</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worksheet</source>
        <translation>&amp;Hoja de trabajo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>parsella::frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+191"/>
        <source>Error - A noun was not selected</source>
        <translation>Error - No se ha elegido ningún sustantivo</translation>
    </message>
</context>
</TS>
