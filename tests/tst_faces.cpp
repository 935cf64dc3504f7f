#include "app/frmGram1.h"
#include "core/FormTable.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "GuiTest.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>
#include <memory>

using namespace parsella;

// The small captions are measured in the narrow face: any other face Qt falls back to is
// wider and clips them. A system that moves or drops the face shows up here as one failure
// naming the face Qt chose, rather than as clipped captions throughout the layout tests.
class tst_Faces : public testsupport::GuiTest
{
    Q_OBJECT

private slots:
    void smallCaptionsResolveToTheNarrowFace()
    {
        SentenceState state;
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.emplace_back(new frmGram1);
        windows.emplace_back(new frmNP(state, nullptr));
        windows.emplace_back(new frmComp(state, nullptr));
        int small = 0;
        for (const auto &window : windows) {
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                const QFont font = control->font();
                if (control->objectName().startsWith("qt_") || font.pixelSize() > classicFont(8.25).pixelSize())
                    continue;
                ++small;
                const QFontInfo resolved(font);
                if (resolved.family() != narrowFace)
                    QFAIL(qPrintable(QStringLiteral("%1 in %2: %3%4 resolves to \"%5\", not \"%6\"")
                                         .arg(control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                                                   : control->objectName(),
                                              window->objectName())
                                         .arg(font.pixelSize())
                                         .arg(font.bold() ? QStringLiteral(" px bold") : QStringLiteral(" px"),
                                              resolved.family(), narrowFace)));
                QCOMPARE(resolved.bold(), font.bold());
            }
        }
        QVERIFY(small > 20);
    }

    // The copy the program carries is what stands in where the system lacks the face.
    void carriedCopyIsTheNarrowFace()
    {
        for (const char *file : {":/fonts/LiberationSansNarrow-Regular.ttf", ":/fonts/LiberationSansNarrow-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QLatin1String(file));
            QVERIFY2(id >= 0, file);
            QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{narrowFace});
        }
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Faces)
#include "tst_faces.moc"
