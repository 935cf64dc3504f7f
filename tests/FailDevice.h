#pragma once

#include "grammar/WholeFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

namespace testsupport {

// A file that fails as a disk does, put where the program writes its files: it takes the
// first `failAfter` bytes of a write and refuses the rest, as a disk that fills up does, or
// takes everything and then refuses the commit, as when the file cannot be put in place.
// What reached it goes to `into` (by default its own `written`), which may outlive it; nothing
// is anywhere else.
class FailDevice : public QBuffer, public parsella::grammar::WholeFile
{
public:
    static constexpr const char *fullDisk = "No space left on device";
    static constexpr const char *commitRefused = "The file could not be put in place";

    // A negative `failAfter` takes every byte.
    explicit FailDevice(qint64 failAfter, bool failCommit = false, QByteArray *into = nullptr)
        : limit(failAfter), refuseCommit(failCommit)
    {
        setBuffer(into ? into : &written);
        open(QIODevice::WriteOnly);
    }

    QIODevice &device() override { return *this; }
    // As a QSaveFile's, a commit after a refused write fails too: a writer that ignored the
    // refusal does not put a half file in place.
    bool commit() override
    {
        if (writeFailed)
            return false;
        if (!refuseCommit)
            return committed = true;
        setErrorString(QString::fromLatin1(commitRefused));
        return false;
    }

    QByteArray written;
    bool committed = false;

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (limit < 0 || pos() + length <= limit)
            return QBuffer::writeData(data, length);
        if (pos() < limit)
            QBuffer::writeData(data, limit - pos());
        setErrorString(QString::fromLatin1(fullDisk));
        writeFailed = true;
        return -1;
    }

private:
    qint64 limit;
    bool refuseCommit;
    bool writeFailed = false;
};

} // namespace testsupport
