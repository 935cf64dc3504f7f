#include "grammar/WholeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace parsella::grammar {

namespace {

class SaveFile final : public WholeFile
{
public:
    explicit SaveFile(const QString &path) : file(path) {}
    QIODevice &device() override { return file; }
    bool commit() override { return file.commit(); }
    QSaveFile file;
};

} // namespace

std::unique_ptr<WholeFile> openSaveFile(const QString &path, QString *why)
{
    auto file = std::make_unique<SaveFile>(path);
    if (!file->file.open(QIODevice::WriteOnly)) {
        *why = file->file.errorString();
        return nullptr;
    }
    return file;
}

QString writeWhole(const QString &path, const std::function<bool(QIODevice &)> &write, const WholeFileOpener &open)
{
    QString why;
    std::unique_ptr<WholeFile> file = open(path, &why);
    if (file) {
        QIODevice &device = file->device();
        // A small file sits in the write buffer until the flush, and a flush that fails on a
        // full disk is not held against the commit, which would put an empty file in place:
        // such a file is never committed, and dropped with its device.
        auto *buffered = qobject_cast<QFileDevice *>(&device);
        if (!write(device) || (buffered && !buffered->flush()))
            why = device.errorString();
        else if (file->commit())
            return {};
        else
            why = device.errorString();
    }
    if (why.isEmpty())
        why = QCoreApplication::translate("WholeFile", "it could not be written");
    return why;
}

} // namespace parsella::grammar
