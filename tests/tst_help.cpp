#include "app/BuildSettings.h"
#include "app/frmCopyright.h"
#include "app/frmGram1.h"
#include "app/HelpDocuments.h"
#include "app/HelpWindow.h"
#include "app/Worksheet.h"
#include "core/Language.h"
#include "GuiTest.h"
#include "Driver.h"
#include "RecordingPlatform.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QGlyphRun>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextDocumentFragment>

using namespace parsella;
using namespace drive;

namespace {

// A menu entry as the learner reads it: without its mnemonic ("&Save", "文件(&F)") or a
// shortcut after a tab.
QString shownText(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    text.remove(QRegularExpression(QStringLiteral("\\(&[^&]\\)")));
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text.trimmed();
}

const QString step = QStringLiteral(" \u203A ");

// Every path a menu bar offers, "File › Export › Text…", its menus' own included.
void collectPaths(const QList<QAction *> &actions, const QString &above, QStringList &paths)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString path = above.isEmpty() ? shownText(action->text()) : above + step + shownText(action->text());
        paths.append(path);
        if (QMenu *menu = action->menu())
            collectPaths(menu->actions(), path, paths);
    }
}

// The menu paths a help page names, in bold as the page writes them: "File &rsaquo; Open&hellip;".
struct NamedPaths
{
    QStringList paths;
    QStringList oldStyle;   // bold text with the arrow the page once used between menus
    qsizetype unbolded = 0; // menu separators in the page's text outside those paths
};

NamedPaths namedPaths(const QString &html)
{
    NamedPaths named;
    qsizetype separators = 0;
    const QRegularExpression bold(QStringLiteral("<strong>(.*?)</strong>"),
                                  QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch &m : bold.globalMatch(html)) {
        const QString text = QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText().simplified();
        if (text.contains(QChar(0x2192)))
            named.oldStyle.append(text);
        if (!text.contains(QChar(0x203A)))
            continue;
        separators += text.count(QChar(0x203A));
        QStringList steps = text.split(QChar(0x203A));
        for (QString &s : steps)
            s = s.trimmed();
        named.paths.append(steps.join(step));
    }
    QTextDocument page;
    page.setHtml(html);
    named.unbolded = page.toPlainText().count(QChar(0x203A)) - separators;
    return named;
}

} // namespace

// Catches what the real platform hands to the desktop, so no browser is started.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// The pages as built beside the program, seen from this test program.
static QString builtPages()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" PARSELLA_BUILT_PAGES);
}

// The help and grammar commands and the About box, with the system replaced by a recorder:
// what each command hands on, for each platform, from awkward program directories.
class tst_Help : public testsupport::GuiTest
{
    Q_OBJECT

    QTemporaryDir temp;

    // A program directory with blanks, shell syntax and characters outside any ANSI code page.
    QString awkwardDirectory(const QString &leaf = QStringLiteral("bin")) const
    {
        const QString dir = temp.path() + QStringLiteral("/Parsella & Co; Grammatik \u00FC\u00E9 \u8BED\u6CD5/") + leaf;
        QDir().mkpath(dir);
        return dir;
    }

    static void putFile(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!DOCTYPE html><title>help</title>");
    }

    static QAction *menu(frmGram1 &window, const char *name)
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
    }

    void ntFamilyOpensGrammarOnTheWebAndHelpBesideTheProgram()
    {
        const QString dir = awkwardDirectory(QStringLiteral("nt"));
        putFile(dir + QStringLiteral("/parhlp.html"));
        putFile(dir + QStringLiteral("/grammar.html"));
        RecordingPlatform system(ntFamily, dir);
        frmGram1 window;
        window.setPlatform(system);
        window.setWebHost(QStringLiteral("www.example.com"));

        menu(window, "Grammar")->trigger();
        QCOMPARE(system.calls.size(), 1);
        QCOMPARE(system.calls[0].opened, QUrl(QStringLiteral("http://www.example.com/grammar/parsel1.html")));

        menu(window, "help")->trigger();
        menu(window, "help")->trigger(); // nothing prevents opening it again
        QCOMPARE(system.calls.size(), 3);
        for (int i : {1, 2}) {
            const QUrl page = system.calls[i].opened;
            QVERIFY(page.isLocalFile());
            QCOMPARE(page.toLocalFile(), dir + QStringLiteral("/parhlp.html"));
            // The address survives being encoded for the desktop, non-ASCII and blanks alike.
            QCOMPARE(QUrl(page.toString(QUrl::FullyEncoded)).toLocalFile(), dir + QStringLiteral("/parhlp.html"));
            QVERIFY(system.calls[i].program.isEmpty());
        }
    }

    // Without a web host nothing is sent to a site: Grammar opens the notes shipped with the
    // program, found as the help page is, and the About box offers no link.
    void withoutAWebHostGrammarStaysLocal()
    {
        const QString prefix = awkwardDirectory(QStringLiteral("offline"));
        const QString bin = prefix + QStringLiteral("/bin");
        const QString installed = QDir::cleanPath(bin + QLatin1Char('/') + QString::fromUtf8(build::dataFromProgram)
                                                  + QStringLiteral("/grammar.html"));
        putFile(installed);
        RecordingPlatform system(ntFamily, bin);
        frmGram1 window;
        window.setPlatform(system);
        window.setWebHost(QString());

        menu(window, "Grammar")->trigger();
        putFile(bin + QStringLiteral("/grammar.html"));
        menu(window, "Grammar")->trigger();
        QCOMPARE(system.calls.size(), 2);
        QCOMPARE(system.calls[0].opened.toLocalFile(), installed);
        QCOMPARE(system.calls[1].opened.toLocalFile(), bin + QStringLiteral("/grammar.html"));

        bool ran = false;
        auto opened = onNextModal([&](QWidget *box) {
            QLabel *line = label(box, "Label5");
            QVERIFY(!line->text().isEmpty());
            QVERIFY(!line->text().contains(QLatin1String("http")));
            QCOMPARE(textColour(line), colour::black);
            QVERIFY(!line->font().underline());
            QCOMPARE(line->cursor().shape(), Qt::ArrowCursor);
            QTest::mouseClick(line, Qt::LeftButton);
            qobject_cast<frmCopyright *>(box)->Label5_Click();
            ran = true;
            button(box, "cmdOK")->click();
        });
        menu(window, "about")->trigger();
        QVERIFY(*opened && ran);
        QCOMPARE(system.calls.size(), 2);

        // The other platforms keep their help viewer, host or none.
        system.id = 1;
        menu(window, "Grammar")->trigger();
        QCOMPARE(system.calls.last().program, QString("winhelp"));
    }

    // What this very build does: a build without a web host never hands on an address.
    void theBuildsOwnHostDecides()
    {
        const QString dir = awkwardDirectory(QStringLiteral("build"));
        putFile(dir + QStringLiteral("/grammar.html"));
        RecordingPlatform system(ntFamily, dir);
        frmGram1 window;
        window.setPlatform(system);
        menu(window, "Grammar")->trigger();
        QCOMPARE(system.calls.size(), 1);
        const QUrl grammar = system.calls[0].opened;
        if (QString::fromUtf8(build::webHost).isEmpty()) {
            QCOMPARE(grammar.toLocalFile(), dir + QStringLiteral("/grammar.html"));
        } else {
            QCOMPARE(grammar.host(), QString::fromUtf8(build::webHost));
            QCOMPARE(grammar.path(), QString("/grammar/parsel1.html"));
        }
    }

    void otherPlatformsStartTheHelpViewer_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("Win32s (0)") << 0;
        QTest::newRow("Windows 9x (1)") << 1;
        QTest::newRow("3") << 3;
        QTest::newRow("negative") << -1;
        QTest::newRow("999") << 999;
    }

    void otherPlatformsStartTheHelpViewer()
    {
        QFETCH(int, id);
        const QString dir = awkwardDirectory(QStringLiteral("winhelp"));
        RecordingPlatform system(qint16(id), dir);
        frmGram1 window;
        window.setPlatform(system);

        menu(window, "Grammar")->trigger();
        menu(window, "help")->trigger();

        QCOMPARE(system.calls.size(), 2);
        QCOMPARE(system.calls[0].program, QString("winhelp"));
        // One argument: the whole path, blanks and shell syntax included, never split.
        QCOMPARE(system.calls[0].arguments, QStringList{QDir::toNativeSeparators(dir + QStringLiteral("/parsel1.hlp"))});
        QCOMPARE(system.calls[1].program, QString("winhelp"));
        QCOMPARE(system.calls[1].arguments, QStringList{QDir::toNativeSeparators(dir + QStringLiteral("/parhlp.hlp"))});
        QVERIFY(system.calls[0].opened.isEmpty() && system.calls[1].opened.isEmpty());
    }

    void helpPageBesideTheProgramThenInTheDataDirectory()
    {
        const QString prefix = awkwardDirectory(QStringLiteral("prefix"));
        const QString bin = prefix + QStringLiteral("/bin");
        QDir().mkpath(bin);
        const QString installed = QDir::cleanPath(bin + QLatin1Char('/') + QString::fromUtf8(build::dataFromProgram)
                                                  + QStringLiteral("/parhlp.html"));
        RecordingPlatform system(ntFamily, bin);
        frmGram1 window;
        window.setPlatform(system);

        // Neither place has it: the path beside the program, and a note on standard error.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("help page is neither"));
        menu(window, "help")->trigger();
        QCOMPARE(system.calls.last().opened.toLocalFile(), bin + QStringLiteral("/parhlp.html"));

        putFile(installed);
        menu(window, "help")->trigger();
        QCOMPARE(system.calls.last().opened.toLocalFile(), installed);

        putFile(bin + QStringLiteral("/parhlp.html"));
        menu(window, "help")->trigger();
        QCOMPARE(system.calls.last().opened.toLocalFile(), bin + QStringLiteral("/parhlp.html"));
    }

    void aboutBoxShowsItsContents()
    {
        RecordingPlatform system;
        frmCopyright box(system);

        QCOMPARE(box.windowTitle(), QString("Copyright notice"));
        QCOMPARE(label(&box, "Label3")->text(), QString("Parsella Worksheet (v1.4)"));
        QVERIFY(label(&box, "Label2")->text().contains(QString::fromUtf8(build::copyrightYears)));
        QVERIFY(label(&box, "Label2")->text().startsWith(QString("Copyright")));
        QVERIFY(label(&box, "Label2")->toolTip().contains(QString("GPL-2.0-or-later")));
        QCOMPARE(label(&box, "Label1")->text(), QString::fromUtf8(build::author));
        QCOMPARE(label(&box, "Label4")->text(), QString::fromUtf8(build::feedbackAddress));
        QVERIFY(label(&box, "Label4")->font().bold());

        frmCopyright online(system, nullptr, QStringLiteral("www.example.com"));
        QLabel *link = label(&online, "Label5");
        QCOMPARE(link->text(), QString("http://www.example.com/"));
        QCOMPARE(textColour(link), colour::blue);
        QVERIFY(link->font().underline());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        // The pictures, at their natural sizes, in the kinds the box was designed with.
        QCOMPARE(label(&box, "Image2")->pixmap().size(), QSize(302, 62));
        QCOMPARE(label(&box, "Image1")->pixmap().size(), QSize(111, 143));
        QCOMPARE(QImageReader(":/about/banner.jpg").format(), QByteArray("jpeg"));
        QCOMPARE(QImageReader(":/about/picture.bmp").format(), QByteArray("bmp"));
        const QImage picture(":/about/picture.bmp");
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QVERIFY(picture.colorCount() <= 256);
        QVERIFY(!QImage(":/about/banner.jpg").isGrayscale());

        // "OK" is the one control that takes the keyboard.
        const auto widgets = box.findChildren<QWidget *>();
        for (QWidget *w : widgets)
            QCOMPARE(w->focusPolicy() != Qt::NoFocus, w->objectName() == QLatin1String("cmdOK"));
    }

    // The windows' fonts hold only their own faces; text chosen at build time in a script those
    // faces lack still shows, through glyphs borrowed from other faces.
    void textFromTheBuildMayBorrowGlyphs()
    {
        const QList<std::pair<QString, bool>> texts{{QStringLiteral("Tamrin \u00A9 2026"), false},
                                                    {QStringLiteral("\u5854\u59C6\u6797"), true}};
        for (const auto &[text, borrows] : texts) {
            QLabel line;
            line.setFont(classicFont(12));
            setOutsideText(&line, text);
            QCOMPARE(line.text(), text);
            QCOMPARE(line.font().styleStrategy() != QFont::NoFontMerging, borrows);
        }
    }

    void aboutLinkOpensTheSiteAndOnlyOkCloses()
    {
        RecordingPlatform system(ntFamily, awkwardDirectory());
        frmGram1 window;
        window.setPlatform(system);
        window.setWebHost(QStringLiteral("www.example.com"));

        bool openAfterLink = false;
        bool openAfterEsc = false;
        QString shown;
        auto ran = onNextModal([&](QWidget *box) {
            QCOMPARE(box->objectName(), QString("frmCopyright"));
            QLabel *link = label(box, "Label5");
            shown = link->text();
            QTest::mouseClick(link, Qt::LeftButton);
            QTest::mouseClick(link, Qt::LeftButton);
            openAfterLink = box->isVisible();
            // Pressing on the link and letting go elsewhere is no click.
            QTest::mousePress(link, Qt::LeftButton);
            QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
            button(box, "cmdOK")->click();
        });
        menu(window, "about")->trigger();
        QVERIFY(*ran);
        QVERIFY(openAfterLink);
        QCOMPARE(system.calls.size(), 2);
        QCOMPARE(system.calls[0].opened, QUrl(shown));
        QCOMPARE(system.calls[0].opened, QUrl(QStringLiteral("http://www.example.com/")));

        // Esc closes the box as its title-bar button does.
        ran = onNextModal([&](QWidget *box) {
            pressEscape(box);
            openAfterEsc = box->isVisible();
        });
        menu(window, "about")->trigger();
        QVERIFY(*ran);
        QVERIFY(!openAfterEsc);
    }

    // A learner without a mouse reaches the link with Tab and follows it with Enter or Space,
    // and a screen reader announces a link named by its address; the box stays open.
    void aboutLinkAnswersTheKeyboard()
    {
        RecordingPlatform system(ntFamily, awkwardDirectory());
        frmGram1 window;
        window.setPlatform(system);
        window.setWebHost(QStringLiteral("www.example.com"));

        QString reached; // the name only: the box and its label are gone once it closes
        bool openAfterKeys = false;
        QAccessible::Role role = QAccessible::NoRole;
        QString spoken;
        auto ran = onNextModal([&](QWidget *box) {
            QTRY_COMPARE(QApplication::focusWidget(), button(box, "cmdOK"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            reached = focused->objectName();
            QAccessibleInterface *link = QAccessible::queryAccessibleInterface(focused);
            QVERIFY(link);
            role = link->role();
            spoken = link->text(QAccessible::Name);
            QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Space);
            openAfterKeys = box->isVisible();
            button(box, "cmdOK")->click();
        });
        menu(window, "about")->trigger();
        QVERIFY(*ran);
        QCOMPARE(reached, QString("Label5"));
        QCOMPARE(role, QAccessible::Link);
        QCOMPARE(spoken, QString("http://www.example.com/"));
        QVERIFY(openAfterKeys);
        QCOMPARE(system.calls.size(), 2);
        for (const auto &call : std::as_const(system.calls))
            QCOMPARE(call.opened, QUrl(QStringLiteral("http://www.example.com/")));
    }

    void aboutLinkOnOtherPlatformsStartsTheAddress()
    {
        RecordingPlatform system(1);
        frmCopyright box(system, nullptr, QStringLiteral("www.example.com"));
        QTest::mouseClick(label(&box, "Label5"), Qt::LeftButton);
        QCOMPARE(system.calls.size(), 1);
        QCOMPARE(system.calls[0].program, QString("start"));
        QCOMPARE(system.calls[0].arguments, QStringList{"http://www.example.com/"});
    }

    void menusAnswerTheirAccelerators()
    {
        RecordingPlatform system(ntFamily, awkwardDirectory());
        frmGram1 window;
        window.setPlatform(system);
        window.setWebHost(QStringLiteral("www.example.com"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("help page is neither"));
        QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(system.calls.size(), 2);
        QCOMPARE(system.calls[0].opened, QUrl(grammarPageAddress(QStringLiteral("www.example.com"))));
        QVERIFY(system.calls[1].opened.isLocalFile());

        auto ran = onNextModal([](QWidget *box) { QCOMPARE(box->objectName(), QString("frmCopyright")); });
        QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
        QVERIFY(*ran);
    }

    // The real system starts a program with its arguments one by one: a path with blanks,
    // shell syntax or non-ASCII characters arrives whole and runs nothing else.
    void systemStartsProgramsWithoutAShell()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a POSIX shell script as the program");
#else
        const QString dir = awkwardDirectory(QStringLiteral("viewer"));
        const QString viewer = dir + QStringLiteral("/help viewer");
        const QString record = dir + QStringLiteral("/arguments.txt");
        const QString pwned = dir + QStringLiteral("/pwned");
        {
            QFile script(viewer);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\" && mv \"$0.tmp\" \"${0%/*}/arguments.txt\"\n");
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
        const QStringList arguments{dir + QStringLiteral("/parhlp.hlp"), QStringLiteral("x; touch '%1'").arg(pwned),
                                    QStringLiteral("$(touch '%1')").arg(pwned)};
        SystemPlatform().start(viewer, arguments);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), arguments.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QVERIFY(!QFile::exists(pwned));
#endif
    }

    void systemOpensUnicodePathsAndAddresses()
    {
        UrlCatcher catcher;
        for (const char *scheme : {"file", "http"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher, "open");
        const QString page = awkwardDirectory() + QStringLiteral("/parhlp.html");
        SystemPlatform().open(QUrl::fromLocalFile(page));
        const QString address = grammarPageAddress(QStringLiteral("www.example.com"));
        SystemPlatform().open(QUrl(address));
        for (const char *scheme : {"file", "http"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls[0].toLocalFile(), page);
        QCOMPARE(catcher.urls[1].toString(), address);
    }

    // The learner sees nothing; whoever started the program from a terminal reads why.
    void failuresGoToStandardErrorAndNothingHangs()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not start winhelp"));
        QElapsedTimer clock;
        clock.start();
        SystemPlatform().start(QStringLiteral("winhelp"), {awkwardDirectory() + QStringLiteral("/parhlp.hlp")});
        QVERIFY(clock.elapsed() < 5000);
    }

    // The help pages, English and each language's own, as built beside the program.
    void everyMenuPathTheHelpNamesIsThere_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("page");
        const QDir pages(builtPages());
        QVERIFY(pages.exists(QStringLiteral("parhlp.html")));
        QTest::newRow("en") << QString() << pages.filePath(QStringLiteral("parhlp.html"));
        for (const QString &code : pages.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (pages.exists(code + QStringLiteral("/parhlp.html")))
                QTest::newRow(qPrintable(code)) << code << pages.filePath(code + QStringLiteral("/parhlp.html"));
    }

    // A page names menus in the words of its language; each path it names must be in the
    // menus of the main window or the Worksheet as they are in that language, so the help
    // cannot drift from the program again.
    void everyMenuPathTheHelpNamesIsThere()
    {
        QFETCH(QString, code);
        QFETCH(QString, page);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const NamedPaths named = namedPaths(QString::fromUtf8(file.readAll()));
        QVERIFY2(!named.paths.isEmpty(), "the page names no menu path");
        QVERIFY2(named.oldStyle.isEmpty(), qPrintable(named.oldStyle.join(QLatin1String(" | "))));
        QCOMPARE(named.unbolded, 0); // a path not in bold would go unchecked

        const auto english = qScopeGuard([] { language::apply(QString()); });
        QVERIFY(language::apply(code));
        RecordingPlatform system(ntFamily, awkwardDirectory());
        frmGram1 main;
        main.setPlatform(system);
        main.worksheet_Click();
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet);
        QStringList offered;
        collectPaths(main.menuBar()->actions(), QString(), offered);
        collectPaths(sheet->menuBar()->actions(), QString(), offered);
        sheet->close();

        QStringList missing;
        for (const QString &path : named.paths)
            if (!offered.contains(path))
                missing.append(path);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the menus: %1\noffered: %2")
                                                   .arg(missing.join(QLatin1String(" | ")), offered.join(QLatin1String(" | ")))));
    }

    // With no browser, Help shows the program's own pages in its own window, whose links are
    // followed there; a web address that cannot be opened is given to the learner to copy.
    void withoutABrowserHelpStillAnswers()
    {
        // The pages as built beside the program.
        RecordingPlatform system(ntFamily, builtPages());
        system.opens = false;
        frmGram1 main;
        main.setPlatform(system);
        main.setWebHost(QString());
        main.show();
        menu(main, "help")->trigger();
        QCOMPARE(system.calls.size(), 1); // the desktop was asked first
        HelpWindow *reader = main.helpWindow();
        QVERIFY(reader && reader->isVisible());
        QCOMPARE(reader->windowTitle(), QString("Parsella help"));
        // The captions and messages the page cites stand in quotation marks, as in a browser.
        QVERIFY(reader->browser()->toPlainText().contains(QStringLiteral("list \u201CFinished sentences\u201D")));

        // The link to the grammar notes, reached by Tab and followed by Enter as in a browser.
        QTextBrowser *page = reader->browser();
        page->setFocus();
        for (int i = 0; i < 60 && page->textCursor().charFormat().anchorHref() != QLatin1String("grammar.html"); ++i)
            QTest::keyClick(page, Qt::Key_Tab);
        QCOMPARE(page->textCursor().charFormat().anchorHref(), QString("grammar.html"));
        QTest::keyClick(page, Qt::Key_Return);
        QCOMPARE(reader->windowTitle(), QString("Parsella grammar notes"));
        QCOMPARE(system.calls.size(), 1); // a page of the program's own never leaves it

        main.setWebHost(QStringLiteral("grammar.example"));
        QString told;
        Qt::TextInteractionFlags selectable;
        auto ran = onNextModal([&](QWidget *box) {
            told = static_cast<QMessageBox *>(box)->text();
            selectable = static_cast<QMessageBox *>(box)->textInteractionFlags();
        });
        menu(main, "Grammar")->trigger();
        QVERIFY(*ran);
        QVERIFY2(told.contains("http://grammar.example/grammar/parsel1.html"), qPrintable(told));
        QVERIFY(selectable & Qt::TextSelectableByMouse);
        main.close();
        reader->close();
    }

    // A page in a script the program's own face lacks is drawn from a face that has it: no
    // glyph of the Chinese page is the empty box a missing one becomes.
    void aPageInChineseDrawsNoBoxes()
    {
        const auto english = qScopeGuard([] { language::apply(QString()); });
        QVERIFY(language::apply(QStringLiteral("zh_CN")));
        RecordingPlatform system(ntFamily, builtPages());
        system.opens = false;
        frmGram1 main;
        main.setPlatform(system);
        main.show();
        menu(main, "help")->trigger();
        HelpWindow *reader = main.helpWindow();
        QVERIFY(reader && reader->isVisible());
        QTextDocument *page = reader->browser()->document();
        QVERIFY(page->toPlainText().contains(QStringLiteral("\u5E2E\u52A9"))); // the Chinese page
        // The page's own first line, laid out in the face the browser draws it with.
        const QString heading = page->begin().text();
        QTextLayout line(heading, reader->browser()->font());
        line.beginLayout();
        line.createLine();
        line.endLayout();
        qsizetype drawn = 0;
        for (const QGlyphRun &run : line.glyphRuns()) {
            QVERIFY2(!run.glyphIndexes().contains(0u), qPrintable(heading));
            drawn += run.glyphIndexes().size();
        }
        QCOMPARE(drawn, heading.size());
        reader->close();
        main.close();
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Help)
#include "tst_help.moc"
