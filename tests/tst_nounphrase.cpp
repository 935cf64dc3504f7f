#include "pickers/frmNP.h"
#include "sentences/frmDec.h"
#include "GuiTest.h"
#include "Driver.h"
#include "NounPhrases.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using namespace parsella;
using namespace drive;

namespace {

// Groups that can always start a phrase afresh.
const char *const starters[] = {"optArt", "optPPN", "optPPA", "optPN"};

// English as this test knows it, independently of the window: which of its words begin
// with a vowel sound and which with a consonant sound, which nouns are plural, which words
// can open a noun phrase.
const QSet<QString> vowelSound{"engineer's", "extremely", "interesting", "image", "images"};
const QSet<QString> consonantSound{"lady's", "very", "small", "pretty", "strong",
                                   "dog", "dogs", "hand", "hands", "tool", "tools"};
const QSet<QString> pluralNouns{"dogs", "images", "hands", "tools"};
const QSet<QString> determiners{"a", "an", "the", "King John's", "Mary's",
                                "my", "your", "his", "her", "its", "our", "their"};
const QSet<QString> adverbs{"very", "extremely"};
const QSet<QString> adjectives{"small", "interesting", "pretty", "strong"};
const QSet<QString> commonPossessives{"lady's", "engineer's"};

// Clicks a word as a learner does: the click also takes the keyboard focus to the button.
void clickWord(QWidget *window, const QString &caption)
{
    QAbstractButton *b = optionShowing(window, caption);
    QVERIFY2(b, qPrintable(caption));
    QVERIFY2(b->isEnabled(), qPrintable(caption + " cannot be clicked"));
    b->setFocus();
    b->click();
}

// The captions of the words of `groups` that pass `which`, in phrase order.
QStringList wordsOf(const QWidget *w, std::initializer_list<const char *> groups, bool (*which)(const QAbstractButton *))
{
    QStringList out;
    for (const char *g : groups)
        out << captions(w, g, which);
    return out;
}

QStringList offered(const QWidget *w)
{
    return wordsOf(w, {"optCPN", "optAdv", "optAdj", "optNoun"}, [](const QAbstractButton *b) { return b->isEnabled(); });
}

QStringList selected(const QWidget *w)
{
    return wordsOf(w, {"optArt", "optCPN", "optPPN", "optPPA", "optAdv", "optAdj", "optNoun", "optPN"},
                   [](const QAbstractButton *b) { return b->isChecked(); });
}

QStringList listOf(const QString &words)
{
    return words.split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

// What a message box said.
struct Message {
    QString title, text;
    bool okOnly = false;
};

// Answers every message box with OK wherever it appears, modal loops of the windows
// included, and keeps what it said: a box nobody expected then fails the test instead of
// blocking it.
class MessageBoxes
{
public:
    MessageBoxes()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.append({box->windowTitle(), box->text(), box->standardButtons() == QMessageBox::Ok
                                                               && box->buttons().size() == 1});
            box->button(QMessageBox::Ok)->click();
        });
        timer.start();
    }
    QList<Message> take() { return std::exchange(seen, {}); }

private:
    QTimer timer;
    QList<Message> seen;
};

// One click of a learner and everything the window shows afterwards.
struct Step {
    QString click;
    QString phrase;
    qint16 xnumb; // the label is black exactly when this is above 0
    qint16 xpers;
    QString offered;  // enabled words besides the determiners and "John", which stay enabled
    QString selected;
};
using Steps = QList<Step>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class tst_NounPhrase : public testsupport::GuiTest
{
    Q_OBJECT

    void afterEachTest() override { QVERIFY2(boxes->take().isEmpty(), "a message box was shown"); }

private slots:
    void initTestCase() { boxes = std::make_unique<MessageBoxes>(); }

    void looksLikeItsDesign()
    {
        SentenceState st;
        frmNP w(st, nullptr);
        QCOMPARE(w.windowTitle(), QString("Noun Phrase Generation"));

        // The adverbs are a group of their own inside the adjectives; the article and the
        // common possessive nouns share an untitled frame inside "Noun Phrase".
        auto parentName = [&](const char *name) {
            auto *c = find(&w, QLatin1String(name));
            return c && c->parentWidget() ? c->parentWidget()->objectName() : QStringLiteral("none");
        };
        QCOMPARE(parentName("fraAdv"), QString("fraAdj"));
        QCOMPARE(parentName("Frame3"), QString("Frame2"));
        QCOMPARE(parentName("Frame4"), QString("Frame2"));
        QCOMPARE(parentName("Frame2"), QString("Frame1"));
        QCOMPARE(parentName("optAdv(1)"), QString("fraAdv"));
        QCOMPARE(parentName("optAdj(0)"), QString("fraAdj"));
        QCOMPARE(find<QGroupBox>(&w, "Frame2")->title(), QString());

        // The adjective and noun frames lie over "Noun Phrase" and are seen in front of it.
        for (const char *front : {"fraAdj", "fraNoun"}) {
            QWidget *frame = find(&w, QLatin1String(front));
            QCOMPARE(frame->parentWidget(), static_cast<QWidget *>(&w));
            QVERIFY(find(&w, "Frame1")->geometry().contains(frame->geometry()));
            QWidget *seen = w.childAt(frame->geometry().center());
            QVERIFY2(seen == frame || frame->isAncestorOf(seen), front);
        }

        // Every caption is whole: words beside their indicators, frame titles within their frames.
        const auto options = w.findChildren<QRadioButton *>();
        QCOMPARE(options.size(), 29);
        for (QRadioButton *o : options) {
            QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
            QVERIFY2(o->fontMetrics().height() <= o->height(), qPrintable(o->text()));
            QVERIFY2(!o->font().bold(), qPrintable(o->text()));
            QVERIFY(o->parentWidget()->rect().contains(o->geometry()));
        }
        // The colours as drawn: light yellow inside every frame and on the window.
        const QImage drawn = w.grab().toImage();
        const auto pixel = [&](const QWidget *on, QPoint at) {
            return drawn.pixelColor(on->mapTo(&w, at) * drawn.devicePixelRatio());
        };
        const auto frames = w.findChildren<QGroupBox *>();
        QCOMPARE(frames.size(), 10);
        for (QGroupBox *f : frames) {
            QVERIFY2(f->font().bold(), qPrintable(f->title()));
            QVERIFY2(f->fontMetrics().horizontalAdvance(f->title()) + 16 <= f->width(), qPrintable(f->title()));
            QCOMPARE(pixel(f, QPoint(f->width() - 5, f->height() - 5)), bgr(colour::lightYellow));
        }
        QCOMPARE(pixel(&w, QPoint(2, w.height() - 2)), bgr(colour::lightYellow));

        QLabel *lbl = label(&w, "lblNP");
        QCOMPARE(lbl->accessibleName(), QString("Noun phrase"));
        QCOMPARE(pixel(lbl, QPoint(2, 2)), bgr(colour::white));
        QVERIFY(lbl->alignment() & Qt::AlignHCenter);
        QVERIFY(lbl->font().pixelSize() > options.first()->font().pixelSize());
        QCOMPARE(button(&w, "cmdExit")->text(), QString("Return"));
    }

    void opensEmpty()
    {
        SentenceState st;
        st.xnumb = 2; // left by an earlier subject
        st.xpers = 1;
        frmNP w(st, nullptr);
        QCOMPARE(st.xnumb, qint16(0));
        QCOMPARE(st.xpers, qint16(0));
        QCOMPARE(label(&w, "lblNP")->text(), QString());
        QVERIFY(isRed(label(&w, "lblNP")));
        QCOMPARE(offered(&w), QStringList());
        QCOMPARE(selected(&w), QStringList());
        for (const char *g : starters)
            QCOMPARE(enabledIds(&w, g).size(), w.findChild<QButtonGroup *>(g)->buttons().size());
    }

    void eachClick_data()
    {
        QTest::addColumn<Steps>("steps");
        const QString allAfterPossessive = "very, extremely, small, interesting, pretty, strong, "
                                         "dog, dogs, image, images, hand, hands, tool, tools";
        const QString allAfterThe = "lady's, engineer's, very, extremely, small, interesting, pretty, strong, "
                                  "dog, dogs, image, images, hand, hands, tool, tools";
        const QString adjectivesAfterThe = "lady's, engineer's, very, extremely, small, interesting, pretty, strong";

        QTest::newRow("John alone") << Steps{
            {"John", "John", 1, 3, "", "John"}};
        QTest::newRow("a admits consonant sounds, singular nouns") << Steps{
            {"a", "a", 0, 0, "lady's, very, small, pretty, strong, dog, hand, tool", "a"},
            {"small", "a small", 0, 0, "lady's, very, small, pretty, strong, dog, image, hand, tool", "a, small"},
            {"image", "a small image", 1, 3, "lady's, very, small, pretty, strong, dog, image, hand, tool", "a, small, image"}};
        QTest::newRow("an admits vowel sounds") << Steps{
            {"an", "an", 0, 0, "engineer's, extremely, interesting, image", "an"},
            {"image", "an image", 1, 3, "engineer's, extremely, interesting, image", "an, image"}};
        QTest::newRow("an extremely small tool") << Steps{
            {"an", "an", 0, 0, "engineer's, extremely, interesting, image", "an"},
            {"extremely", "an extremely", 0, 0, "engineer's, extremely, small, interesting, pretty, strong", "an, extremely"},
            {"small", "an extremely small", 0, 0,
             "engineer's, extremely, small, interesting, pretty, strong, dog, image, hand, tool", "an, extremely, small"},
            {"tool", "an extremely small tool", 1, 3,
             "engineer's, extremely, small, interesting, pretty, strong, dog, image, hand, tool", "an, extremely, small, tool"}};
        QTest::newRow("a very interesting dog") << Steps{
            {"a", "a", 0, 0, "lady's, very, small, pretty, strong, dog, hand, tool", "a"},
            {"very", "a very", 0, 0, "lady's, very, small, interesting, pretty, strong", "a, very"},
            {"interesting", "a very interesting", 0, 0,
             "lady's, very, small, interesting, pretty, strong, dog, image, hand, tool", "a, very, interesting"},
            {"dog", "a very interesting dog", 1, 3,
             "lady's, very, small, interesting, pretty, strong, dog, image, hand, tool", "a, very, interesting, dog"}};
        QTest::newRow("a lady's pretty hands: the possessive admits plurals") << Steps{
            {"a", "a", 0, 0, "lady's, very, small, pretty, strong, dog, hand, tool", "a"},
            {"lady's", "a lady's", 0, 0, "lady's, " + allAfterPossessive, "a, lady's"},
            {"pretty", "a lady's pretty", 0, 0, "lady's, " + allAfterPossessive, "a, lady's, pretty"},
            {"hands", "a lady's pretty hands", 2, 3, "lady's, " + allAfterPossessive, "a, lady's, pretty, hands"}};
        QTest::newRow("an engineer's extremely interesting images") << Steps{
            {"an", "an", 0, 0, "engineer's, extremely, interesting, image", "an"},
            {"engineer's", "an engineer's", 0, 0, "engineer's, " + allAfterPossessive, "an, engineer's"},
            {"extremely", "an engineer's extremely", 0, 0,
             "engineer's, very, extremely, small, interesting, pretty, strong", "an, engineer's, extremely"},
            {"interesting", "an engineer's extremely interesting", 0, 0, "engineer's, " + allAfterPossessive,
             "an, engineer's, extremely, interesting"},
            {"images", "an engineer's extremely interesting images", 2, 3, "engineer's, " + allAfterPossessive,
             "an, engineer's, extremely, interesting, images"}};
        QTest::newRow("the very has no noun yet") << Steps{
            {"the", "the", 0, 0, allAfterThe, "the"},
            {"very", "the very", 0, 0, adjectivesAfterThe, "the, very"}};
        QTest::newRow("my dogs") << Steps{
            {"my", "my", 0, 0, allAfterPossessive, "my"},
            {"dogs", "my dogs", 2, 3, allAfterPossessive, "my, dogs"}};
        QTest::newRow("King John's strong tool") << Steps{
            {"King John's", "King John's", 0, 0, allAfterPossessive, "King John's"},
            {"strong", "King John's strong", 0, 0, allAfterPossessive, "King John's, strong"},
            {"tool", "King John's strong tool", 1, 3, allAfterPossessive, "King John's, strong, tool"}};
        QTest::newRow("an adverb after the noun reopens the phrase") << Steps{
            {"the", "the", 0, 0, allAfterThe, "the"},
            {"dog", "the dog", 1, 3, allAfterThe, "the, dog"},
            {"very", "the very", 0, 3, adjectivesAfterThe, "the, very"}};
        QTest::newRow("another determiner replaces the article") << Steps{
            {"the", "the", 0, 0, allAfterThe, "the"},
            {"dog", "the dog", 1, 3, allAfterThe, "the, dog"},
            {"their", "their", 0, 3, allAfterPossessive, "their"},
            {"Mary's", "Mary's", 0, 3, allAfterPossessive, "Mary's"},
            {"an", "an", 0, 3, "engineer's, extremely, interesting, image", "an"}};
        QTest::newRow("a possessive noun replaces the article") << Steps{
            {"the", "the", 0, 0, allAfterThe, "the"},
            {"King John's", "King John's", 0, 0, allAfterPossessive, "King John's"}};
        QTest::newRow("another noun keeps the phrase complete") << Steps{
            {"the", "the", 0, 0, allAfterThe, "the"},
            {"dog", "the dog", 1, 3, allAfterThe, "the, dog"},
            {"dogs", "the dogs", 2, 3, allAfterThe, "the, dogs"}};
        QTest::newRow("an article after John") << Steps{
            {"John", "John", 1, 3, "", "John"},
            {"a", "a", 0, 3, "lady's, very, small, pretty, strong, dog, hand, tool", "a"}};
        QTest::newRow("John after a phrase") << Steps{
            {"the", "the", 0, 0, allAfterThe, "the"},
            {"lady's", "the lady's", 0, 0, allAfterThe, "the, lady's"},
            {"small", "the lady's small", 0, 0, allAfterThe, "the, lady's, small"},
            {"John", "John", 1, 3, "", "John"}};
        QTest::newRow("an adjective after a still bars plurals") << Steps{
            {"a", "a", 0, 0, "lady's, very, small, pretty, strong, dog, hand, tool", "a"},
            {"strong", "a strong", 0, 0, "lady's, very, small, pretty, strong, dog, image, hand, tool", "a, strong"},
            {"very", "a very", 0, 0, "lady's, very, small, interesting, pretty, strong", "a, very"}};
    }

    void eachClick()
    {
        QFETCH(Steps, steps);
        SentenceState st;
        const bool ran = openModal<frmNP>(st, [&](frmNP &w) {
            QLabel *lbl = label(&w, "lblNP");
            for (const Step &s : steps) {
                clickWord(&w, s.click);
                if (QTest::currentTestFailed())
                    return;
                const QByteArray after = " after clicking " + s.click.toUtf8();
                QVERIFY2(lbl->text() == s.phrase, lbl->text().toUtf8() + after);
                QVERIFY2(s.xnumb > 0 ? isBlack(lbl) : isRed(lbl), lbl->text().toUtf8() + after);
                QCOMPARE(lbl->accessibleDescription(), s.xnumb > 0 ? QString("complete") : QString("incomplete"));
                QCOMPARE(st.xnumb, s.xnumb);
                QCOMPARE(st.xpers, s.xpers);
                QCOMPARE(offered(&w), listOf(s.offered));
                QCOMPARE(selected(&w), listOf(s.selected));
                for (const char *g : starters)
                    QCOMPARE(enabledIds(&w, g).size(), w.findChild<QButtonGroup *>(g)->buttons().size());
                QCOMPARE(w.focusWidget(), button(&w, "cmdExit"));
            }
        });
        QVERIFY(ran);
    }

    // Every sequence of clicks in phrase order, from opening to a noun or the proper noun.
    void everyCompletePhraseIsGrammatical()
    {
        SentenceState st;
        QSet<QString> phrases;
        int complete = 0;
        int states = 0;
        nounphrases::walk(st, [&](const nounphrases::Path &path, QWidget &window) {
            QWidget *w = &window;
            QStringList clicked;
            for (const nounphrases::Click &c : path)
                clicked << option(w, c.group, c.index)->text();
            ++states;
            QLabel *lbl = label(w, "lblNP");
            const QString phrase = lbl->text();
            const QString where = phrase + QStringLiteral(" <- ") + clicked.join(QLatin1Char('|'));

            QVERIFY2(st.xnumb > 0 ? isBlack(lbl) : isRed(lbl), qPrintable(where));
            for (const char *g : starters)
                QVERIFY2(enabledIds(w, g).size() == w->findChild<QButtonGroup *>(g)->buttons().size(), qPrintable(where));
            QVERIFY2(lbl->fontMetrics().horizontalAdvance(phrase) <= lbl->contentsRect().width(), qPrintable(where));
            QVERIFY2(!phrase.startsWith(' ') && !phrase.endsWith(' ') && !phrase.contains("  "), qPrintable(where));
            QVERIFY2(phrase == clicked.join(QLatin1Char(' ')), qPrintable(where));
            if (st.xnumb <= 0)
                return;

            ++complete;
            phrases.insert(phrase);
            QCOMPARE(st.xpers, qint16(3));
            QVERIFY2(st.xnumb == (pluralNouns.contains(clicked.last()) ? 2 : 1), qPrintable(where));
            if (clicked == QStringList{"John"})
                return;
            QVERIFY2(determiners.contains(clicked.first()), qPrintable(where));
            for (qsizetype i = 0; i < clicked.size(); ++i) {
                const QString &w1 = clicked[i];
                if (commonPossessives.contains(w1))
                    QVERIFY2(i == 1 && (clicked[0] == "a" || clicked[0] == "an" || clicked[0] == "the"), qPrintable(where));
                if (adverbs.contains(w1))
                    QVERIFY2(i + 1 < clicked.size() && adjectives.contains(clicked[i + 1]), qPrintable(where));
            }
            // "a" and "an" agree with the sound of the very next word.
            const QStringList words = phrase.split(QLatin1Char(' '));
            for (qsizetype i = 0; i + 1 < words.size(); ++i) {
                if (words[i] == "a")
                    QVERIFY2(consonantSound.contains(words[i + 1]), qPrintable(where));
                if (words[i] == "an")
                    QVERIFY2(vowelSound.contains(words[i + 1]), qPrintable(where));
            }
            // An indefinite article counts one thing, unless a possessive takes over.
            if (words.first() == "a" || words.first() == "an") {
                const bool owned = commonPossessives.contains(words[1]);
                QVERIFY2(owned || !pluralNouns.contains(words.last()), qPrintable(where));
            }
        });
        if (QTest::currentTestFailed())
            return;

        // What English allows with these words: 14 determiners that admit everything after
        // them ("the", "the lady's", "the engineer's", "a lady's", "an engineer's", two proper
        // possessives, seven personal possessives), each with 13 modifiers (none, 4 adjectives,
        // 2 x 4 adverb and adjective) and 8 nouns: 1456. "a": "very" and any adjective, or one
        // of 3 adjectives, or none, before 4 singular nouns, less the bare "image": 16 + 12 + 3
        // = 31. "an": "extremely" and any adjective, or "interesting", before 4 singular nouns,
        // or "image" alone: 16 + 4 + 1 = 21. And "John".
        QCOMPARE(complete, 1456 + 31 + 21 + 1);
        QCOMPARE(phrases.size(), complete);
        for (const char *example : {"the dog", "an extremely small tool", "a lady's pretty hands",
                                    "King John's strong tool", "my dogs", "John",
                                    "an engineer's extremely interesting images",
                                    "the engineer's extremely interesting images"})
            QVERIFY2(phrases.contains(QString::fromUtf8(example)), example);
        qInfo("walked %d states, %d complete phrases", states, complete);
    }

    void closing_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("xsubj");
        QTest::addColumn<qint16>("xnumb");
        QTest::addColumn<qint16>("xpers");

        QTest::newRow("Return at once") << QStringList{} << QString("Return") << true << QString("") << qint16(0) << qint16(0);
        QTest::newRow("Return without a noun") << QStringList{"the", "very"} << QString("Return") << true << QString("") << qint16(0) << qint16(0);
        QTest::newRow("Return after the noun was undone")
            << QStringList{"the", "dog", "very"} << QString("Return") << true << QString("") << qint16(0) << qint16(3);
        QTest::newRow("Return with John") << QStringList{"John"} << QString("Return") << false << QString("John") << qint16(1) << qint16(3);
        QTest::newRow("Return with a plural") << QStringList{"a", "lady's", "pretty", "hands"} << QString("Return") << false
                                              << QString("a lady's pretty hands") << qint16(2) << qint16(3);
        QTest::newRow("title bar with a noun") << QStringList{"the", "dogs"} << QString("title bar") << false << QString("the dogs")
                                               << qint16(2) << qint16(3);
        QTest::newRow("Esc with a noun") << QStringList{"an", "image"} << QString("Esc") << false << QString("an image") << qint16(1)
                                         << qint16(3);
        QTest::newRow("title bar without a noun") << QStringList{"my"} << QString("title bar") << false << QString("") << qint16(0) << qint16(0);
        QTest::newRow("Esc at once") << QStringList{} << QString("Esc") << false << QString("") << qint16(0) << qint16(0);
    }

    // The subject text always matches the subject number, however the window is closed;
    // only "Return" complains about a missing noun.
    void closing()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, how);
        QFETCH(bool, warned);
        QFETCH(QString, xsubj);
        QFETCH(qint16, xnumb);
        QFETCH(qint16, xpers);

        SentenceState st;
        st.xsubj = QStringLiteral("she"); // left by an earlier sentence
        st.xnumb = 1;
        st.xpers = 3;
        bool closed = false;
        const bool ran = openModal<frmNP>(st, [&](frmNP &w) {
            for (const QString &c : clicks)
                clickWord(&w, c);
            if (how == "Return")
                button(&w, "cmdExit")->click();
            else if (how == "Esc")
                pressEscape(&w);
            else
                closeByTitleBar(&w);
            closed = !w.isVisible();
        });
        QVERIFY(ran);
        QVERIFY(closed);
        const QList<Message> shown = boxes->take();
        QCOMPARE(shown.size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(shown[0].text, QString("Error - A noun was not selected"));
            QCOMPARE(shown[0].title, QString("Parsella"));
            QVERIFY(shown[0].okOnly);
        }
        QCOMPARE(st.xsubj, xsubj);
        QCOMPARE(st.xnumb, xnumb);
        QCOMPARE(st.xpers, xpers);
    }

    void statements_data()
    {
        QTest::addColumn<QStringList>("subject");
        QTest::addColumn<int>("verb");
        QTest::addColumn<int>("tense");
        QTest::addColumn<QString>("complementGroup");
        QTest::addColumn<int>("complement");
        QTest::addColumn<QString>("sentence");

        // verbs: 0 be, 4 wash, 5 change, 6 study, 7 go; tenses: 0 present, 1 past, 2 future
        QTest::newRow("plural noun, past of be") << QStringList{"the", "dogs"} << 0 << 1 << QString("optAdv") << 0
                                                 << QString("the dogs were here.");
        QTest::newRow("proper noun") << QStringList{"John"} << 6 << 0 << QString("optNP") << 0 << QString("John studies her pet.");
        QTest::newRow("singular noun, present of be") << QStringList{"King John's", "strong", "tool"} << 0 << 0
                                                      << QString("optAdj") << 0 << QString("King John's strong tool is ready.");
        QTest::newRow("plural after a possessive") << QStringList{"a", "lady's", "pretty", "hands"} << 4 << 0
                                                   << QString("optNP") << 2 << QString("a lady's pretty hands wash our clothes.");
        QTest::newRow("longest with an")
            << QStringList{"an", "engineer's", "extremely", "interesting", "images"} << 5 << 2 << QString("optNP") << 1
            << QString("an engineer's extremely interesting images will change the delicious cookies.");
        QTest::newRow("longest of all")
            << QStringList{"the", "engineer's", "extremely", "interesting", "images"} << 5 << 2 << QString("optNP") << 1
            << QString("the engineer's extremely interesting images will change the delicious cookies.");
        QTest::newRow("no complement") << QStringList{"my", "dog"} << 7 << 0 << QString("") << 0 << QString("my dog goes.");
    }

    // A generated subject goes on through the statement exactly as a pronoun does.
    void statements()
    {
        QFETCH(QStringList, subject);
        QFETCH(int, verb);
        QFETCH(int, tense);
        QFETCH(QString, complementGroup);
        QFETCH(int, complement);
        QFETCH(QString, sentence);

        SentenceState st;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            QLabel *lbl = label(&w, "lblDecl");
            button(&w, "cmdSubj")->click();
            QVERIFY(clickInto(button(&w, "cmdNP"), [&](QWidget *p) {
                for (const QString &c : subject)
                    clickWord(p, c);
                button(p, "cmdExit")->click();
            }));
            QCOMPARE(lbl->text(), subject.join(' '));
            QVERIFY(isRed(lbl));
            QCOMPARE(look(button(&w, "cmdNP")), QString("hidden"));
            QCOMPARE(look(button(&w, "cmdNPP")), QString("hidden"));
            button(&w, "cmdPred")->click();
            QVERIFY(clickInto(button(&w, "cmdVP"), [&](QWidget *p) {
                QVERIFY(clickOption(p, "optTense", tense));
                QVERIFY(clickOption(p, "optVerb", verb));
                button(p, "cmdExit")->click();
            }));
            if (!complementGroup.isEmpty()) {
                QVERIFY(clickInto(button(&w, "cmdComp"), [&](QWidget *p) {
                    QVERIFY(clickOption(p, qPrintable(complementGroup), complement));
                    button(p, "cmdExit")->click();
                }));
            }
            QCOMPARE(lbl->text(), sentence);
            QVERIFY(isBlack(lbl));
            QVERIFY2(lbl->fontMetrics().horizontalAdvance(sentence) <= lbl->contentsRect().width(), qPrintable(sentence));
        });
        QVERIFY(ran);
    }

    // A generator closed without a noun leaves the statement choosing its subject; one
    // closed with Esc after a noun still hands its phrase over.
    void subjectStepInStatement()
    {
        SentenceState st;
        st.xsubj = QStringLiteral("she");
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            QLabel *lbl = label(&w, "lblDecl");
            button(&w, "cmdSubj")->click();
            QVERIFY(clickInto(button(&w, "cmdNP"), [&](QWidget *p) {
                clickWord(p, "the");
                button(p, "cmdExit")->click();
            }));
            QCOMPARE(boxes->take().size(), 1);
            QCOMPARE(lbl->text(), QString());
            QCOMPARE(look(button(&w, "cmdNP")), QString("enabled"));
            QCOMPARE(look(button(&w, "cmdNPP")), QString("enabled"));
            QCOMPARE(look(button(&w, "cmdPred")), QString("disabled"));

            QVERIFY(clickInto(button(&w, "cmdNP"), [&](QWidget *p) {
                clickWord(p, "Mary's");
                clickWord(p, "dogs");
                pressEscape(p);
            }));
            QCOMPARE(lbl->text(), QString("Mary's dogs"));
            QVERIFY(isRed(lbl));
            QCOMPARE(look(button(&w, "cmdPred")), QString("enabled"));
            QCOMPARE(look(button(&w, "cmdNP")), QString("hidden"));
        });
        QVERIFY(ran);
        QCOMPARE(st.xnumb, qint16(2));
        QCOMPARE(st.xpers, qint16(3));
    }

private:
    std::unique_ptr<MessageBoxes> boxes;
};

PARSELLA_GUI_TEST_MAIN(tst_NounPhrase)
#include "tst_nounphrase.moc"
