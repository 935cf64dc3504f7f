#include "core/FormTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace parsella {

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QColor bgr(unsigned value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QFont classicFont(double points, unsigned flags)
{
    QFont font;
    if (flags & Serif)
        font.setFamilies({"Liberation Serif", "Tinos", "Nimbus Roman", "Times New Roman"});
    else if (points < 9.0)
        font.setFamilies({narrowFace, "Arial Narrow", "Nimbus Sans Narrow", "Liberation Sans", "Arial"});
    else
        font.setFamilies({"Liberation Sans", "Arimo", "Nimbus Sans", "Arial"});
    font.setStyleHint(flags & Serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(flags & Bold);
    font.setUnderline(flags & Underline);
    // The windows' captions and word lists are in a script each of these faces holds, so no
    // fallback faces for other scripts: looking those up sorts every installed face, and each
    // new font would pay for it when first drawn. Text chosen at build time asks for them back.
    font.setStyleStrategy(captionFallback() ? QFont::PreferDefault : QFont::NoFontMerging);
    return font;
}

static bool &fallbackAllowed()
{
    static bool allowed = false;
    return allowed;
}

bool captionFallback()
{
    return fallbackAllowed();
}

void setCaptionFallback(bool allowed)
{
    if (allowed == fallbackAllowed())
        return;
    fallbackAllowed() = allowed;
    if (!allowed)
        return; // fonts that borrow draw Latin text alike; they are left as they are
    const auto borrowing = [](QFont font) {
        font.setStyleStrategy(QFont::PreferDefault);
        return font;
    };
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        if (QApplication::font().styleStrategy() & QFont::NoFontMerging)
            QApplication::setFont(borrowing(QApplication::font()));
        const QList<QWidget *> widgets = QApplication::allWidgets();
        for (QWidget *w : widgets) {
            if (w->testAttribute(Qt::WA_SetFont) && (w->font().styleStrategy() & QFont::NoFontMerging))
                w->setFont(borrowing(w->font()));
        }
    }
}

void setOutsideText(QLabel *label, const QString &text)
{
    label->setText(text);
    const QFont font = fontShowing(label->font(), text);
    if (font != label->font())
        label->setFont(font);
}

QFont fontShowing(const QFont &font, const QString &text)
{
    if (!(font.styleStrategy() & QFont::NoFontMerging))
        return font;
    const QFontMetrics metrics(font);
    const auto letters = text.toUcs4();
    if (std::all_of(letters.begin(), letters.end(), [&](char32_t c) { return metrics.inFontUcs4(c); }))
        return font;
    QFont borrowing = font;
    borrowing.setStyleStrategy(QFont::PreferDefault);
    return borrowing;
}

void loadCarriedFaces(const QString &programDirectory)
{
    const QDir folder(programDirectory + QStringLiteral("/fonts"));
    if (!folder.exists())
        return;
    const QStringList known = QFontDatabase::families();
    if (known.contains(QLatin1String("Liberation Sans")) && known.contains(QLatin1String("Liberation Serif")))
        return;
    for (const QString &file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        if (QFontDatabase::addApplicationFont(folder.filePath(file)) < 0)
            qWarning("Parsella: the typeface file %s could not be loaded", qUtf8Printable(QDir::toNativeSeparators(folder.filePath(file))));
    }
}

void ensureNarrowFace()
{
    // Listing the families costs little, as the first window reads the font database anyway;
    // hasFamily() would also resolve aliases through fontconfig, which costs more.
    if (QFontDatabase::families().contains(narrowFace))
        return;
    for (const char *file : {":/fonts/LiberationSansNarrow-Regular.ttf", ":/fonts/LiberationSansNarrow-Bold.ttf"})
        QFontDatabase::addApplicationFont(QLatin1String(file));
    if (!QFontDatabase::families().contains(narrowFace))
        qWarning("Parsella: the typeface %s is missing; small captions may be clipped", qUtf8Printable(narrowFace));
}

QString arrayMemberName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void setTextColour(QWidget *widget, unsigned bgrValue)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, bgr(bgrValue));
    pal.setColor(QPalette::Text, bgr(bgrValue));
    pal.setColor(QPalette::ButtonText, bgr(bgrValue));
    widget->setPalette(pal);
}

unsigned textColour(const QWidget *widget)
{
    const QColor c = widget->palette().color(QPalette::WindowText);
    return unsigned(c.red()) | unsigned(c.green()) << 8 | unsigned(c.blue()) << 16;
}

void showCompleteness(QWidget *display, bool complete, const QString &explanation)
{
    setTextColour(display, complete ? colour::black : colour::red);
    display->setToolTip(explanation);
    if (complete)
        display->setAccessibleDescription(QObject::tr("complete"));
    else
        display->setAccessibleDescription(explanation.isEmpty() ? QObject::tr("incomplete") : explanation);
}

static void setBackground(QWidget *widget, unsigned bgrValue)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, bgr(bgrValue));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

// Paints a window's light-yellow background before the window paints itself. Setting the
// colour through the palette instead would give every control a palette of its own, and
// the style would then redraw each button from scratch rather than from its cache.
class BackgroundPainter : public QObject
{
public:
    BackgroundPainter(QWidget *window, unsigned bgrValue) : QObject(window), colour(bgr(bgrValue))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            QPainter painter(widget);
            painter.fillRect(static_cast<QPaintEvent *>(event)->rect(), colour);
        }
        return false;
    }

private:
    QColor colour;
};

// A text of the window's own (a title, a heading, a button, a spoken name) in the learner's
// language where a translation is installed, looked up under the window's class name.
static QString translated(const char *window, const char *text)
{
    return text && *text ? QCoreApplication::translate(window, text) : QString();
}

static QWidget *makeWidget(const Control &row, QWidget *parent, const char *window)
{
    // An option's caption is an English word the learner builds with: never translated.
    const bool words = row.kind == Kind::Option || row.kind == Kind::Image;
    const QString caption = words ? QString::fromUtf8(row.caption) : translated(window, row.caption);
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(row.look.flags & Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Image: {
        // Pictures keep their natural size, anchored at the control's top-left corner.
        auto *image = new QLabel(parent);
        image->setPixmap(QPixmap(caption));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    return nullptr;
}

void buildForm(QWidget *window, QWidget *client, const WindowDesign &design)
{
    window->setObjectName(QLatin1String(design.name));
    window->setWindowTitle(translated(design.name, design.caption));
    if (!design.icon) {
        // A window drawn without an icon: a transparent one keeps the platform's default away.
        QPixmap none(16, 16);
        none.fill(Qt::transparent);
        window->setWindowIcon(QIcon(none));
    }
    new BackgroundPainter(window, colour::lightYellow);
    if (client != window)
        new BackgroundPainter(client, colour::lightYellow);
    client->setFont(classicFont(design.font.points, design.font.flags));
    client->setFixedSize(twipsToPixels(design.width), twipsToPixels(design.height));

    QHash<QString, QWidget *> byName;
    QHash<QString, QButtonGroup *> groups;
    std::vector<std::pair<int, QWidget *>> tabbed;

    for (const Control &row : design.controls) {
        QWidget *parent = row.in ? byName.value(QLatin1String(row.in)) : client;
        Q_ASSERT_X(parent, "buildForm", row.in);
        QWidget *w = makeWidget(row, parent, design.name);
        const QString name = row.index < 0 ? QLatin1String(row.name) : arrayMemberName(row.name, row.index);
        w->setObjectName(name);
        w->setGeometry(twipsRect(row.twips.x(), row.twips.y(), row.twips.width(), row.twips.height()));
        w->setFont(classicFont(row.look.points, row.look.flags));
        if (row.look.flags & WhiteBack)
            setBackground(w, colour::white);
        if (row.look.flags & BlueText)
            setTextColour(w, colour::blue);
        if (row.spoken)
            w->setAccessibleName(translated(design.name, row.spoken));
        if (row.state & Hidden)
            w->hide();
        if (row.state & Disabled)
            w->setEnabled(false);
        byName.insert(name, w);

        if (row.kind == Kind::Option) {
            // Every option button belongs to a group named after its control array, even
            // a lone one, so that selections are cleared the same way everywhere.
            const QString groupName = QLatin1String(row.name);
            QButtonGroup *&group = groups[groupName];
            if (!group) {
                group = new QButtonGroup(window);
                group->setObjectName(groupName);
            }
            auto *button = static_cast<QAbstractButton *>(w);
            group->addButton(button, row.index < 0 ? 0 : row.index);
            button->setChecked(row.state & Checked);
        }
        if (row.tab >= 0)
            tabbed.emplace_back(row.tab, w);
    }

    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);
}

} // namespace parsella
