#include "app/OutputModule.h"
#include "app/frmGram1.h"
#include "GuiTest.h"
#include "RecordingPlatform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace parsella;

// Installs this build into a temporary prefix, as a package or `cmake --install` would, and
// checks that the tree holds what the program and the desktop need.
class tst_Install : public testsupport::GuiTest
{
    Q_OBJECT

    QTemporaryDir temp;
    QString prefix;

    QString installed(const QString &path) const { return prefix + QLatin1Char('/') + path; }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        QSKIP("checks the Linux tree (bin/, share/, the desktop entry and MIME type); the Windows "
              "package is a folder of its own, which the installer's run checks");
#endif
        QVERIFY(temp.isValid());
        // Blanks and non-ASCII characters in the prefix, as in "C:\Program Files\…".
        prefix = temp.path() + QStringLiteral("/Program Files \u00FC");
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(PARSELLA_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(PARSELLA_BUILD_DIR), QStringLiteral("--prefix"), prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void programAndHelpPage()
    {
        const QFileInfo program(installed(QStringLiteral("bin/parsella")));
        QVERIFY(program.isFile());
        QVERIFY(program.isExecutable());
        for (const char *name : {"parhlp.html", "grammar.html"}) {
            const QByteArray page = contents(installed(QStringLiteral("share/parsella/") + QLatin1String(name)));
            QVERIFY2(page.startsWith("<!DOCTYPE html>"), name);
            QVERIFY(page.contains("<title>Parsella "));
            // No external resources: the page reads the same without a network.
            QVERIFY(!page.contains("src=\"http"));
            QVERIFY(!page.contains("href=\"http"));
        }
    }

    // The installed program finds its module for printing and SVG pictures where it was put.
    void installedProgramFindsItsOutputModule()
    {
        QString problem;
        QVERIFY2(loadOutputModule(outputModuleFolders(installed(QStringLiteral("bin"))), &problem), qPrintable(problem));
    }

    // The installed program finds its help page, and without a web host its grammar page, in
    // its data directory.
    void installedProgramFindsItsPages()
    {
        RecordingPlatform system(ntFamily, installed(QStringLiteral("bin")));
        frmGram1 window;
        window.setPlatform(system);
        window.setWebHost(QString());
        window.findChild<QAction *>("help")->trigger();
        window.findChild<QAction *>("Grammar")->trigger();
        QCOMPARE(system.calls.size(), 2);
        QCOMPARE(system.calls[0].opened.toLocalFile(), installed(QStringLiteral("share/parsella/parhlp.html")));
        QCOMPARE(system.calls[1].opened.toLocalFile(), installed(QStringLiteral("share/parsella/grammar.html")));
    }

    void installedProgramStarts()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // Nothing of the real user's: no recovered worksheet is offered, none is left behind.
        env.insert(QStringLiteral("XDG_DATA_HOME"), temp.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.filePath(QStringLiteral("config")));
        program.setProcessEnvironment(env);
        program.start(installed(QStringLiteral("bin/parsella")), {});
        QVERIFY(program.waitForStarted(10000));
        // A program that runs its event loop keeps running until it is told to stop.
        QVERIFY(!program.waitForFinished(1500));
        program.terminate();
        if (!program.waitForFinished(5000))
            program.kill();
    }

    void menuEntryIconsAndMetainfo()
    {
        const QString id = QStringLiteral("org.parsella.Parsella");
        const QString desktopPath = installed(QStringLiteral("share/applications/%1.desktop").arg(id));
        QVERIFY(QFile::exists(desktopPath));
        QSettings desktop(desktopPath, QSettings::IniFormat);
        desktop.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(desktop.value("Exec").toString(), QString("parsella %f"));
        // Read as written: an INI reader takes the closing ";" for a comment.
        QVERIFY(contents(desktopPath).contains("\nMimeType=application/x-parsella-worksheet;\n"));
        QCOMPARE(desktop.value("Icon").toString(), id);
        QCOMPARE(desktop.value("Type").toString(), QString("Application"));

        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id)));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        QVERIFY(contents(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(id))).contains("<svg"));

        const QString metainfo = QString::fromUtf8(contents(installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id))));
        QVERIFY(metainfo.contains(QStringLiteral("<id>%1</id>").arg(id)));
        QVERIFY(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));
        QVERIFY(metainfo.contains(QStringLiteral("<metadata_license>CC0-1.0</metadata_license>")));
        QVERIFY(metainfo.contains(QStringLiteral("<project_license>GPL-2.0-or-later</project_license>")));
        QVERIFY(!metainfo.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@")))); // all settings filled in
    }

    // The desktop's MIME database, built from the installed tree alone, knows a worksheet by
    // its name and names Parsella's type for it.
    void worksheetFileType()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (tool.isEmpty())
            QSKIP("update-mime-database is not installed");
        const QString mime = installed(QStringLiteral("share/mime"));
        QVERIFY(QFile::exists(mime + QStringLiteral("/packages/org.parsella.Parsella.xml")));
        QProcess update;
        update.setProcessChannelMode(QProcess::MergedChannels);
        update.start(tool, {mime});
        QVERIFY(update.waitForFinished(60000));
        QVERIFY2(update.exitCode() == 0, update.readAll().constData());
        QVERIFY(contents(mime + QStringLiteral("/globs")).contains("application/x-parsella-worksheet:*.parsella"));
    }

    // The narrow face inside the program is distributed only with its licence, and the package
    // names the program's own.
    void licences()
    {
        const QByteArray copyright = contents(installed(QStringLiteral("share/doc/parsella/copyright")));
        QVERIFY(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
        QVERIFY(copyright.contains("\nLicense: GPL-2.0-or-later\n"));
        QVERIFY(!copyright.contains("@PARSELLA_"));
        QVERIFY(contents(installed(QStringLiteral("share/doc/parsella/fonts/LICENSE"))).contains("LIBERATION FONT SOFTWARE"));
        QVERIFY(contents(installed(QStringLiteral("share/doc/parsella/fonts/GPL-2"))).contains("GNU GENERAL PUBLIC LICENSE"));
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Install)
#include "tst_install.moc"
