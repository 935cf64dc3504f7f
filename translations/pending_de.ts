<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella: Für die Sprache „%1“ gibt es keinen Katalog; Englisch wird verwendet
</translation>
    </message>
    <message>
        <source>Build English sentences word by word.</source>
        <translation>Baue englische Sätze Wort für Wort.</translation>
    </message>
    <message>
        <source>Print each worksheet&apos;s tasks as CSV (%1) and open no window.</source>
        <translation>Die Aufgaben jedes Arbeitsblatts als CSV (%1) ausgeben und kein Fenster öffnen.</translation>
    </message>
    <message>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Das Programm diesmal in der Sprache &lt;code&gt; zeigen (etwa de, es oder pt_BR); „en“ ist Englisch.</translation>
    </message>
    <message>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Ein Arbeitsblatt (.parsella) zum Öffnen; mit --summary die Arbeitsblätter für die Übersicht.</translation>
    </message>
    <message>
        <source>[file...]</source>
        <translation>[Datei...]</translation>
    </message>
    <message>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella: --summary braucht mindestens eine Arbeitsblatt-Datei
</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <source>&amp;View</source>
        <translation>An&amp;sicht</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>Die Datei endet zu früh: Vielleicht wurde sie beim Kopieren abgeschnitten.</translation>
    </message>
    <message>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>Die Datei ist kein Arbeitsblatt: Ihr JSON ist nicht lesbar (%1 in Zeile %2, Spalte %3).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>Laut Datei ist diese Aufgabe geschafft, aber keiner ihrer Sätze erfüllt sie.</translation>
    </message>
    <message>
        <source>The worksheet has no tasks.</source>
        <translation>Das Arbeitsblatt hat keine Aufgaben.</translation>
    </message>
    <message>
        <source>task %1: %2</source>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>ausgelassen: ein Aufgabenblatt mit Aufgaben, aber ohne Namen und ohne Antworten.</translation>
    </message>
</context>
</TS>
