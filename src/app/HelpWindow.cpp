#include "app/HelpWindow.h"

#include "core/Platform.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTextBrowser>
#include <algorithm>

namespace parsella {

HelpWindow::HelpWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent), platform(platform), view(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    view->setObjectName(QStringLiteral("helpPage"));
    // Links are ours to follow: a page of the program's own stays here, anything else goes
    // to the desktop, which QTextBrowser alone would try, and fail, to show as a page.
    view->setOpenLinks(false);
    connect(view, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    connect(view, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(view->documentTitle()); });
    setCentralWidget(view);
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(640, screen.width() * 9 / 10), std::min(600, screen.height() * 8 / 10));
}

void HelpWindow::showPage(const QUrl &page)
{
    view->setSource(page);
    // A page that cannot be read leaves the browser empty: say so there rather than show nothing.
    if (view->document()->isEmpty() || !QFileInfo(page.toLocalFile()).isFile()) {
        view->setHtml(tr("<p>The page <b>%1</b> could not be found.</p>").arg(page.toLocalFile().toHtmlEscaped()));
        setWindowTitle(tr("Help"));
    }
}

void HelpWindow::follow(const QUrl &link)
{
    const QUrl target = view->source().resolved(link);
    if (target.isLocalFile()) {
        showPage(target);
        return;
    }
    if (!platform.open(target))
        tellNotOpened(this, target);
}

void tellNotOpened(QWidget *parent, const QUrl &address)
{
    QMessageBox box(QMessageBox::Warning, QObject::tr("Not opened"),
                    QObject::tr("This address could not be opened, as no web browser answered. "
                                "You can copy it into a browser yourself:\n\n%1").arg(address.toString()),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("notOpened"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace parsella
