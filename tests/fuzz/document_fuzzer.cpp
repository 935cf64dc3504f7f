#include "grammar/BracketReader.h"
#include "grammar/Document.h"
#include "grammar/SentenceReader.h"

#include <cstddef>
#include <cstdint>

using namespace parsella::grammar;

// Any bytes, as a worksheet file and as bracket notation of each kind of sentence. Whatever
// comes in, the readers give a value or a problem: never a crash, a hang or undefined
// behaviour, and never both or neither.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DocumentReading reading = readDocument(bytes);
    if (reading.document.has_value() == !reading.problem.isEmpty())
        __builtin_trap();
    if (reading.document && readDocument(writeDocument(*reading.document)).document != reading.document)
        __builtin_trap(); // what was read is written so that it reads the same

    const QString text = QString::fromUtf8(bytes);
    BracketError error;
    if (!readBrackets(text, &error) && !error.isError())
        __builtin_trap();
    for (SentenceType type : {SentenceType::Statement, SentenceType::Question, SentenceType::Command}) {
        QString problem;
        const std::optional<Sentence> sentence = readSentence(type, text, &problem);
        if (sentence && (!sentenceProblem(*sentence).isEmpty() || readSentence(type, sentence->brackets()) != sentence))
            __builtin_trap();
    }
    return 0;
}
