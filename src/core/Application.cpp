#include "core/Application.h"

#include "core/DisplayAccessible.h"
#include "core/FormTable.h"
#include "core/Launch.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>
#include <QStyleFactory>
#include <functional>
#include <utility>

namespace parsella {

// An icon whose pictures are read only when something first draws or measures it. Reading
// an icon's picture the usual way makes Qt load every image-format plugin to ask whether it
// reads PNG, which costs the first frame several milliseconds for pictures it never shows.
class DeferredIcon : public QIconEngine
{
public:
    explicit DeferredIcon(std::function<QIcon()> read) : read(std::move(read)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIcon(*this); }
    QString key() const override { return QStringLiteral("parsella.deferred"); }

private:
    const QIcon &icon()
    {
        if (read) {
            loaded = read();
            read = nullptr;
        }
        return loaded;
    }

    std::function<QIcon()> read;
    QIcon loaded;
};

// The program's icon in the sizes title bars and task switchers use. The pictures are known
// to be PNG, so the reader is told so and asks no plugin.
static QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/%1x%1/parsella.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage picture = reader.read();
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

// Fusion with the classic 13-pixel option indicator: the designed option rows are as low as
// 195 twips (13 pixels), where Fusion's own 14-pixel circle would lose its bottom edge.
class ClassicStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
            return 13;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // A frame's caption sits on its top border, as in the classic designer, so the options
    // placed just below the caption stay well inside the frame. Fusion would put the border
    // a whole line lower, across the first row of options.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override
    {
        if (control == CC_GroupBox && sub == SC_GroupBoxLabel) {
            if (const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option)) {
                const int room = box->rect.width() - 2 * captionIndent;
                const int width = qMin(box->fontMetrics.horizontalAdvance(box->text) + 2, room);
                return QRect(box->rect.left() + captionIndent, box->rect.top(), width, box->fontMetrics.height());
            }
        }
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect caption = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        QRect frame = box->rect;
        if (!box->text.isEmpty())
            frame.setTop(caption.center().y());
        painter->save();
        if (!box->text.isEmpty()) {
            // The border line stops short of the caption on either side.
            QRegion around(box->rect);
            around -= caption.adjusted(-2, 0, 2, 0);
            painter->setClipRegion(around);
        }
        qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
        painter->restore();
        if (!box->text.isEmpty())
            drawItemText(painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                         box->state & State_Enabled, box->text, QPalette::WindowText);
    }

    // A menu bar asks for its overflow arrow as it is built, and the main window's menu bar
    // is built before the first frame though it never overflows: the arrow's picture is read
    // only if it is ever drawn.
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredIcon([base = QPointer<QStyle>(baseStyle()), which] {
            return base ? base->standardIcon(which) : QIcon();
        }));
    }

private:
    static constexpr int captionIndent = 6;
};

void configureApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Parsella"));
    QApplication::setApplicationVersion(QStringLiteral(PARSELLA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Parsella"));
    usePortableSettings(QApplication::applicationDirPath());
    // Fusion honours the palette colours of every control on every platform, so the red
    // and black sentences and blue highlights look the same everywhere.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(new ClassicStyle(fusion));
    loadCarriedFaces(QApplication::applicationDirPath());
    ensureNarrowFace();
    // Message boxes in the same face as the windows' larger text; the main window gives its menu
    // bar the face of its buttons.
    QApplication::setFont(classicFont(9.75));

    // Every window drawn with the program's icon gets this one; the others carry a
    // transparent icon of their own. The desktop file of that name gives the icon to
    // task bars that look it up there. Its pictures are read when a title bar first needs
    // them, which the offscreen platform never does.
    QApplication::setWindowIcon(QIcon(new DeferredIcon(programIcon)));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.parsella.Parsella"));

    installDisplayAccessibility();
}

} // namespace parsella
