// From a click in a picker to the label (or, without a label, the state) that shows the
// result, and to the worksheet's tree. Each case opens its picker over the main window and
// clicks its buttons in turn, so that every click changes what is shown. Two times per click:
//   label:  button->click() and an immediate repaint of the label (the click itself is
//           synchronous: the handler has set the text when click() returns), or of the
//           worksheet's tree, laid out anew from the record the click wrote;
//   window: button->click() and the event loop run until the window's repaint pass,
//           which also redraws the options and headings the click changed (for the
//           worksheet: until the worksheet window's repaint pass).
//   parsella_click_bench [RUNS]      (clicks per case, default 2000)
#include "app/frmGram1.h"
#include "app/TreeView.h"
#include "app/Worksheet.h"
#include "core/Application.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "Stats.h"
#include "UiBench.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace parsella;

namespace {

constexpr double goalUs = 1000.0;

std::vector<QAbstractButton *> options(QWidget *window, std::initializer_list<const char *> groups)
{
    std::vector<QAbstractButton *> buttons;
    for (const char *name : groups) {
        auto *group = window->findChild<QButtonGroup *>(QLatin1String(name));
        for (int id = 0; group && group->button(id); ++id)
            buttons.push_back(group->button(id));
    }
    return buttons;
}

struct ClickCase {
    const char *picker;
    const char *what;
    // The shared state the picker is opened with, and the window itself.
    std::function<std::unique_ptr<QWidget>(SentenceState &, QWidget *owner)> open;
    // Clicks made once before timing, and the buttons clicked in turn while timing.
    std::function<void(QWidget *)> setUp;
    std::function<std::vector<QAbstractButton *>(QWidget *)> buttons;
    const char *label; // shows the result; nullptr if only the state does
    // Whether what the learner sees (or the state) followed the click.
    std::function<bool(const SentenceState &, QWidget *, QAbstractButton *, const QString &before)> check;
    bool worksheet = false; // times the worksheet's tree, which watches the record, instead of the label
};

QString labelText(QWidget *window, const char *name)
{
    auto *label = name ? window->findChild<QLabel *>(QLatin1String(name)) : nullptr;
    return label ? label->text() : QString();
}

const std::vector<ClickCase> cases{
    {"frmNPP", "pronoun -> lblNPP",
     [](SentenceState &st, QWidget *owner) {
         st.xsentyp = grammar::sentenceTypeCode(grammar::SentenceType::Statement);
         return std::make_unique<frmNPP>(st, owner);
     },
     nullptr, [](QWidget *w) { return options(w, {"optNPP"}); }, "lblNPP",
     [](const SentenceState &st, QWidget *w, QAbstractButton *b, const QString &) {
         return labelText(w, "lblNPP") == b->text() && st.xnumb > 0;
     }},
    {"frmVerb", "verb -> lblVerb",
     [](SentenceState &st, QWidget *owner) {
         st.xsentyp = grammar::sentenceTypeCode(grammar::SentenceType::Statement);
         st.xpers = 3; // "she": every verb shows a form of its own
         st.xnumb = 1;
         return std::make_unique<frmVerb>(st, owner);
     },
     nullptr, [](QWidget *w) { return options(w, {"optVerb"}); }, "lblVerb",
     [](const SentenceState &st, QWidget *w, QAbstractButton *b, const QString &before) {
         const QString now = labelText(w, "lblVerb");
         return !now.isEmpty() && now != before && st.xv == b->text();
     }},
    {"frmVerb", "tense -> lblVerb",
     [](SentenceState &st, QWidget *owner) {
         st.xsentyp = grammar::sentenceTypeCode(grammar::SentenceType::Statement);
         st.xpers = 3;
         st.xnumb = 1;
         return std::make_unique<frmVerb>(st, owner);
     },
     [](QWidget *w) {
         options(w, {"optVerb"}).at(2)->click();  // "bake"
         options(w, {"optTense"}).at(2)->click(); // "will bake", so that "Present" changes it
     },
     [](QWidget *w) { return options(w, {"optTense"}); }, "lblVerb",
     [](const SentenceState &, QWidget *w, QAbstractButton *, const QString &before) {
         const QString now = labelText(w, "lblVerb");
         return !now.isEmpty() && now != before;
     }},
    {"frmNP", "noun -> lblNP",
     [](SentenceState &st, QWidget *owner) { return std::make_unique<frmNP>(st, owner); },
     [](QWidget *w) { options(w, {"optArt"}).at(2)->click(); }, // "the": every noun admitted
     [](QWidget *w) { return options(w, {"optNoun"}); }, "lblNP",
     [](const SentenceState &st, QWidget *w, QAbstractButton *b, const QString &) {
         return labelText(w, "lblNP") == "the " + b->text() && st.xnumb > 0;
     }},
    {"frmNP", "noun -> worksheet",
     [](SentenceState &st, QWidget *owner) {
         st.record.begin(grammar::SentenceType::Statement); // as the statement window does
         return std::make_unique<frmNP>(st, owner);
     },
     [](QWidget *w) { options(w, {"optArt"}).at(2)->click(); },
     [](QWidget *w) { return options(w, {"optNoun"}); }, "lblNP",
     [](const SentenceState &st, QWidget *w, QAbstractButton *, const QString &) {
         const auto shown = st.record.shown();
         return shown && shown->subject && shown->subject->saidWords().join(' ') == labelText(w, "lblNP");
     },
     true},
    {"frmNP", "determiner -> lblNP",
     [](SentenceState &st, QWidget *owner) { return std::make_unique<frmNP>(st, owner); },
     nullptr, [](QWidget *w) { return options(w, {"optPPN", "optPPA", "optArt"}); }, "lblNP",
     [](const SentenceState &st, QWidget *w, QAbstractButton *b, const QString &) {
         return labelText(w, "lblNP") == b->text() && st.xnumb == 0;
     }},
    {"frmComp", "complement -> state",
     [](SentenceState &st, QWidget *owner) {
         // Every kind of complement admitted at once, which no verb does, so that all five groups are offered.
         st.xv = QStringLiteral("be");
         st.verbTakes = {true, true, true, true};
         return std::make_unique<frmComp>(st, owner);
     },
     nullptr, [](QWidget *w) { return options(w, {"optPP", "optAdv", "optNP", "optPresP", "optAdj"}); },
     nullptr,
     [](const SentenceState &st, QWidget *w, QAbstractButton *b, const QString &) {
         const auto all = options(w, {"optPP", "optAdv", "optNP", "optPresP", "optAdj"});
         const auto checked = std::count_if(all.begin(), all.end(), [](QAbstractButton *o) { return o->isChecked(); });
         return st.xcomp1 == b->text() && b->isChecked() && checked == 1;
     }},
};

struct Result {
    bench::Summary label, window;
    bool ok = true;
};

Result run(const ClickCase &c, QWidget *host, int runs)
{
    Result result;
    SentenceState st;
    std::unique_ptr<QWidget> window = c.open(st, host);
    if (!bench::showAndWaitPainted(window.get())) {
        result.ok = false;
        return result;
    }
    if (c.setUp)
        c.setUp(window.get());
    const std::vector<QAbstractButton *> buttons = c.buttons(window.get());
    QWidget *label = c.label ? window->findChild<QLabel *>(QLatin1String(c.label)) : nullptr;
    // The worksheet as the learner keeps it open beside the picker, watching the record.
    std::unique_ptr<Worksheet> sheet;
    if (c.worksheet) {
        sheet = std::make_unique<Worksheet>(st.record);
        if (!bench::showAndWaitPainted(sheet.get())) {
            result.ok = false;
            return result;
        }
        label = sheet->findChild<TreeView *>();
    }
    if (buttons.empty() || (c.label && !label)) {
        result.ok = false;
        return result;
    }
    // Leave every repaint of the setting-up behind before timing.
    QCoreApplication::processEvents();

    std::vector<double> labelUs, windowUs;
    labelUs.reserve(size_t(runs));
    windowUs.reserve(size_t(runs));
    QElapsedTimer timer;

    // One walk through the buttons for both measures, so that no click repeats the one
    // before it (which would show nothing new).
    size_t next = 0;
    auto nextButton = [&] { return buttons[next++ % buttons.size()]; };

    // Label: the click and the label drawn at once.
    for (int i = 0; i < runs && result.ok; ++i) {
        QAbstractButton *b = nextButton();
        const QString before = labelText(window.get(), c.label);
        timer.start();
        b->click();
        if (label)
            label->repaint();
        labelUs.push_back(double(timer.nsecsElapsed()) / 1e3);
        result.ok = c.check(st, window.get(), b, before);
        QCoreApplication::processEvents(); // the rest of the window, untimed
    }

    // Window: the click and the window's own repaint pass, as the event loop runs it.
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (int i = 0; i < runs && result.ok; ++i) {
        QAbstractButton *b = nextButton();
        const QString before = labelText(window.get(), c.label);
        timer.start();
        bench::PaintHook hook(sheet ? static_cast<QWidget *>(sheet.get()) : window.get(), [&loop] {
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        }, true);
        guard.start(1000);
        b->click();
        loop.exec();
        windowUs.push_back(double(timer.nsecsElapsed()) / 1e3);
        guard.stop();
        result.ok = hook.fired() && c.check(st, window.get(), b, before);
    }
    result.label = bench::summarize(labelUs);
    result.window = bench::summarize(windowUs);
    window->close();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    bench::silencePlatformNotes();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [RUNS]\n", argv[0]);
        return 2;
    }
    frmGram1 host;
    if (!bench::showAndWaitPainted(&host)) {
        std::fprintf(stderr, "the main window was never painted\n");
        return 1;
    }

    std::printf("click to updated label; platform %s; %d clicks per case; microseconds\n",
                bench::platformName(), runs);
    std::printf("%-8s %-20s | %8s %8s %8s | %8s %8s %8s | %s\n", "picker", "click", "label",
                "p90", "max", "window", "p90", "max", "goal < 1 ms (median)");
    bool allOk = true;
    for (const ClickCase &c : cases) {
        const Result r = run(c, &host, runs);
        if (!r.ok) {
            std::printf("%-8s %-20s | the click did not show its result\n", c.picker, c.what);
            allOk = false;
            continue;
        }
        const bool met = r.label.median < goalUs && r.window.median < goalUs;
        std::printf("%-8s %-20s | %8.1f %8.1f %8.1f | %8.1f %8.1f %8.1f | %s\n", c.picker, c.what,
                    r.label.median, r.label.p90, r.label.max, r.window.median, r.window.p90,
                    r.window.max, met ? "met" : "MISSED");
    }
    return allOk ? 0 : 1;
}
