#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "EverySentence.h"
#include "grammar/Admission.h"
#include "grammar/BracketReader.h"
#include "grammar/Conjugation.h"
#include "grammar/Document.h"
#include "grammar/Lexicon.h"
#include "grammar/Phrases.h"
#include "grammar/SentenceReader.h"

using namespace parsella::grammar;

// The worksheet's file without any window: every sentence the windows can build survives
// the trip through bracket notation and the file, and every file the windows could not have
// written is refused with its first problem, told as the pickers tell it.
class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    // The sentences of the every-sentence walk, made from the grammar alone: each written as
    // brackets, read back and checked equals itself. The few the sentence label leaves red
    // ("be" still waiting for its complement) are refused, as a document holds finished ones.
    void everyBuildableSentenceSurvivesTheTrip()
    {
        int kept = 0, refused = 0;
        QStringList faults;
        for (const Sentence &s : everysentence::walk()) {
            QString problem;
            const std::optional<Sentence> read = readSentence(s.type, s.brackets(), &problem);
            if (!s.isComplete()) {
                ++refused;
                if (read || problem.isEmpty())
                    faults << QStringLiteral("unfinished, yet read: ") + s.brackets();
                continue;
            }
            ++kept;
            if (!read || *read != s || read->written() != s.written() || read->brackets() != s.brackets())
                faults << s.brackets() + QStringLiteral(" -> ") + problem;
        }

        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(QLatin1Char('\n'))));
        // As many as the walk through the real windows builds, so none was missed.
        QCOMPARE(kept + refused, 4574);
        QVERIFY(refused > 0 && kept > 4000);
    }

    // One hand-written bad file per rule, each with the first problem a learner must read.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");

        const auto sheet = [](const QString &sentences, const QString &more = {}) {
            return QStringLiteral(R"({"format": "parsella-worksheet", "version": 1, "learner": "Ann", "sentences": [%1]%2})")
                .arg(sentences, more)
                .toUtf8();
        };
        const auto one = [](const char *type, const QString &brackets) {
            return QStringLiteral(R"({"type": "%1", "brackets": "%2"})").arg(QLatin1String(type), brackets);
        };
        const QString good = one("statement", "[S [NP [Pron she]] [VP [V walks] [AdvP [Adv here]]]]");
        const auto statement = [&](const QString &brackets) { return sheet(good + ", " + one("statement", brackets)); };

        QTest::newRow("not JSON") << QByteArray("{\n  \"format\" 1}") << "its JSON does not read (missing name separator at line 2, column ";
        QTest::newRow("empty") << QByteArray() << "The file is empty.";
        QTest::newRow("only blanks") << QByteArray(" \r\n\t") << "The file is empty.";
        QTest::newRow("not UTF-8") << QByteArray("{\"format\": \"parsella-worksheet\", \"version\": 1, \"learner\": \"\xff\"}")
                                   << "its JSON does not read";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "holds no JSON object";
        QTest::newRow("another format") << QByteArray(R"({"format": "tree\u0007drawer", "version": 1})")
                                        << "its format is “treeU+0007drawer”";
        QTest::newRow("newer version") << QByteArray(R"({"format": "parsella-worksheet", "version": 2, "sentences": "?"})")
                                       << "written by a newer Parsella";
        QTest::newRow("version as text") << QByteArray(R"({"format": "parsella-worksheet", "version": "1", "sentences": []})")
                                         << "“version” is missing or not a whole number";
        QTest::newRow("no sentences") << QByteArray(R"({"format": "parsella-worksheet", "version": 1})") << "no list of “sentences”";
        QTest::newRow("learner not a line") << QByteArray(R"({"format": "parsella-worksheet", "version": 1, "learner": "A\nB", "sentences": []})")
                                            << "learner's name holds a control character";
        QTest::newRow("sentence not an object") << sheet(good + ", 7") << "sentence 2: it is not an object";
        QTest::newRow("unknown type") << sheet(one("exclamation", "[S]")) << "sentence 1: its type “exclamation” is none of";
        QTest::newRow("long unknown type") << sheet(one(qPrintable(QString(mostShown + 1, 'x')), "[S]"))
                                           << "its type “" + QString(mostShown, 'x') + "…” is none of";
        QTest::newRow("no brackets") << sheet(R"({"type": "statement", "text": "She walks here."})") << "sentence 1: its “brackets” are missing";

        QTest::newRow("unbalanced") << statement("[S [NP [Pron she]] [VP [V walks]]")
                                    << "sentence 2: A bracket is not closed (at character 34 of the brackets).";
        QTest::newRow("unknown label") << statement("[S [XP [Pron she]] [VP [V walks]]]") << "“XP” is not a label of the tree";
        QTest::newRow("word offered nowhere") << statement("[S [NP [Pron sheep]] [VP [V walks]]]")
                                              << "sentence 2: “sheep” is not a word the pickers offer.";
        QTest::newRow("word in another role") << statement("[S [NP [Det dog] [N dog]] [VP [V walks]]]")
                                              << "sentence 2: “dog” is a noun, not a determiner.";
        QTest::newRow("generator: article and number") << statement("[S [NP [Det a] [N dogs]] [VP [V walk]]]")
                                                       << "sentence 2: “a” is for one thing, not “dogs”";
        QTest::newRow("generator: determiner first") << statement("[S [NP [N dog] [Det the]] [VP [V walks]]]")
                                                     << "“dog” needs a determiner before it";
        QTest::newRow("generator: one determiner") << statement("[S [NP [Det the] [Det my] [N dog]] [VP [V walks]]]")
                                                   << "“my” cannot follow “the”";
        QTest::newRow("generator: needs its noun") << statement("[S [NP [Det the] [Adj small]] [VP [V walks]]]")
                                                   << "“the small” needs a noun";
        QTest::newRow("statement asks") << statement("[S [NP [Pron Who]] [VP [V walks]]]")
                                        << "“Who” begins the subject of a question, not of a statement";
        QTest::newRow("question builder's words") << sheet(one("question", "[S [NP [Pron she]] [VP [V walks]]]"))
                                                  << "A question's subject begins with “Who” or “Which”, not “she”";
        QTest::newRow("question builder's rules") << sheet(one("question", "[S [NP [Det Which] [AdjP [AdvP [Adv very]]] [N dog]] [VP [V walks]]]"))
                                                  << "“very” needs its adjective first";
        QTest::newRow("command with a subject") << sheet(one("command", "[S [NP [Pron she]] [VP [V walk]]]"))
                                                << "A command's subject is the understood “you”";
        QTest::newRow("statement understood") << statement("[S [NP (you)] [VP [V walk]]]") << "Only a command has the understood subject";
        QTest::newRow("agreement") << statement("[S [NP [Det the] [N dogs]] [VP [V walks]]]")
                                   << "“walks” does not agree with “the dogs”: the verb picker shows “walk”, “walked” or “will walk”.";
        QTest::newRow("command's base form") << sheet(one("command", "[S [NP (you)] [VP [Aux will] [V walk]]]"))
                                             << "A command takes the verb's base form: “walk”, not “will walk”.";
        QTest::newRow("complement not admitted") << statement("[S [NP [Pron she]] [VP [V walks] [NP [Det her] [N pet]]]]")
                                                 << "“walk” takes no object; it takes a place";
        QTest::newRow("complement offered nowhere") << statement("[S [NP [Pron she]] [VP [V walks] [AdvP [Adv very]]]]")
                                                    << "“very” is not a complement the complement picker offers";
        QTest::newRow("not complete") << statement("[S [NP [Pron she]] [VP [V is]]]") << "“is” needs a complement";
        QTest::newRow("no verb") << statement("[S [NP [Pron she]]]") << "“she” needs a verb next";
        QTest::newRow("structure") << statement("[S [NP [Det the] [AdjP [Adj small]] [N dog]] [VP [V walks]]]")
                                   << "they write this sentence as [S [NP [Det the] [Adj small] [N dog]] [VP [V walks]]]";
        QTest::newRow("tasks not a list") << sheet(good, R"(, "tasks": {})") << "“tasks” are not a list";
        QTest::newRow("task not an object") << sheet(good, R"(, "tasks": [{}, "do it"])") << "task 2: it is not an object";

        // The limits that keep a hostile file from costing the program more than a message.
        QTest::newRow("control character") << statement("[S [NP [Pron she\\u001b[2J]] [VP [V walks]]]")
                                           << "the control character U+001B";
        QTest::newRow("invisible character") << statement("[S [NP [Pron \\u202eshe]] [VP [V walks]]]") << "the invisible character U+202E";
        QTest::newRow("long word") << statement("[S [NP [Pron " + QString(maxWordLength + 1, 'e') + "]] [VP [V walks]]]")
                                   << "A word is longer than";
        QTest::newRow("deep nesting") << statement(QStringLiteral("[S ").repeated(200) + QString(200, ']')) << "nest deeper than";
        QTest::newRow("deeply nested JSON") << sheet(good, ", \"x\": " + QString(100000, '[') + QString(100000, ']')) << "its JSON does not read";
        QTest::newRow("over the size cap") << QByteArray(maxDocumentBytes + 1, ' ') << "larger than 16 MiB";
    }

    // A file cut off anywhere, as a copy to a full stick or an interrupted download leaves it,
    // says so rather than naming a JSON error.
    void cutOffFiles()
    {
        const QByteArray whole = QByteArray(R"({"format": "parsella-worksheet", "version": 1, "learner": "Zoë",
            "sentences": [{"type": "statement", "brackets": "[S [NP [Pron she]] [VP [V walks] [AdvP [Adv here]]]]", "task": 1}],
            "tasks": [{"ask": {"type": "statement", "tense": "present"}, "tries": 1, "done": true}]})");
        QVERIFY2(readDocument(whole).document, qPrintable(readDocument(whole).problem));
        int cuts = 0;
        for (qsizetype n = 1; n < whole.trimmed().size(); ++n) {
            if (whole.left(n).trimmed().isEmpty())
                continue;
            const DocumentReading reading = readDocument(whole.left(n));
            QVERIFY2(reading.problem == "The file ends too early: it may have been cut off while being copied.",
                     qPrintable(QStringLiteral("%1 bytes: %2").arg(n).arg(reading.problem)));
            ++cuts;
        }
        QVERIFY(cuts > 200);
    }

    void refusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        const DocumentReading reading = readDocument(file);
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
        QVERIFY(!reading.document); // nothing is half-read
        for (uint c : reading.problem.toUcs4())
            QVERIFY2(showsAsItself(c), "the message shows a raw control character");
    }

    // A newer program's keys, at every level, survive a round trip through this one; the
    // text is written from the rebuilt sentence, and a second save changes no byte.
    void unknownKeysSurviveAndBytesSettle()
    {
        const QByteArray file = R"({
            "format": "parsella-worksheet", "version": 1, "learner": "Ann \ud83d\ude00", "class": {"name": "3b", "year": 2026},
            "sentences": [
                {"type": "question", "brackets": "[S [NP [Det Which] [Adj small] [N dogs]] [VP [V were] [AdvP [Adv here]]]]",
                 "text": "whatever a script wrote", "answers": 2, "mark": [1, "ok"]},
                {"type": "command", "brackets": "[S [NP (you)] [VP [V go] [VP [V dancing]]]]"}
            ],
            "tasks": [{"ask": {"type": "command"}, "tries": 3}, {"ask": {"tense": "past"}, "future": null}]
        })";
        const DocumentReading first = readDocument(file);
        QVERIFY2(first.document, qPrintable(first.problem));
        QCOMPARE(first.document->sentences.size(), 2);
        QCOMPARE(first.document->sentences.at(0).sentence.written(), QStringLiteral("Which small dogs were here?"));

        const QByteArray saved = writeDocument(*first.document);
        const DocumentReading second = readDocument(saved);
        QVERIFY2(second.document, qPrintable(second.problem));
        QCOMPARE(*second.document, *first.document);
        QCOMPARE(writeDocument(*second.document), saved);
        QVERIFY(saved.contains("\"text\": \"Which small dogs were here?\""));
        QVERIFY(saved.contains("\"text\": \"Go dancing!\""));
        QVERIFY(!saved.contains("whatever a script wrote"));
        for (const char *kept : {"\"class\"", "\"year\": 2026", "\"answers\": 2", "\"ok\"", "\"tries\": 3", "\"future\": null"})
            QVERIFY2(saved.contains(kept), kept);

        // Through the disk, where the cap is checked before anything is read.
        QTemporaryDir dir;
        QFile out(dir.filePath(QStringLiteral("class.parsella")));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(saved) == saved.size());
        out.close();
        QCOMPARE(readDocumentFile(out.fileName()).document, first.document);
        QVERIFY(out.resize(maxDocumentBytes + 1)); // sparse: costs no disk
        QVERIFY(readDocumentFile(out.fileName()).problem.contains(QStringLiteral("larger than")));
        QVERIFY(!readDocumentFile(dir.path()).document);
#ifdef Q_OS_UNIX
        // A pipe nobody writes to would block an open for ever.
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe.parsella")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QCOMPARE(readDocumentFile(QFile::decodeName(fifo)).problem, QStringLiteral("It is not an ordinary file."));
#endif
    }

    // The example teachers copy from the format's documentation opens, and is exactly what
    // Parsella writes back.
    void documentedExampleIsWhatParsellaWrites()
    {
        QFile doc(QStringLiteral(PARSELLA_FILE_FORMAT_DOC));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        const QByteArray text = doc.readAll();
        const qsizetype start = text.indexOf("```json\n") + 8;
        const qsizetype end = text.indexOf("```", start);
        QVERIFY(start > 8 && end > start);
        const QByteArray example = text.mid(start, end - start);
        const DocumentReading reading = readDocument(example);
        QVERIFY2(reading.document, qPrintable(reading.problem));
        QCOMPARE(reading.document->sentences.size(), 3);
        QCOMPARE(writeDocument(*reading.document), example);
    }

    // Every input the fuzzer keeps, crashers included, is read again here: refused or read,
    // never a crash.
    void fuzzCorpusReadsWithoutCrashing()
    {
        const QDir corpus(QStringLiteral(PARSELLA_FUZZ_CORPUS));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY2(files.size() >= 5, "the seed corpus is missing");
        int read = 0;
        for (const QString &name : files) {
            QFile f(corpus.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            const DocumentReading reading = readDocument(bytes);
            QVERIFY(reading.document.has_value() != !reading.problem.isEmpty());
            read += reading.document ? 1 : 0;
            QString problem;
            readSentence(SentenceType::Statement, QString::fromUtf8(bytes), &problem);
        }
        QVERIFY2(read > 0, "no seed is a worksheet that reads");
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
