<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Admission</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+12"/>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+46"/>
        <source>“a” goes before a consonant sound (a dog); say “an %1”.</source>
        <translation>“a” vem antes de som de consoante (a dog); diga “an %1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation>“an” vem antes de som de vogal (an image); diga “a %1”.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation>%1 é para uma coisa só, não para %2: comece com “the” para mais de uma.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation>%1 precisa antes do seu adjetivo: escolha um, como %2, e depois %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation>%1 precisa de um determinante antes: escolha primeiro “the”, “my” ou “Mary&apos;s”.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation>%1 precisa de um artigo antes: escolha primeiro %2 ou “the”.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation>%1 fica sozinho; para usar %2, comece com um determinante como “the”.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>an adjective</source>
        <translation>um adjetivo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a place</source>
        <translation>um lugar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an object</source>
        <translation>um objeto direto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an -ing word</source>
        <translation>uma palavra com -ing</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>place</source>
        <translation>complemento de lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>object</source>
        <translation>objeto direto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-ing word</source>
        <translation>palavra com -ing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>adjetivo</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation>A palavra interrogativa %1 não muda mais: para trocá-la, comece uma pergunta nova.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation>Escolha “Who” ou “Which” para começar a pergunta.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs an adjective: %2</source>
        <translation>%1 precisa de um adjetivo: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a noun: %2</source>
        <translation>%1 precisa de um substantivo: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation>O complemento vem depois do verbo: escolha o verbo primeiro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 takes no complement.</source>
        <translation>%1 não aceita complemento.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation>%1 não aceita %2; aceita %3: %4…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs a verb next: press %2.</source>
        <translation>%1 precisa agora de um verbo: clique em %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Choose a subject first: choose “Who”, or “Which” and a noun.</source>
        <translation>Escolha primeiro um sujeito: escolha “Who”, ou “Which” e um substantivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subject has begun: press %1 or %2.</source>
        <translation>Você já começou o sujeito: clique em %1 ou em %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1 or %2.</source>
        <translation>Escolha primeiro um sujeito: clique em %1 ou em %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject has begun: press %1.</source>
        <translation>Você já começou o sujeito: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1.</source>
        <translation>Escolha primeiro um sujeito: clique em %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The subject is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>O sujeito já foi escolhido: clique em %1, ou em %2 se a frase estiver completa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The predicate has its verb: press %1, or %2 if the sentence is complete.</source>
        <translation>O predicado já tem seu verbo: clique em %1, ou em %2 se a frase estiver completa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The verb is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>O verbo já foi escolhido: clique em %1, ou em %2 se a frase estiver completa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject is chosen: press %1.</source>
        <translation>O sujeito já foi escolhido: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has its verb: press %1.</source>
        <translation>O predicado já tem seu verbo: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has begun: press %1.</source>
        <translation>Você já começou o predicado: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The verb is chosen: press %1.</source>
        <translation>O verbo já foi escolhido: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Begin the predicate first: press %1.</source>
        <translation>Comece primeiro o predicado: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The complement is chosen: press %1.</source>
        <translation>O complemento já foi escolhido: clique em %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a verb first: press %1.</source>
        <translation>Escolha primeiro um verbo: clique em %1.</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>%1 needs a complement: %2…</source>
        <translation>%1 precisa de um complemento: %2…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sentence is complete.</source>
        <translation>A frase está completa.</translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+25"/>
        <source>the control character %1</source>
        <translation>o caractere de controle %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the invisible character %1</source>
        <translation>o caractere invisível %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>There are no brackets.</source>
        <translation>Não há colchetes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation>Há algo depois do colchete que fecha a frase.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation>Os colchetes têm mais de %1 caracteres.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation>Os colchetes contêm %1, que a notação de colchetes não usa.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A word is longer than %1 letters.</source>
        <translation>Uma palavra tem mais de %1 letras.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation>Os colchetes se aninham em mais de %1 níveis.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A bracket “[” was expected here.</source>
        <translation>Aqui era esperado um colchete “[”.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation>Um colchete abre sem o seu rótulo, como NP.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation>“%1” não é um rótulo da árvore, como NP ou VP.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A bracket is not closed.</source>
        <translation>Falta fechar um colchete.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation>As partes de um colchete devem ser separadas por um espaço.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation>Só o sujeito oculto é escrito entre parênteses: “(you)”.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A “)” closes nothing.</source>
        <translation>Um “)” não fecha nada.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation>Cada colchete tem uma só palavra: “%1” precisa de um colchete próprio.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation>Um colchete tem uma palavra ou sintagmas, não os dois.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation>O sujeito oculto “(you)” é um sintagma nominal: escreva [NP (you)].</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="+99"/>
        <source>sentence %1: %2</source>
        <translation>frase %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation>não é um objeto com “type” e “brackets”.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation>seu “type” falta ou não é texto; deve ser “statement”, “question” ou “command”.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation>seu tipo “%1” não é “statement”, “question” nem “command”.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “brackets” are missing or not text.</source>
        <translation>seus “brackets” faltam ou não são texto.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation>O arquivo tem mais de %1 MiB, muito mais que qualquer folha de atividades.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>O arquivo termina cedo demais: pode ter sido cortado ao ser copiado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>O arquivo não é uma folha de atividades: seu JSON não pode ser lido (%1 na linha %2, coluna %3).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation>O arquivo não é uma folha de atividades: não contém nenhum objeto JSON.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation>O arquivo não é uma folha de atividades do Parsella: não tem “format”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation>O arquivo não é uma folha de atividades do Parsella: seu formato é “%1”.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>O “version” do arquivo falta ou não é um número inteiro.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation>O arquivo foi gravado por um Parsella mais novo (versão de formato %1); este lê a versão %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The learner&apos;s name is not text.</source>
        <translation>O nome do aluno não é texto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation>O nome do aluno tem mais de %1 caracteres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation>O nome do aluno contém um caractere de controle.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file has no list of “sentences”.</source>
        <translation>O arquivo não tem uma lista “sentences”.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation>As “tasks” do arquivo não são uma lista.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>task %1: it is not an object.</source>
        <translation>tarefa %1: não é um objeto.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="+341"/>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="+17"/>
        <source>sentence</source>
        <translation>frase</translation>
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
        <translation>substantivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pronoun</source>
        <translation>pronome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>adjetivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb</source>
        <translation>advérbio</translation>
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
        <translation>preposição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>possessive</source>
        <translation>possessivo</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <location filename="../src/app/OutputModule.cpp" line="+47"/>
        <source>it is not this version&apos;s module</source>
        <translation>não é o módulo desta versão</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the module for printing and SVG pictures, %1, could not be loaded (%2). Installing Parsella again puts it right.</source>
        <translation>não foi possível carregar o módulo de impressão e imagens SVG, %1 (%2). Instalar o Parsella de novo resolve isso.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the module for printing and SVG pictures, %1, is missing. Installing Parsella again puts it back.</source>
        <translation>o módulo de impressão e imagens SVG, %1, está faltando. Instalar o Parsella de novo o traz de volta.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+115"/>
        <source>Not opened</source>
        <translation>Não foi aberto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation>Não foi possível abrir este endereço, pois nenhum navegador respondeu. Você mesmo pode copiá-lo para um navegador:

%1</translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+101"/>
        <source>Worksheet</source>
        <translation>Folha de atividades</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation>A folha de atividades “%1” tem alterações que não foram salvas.

Salvar antes que elas se percam?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Save your finished sentences before they are dropped?

They are not saved in a file yet.</source>
        <translation>Salvar as suas frases concluídas antes que elas se percam?

Elas ainda não foram salvas em nenhum arquivo.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Restore Worksheet</source>
        <translation>Restaurar folha de atividades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation>O Parsella não foi fechado corretamente da última vez, e uma folha de atividades com alterações não salvas foi guardada: %1.

Restaurá-la?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Save</source>
        <translation>Não salvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+5"/>
        <source>%1. Task %2 · %3: %4 — %5</source>
        <translation>%1. Tarefa %2 · %3: %4 — %5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meets it</source>
        <translation>cumpre a tarefa</translation>
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
        <translation>Substantivo</translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="-150"/>
        <source>Statement</source>
        <translation>Afirmação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <location line="+77"/>
        <location line="+67"/>
        <source>Subject</source>
        <translation>Sujeito</translation>
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
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>subject not chosen yet</source>
        <translation>sujeito ainda não escolhido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predicate not chosen yet</source>
        <translation>predicado ainda não escolhido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>complement not chosen yet</source>
        <translation>complemento ainda não escolhido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective not chosen yet</source>
        <translation>adjetivo ainda não escolhido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun not chosen yet</source>
        <translation>substantivo ainda não escolhido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 not chosen yet</source>
        <translation>%1 ainda não escolhido</translation>
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
        <translation>ainda incompleta</translation>
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
        <translation>Sujeito: “you”, oculto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: not chosen yet.</source>
        <translation>Sujeito: ainda não escolhido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: %1.</source>
        <translation>Sujeito: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Predicate: not chosen yet.</source>
        <translation>Predicado: ainda não escolhido.</translation>
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
        <translation>%1 não é uma palavra que as janelas de palavras oferecem.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2, not %3.</source>
        <translation>%1 é %2, não %3.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation>%1 não pode vir depois de %2: um sintagma nominal tem determinante, advérbio, adjetivo e substantivo nessa ordem, cada um uma só vez.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation>O gerador de sintagmas nominais não oferece %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation>%1 precisa de um substantivo para ser um sujeito completo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation>O sujeito de uma pergunta começa com “Who” ou “Which”, não com %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation>“Who” já é um sujeito completo sozinho: %1 não pode vir depois.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation>Numa pergunta, %1 não é oferecido depois de %2.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation>%1 começa o sujeito de uma pergunta, não de uma afirmação.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation>O pronome %1 já é um sujeito completo sozinho: %2 não pode vir depois.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation>%1 não é uma forma que a janela do verbo mostra.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation>Uma ordem usa a forma base do verbo: %1, não %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation>%1 não concorda com %2: a janela do verbo mostra %3, %4 ou %5.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation>%1 não é um complemento que a janela de complementos oferece.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation>Os colchetes de uma frase começam com [S.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation>O sujeito de uma ordem é o “you” oculto: escreva [NP (you)].</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Only a command has the understood subject (you).</source>
        <translation>Só uma ordem tem o sujeito oculto (you).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation>Os colchetes do sujeito [NP] contêm suas palavras, cada uma no seu próprio colchete.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation>Um sintagma verbal começa com o seu verbo: [VP [V …]].</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation>Um verbo aceita um só complemento: %1 está sobrando.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation>Um complemento é um sintagma: %1 precisa dos colchetes de um sintagma, como [AdvP [Adv here]].</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation>Uma frase é o seu sujeito e o seu sintagma verbal: [S [NP …] [VP …]].</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The sentence has no subject yet: press %1.</source>
        <translation>A frase ainda não tem sujeito: clique em %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A command needs its verb: press %1.</source>
        <translation>Uma ordem precisa do seu verbo: clique em %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation>Os colchetes não têm a estrutura que as janelas constroem; elas escrevem esta frase assim: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sentence is not complete.</source>
        <translation>A frase não está completa.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation>%1 (no caractere %2 dos colchetes).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../src/grammar/Summary.cpp" line="+31"/>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>O arquivo diz que esta tarefa está feita, mas nenhuma das suas frases a cumpre.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>The worksheet has no tasks.</source>
        <translation>A folha de atividades não tem tarefas.</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>task %1: %2</source>
        <translation>tarefa %1: %2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>deixada de fora: é uma folha de tarefas, com tarefas mas sem nome do aluno e sem respostas.</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+75"/>
        <source>a statement</source>
        <translation>uma afirmação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a question</source>
        <translation>uma pergunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command</source>
        <translation>uma ordem</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>past</source>
        <translation>no passado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>future</source>
        <translation>no futuro</translation>
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
        <translation>na primeira pessoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>second</source>
        <translation>na segunda pessoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>na terceira pessoa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a pronoun</source>
        <translation>um pronome</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>a noun phrase</source>
        <translation>um sintagma nominal</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>“Who”</source>
        <translation>“Who”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a phrase with “Which”</source>
        <translation>um sintagma com “Which”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no complement</source>
        <translation>nenhum complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a prepositional phrase</source>
        <translation>um sintagma preposicional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adverb</source>
        <translation>um advérbio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a present participle</source>
        <translation>um particípio presente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adjective</source>
        <translation>um adjetivo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
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
        <translation>uma ordem não tem tempo verbal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation>uma ordem não tem sujeito próprio, por isso não tem número, pessoa nem tipo de sujeito</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation>o sujeito de uma pergunta é formado com “Who” ou “Which”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation>“Who” e “Which” formam o sujeito de uma pergunta, não de uma afirmação</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation>só um sujeito que é pronome pode estar na primeira ou na segunda pessoa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” as a subject is singular</source>
        <translation>“Who” como sujeito é singular</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>it asks for nothing</source>
        <translation>não pede nada</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no value of “%2”</source>
        <translation>%1 não é um valor de “%2”</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation>pede %1, que este Parsella não conhece</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>its brackets are no sentence: %1</source>
        <translation>seus colchetes não formam uma frase: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation>seus colchetes não combinam com suas outras chaves: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Build this sentence: %1</source>
        <translation>Construa esta frase: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Build %1</source>
        <translation>Construa %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a sentence</source>
        <translation>uma frase</translation>
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
        <translation> cujo sujeito seja %1</translation>
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
        <translation> sem complemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> with %1 as its complement</source>
        <translation> com %1 como complemento</translation>
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
        <translation>A frase da tarefa é %1; a sua é %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The task&apos;s sentence has %1, which yours lacks.</source>
        <translation>A frase da tarefa tem %1, e a sua não.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours has %1, which the task&apos;s sentence does not.</source>
        <translation>A sua tem %1, e a frase da tarefa não.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task&apos;s sentence has %1 where yours has %2.</source>
        <translation>A frase da tarefa tem %1 onde a sua tem %2.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation>A tarefa pede a frase %1; a sua é %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a complete sentence.</source>
        <translation>%1 não é uma frase completa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a command has no subject of its own.</source>
        <translation>uma ordem não tem sujeito próprio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation>A tarefa pede %1; %2 é %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task asks for the %1 tense; </source>
        <translation>A tarefa pede uma frase %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command has no tense.</source>
        <translation>uma ordem não tem tempo verbal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>%1 is in the %2.</source>
        <translation>%1 está %2.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The task asks for a %1 subject; </source>
        <translation>A tarefa pede um sujeito %1; </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2.</source>
        <translation>%1 é %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation>A tarefa pede um sujeito %1; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The task asks for %1 as the subject; </source>
        <translation>A tarefa pede %1 como sujeito; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a pronoun.</source>
        <translation>%1 é um pronome.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a noun phrase.</source>
        <translation>%1 é um sintagma nominal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the question word alone.</source>
        <translation>%1 é só a palavra interrogativa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation>%1 é um sintagma com “Which”.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation>A tarefa não pede complemento; %1 tem %2, %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation>A tarefa pede %1 como complemento; %2 não tem complemento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation>A tarefa pede %1 como complemento; %2 é %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Task %1 is already done; this sentence meets it too.</source>
        <translation>A tarefa %1 já está feita; esta frase também a cumpre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1 is already done; this sentence would not meet it: %2</source>
        <translation>A tarefa %1 já está feita; esta frase não a cumpriria: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>task %1: %2</source>
        <translation>tarefa %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object</source>
        <translation>não é um objeto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no “ask” object</source>
        <translation>não tem o objeto “ask”</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its “prompt” is not text</source>
        <translation>seu “prompt” não é texto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “prompt” is longer than %1 characters</source>
        <translation>seu “prompt” tem mais de %1 caracteres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its “prompt” holds a control character</source>
        <translation>seu “prompt” contém um caractere de controle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “tries” is not a count</source>
        <translation>seu “tries” não é um número inteiro de tentativas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “done” is neither true nor false</source>
        <translation>seu “done” não é true nem false</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>done</source>
        <translation>feita</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+1"/>
        <location filename="../src/grammar/Task.cpp" line="+1"/>
        <source>not yet</source>
        <translation>ainda não</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+0"/>
        <source>to do</source>
        <translation>a fazer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1, tries: %2</source>
        <translation>%1, tentativas: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
    </message>
    <message>
        <location filename="../src/grammar/TaskList.cpp" line="+54"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation>frase %1: responde a uma tarefa que a folha de atividades não tem</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+41"/>
        <source>answers</source>
        <translation>respostas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer (%1): %2</source>
        <translation>Resposta (%1): %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <location filename="../src/grammar/WholeFile.cpp" line="+49"/>
        <source>it could not be written</source>
        <translation>não foi possível gravá-lo</translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="+15"/>
        <source>Verb Complements</source>
        <translation>Complementos do verbo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Current Verb:</source>
        <translation>Verbo atual:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current verb</source>
        <translation>Verbo atual</translation>
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
        <translation>Substantivo, sintagma nominal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation>&lt;advérbio&gt;* adjetivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Present Participle</source>
        <translation>Particípio presente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adverb</source>
        <translation>Advérbio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Voltar</translation>
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
        <translation>Uma frase desenhada como árvore</translation>
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
        <translation>Frase declarativa (afirmação)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+5"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="-46"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Subject</source>
        <translation>Sujeito</translation>
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
        <translation>Substantivo, sintagma nominal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Pronome pessoal do caso reto</translation>
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
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation>Folha de gramática de Tamrin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declarative Sentence = (statement)</source>
        <translation>Frase declarativa = (afirmação)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation>Frase interrogativa = (pergunta) ???</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation>Frase imperativa = (ordem)   !!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+8"/>
        <source>Imperative Sentence (Command)</source>
        <translation>Frase imperativa (ordem)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Frase</translation>
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
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="+16"/>
        <source>Interrogative Sentence (Question)</source>
        <translation>Frase interrogativa (pergunta)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>Frase</translation>
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
        <translation>Voltar</translation>
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
        <translation>Advérbio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Substantivo</translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+18"/>
        <source>Noun Phrase Generation</source>
        <translation>Gerador de sintagmas nominais</translation>
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
        <translation>Artigo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Common Possessive Noun</source>
        <translation>Substantivo comum possessivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proper Possessive Noun</source>
        <translation>Substantivo próprio possessivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Personal Possessive Adjective</source>
        <translation>Adjetivo possessivo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjective</source>
        <translation>Adjetivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>Advérbio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>Substantivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Proper Noun</source>
        <translation>Substantivo próprio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="+16"/>
        <source>Nominative Personal Pronoun</source>
        <translation>Pronome pessoal do caso reto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pronoun</source>
        <translation>Pronome</translation>
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
        <translation>Primeira pessoa</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+9"/>
        <source>Second Person</source>
        <translation>Segunda pessoa</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+7"/>
        <source>Third Person</source>
        <translation>Terceira pessoa</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>-- Plural --</source>
        <translation>-- Plural --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Return</source>
        <translation>Voltar</translation>
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
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+57"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella: não há catálogo para o idioma “%1”; o inglês é usado
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Build English sentences word by word.</source>
        <translation>Monte frases em inglês palavra por palavra.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check each worksheet&apos;s tasks and print them as CSV, one row per task (%1), and open no window.</source>
        <translation>Confere as tarefas de cada folha de atividades e as escreve em CSV, uma linha por tarefa (%1), sem abrir janela.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --summary: one row per learner and one column per task, with a total, for a markbook.</source>
        <translation>Com --summary: uma linha por aluno e uma coluna por tarefa, com o total, para o diário de notas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Mostra o programa no idioma &lt;code&gt; (como de, es ou pt_BR) nesta execução; “en” é o inglês.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Uma folha de atividades (.parsella) para abrir; com --summary, as folhas de atividades a resumir.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file...]</source>
        <translation>[arquivo...]</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>parsella: --grid goes with --summary
</source>
        <translation>parsella: --grid vai com --summary
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella: --summary precisa de pelo menos um arquivo de folha de atividades
</translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-41"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A página &lt;b&gt;%1&lt;/b&gt; não foi encontrada.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="+16"/>
        <source>New Task from Sentence</source>
        <translation>Nova tarefa a partir de uma frase</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation>Peça uma frase como “%1”, com as características marcadas:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Type: %1</source>
        <translation>&amp;Tipo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;ense: %1</source>
        <translation>T&amp;empo: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Number: %1</source>
        <translation>&amp;Número: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Person: %1</source>
        <translation>&amp;Pessoa: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subject: %1</source>
        <translation>&amp;Sujeito: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Complement: %1</source>
        <translation>&amp;Complemento: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This e&amp;xact sentence</source>
        <translation>Esta frase e&amp;xata</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The learner reads:</source>
        <translation>O aluno lê:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation>Seu próprio enunciad&amp;o (opcional):</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tick at least one feature.</source>
        <translation>Marque pelo menos uma característica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prompt</source>
        <translation>Enunciado</translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="+37"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation>Ta&amp;refas — escolha uma para fazer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tasks</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current task</source>
        <translation>Tarefa atual</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Task feedback</source>
        <translation>Retorno sobre a tarefa</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tas&amp;ks</source>
        <translation>&amp;Tarefas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Task from Sentence…</source>
        <translation>&amp;Nova tarefa a partir da frase…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remove Task</source>
        <translation>&amp;Remover tarefa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Up</source>
        <translation>Mover tarefa para c&amp;ima</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Down</source>
        <translation>Mover tarefa para &amp;baixo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Work Without a Task</source>
        <translation>&amp;Trabalhar sem tarefa</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Task %1: %2</source>
        <translation>Tarefa %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation>Nenhuma tarefa escolhida: as frases só entram na lista.</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="-73"/>
        <source>Task %1 is done.</source>
        <translation>A tarefa %1 está feita.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1, not yet: %2</source>
        <translation>Tarefa %1, ainda não: %2</translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="+28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation>A árvore da frase que você constrói cresce aqui.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Sentence tree</source>
        <translation>Árvore da frase</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+27"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation>Folha de atividades do Parsella (*.parsella)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Learner:</source>
        <translation>A&amp;luno:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learner</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>Finished &amp;sentences</source>
        <translation>&amp;Frases concluídas</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Finished sentences</source>
        <translation>Frases concluídas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recentes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;As…</source>
        <translation>Salvar &amp;como…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture…</source>
        <translation>&amp;Imagem…</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+414"/>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <location line="-401"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as &amp;Brackets</source>
        <translation>Copiar como co&amp;lchetes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Up</source>
        <translation>Mover para c&amp;ima</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move &amp;Down</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Fit the Tree</source>
        <translation>A&amp;justar a árvore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Finished &amp;sentences — in bold, the answers to task %1</source>
        <translation>&amp;Frases concluídas — em negrito, as respostas à tarefa %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — Worksheet</source>
        <translation>%1[*] — Folha de atividades</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation>Ár&amp;vore da frase em construção</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree of sentence %1</source>
        <translation>Ár&amp;vore da frase %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree</source>
        <translation>Ár&amp;vore</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No recent worksheets</source>
        <translation>Nenhuma folha de atividades recente</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+9"/>
        <source>Open Worksheet</source>
        <translation>Abrir folha de atividades</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+146"/>
        <source>Save Worksheet</source>
        <translation>Salvar folha de atividades</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>worksheet.parsella</source>
        <translation>folha-de-atividades.parsella</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Save Worksheet As</source>
        <translation>Salvar folha de atividades como</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Imagem SVG (*.svg);;Imagem PNG (*.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation>O arquivo “%1” não foi salvo: uma imagem é salva como SVG ou PNG, então o nome dela precisa terminar em .svg ou .png.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file &quot;%1&quot; was not saved: %2</source>
        <translation>O arquivo “%1” não foi salvo: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The worksheet was not printed: %1</source>
        <translation>A folha de atividades não foi impressa: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Worksheet</source>
        <translation>Folha de atividades</translation>
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
        <translation>A folha de atividades não foi impressa: não foi possível usar a impressora “%1”.</translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="+54"/>
        <source>Learner&apos;s Name</source>
        <translation>nome do aluno</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled (from %1)</source>
        <translation>Sem título (a partir de %1)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Finished Sentence</source>
        <translation>frase concluída</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Answer Task</source>
        <translation>resposta à tarefa</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New Task</source>
        <translation>nova tarefa</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Remove Task</source>
        <translation>remover tarefa</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move Task Up</source>
        <translation>mover tarefa para cima</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Task Down</source>
        <translation>mover tarefa para baixo</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Remove Sentence</source>
        <translation>remover frase</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move Sentence Up</source>
        <translation>mover frase para cima</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Sentence Down</source>
        <translation>mover frase para baixo</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation>O arquivo “%1” não foi aberto: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation>O arquivo “%1” não foi salvo: %2.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>1 sentence</source>
        <translation>1 frase</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sentences</source>
        <translation>%1 frases</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 by %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore Worksheet</source>
        <translation>Restaurar folha de atividades</translation>
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
        <translation>Software livre sob a Licença Pública Geral GNU, versão 2 ou posterior (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Grammar and Help work offline</source>
        <translation>Gramática e Ajuda sem internet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>link to the publisher&apos;s web site</source>
        <translation>link para o site da editora</translation>
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
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worksheet</source>
        <translation>&amp;Folha de atividades</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
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
        <translation>Erro - Nenhum substantivo foi escolhido</translation>
    </message>
</context>
</TS>
