#include "app/frmCopyright.h"

#include "app/BuildSettings.h"
#include "app/HelpDocuments.h"
#include "app/HelpWindow.h"
#include "core/FormTable.h"
#include "core/Platform.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace parsella {

namespace {

// The publisher's address as a screen reader should present it: a link, named by the
// address it opens, that its press action follows as Enter does.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget(), &press);
    }
};

const char linkProperty[] = "parsella.link";

QAccessibleInterface *linkFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel") || !object->property(linkProperty).toBool())
        return nullptr;
    return new LinkAccessible(static_cast<QLabel *>(object));
}

} // namespace

static constexpr Look large{12, Centred};

static const WindowDesign design{
    "frmCopyright", QT_TRANSLATE_NOOP("frmCopyright", "Copyright notice"), 7725, 4515, true, plain,
    {
        {Kind::Image, "Image2", -1, ":/about/banner.jpg", nullptr, {1080, 120, 4530, 930}, plain, Shown, -1, "Parsella"},
        {Kind::Label, "Label3", -1, "Parsella Worksheet (v1.4)", nullptr, {480, 1440, 4695, 495}, large},
        {Kind::Image, "Image1", -1, ":/about/picture.bmp", nullptr, {5370, 1500, 1665, 2145}, plain, Shown, -1,
         QT_TRANSLATE_NOOP("frmCopyright", "A sentence drawn as a tree")},
        {Kind::Label, "Label2", -1, "", nullptr, {480, 1920, 4455, 375}, large},
        {Kind::Label, "Label1", -1, "", nullptr, {480, 2280, 4455, 375}, large},
        {Kind::Label, "Label4", -1, "", nullptr, {480, 2640, 4455, 375}, {12, Bold | Centred}},
        {Kind::Label, "Label5", -1, "", nullptr, {1200, 3120, 3255, 375}, {9.75, Underline | BlueText}},
        {Kind::Button, "cmdOK", -1, QT_TRANSLATE_NOOP("frmCopyright", "OK"), nullptr, {3120, 3600, 615, 375}},
    },
};

frmCopyright::frmCopyright(Platform &platform, QWidget *parent, const QString &webHost)
    : QDialog(parent), platform(platform), site(publisherAddress(webHost))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildForm(this, this, design);

    Label1 = designedControl<QLabel>(this, "Label1");
    Label2 = designedControl<QLabel>(this, "Label2");
    Label4 = designedControl<QLabel>(this, "Label4");
    Label5 = designedControl<QLabel>(this, "Label5");
    cmdOK = designedControl<QPushButton>(this, "cmdOK");

    setOutsideText(Label2, tr("Copyright © %1").arg(QString::fromUtf8(build::copyrightYears)));
    Label2->setToolTip(tr("Free software under the GNU General Public License, version 2 or later (%1)")
                           .arg(QString::fromUtf8(build::licence)));
    setOutsideText(Label1, QString::fromUtf8(build::author));
    setOutsideText(Label4, QString::fromUtf8(build::feedbackAddress));

    if (site.isEmpty()) {
        // No site to visit: a plain line in the link's place, nothing that looks clickable.
        QFont font = Label5->font();
        font.setUnderline(false);
        Label5->setFont(font);
        setTextColour(Label5, colour::black);
        Label5->setText(tr("Grammar and Help work offline"));
    } else {
        // The keyboard reaches the link too: Tab after "OK", Enter or Space to follow it,
        // a frame around it while it has the focus, and a screen reader hears a link. Marked
        // before anything about it is said, which would make its accessible interface early.
        static const bool linkAccessible = (QAccessible::installFactory(linkFactory), true);
        Q_UNUSED(linkAccessible);
        Label5->setProperty(linkProperty, true);
        Label5->setFocusPolicy(Qt::StrongFocus);
        // The link shows exactly the address it opens.
        setOutsideText(Label5, site);
        Label5->setCursor(Qt::PointingHandCursor);
        Label5->setAccessibleDescription(tr("link to the publisher's web site"));
        Label5->installEventFilter(this);
    }

    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmCopyright::cmdOK_Click);
}

void frmCopyright::cmdOK_Click()
{
    accept();
}

void frmCopyright::Label5_Click()
{
    if (site.isEmpty())
        return;
    if (platform.platformId() == ntFamily) {
        if (!platform.open(QUrl(site)))
            tellNotOpened(this, QUrl(site));
    } else
        platform.start(QStringLiteral("start"), {site});
}

// A label has no click of its own: a left-button release over it counts as one, as for
// any button, so pressing and sliding off cancels it; from the keyboard, Enter or Space.
bool frmCopyright::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label5 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Label5_Click();
            return true; // not the default button's Enter
        }
    }
    if (watched == Label5 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        Label5->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    if (watched == Label5 && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Label5->rect().contains(mouse->position().toPoint())) {
            Label5_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace parsella
