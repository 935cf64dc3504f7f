// Opening, showing and closing each window as the learner does: created afresh, shown
// over the main window (modally for a dialog), painted once, closed and destroyed.
//   parsella_window_bench [RUNS] [NAME...]      (RUNS per window, default 200)
// The first opening of each window is reported on its own: it pays for fonts and styles
// that later openings find cached. Run with only one NAME to see that window's true first
// opening in a fresh process.
#include "app/frmCopyright.h"
#include "app/frmGram1.h"
#include "core/Application.h"
#include "core/Platform.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "Stats.h"
#include "UiBench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using namespace parsella;

namespace {

constexpr double goalMs = 2.0;

using Factory = std::function<std::unique_ptr<QWidget>(SentenceState &, QWidget *owner)>;

struct Window {
    const char *name;
    Factory make;
};

// Every window of the program, each opened the way its opener opens it.
const std::vector<Window> windows{
    {"frmGram1", [](SentenceState &, QWidget *) { return std::make_unique<frmGram1>(); }},
    {"frmDec", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmDec>(st, owner); }},
    {"frmInt", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmInt>(st, owner); }},
    {"frmImp", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmImp>(st, owner); }},
    {"frmNP", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmNP>(st, owner); }},
    {"frmNPP", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmNPP>(st, owner); }},
    {"frmVerb", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmVerb>(st, owner); }},
    {"frmComp", [](SentenceState &st, QWidget *owner) { return std::make_unique<frmComp>(st, owner); }},
    // The link is never clicked: nothing is opened.
    {"frmCopyright", [](SentenceState &, QWidget *) { return std::make_unique<frmCopyright>(systemPlatform()); }},
    // The noun phrase generator's message box, built as frmNP builds it (no icon, "OK"
    // only, the program's title).
    {"message box", [](SentenceState &, QWidget *owner) {
         return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                                              QStringLiteral("Error - A noun was not selected"),
                                              QMessageBox::Ok, owner);
     }},
};

// Not windows of the program: the floor that Qt and the platform set. A dialog with a
// label and two buttons, built by hand, opened like the others.
const std::vector<Window> references{
    {"bare QDialog", [](SentenceState &, QWidget *owner) {
         auto dialog = std::make_unique<QDialog>(owner);
         auto *layout = new QVBoxLayout(dialog.get());
         layout->addWidget(new QLabel(QStringLiteral("A bare dialog"), dialog.get()));
         layout->addWidget(new QPushButton(QStringLiteral("OK"), dialog.get()));
         layout->addWidget(new QPushButton(QStringLiteral("Cancel"), dialog.get()));
         return dialog;
     }},
};

struct Opening {
    double wallMs = -1; // negative if the window never painted
    double cpuMs = 0;
};

Opening openShowClose(const Window &w, SentenceState &st, QWidget *owner)
{
    const double cpuStart = bench::processCpuMs();
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window = w.make(st, owner);
    const bool painted = bench::showPaintClose(window.get());
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Opening o;
    o.wallMs = painted ? double(timer.nsecsElapsed()) / 1e6 : -1;
    o.cpuMs = bench::processCpuMs() - cpuStart;
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    bench::silencePlatformNotes();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [RUNS] [NAME...]\n", argv[0]);
        return 2;
    }
    auto wanted = [&](const char *name) {
        if (argc <= 2)
            return true;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], name) == 0)
                return true;
        }
        return false;
    };

    // The main window stays up underneath, as it does while the learner works.
    frmGram1 host;
    if (!bench::showAndWaitPainted(&host)) {
        std::fprintf(stderr, "the main window was never painted\n");
        return 1;
    }

    std::printf("open, show and close; platform %s; %d openings per window after the first\n",
                bench::platformName(), runs);
    std::printf("%-14s %9s | %9s %9s %9s %9s | %9s | %s\n", "", "first", "wall", "", "", "",
                "CPU", "goal < 2 ms");
    std::printf("%-14s %9s | %9s %9s %9s %9s | %9s | %s\n", "window (ms)", "opening", "median",
                "p90", "min", "max", "median", "(wall median)");
    bool allPainted = true;
    auto measure = [&](const Window &w) {
        if (!wanted(w.name))
            return;
        SentenceState st; // each window measured from a fresh state
        const Opening first = openShowClose(w, st, &host);
        std::vector<double> wall, cpu;
        wall.reserve(size_t(runs));
        cpu.reserve(size_t(runs));
        bool painted = first.wallMs >= 0;
        for (int i = 0; i < runs && painted; ++i) {
            const Opening o = openShowClose(w, st, &host);
            painted = o.wallMs >= 0;
            wall.push_back(o.wallMs);
            cpu.push_back(o.cpuMs);
        }
        if (!painted) {
            std::printf("%-14s never painted\n", w.name);
            allPainted = false;
            return;
        }
        const bench::Summary s = bench::summarize(wall);
        const bench::Summary c = bench::summarize(cpu);
        std::printf("%-14s %9.3f | %9.3f %9.3f %9.3f %9.3f | %9.3f | %s\n", w.name, first.wallMs,
                    s.median, s.p90, s.min, s.max, c.median, s.median < goalMs ? "met" : "MISSED");
    };
    for (const Window &w : windows)
        measure(w);
    for (const Window &w : references) {
        if (wanted(w.name)) {
            std::printf("reference, not a window of the program:\n");
            measure(w);
        }
    }
    return allPainted ? 0 : 1;
}
