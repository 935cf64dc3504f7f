#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <utility>

namespace parsella {

// What the help commands and the About box need of the operating system, behind one small
// interface so that tests can put a recorder in its place and no browser is ever started.
class Platform
{
public:
    virtual ~Platform() = default;

    // The platform identifier the help commands choose by: ntFamily, or anything else for
    // the old branch with the Windows help viewer.
    virtual qint16 platformId() const = 0;
    // The directory the program was started from.
    virtual QString programDirectory() const = 0;
    // The shell's "open": a document or web address goes to its default application. False if
    // the desktop could not open it (no browser, say), so the caller can offer another way.
    virtual bool open(const QUrl &target) = 0;
    // Starts a program as a new process. Program and arguments are handed on one by one,
    // never through a shell, so blanks or shell syntax in a path stay part of that path.
    virtual void start(const QString &program, const QStringList &arguments) = 0;
};

constexpr qint16 ntFamily = 2;

// The real system. On Windows the identifier is the real one; elsewhere there is neither a
// help viewer nor a "start" command, so it reports the NT family, whose branch only needs
// the desktop's default applications. A document or program that cannot be opened is
// reported on standard error; what the learner is shown instead is the caller's concern.
class SystemPlatform : public Platform
{
public:
    qint16 platformId() const override;
    QString programDirectory() const override;
    bool open(const QUrl &target) override;
    void start(const QString &program, const QStringList &arguments) override;
};

// The one SystemPlatform of the program: the default of every window that needs one.
Platform &systemPlatform();

} // namespace parsella
