#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

namespace parsella::grammar {

// A file written whole or not at all, as every file Parsella writes is: what goes to device()
// is in place only once commit() succeeds, and until then an older file stays as it was. By
// default a QSaveFile; a test hands in a device of its own that fails a write or the commit.
class WholeFile
{
public:
    virtual ~WholeFile() = default;
    // Open for writing.
    virtual QIODevice &device() = 0;
    virtual bool commit() = 0;
};

// Opens `path` for writing whole; none, with the reason in `why`, if it cannot be opened.
using WholeFileOpener = std::function<std::unique_ptr<WholeFile>(const QString &path, QString *why)>;
std::unique_ptr<WholeFile> openSaveFile(const QString &path, QString *why);

// Writes `path` through a file `open` gives: `write` fills its device, which is then flushed
// and committed. Gives why it failed, empty once the file is in place; the reason is the
// device's own, or else says that it could not be written.
QString writeWhole(const QString &path, const std::function<bool(QIODevice &)> &write,
                   const WholeFileOpener &open = openSaveFile);

} // namespace parsella::grammar
