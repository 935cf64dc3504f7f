// Opening and saving a worksheet of 1,000 finished sentences, the grammar core's part of it:
//   save: the document written as JSON and committed through QSaveFile;
//   open: the file read, parsed, and every sentence rebuilt from its brackets and checked.
//   parsella_document_bench [RUNS]      (each timed RUNS times, default 50)
#include "grammar/Document.h"
#include "grammar/Phrases.h"
#include "Stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

using namespace parsella::grammar;

namespace {

constexpr double goalMs = 100.0;

// Sentences of every kind and length, the longest subjects and complements among them, so
// the file is no lighter than a real class's.
Document thousandSentences()
{
    struct Kind {
        SentenceType type;
        QStringList subject;
        const char *verb;
        const char *complement;
    };
    const Kind kinds[] = {
        {SentenceType::Statement, {"King John's", "extremely", "interesting", "images"}, "will change", "the delicious cookies"},
        {SentenceType::Statement, {"a", "lady's", "pretty", "hands"}, "washed", "in the bathtub"},
        {SentenceType::Statement, {"she"}, "walks", "here"},
        {SentenceType::Question, {"Which", "very", "small", "dog"}, "was", "extremely fast"},
        {SentenceType::Question, {"Who"}, "goes", "dancing"},
        {SentenceType::Command, {}, "study", "our clothes"},
    };
    Document document;
    document.learner = QStringLiteral("Ann");
    for (int i = 0; i < 1000; ++i) {
        const Kind &k = kinds[i % std::size(kinds)];
        Sentence s;
        s.type = k.type;
        if (!k.subject.isEmpty())
            s.subject = nounPhrase(k.subject);
        s.verb = verbGroup(QString::fromLatin1(k.verb));
        s.complement = complement(QString::fromLatin1(k.complement));
        document.sentences.append({s, {}});
    }
    return document;
}

void report(const char *what, const std::vector<double> &samples)
{
    const bench::Summary s = bench::summarize(samples);
    std::printf("%-44s median %7.2f ms  p90 %7.2f ms  max %7.2f ms  %s\n", what, s.median, s.p90, s.max,
                s.median < goalMs ? "goal met" : "GOAL MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const Document document = thousandSentences();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.parsella"));

    std::vector<double> save, open;
    QElapsedTimer timer;
    qint64 bytes = 0;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        QSaveFile file(path);
        const QByteArray json = writeDocument(document);
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            return 1;
        }
        save.push_back(double(timer.nsecsElapsed()) / 1e6);
        bytes = json.size();

        timer.start();
        const DocumentReading reading = readDocumentFile(path);
        open.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!reading.document || reading.document->sentences.size() != 1000) {
            std::fprintf(stderr, "the worksheet did not read back: %s\n", qPrintable(reading.problem));
            return 1;
        }
    }
    std::printf("1,000 sentences, %lld bytes, %d runs (goal < %.0f ms each)\n", bytes, runs, goalMs);
    report("save (JSON written, QSaveFile committed)", save);
    report("open (read, parsed, every sentence checked)", open);

    // The worst a file under the size cap can ask: as many of the shortest sentences as fit.
    Document largest;
    Sentence shortest{SentenceType::Command, {}, verbGroup(QStringLiteral("go")), {}};
    const QByteArray one = writeDocument(Document{{}, {{shortest, {}}}, {}, {}});
    const qsizetype perSentence = writeDocument(Document{{}, {{shortest, {}}, {shortest, {}}}, {}, {}}).size() - one.size();
    for (qsizetype n = (maxDocumentBytes - one.size()) / perSentence; n > 0; --n)
        largest.sentences.append({shortest, {}});
    const QByteArray json = writeDocument(largest);
    timer.start();
    const DocumentReading reading = readDocument(json);
    std::printf("the largest file accepted, %lld sentences in %lld bytes: opened in %.0f ms%s\n",
                qsizetype(largest.sentences.size()), qsizetype(json.size()), double(timer.nsecsElapsed()) / 1e6,
                reading.document ? "" : " (refused!)");
    return 0;
}
