#pragma once

#include "core/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <utility>

namespace parsella {

// Stands in for the system in tests: reports a chosen identifier and program directory and
// writes down what it was asked to open or start instead of doing it.
class RecordingPlatform : public Platform
{
public:
    struct Call {
        QUrl opened;          // set for open()
        QString program;      // set for start()
        QStringList arguments;
    };

    explicit RecordingPlatform(qint16 id = ntFamily, QString directory = QString())
        : id(id), directory(std::move(directory)) {}

    qint16 platformId() const override { return id; }
    QString programDirectory() const override { return directory; }
    bool open(const QUrl &target) override
    {
        calls.append({target, {}, {}});
        return opens;
    }
    void start(const QString &program, const QStringList &arguments) override
    {
        calls.append({{}, program, arguments});
    }

    qint16 id;
    QString directory;
    // False: the desktop has nothing to open documents with, as on a machine without a browser.
    bool opens = true;
    QList<Call> calls;
};

} // namespace parsella
