<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Language</name>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>parsella: there is no catalogue for the language &quot;%1&quot;; English is used
</source>
        <translation>parsella : il n’y a pas de catalogue pour la langue « %1 » ; l’anglais est utilisé
</translation>
    </message>
    <message>
        <source>Build English sentences word by word.</source>
        <translation>Construis des phrases anglaises mot à mot.</translation>
    </message>
    <message>
        <source>Print each worksheet&apos;s tasks as CSV (%1) and open no window.</source>
        <translation>Écrire les exercices de chaque fiche en CSV (%1), sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Show the program in the language &lt;code&gt; (such as de, es or pt_BR) for this run; &quot;en&quot; is English.</source>
        <translation>Afficher le programme dans la langue &lt;code&gt; (par exemple de, es ou pt_BR) pour cette fois ; « en » est l’anglais.</translation>
    </message>
    <message>
        <source>A worksheet (.parsella) to open; with --summary, the worksheets to summarise.</source>
        <translation>Une fiche (.parsella) à ouvrir ; avec --summary, les fiches à résumer.</translation>
    </message>
    <message>
        <source>[file...]</source>
        <translation>[fichier...]</translation>
    </message>
    <message>
        <source>parsella: --summary needs at least one worksheet file
</source>
        <translation>parsella : --summary a besoin d’au moins un fichier de fiche
</translation>
    </message>
</context>
<context>
    <name>parsella::Worksheet</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>parsella::frmGram1</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file ends too early: it may have been cut off while being copied.</source>
        <translation>Le fichier se termine trop tôt : il a peut-être été coupé pendant une copie.</translation>
    </message>
    <message>
        <source>The file is not a worksheet: its JSON does not read (%1 at line %2, column %3).</source>
        <translation>Le fichier n’est pas une fiche : son JSON est illisible (%1 à la ligne %2, colonne %3).</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The file says this task is done, but none of its sentences meets it.</source>
        <translation>Le fichier dit que cet exercice est réussi, mais aucune de ses phrases n’y répond.</translation>
    </message>
    <message>
        <source>The worksheet has no tasks.</source>
        <translation>La fiche n’a pas d’exercices.</translation>
    </message>
    <message>
        <source>task %1: %2</source>
        <translation>exercice %1 : %2</translation>
    </message>
    <message>
        <source>left out: a sheet, with tasks but no learner&apos;s name and no answers.</source>
        <translation>laissée de côté : une fiche d’exercices, avec des exercices mais sans nom d’élève ni réponses.</translation>
    </message>
</context>
</TS>
