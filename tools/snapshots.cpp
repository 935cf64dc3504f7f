// Renders every window in its design state to PNG files, for looking at layouts by eye:
//   parsella_snapshots OUTDIR [SCALE]
// Runs on any Qt platform, offscreen included.
#include "Application.h"
#include "Platform.h"
#include "frmComp.h"
#include "frmCopyright.h"
#include "frmDec.h"
#include "frmGram1.h"
#include "frmNPP.h"
#include "frmVerb.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <functional>
#include <memory>

using namespace parsella;

int main(int argc, char *argv[])
{
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    configureApplication(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    SentenceState st;
    RecordingPlatform platform; // nothing rendered here opens a browser
    const std::vector<std::pair<const char *, std::function<std::unique_ptr<QWidget>()>>> windows{
        {"frmGram1", [] { return std::make_unique<frmGram1>(); }},
        {"frmDec", [&] { return std::make_unique<frmDec>(st, nullptr); }},
        {"frmNPP", [&] { return std::make_unique<frmNPP>(st, nullptr); }},
        {"frmVerb", [&] { return std::make_unique<frmVerb>(st, nullptr); }},
        {"frmComp", [&] { return std::make_unique<frmComp>(st, nullptr); }},
        {"frmCopyright", [&] { return std::make_unique<frmCopyright>(platform); }},
    };
    for (const auto &[name, make] : windows) {
        std::unique_ptr<QWidget> w = make();
        w->show();
        QApplication::processEvents();
        w->grab().save(out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }
    return 0;
}
