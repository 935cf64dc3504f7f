<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>“a”用在以辅音开头的词前（a dog）；这里要说“an %1”。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“an” goes before a vowel sound (an image); say “a %1”.</source>
        <translation>“an”用在以元音开头的词前（an image）；这里要说“a %1”。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is for one thing, not %2: start with “the” for more than one.</source>
        <translation>%1只用于一个事物，不能用于%2：不止一个时，请用“the”开头。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs its adjective first: choose one such as %2, then %3.</source>
        <translation>%1后面要先接形容词：先选一个，比如%2，再选%3。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs a determiner before it: choose “the”, “my” or “Mary&apos;s” first.</source>
        <translation>%1前面需要限定词：请先选“the”、“my”或“Mary&apos;s”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 needs an article before it: choose %2 or “the” first.</source>
        <translation>%1前面需要冠词：请先选%2或“the”。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 stands alone; to use %2, start with a determiner such as “the”.</source>
        <translation>%1要单独使用；想用%2，请先选一个限定词，比如“the”。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>an adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a place</source>
        <translation>地点</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an object</source>
        <translation>宾语</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an -ing word</source>
        <translation>-ing 形式</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>place</source>
        <translation>地点</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>object</source>
        <translation>宾语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-ing word</source>
        <translation>-ing 形式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The question word %1 stays: to change it, start a new question.</source>
        <translation>疑问词%1已经选定：想换一个，请重新造一个问句。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose “Who” or “Which” to begin the question.</source>
        <translation>请选“Who”或“Which”来开始问句。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 needs an adjective: %2</source>
        <translation>%1后面需要形容词：%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 needs a noun: %2</source>
        <translation>%1后面需要名词：%2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A complement follows its verb: choose the verb first.</source>
        <translation>补语跟在动词后面：请先选动词。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 takes no complement.</source>
        <translation>%1不带补语。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no %2; it takes %3: %4…</source>
        <translation>%1不能带%2，可以带%3：%4…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation>或</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs a verb next: press %2.</source>
        <translation>%1后面需要动词：请按“%2”。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Choose a subject first: choose “Who”, or “Which” and a noun.</source>
        <translation>请先选主语：选“Who”，或选“Which”再加一个名词。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subject has begun: press %1 or %2.</source>
        <translation>主语已经开始：请按“%1”或“%2”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1 or %2.</source>
        <translation>请先选主语：请按“%1”或“%2”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject has begun: press %1.</source>
        <translation>主语已经开始：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a subject first: press %1.</source>
        <translation>请先选主语：请按“%1”。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The subject is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>主语已选好：请按“%1”；如果句子已经完成，请按“%2”。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The predicate has its verb: press %1, or %2 if the sentence is complete.</source>
        <translation>谓语已有动词：请按“%1”；如果句子已经完成，请按“%2”。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The verb is chosen: press %1, or %2 if the sentence is complete.</source>
        <translation>动词已选好：请按“%1”；如果句子已经完成，请按“%2”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subject is chosen: press %1.</source>
        <translation>主语已选好：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has its verb: press %1.</source>
        <translation>谓语已有动词：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The predicate has begun: press %1.</source>
        <translation>谓语已经开始：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The verb is chosen: press %1.</source>
        <translation>动词已选好：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Begin the predicate first: press %1.</source>
        <translation>请先开始谓语：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The complement is chosen: press %1.</source>
        <translation>补语已选好：请按“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a verb first: press %1.</source>
        <translation>请先选动词：请按“%1”。</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>%1 needs a complement: %2…</source>
        <translation>%1需要补语：%2…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sentence is complete.</source>
        <translation>句子完成了。</translation>
    </message>
</context>
<context>
    <name>BracketReader</name>
    <message>
        <location filename="../src/grammar/BracketReader.cpp" line="+25"/>
        <source>the control character %1</source>
        <translation>控制字符 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the invisible character %1</source>
        <translation>不可见字符 %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>There are no brackets.</source>
        <translation>没有括号。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Something follows the closing bracket of the sentence.</source>
        <translation>句子的右括号后面还有内容。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The brackets are longer than %1 characters.</source>
        <translation>括号式超过了 %1 个字符。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets hold %1, which bracket notation does not use.</source>
        <translation>括号里有%1，括号式不使用它。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>A word is longer than %1 letters.</source>
        <translation>有个单词超过了 %1 个字母。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The brackets nest deeper than %1 levels.</source>
        <translation>括号嵌套超过了 %1 层。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A bracket “[” was expected here.</source>
        <translation>这里应该是左括号“[”。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A bracket opens without its label, such as NP.</source>
        <translation>有个括号开头没有标签（比如 NP）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>“%1” is not a label of the tree, such as NP or VP.</source>
        <translation>“%1”不是树的标签（标签如 NP、VP）。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A bracket is not closed.</source>
        <translation>有个括号没有闭合。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A blank must separate the parts of a bracket.</source>
        <translation>括号里的各部分之间要用空格隔开。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only the understood subject is written in parentheses: “(you)”.</source>
        <translation>只有省略的主语才写在圆括号里：“(you)”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A “)” closes nothing.</source>
        <translation>这个“)”前面没有对应的“(”。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A bracket holds one word: “%1” needs a bracket of its own.</source>
        <translation>一个括号只放一个单词：“%1”要单独放一个括号。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A bracket holds either one word or phrases, not both.</source>
        <translation>一个括号里要么只放一个单词，要么只放短语，不能两样都有。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The understood subject “(you)” is a noun phrase: write [NP (you)].</source>
        <translation>省略的主语“(you)”是名词短语：请写成 [NP (you)]。</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <location filename="../src/grammar/Document.cpp" line="+99"/>
        <source>sentence %1: %2</source>
        <translation>第 %1 句：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object with a “type” and “brackets”.</source>
        <translation>它不是带有“type”和“brackets”的对象。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “type” is missing or not text; it is “statement”, “question” or “command”.</source>
        <translation>它缺少“type”，或“type”不是文本；应为“statement”、“question”或“command”。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its type “%1” is none of “statement”, “question” or “command”.</source>
        <translation>它的类型“%1”不是“statement”、“question”或“command”中的任何一个。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “brackets” are missing or not text.</source>
        <translation>它缺少“brackets”，或“brackets”不是文本。</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file is larger than %1 MiB, far more than any worksheet.</source>
        <translation>文件大于 %1 MiB，远远超过任何练习单的大小。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The file is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>文件提前结束了：可能在复制时被截断了。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>这个文件不是练习单：它的 JSON 无法读取（第 %2 行第 %3 列：%1）。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file is not a worksheet: it holds no JSON object.</source>
        <translation>这个文件不是练习单：里面没有 JSON 对象。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not a Parsella worksheet: it has no “format”.</source>
        <translation>这个文件不是 Parsella 练习单：它没有“format”。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not a Parsella worksheet: its format is “%1”.</source>
        <translation>这个文件不是 Parsella 练习单：它的格式是“%1”。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>文件缺少“version”，或它不是整数。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file was written by a newer Parsella (its format version is %1); this one reads version %2.</source>
        <translation>这个文件由较新的 Parsella 写成（格式版本 %1）；当前的 Parsella 只能读取版本 %2。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The learner&apos;s name is not text.</source>
        <translation>学生姓名不是文本。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name is longer than %1 characters.</source>
        <translation>学生姓名超过了 %1 个字符。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The learner&apos;s name holds a control character.</source>
        <translation>学生姓名里有控制字符。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file has no list of “sentences”.</source>
        <translation>文件里没有“sentences”列表。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file&apos;s “tasks” are not a list.</source>
        <translation>文件里的“tasks”不是列表。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>task %1: it is not an object.</source>
        <translation>第 %1 题：它不是对象。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>It is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>这不是普通文件。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/core/Language.cpp" line="+341"/>
        <source>System default</source>
        <translation>跟随系统</translation>
    </message>
</context>
<context>
    <name>Node</name>
    <message>
        <location filename="../src/grammar/Node.cpp" line="+17"/>
        <source>sentence</source>
        <translation>句子</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun phrase</source>
        <translation>名词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb phrase</source>
        <translation>动词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prepositional phrase</source>
        <translation>介词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective phrase</source>
        <translation>形容词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb phrase</source>
        <translation>副词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>determiner</source>
        <translation>限定词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun</source>
        <translation>名词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pronoun</source>
        <translation>代词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adverb</source>
        <translation>副词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verb</source>
        <translation>动词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>auxiliary verb</source>
        <translation>助动词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>preposition</source>
        <translation>介词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>possessive</source>
        <translation>所有格</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <location filename="../src/app/OutputModule.cpp" line="+47"/>
        <source>it is not this version&apos;s module</source>
        <translation>不是此版本的模块</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the module for printing and SVG pictures, %1, could not be loaded (%2). Installing Parsella again puts it right.</source>
        <translation>无法加载用于打印和 SVG 图片的模块 %1（%2）。重新安装 Parsella 即可解决。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the module for printing and SVG pictures, %1, is missing. Installing Parsella again puts it back.</source>
        <translation>缺少用于打印和 SVG 图片的模块 %1。重新安装 Parsella 即可恢复。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="+115"/>
        <source>Not opened</source>
        <translation>未能打开</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This address could not be opened, as no web browser answered. You can copy it into a browser yourself:

%1</source>
        <translation>没有浏览器响应，无法打开这个地址。你可以自己把它复制到浏览器里：

%1</translation>
    </message>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+101"/>
        <source>Worksheet</source>
        <translation>练习单</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The worksheet “%1” has changes that are not saved.

Save them before they are dropped?</source>
        <translation>练习单“%1”有尚未保存的修改。

要在丢弃之前保存吗？</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Save your finished sentences before they are dropped?

They are not saved in a file yet.</source>
        <translation>要在丢弃之前保存你已完成的句子吗？

它们还没有保存到文件里。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Restore Worksheet</source>
        <translation>恢复练习单</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parsella was not closed properly last time, and a worksheet with changes that were not saved was kept: %1.

Restore it?</source>
        <translation>上次 Parsella 没有正常关闭，一份有未保存修改的练习单被保留了下来：%1。

要恢复它吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+70"/>
        <source>%1. %2: %3</source>
        <translation>%1. %2：%3</translation>
    </message>
    <message>
        <location filename="../src/core/FormTable.cpp" line="+156"/>
        <source>complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incomplete</source>
        <translation>未完成</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../src/core/Language.cpp" line="-315"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+5"/>
        <source>%1. Task %2 · %3: %4 — %5</source>
        <translation>%1. 第 %2 题 · %3：%4 — %5</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meets it</source>
        <translation>符合要求</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../src/grammar/Phrases.cpp" line="+90"/>
        <location filename="../src/grammar/Sentence.cpp" line="+167"/>
        <source>Adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/grammar/Sentence.cpp" line="+1"/>
        <source>Noun</source>
        <translation>名词</translation>
    </message>
    <message>
        <location filename="../src/grammar/Sentence.cpp" line="-150"/>
        <source>Statement</source>
        <translation>陈述句</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>疑问句</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Command</source>
        <translation>祈使句</translation>
    </message>
    <message>
        <location line="+77"/>
        <location line="+67"/>
        <source>Subject</source>
        <translation>主语</translation>
    </message>
    <message>
        <location line="-64"/>
        <location line="+65"/>
        <source>Predicate</source>
        <translation>谓语</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+59"/>
        <source>Complement</source>
        <translation>补语</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1 &apos;%2&apos;</source>
        <translation>%1“%2”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>subject not chosen yet</source>
        <translation>主语尚未选择</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>predicate not chosen yet</source>
        <translation>谓语尚未选择</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>complement not chosen yet</source>
        <translation>补语尚未选择</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>adjective not chosen yet</source>
        <translation>形容词尚未选择</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>noun not chosen yet</source>
        <translation>名词尚未选择</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 not chosen yet</source>
        <translation>%1尚未选择</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <comment>between the parts of a phrase</comment>
        <translation>，</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>complete</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not complete yet</source>
        <translation>尚未完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2.</source>
        <translation>%1，%2。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subject: &apos;you&apos;, understood.</source>
        <translation>主语：省略的“you”。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: not chosen yet.</source>
        <translation>主语：尚未选择。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject: %1.</source>
        <translation>主语：%1。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Predicate: not chosen yet.</source>
        <translation>谓语：尚未选择。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Predicate: %1.</source>
        <translation>谓语：%1。</translation>
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
        <translation>选词窗口里没有%1这个词。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2, not %3.</source>
        <translation>%1是%2，不是%3。</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.</source>
        <translation>%1不能跟在%2后面：名词短语依次是限定词、副词、形容词和名词，每样只出现一次。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not offered by the noun phrase generator.</source>
        <translation>名词短语窗口里没有%1。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a noun to be a whole subject.</source>
        <translation>%1要加上名词才能构成完整的主语。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A question&apos;s subject begins with “Who” or “Which”, not %1.</source>
        <translation>问句的主语以“Who”或“Which”开头，不能以%1开头。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>“Who” is a whole subject on its own: %1 cannot follow it.</source>
        <translation>“Who”本身就是完整的主语：后面不能再接%1。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not offered after %2 in a question.</source>
        <translation>在问句里，%2后面不能接%1。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 begins the subject of a question, not of a statement.</source>
        <translation>%1用来开始问句的主语，不能用在陈述句里。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pronoun %1 is a whole subject on its own: %2 cannot follow it.</source>
        <translation>代词%1本身就是完整的主语：后面不能再接%2。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is not a form the verb picker shows.</source>
        <translation>动词窗口里没有%1这个形式。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A command takes the verb&apos;s base form: %1, not %2.</source>
        <translation>祈使句用动词原形：应该是%1，不是%2。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 does not agree with %2: the verb picker shows %3, %4 or %5.</source>
        <translation>%1和%2不一致：动词窗口里有%3、%4或%5。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a complement the complement picker offers.</source>
        <translation>补语窗口里没有%1这个补语。</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A sentence&apos;s brackets begin with [S.</source>
        <translation>句子的括号式以 [S 开头。</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>A command&apos;s subject is the understood “you”: write [NP (you)].</source>
        <translation>祈使句的主语是省略的“you”：请写成 [NP (you)]。</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Only a command has the understood subject (you).</source>
        <translation>只有祈使句才有省略的主语 (you)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The subject&apos;s brackets [NP] hold its words, each in a bracket of its own.</source>
        <translation>主语的括号 [NP] 里放它的各个单词，每个单词单独一个括号。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A verb phrase begins with its verb: [VP [V …]].</source>
        <translation>动词短语以动词开头：[VP [V …]]。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A verb takes one complement: %1 is one too many.</source>
        <translation>一个动词只带一个补语：%1是多余的。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].</source>
        <translation>补语是一个短语：%1要放进短语的括号里，比如 [AdvP [Adv here]]。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence is its subject and its verb phrase: [S [NP …] [VP …]].</source>
        <translation>句子由主语和动词短语组成：[S [NP …] [VP …]]。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The sentence has no subject yet: press %1.</source>
        <translation>句子还没有主语：请按“%1”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A command needs its verb: press %1.</source>
        <translation>祈使句需要动词：请按“%1”。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The brackets do not have the structure the windows build; they write this sentence as %1.</source>
        <translation>这个括号式的结构和窗口造出的不一样；窗口会把这个句子写成%1。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sentence is not complete.</source>
        <translation>句子还没有完成。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (at character %2 of the brackets).</source>
        <translation>%1（在括号式的第 %2 个字符处）。</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <location filename="../src/grammar/Summary.cpp" line="+31"/>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>文件里说这道题已完成，但它的句子没有一个符合要求。</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>The worksheet has no tasks.</source>
        <translation>这份练习单没有题目。</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>task %1: %2</source>
        <translation>第 %1 题：%2</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>已跳过：这是一份只有题目的练习单，没有学生姓名，也没有答案。</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+75"/>
        <source>a statement</source>
        <translation>陈述句</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a question</source>
        <translation>疑问句</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command</source>
        <translation>祈使句</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>present</source>
        <translation>现在时</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>past</source>
        <translation>过去时</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>future</source>
        <translation>将来时</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>plural</source>
        <translation>复数</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>singular</source>
        <translation>单数</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first</source>
        <translation>第一人称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>second</source>
        <translation>第二人称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>third</source>
        <translation>第三人称</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a pronoun</source>
        <translation>代词</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>a noun phrase</source>
        <translation>名词短语</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>“Who”</source>
        <translation>“Who”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a phrase with “Which”</source>
        <translation>带“Which”的短语</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no complement</source>
        <translation>不带补语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a prepositional phrase</source>
        <translation>介词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adverb</source>
        <translation>副词</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a present participle</source>
        <translation>现在分词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a command has no tense</source>
        <translation>祈使句没有时态</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a command has no subject of its own, so it has no number, person or subject kind</source>
        <translation>祈使句没有自己的主语，所以没有数、人称或主语类型</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a question&apos;s subject is made with “Who” or “Which”</source>
        <translation>问句的主语用“Who”或“Which”构成</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” and “Which” make the subject of a question, not of a statement</source>
        <translation>“Who”和“Which”构成问句的主语，不用于陈述句</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>only a pronoun subject can be in the first or second person</source>
        <translation>只有代词作主语时才可能是第一或第二人称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“Who” as a subject is singular</source>
        <translation>“Who”作主语时是单数</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>it asks for nothing</source>
        <translation>它什么也没要求</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no value of “%2”</source>
        <translation>%1不是“%2”的取值</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it asks for %1, which this Parsella does not know</source>
        <translation>它要求%1，但这个 Parsella 不认识</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>its brackets are no sentence: %1</source>
        <translation>它的括号式不是句子：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its brackets do not fit its other keys: %1</source>
        <translation>它的括号式和其他键不相符：%1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Build this sentence: %1</source>
        <translation>造出这个句子：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Build %1</source>
        <translation>造一个%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a sentence</source>
        <translation>句子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> in the %1 tense</source>
        <translation>，用%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>in the %1 person</source>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> whose subject is %1</source>
        <translation>，主语是%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>,</source>
        <comment>after the subject&apos;s features, before the complement&apos;s</comment>
        <translation>，</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> with no complement</source>
        <translation>且不带补语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> with %1 as its complement</source>
        <translation>且以%1作补语</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <comment>the prompt written from an ask, ended as a sentence is in the language</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The task&apos;s sentence is %1; yours is %2.</source>
        <translation>题目的句子是%1，你的是%2。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The task&apos;s sentence has %1, which yours lacks.</source>
        <translation>题目的句子里有%1，你的句子里没有。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours has %1, which the task&apos;s sentence does not.</source>
        <translation>你的句子里有%1，题目的句子里没有。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task&apos;s sentence has %1 where yours has %2.</source>
        <translation>题目的句子里是%1，你的句子里是%2。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The task asks for the sentence %1; yours is %2.</source>
        <translation>题目要求的句子是%1，你造的是%2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a complete sentence.</source>
        <translation>%1还不是完整的句子。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a command has no subject of its own.</source>
        <translation>而祈使句没有自己的主语。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1; %2 is %3.</source>
        <translation>题目要求%1，而%2是%3。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The task asks for the %1 tense; </source>
        <translation>题目要求用%1；</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a command has no tense.</source>
        <translation>而祈使句没有时态。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>%1 is in the %2.</source>
        <translation>而%1是%2。</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The task asks for a %1 subject; </source>
        <translation>题目要求主语是%1；</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2.</source>
        <translation>而%1是%2。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for a subject in the %1 person; </source>
        <translation>题目要求主语是%1；</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The task asks for %1 as the subject; </source>
        <translation>题目要求用%1作主语；</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a pronoun.</source>
        <translation>而%1是代词。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a noun phrase.</source>
        <translation>而%1是名词短语。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the question word alone.</source>
        <translation>而%1只是一个疑问词。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is a phrase with “Which”.</source>
        <translation>而%1是带“Which”的短语。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The task asks for no complement; %1 has %2, %3.</source>
        <translation>题目要求不带补语，而%1带了%2（%3）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 has no complement.</source>
        <translation>题目要求用%1作补语，而%2没有补语。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The task asks for %1 as the complement; %2 is %3.</source>
        <translation>题目要求用%1作补语，而%2是%3。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Task %1 is already done; this sentence meets it too.</source>
        <translation>第 %1 题已经完成了；这个句子也符合要求。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1 is already done; this sentence would not meet it: %2</source>
        <translation>第 %1 题已经完成了；这个句子不符合要求：%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>task %1: %2</source>
        <translation>第 %1 题：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is not an object</source>
        <translation>它不是对象</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no “ask” object</source>
        <translation>它没有“ask”对象</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its “prompt” is not text</source>
        <translation>它的“prompt”不是文本</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “prompt” is longer than %1 characters</source>
        <translation>它的“prompt”超过了 %1 个字符</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1, tries: %2</source>
        <translation>%1，尝试次数：%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1. %2 — %3</source>
        <translation>%1. %2 — %3</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>its “prompt” holds a control character</source>
        <translation>它的“prompt”里有控制字符</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its “tries” is not a count</source>
        <translation>它的“tries”不是计数</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its “done” is neither true nor false</source>
        <translation>它的“done”既不是 true 也不是 false</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+1"/>
        <location filename="../src/grammar/Task.cpp" line="+1"/>
        <source>not yet</source>
        <translation>还没做对</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="+0"/>
        <source>to do</source>
        <translation>待完成</translation>
    </message>
    <message>
        <location filename="../src/grammar/TaskList.cpp" line="+54"/>
        <source>sentence %1: it answers a task the worksheet does not have</source>
        <translation>第 %1 句：它回答的题目在练习单里不存在</translation>
    </message>
</context>
<context>
    <name>TaskSheet</name>
    <message>
        <location filename="../src/grammar/Results.cpp" line="+41"/>
        <source>answers</source>
        <translation>答案</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer (%1): %2</source>
        <translation>答案（%1）：%2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <location filename="../src/grammar/WholeFile.cpp" line="+49"/>
        <source>it could not be written</source>
        <translation>无法写入</translation>
    </message>
</context>
<context>
    <name>frmComp</name>
    <message>
        <location filename="../src/pickers/frmComp.cpp" line="+15"/>
        <source>Verb Complements</source>
        <translation>动词补语</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Current Verb:</source>
        <translation>当前动词：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current verb</source>
        <translation>当前动词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complements</source>
        <translation>补语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prepositional Phrase</source>
        <translation>介词短语</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Noun, Noun Phrase</source>
        <translation>名词、名词短语</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;adverb&gt;* adjective</source>
        <translation>&lt;副词&gt;* 形容词</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Present Participle</source>
        <translation>现在分词</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adverb</source>
        <translation>副词</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+68"/>
        <source>Copyright notice</source>
        <translation>版权声明</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A sentence drawn as a tree</source>
        <translation>画成树形的句子</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmDec</name>
    <message>
        <location filename="../src/sentences/frmDec.cpp" line="+13"/>
        <source>Declarative Sentence (statement)</source>
        <translation>陈述句（说明事实）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>句子</translation>
    </message>
    <message>
        <location filename="../src/grammar/Admission.cpp" line="+5"/>
        <location filename="../src/grammar/SentenceReader.cpp" line="-46"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Subject</source>
        <translation>主语</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>谓语</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Noun, Noun Phrase</source>
        <translation>名词、名词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Nominative Personal Pronoun</source>
        <translation>主格人称代词</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>动词、动词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Complement</source>
        <translation>补语</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/sentences/frmDec.cpp" line="+1"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+29"/>
        <source>Tamrin&apos;s Grammatical Worksheet</source>
        <translation>塔姆林的语法练习单</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Declarative Sentence = (statement)</source>
        <translation>陈述句 = （说明事实）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interrogative Sentence = (question) ???</source>
        <translation>疑问句 = （提问） ???</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperative Sentence = (command)   !!!</source>
        <translation>祈使句 = （命令）   !!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>frmImp</name>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+8"/>
        <source>Imperative Sentence (Command)</source>
        <translation>祈使句（命令）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>句子</translation>
    </message>
    <message>
        <location filename="../src/grammar/SentenceReader.cpp" line="+7"/>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Predicate</source>
        <translation>谓语</translation>
    </message>
    <message>
        <location filename="../src/sentences/frmImp.cpp" line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>动词、动词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>补语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>frmInt</name>
    <message>
        <location filename="../src/sentences/frmInt.cpp" line="+16"/>
        <source>Interrogative Sentence (Question)</source>
        <translation>疑问句（提问）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sentence</source>
        <translation>句子</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Predicate</source>
        <translation>谓语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verb, Verb Phrase</source>
        <translation>动词、动词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complement</source>
        <translation>补语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Who/Which</source>
        <translation>Who/Which</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>副词</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>名词</translation>
    </message>
</context>
<context>
    <name>frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+18"/>
        <source>Noun Phrase Generation</source>
        <translation>生成名词短语</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Noun phrase</source>
        <translation>名词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Noun Phrase</source>
        <translation>名词短语</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Article</source>
        <translation>冠词</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Common Possessive Noun</source>
        <translation>普通名词所有格</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proper Possessive Noun</source>
        <translation>专有名词所有格</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Personal Possessive Adjective</source>
        <translation>形容词性物主代词</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjective</source>
        <translation>形容词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adverb</source>
        <translation>副词</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Noun</source>
        <translation>名词</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Proper Noun</source>
        <translation>专有名词</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>frmNPP</name>
    <message>
        <location filename="../src/pickers/frmNPP.cpp" line="+16"/>
        <source>Nominative Personal Pronoun</source>
        <translation>主格人称代词</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pronoun</source>
        <translation>代词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>-- Singular --</source>
        <translation>-- 单数 --</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>First Person</source>
        <translation>第一人称</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+9"/>
        <source>Second Person</source>
        <translation>第二人称</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+7"/>
        <source>Third Person</source>
        <translation>第三人称</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>-- Plural --</source>
        <translation>-- 复数 --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>frmVerb</name>
    <message>
        <location filename="../src/pickers/frmVerb.cpp" line="+16"/>
        <source>Verb, Verb Phrase</source>
        <translation>动词、动词短语</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verb phrase</source>
        <translation>动词短语</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verbs</source>
        <translation>动词</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tense</source>
        <translation>时态</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+57"/>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella: 没有语言“%1”的翻译目录，改用英语
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Build English sentences word by word.</source>
        <translation>一个词一个词地造英语句子。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check each worksheet&apos;s tasks and print them as CSV, one row per task (%1), and open no window.</source>
        <translation>检查每份练习单的题目，并以 CSV 输出，每题一行（%1），不打开窗口。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --summary: one row per learner and one column per task, with a total, for a markbook.</source>
        <translation>与 --summary 一起使用：每名学生一行，每题一列，并附总数，便于登记成绩。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>本次运行时用语言 &lt;code&gt;（如 de、es 或 pt_BR）显示程序；“en”是英语。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>要打开的练习单（.parsella）；与 --summary 一起用时，是要汇总的练习单。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file...]</source>
        <translation>[文件...]</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>parsella: --grid goes with --summary
</source>
        <translation>parsella: --grid 须与 --summary 一起使用
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella: --summary 至少需要一个练习单文件
</translation>
    </message>
</context>
<context>
    <name>parsella::HelpWindow</name>
    <message>
        <location filename="../src/app/HelpWindow.cpp" line="-41"/>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;p&gt;找不到页面 &lt;b&gt;%1&lt;/b&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>parsella::NewTaskDialog</name>
    <message>
        <location filename="../src/app/NewTaskDialog.cpp" line="+16"/>
        <source>New Task from Sentence</source>
        <translation>用句子出题</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask for a sentence like “%1”, with the features ticked:</source>
        <translation>要求造一个像“%1”这样的句子，具备下面勾选的特征：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Type: %1</source>
        <translation>句型(&amp;T)：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;ense: %1</source>
        <translation>时态(&amp;E)：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Number: %1</source>
        <translation>数(&amp;N)：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Person: %1</source>
        <translation>人称(&amp;P)：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subject: %1</source>
        <translation>主语(&amp;S)：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Complement: %1</source>
        <translation>补语(&amp;C)：%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This e&amp;xact sentence</source>
        <translation>就是这个句子(&amp;X)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The learner reads:</source>
        <translation>学生看到的是：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your &amp;own prompt (optional):</source>
        <translation>自己写题目要求（可选）(&amp;O)：</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tick at least one feature.</source>
        <translation>请至少勾选一个特征。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prompt</source>
        <translation>题目要求</translation>
    </message>
</context>
<context>
    <name>parsella::TaskPanel</name>
    <message>
        <location filename="../src/app/TaskPanel.cpp" line="+37"/>
        <source>&amp;Tasks — choose one to work on</source>
        <translation>题目(&amp;T) — 选一道来做</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tasks</source>
        <translation>题目</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current task</source>
        <translation>当前题目</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Task feedback</source>
        <translation>题目反馈</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Tas&amp;ks</source>
        <translation>题目(&amp;K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Task from Sentence…</source>
        <translation>用句子出题(&amp;N)…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Remove Task</source>
        <translation>删除题目(&amp;R)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Up</source>
        <translation>题目上移(&amp;U)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move Task &amp;Down</source>
        <translation>题目下移(&amp;D)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Work Without a Task</source>
        <translation>不做题，自由练习(&amp;W)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Task %1: %2</source>
        <translation>第 %1 题：%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No task chosen: sentences are only listed.</source>
        <translation>没有选题目：造好的句子只会列出来。</translation>
    </message>
    <message>
        <location filename="../src/grammar/Task.cpp" line="-63"/>
        <source>Task %1 is done.</source>
        <translation>第 %1 题完成了。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task %1, not yet: %2</source>
        <translation>第 %1 题还没做对：%2</translation>
    </message>
</context>
<context>
    <name>parsella::TreeView</name>
    <message>
        <location filename="../src/app/TreeView.cpp" line="+28"/>
        <source>The tree of the sentence you build grows here.</source>
        <translation>你造的句子会在这里长成一棵树。</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Sentence tree</source>
        <translation>句子树</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <location filename="../src/app/Worksheet.cpp" line="+27"/>
        <source>Parsella worksheet (*.parsella)</source>
        <translation>Parsella 练习单 (*.parsella)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Learner:</source>
        <translation>学生(&amp;L)：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Learner</source>
        <translation>学生</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>optional</source>
        <translation>可选</translation>
    </message>
    <message>
        <location line="+270"/>
        <source>Finished &amp;sentences</source>
        <translation>已完成的句子(&amp;S)</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>Finished sentences</source>
        <translation>已完成的句子</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture…</source>
        <translation>图片(&amp;P)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Text…</source>
        <translation>文本(&amp;T)…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+414"/>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <location line="-401"/>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as &amp;Brackets</source>
        <translation>复制为括号式(&amp;B)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;move</source>
        <translation>删除(&amp;M)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move &amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Fit the Tree</source>
        <translation>让树适合窗口(&amp;F)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>Finished &amp;sentences — in bold, the answers to task %1</source>
        <translation>已完成的句子(&amp;S) — 粗体为第 %1 题的答案</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1[*] — Worksheet</source>
        <translation>%1[*] — 练习单</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>&amp;Tree of the sentence being built</source>
        <translation>正在造的句子的树(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree of sentence %1</source>
        <translation>第 %1 句的树(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tree</source>
        <translation>树(&amp;T)</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No recent worksheets</source>
        <translation>没有最近打开的练习单</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+9"/>
        <source>Open Worksheet</source>
        <translation>打开练习单</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+146"/>
        <source>Save Worksheet</source>
        <translation>保存练习单</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>worksheet.parsella</source>
        <translation>练习单.parsella</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Save Worksheet As</source>
        <translation>练习单另存为</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Undo %1</source>
        <translation>撤销%1(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo %1</source>
        <translation>重做%1(&amp;R)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>SVG 图片 (*.svg);;PNG 图片 (*.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; was not saved: a picture is saved as SVG or PNG, so its name must end in .svg or .png.</source>
        <translation>文件“%1”没有保存：图片只能保存为 SVG 或 PNG，所以文件名必须以 .svg 或 .png 结尾。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file &quot;%1&quot; was not saved: %2</source>
        <translation>文件“%1”没有保存：%2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Text (*.txt);;All files (*)</source>
        <translation>文本 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The worksheet was not printed: %1</source>
        <translation>练习单没有打印：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <location line="+15"/>
        <source>Worksheet</source>
        <translation>练习单</translation>
    </message>
    <message>
        <location line="-34"/>
        <location line="+17"/>
        <location line="+10"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The worksheet was not printed: the printer &quot;%1&quot; could not be used.</source>
        <translation>练习单没有打印：无法使用打印机“%1”。</translation>
    </message>
</context>
<context>
    <name>parsella::WorksheetDocument</name>
    <message>
        <location filename="../src/app/WorksheetDocument.cpp" line="+54"/>
        <source>Learner&apos;s Name</source>
        <translation>修改学生姓名</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Untitled (from %1)</source>
        <translation>未命名（来自 %1）</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Finished Sentence</source>
        <translation>添加句子</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Answer Task</source>
        <translation>答题</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New Task</source>
        <translation>新建题目</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Remove Task</source>
        <translation>删除题目</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move Task Up</source>
        <translation>上移题目</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Task Down</source>
        <translation>下移题目</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Remove Sentence</source>
        <translation>删除句子</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Move Sentence Up</source>
        <translation>上移句子</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Sentence Down</source>
        <translation>下移句子</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The file &quot;%1&quot; was not opened: %2</source>
        <translation>文件“%1”没有打开：%2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file &quot;%1&quot; was not saved: %2.</source>
        <translation>文件“%1”没有保存：%2。</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>1 sentence</source>
        <translation>1 个句子</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sentences</source>
        <translation>%1 个句子</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 by %2</source>
        <translation>%1，学生：%2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore Worksheet</source>
        <translation>恢复练习单</translation>
    </message>
</context>
<context>
    <name>parsella::frmCopyright</name>
    <message>
        <location filename="../src/app/frmCopyright.cpp" line="+17"/>
        <source>Copyright © %1</source>
        <translation>版权所有 © %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 2 or later (%1)</source>
        <translation>自由软件，依据 GNU 通用公共许可证第 2 版或更高版本发布（%1）</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Grammar and Help work offline</source>
        <translation>语法说明和帮助无需联网</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>link to the publisher&apos;s web site</source>
        <translation>出版者网站的链接</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <location filename="../src/app/frmGram1.cpp" line="+23"/>
        <source>&amp;Grammar</source>
        <translation>语法(&amp;G)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Worksheet</source>
        <translation>练习单(&amp;W)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>parsella::frmNP</name>
    <message>
        <location filename="../src/pickers/frmNP.cpp" line="+191"/>
        <source>Error - A noun was not selected</source>
        <translation>错误：没有选择名词</translation>
    </message>
</context>
</TS>
