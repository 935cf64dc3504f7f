#include "app/HelpWindow.h"

#include "app/HelpDocuments.h"
#include "core/Platform.h"

#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QFont>
#include <QTextBrowser>
#include <algorithm>

namespace parsella {

namespace {

// Qt's rich text draws no quotation marks for <q>, with which the pages cite every caption
// and message: without them "the line says Task 1 is done." runs into the sentence around it.
// The marks are those of the page's own language, „…“ in German, «…» in French.
QString withQuotationMarks(QString html)
{
    static const QRegularExpression language(QStringLiteral("<html[^>]*\\blang=\"([^\"]+)\""));
    const QString code = language.match(html).captured(1).replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString quoted = QLocale(code.isEmpty() ? QStringLiteral("en") : code).quoteString(u"\x01");
    html.replace(QLatin1String("<q>"), quoted.section(QChar(1), 0, 0));
    html.replace(QLatin1String("</q>"), quoted.section(QChar(1), 1));
    return html;
}

class PageBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant loaded = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || !loaded.isValid())
            return loaded;
        return withQuotationMarks(loaded.typeId() == QMetaType::QByteArray ? QString::fromUtf8(loaded.toByteArray())
                                                                            : loaded.toString());
    }
};

} // namespace

HelpWindow::HelpWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent), platform(platform), view(new PageBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    view->setObjectName(QStringLiteral("helpPage"));
    // Links are ours to follow: a page of the program's own stays here, anything else goes
    // to the desktop, which QTextBrowser alone would try, and fail, to show as a page.
    view->setOpenLinks(false);
    // The pages are in the learner's language: where the program's face lacks its script, as
    // for Chinese, the page borrows the glyphs from a face that has them instead of drawing boxes.
    QFont face = view->font();
    face.setStyleStrategy(QFont::PreferDefault);
    view->setFont(face);
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

// A page of the program's own is read again in the language just chosen, at the same place;
// a language without pages of its own gets the English ones, as on opening.
void HelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && view->source().isLocalFile()) {
        const QUrl shown = view->source();
        const QString file = QFileInfo(shown.toLocalFile()).fileName();
        QString again;
        if (file == QLatin1String("parhlp.html"))
            again = helpPage(platform.programDirectory());
        else if (file == QLatin1String("grammar.html"))
            again = grammarPage(platform.programDirectory());
        if (!again.isEmpty()) {
            QUrl page = QUrl::fromLocalFile(again);
            page.setFragment(shown.fragment());
            if (page != shown)
                showPage(page);
        }
    }
    QMainWindow::changeEvent(event);
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
