#include "app/frmCopyright.h"

#include "app/BuildSettings.h"
#include "app/HelpDocuments.h"
#include "app/HelpWindow.h"
#include "core/FormTable.h"
#include "core/Platform.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace parsella {

static constexpr Look large{12, Centred};

static const WindowDesign design{
    "frmCopyright", "Copyright notice", 7725, 4515, true, plain,
    {
        {Kind::Image, "Image2", -1, ":/about/banner.jpg", nullptr, {1080, 120, 4530, 930}, plain, Shown, -1, "Parsella"},
        {Kind::Label, "Label3", -1, "Parsella Worksheet (v1.4)", nullptr, {480, 1440, 4695, 495}, large},
        {Kind::Image, "Image1", -1, ":/about/picture.bmp", nullptr, {5370, 1500, 1665, 2145}, plain, Shown, -1,
         "A sentence drawn as a tree"},
        {Kind::Label, "Label2", -1, "", nullptr, {480, 1920, 4455, 375}, large},
        {Kind::Label, "Label1", -1, "", nullptr, {480, 2280, 4455, 375}, large},
        {Kind::Label, "Label4", -1, "", nullptr, {480, 2640, 4455, 375}, {12, Bold | Centred}},
        {Kind::Label, "Label5", -1, "", nullptr, {1200, 3120, 3255, 375}, {9.75, Underline | BlueText}},
        {Kind::Button, "cmdOK", -1, "OK", nullptr, {3120, 3600, 615, 375}},
    },
};

frmCopyright::frmCopyright(Platform &platform, QWidget *parent, const QString &webHost)
    : QDialog(parent), platform(platform), site(publisherAddress(webHost))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildForm(this, this, design);

    Label1 = findChild<QLabel *>("Label1");
    Label2 = findChild<QLabel *>("Label2");
    Label4 = findChild<QLabel *>("Label4");
    Label5 = findChild<QLabel *>("Label5");
    cmdOK = findChild<QPushButton *>("cmdOK");

    setOutsideText(Label2, QStringLiteral("Copyright \u00A9 %1").arg(QString::fromUtf8(build::copyrightYears)));
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
// any button, so pressing and sliding off cancels it.
bool frmCopyright::eventFilter(QObject *watched, QEvent *event)
{
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
