#include "core/Language.h"
#include "core/FormTable.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QTranslator>
#include <QWidget>
#include <functional>
#include <memory>

namespace parsella::language {

namespace {

// The buttons of Qt's own message boxes and file dialogs, in the program's catalogue too, so
// that they speak the learner's language where Qt itself has no translation for it.
[[maybe_unused]] const char *const qtButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Don't Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
};

const QString settingsKey = QStringLiteral("language");
const QString catalogueFolder = QStringLiteral(":/i18n");

// Where a text came from: what it is looked up by.
struct Source
{
    QByteArray context;
    QByteArray text;
    QByteArray disambiguation;
    int n;
};

// The program's catalogue, which also remembers where every text it was asked for came from,
// so that a window built in one language can be put into another: a text shown is looked up
// again by its source. Texts with arguments are never shown as they were looked up, so they
// are never mistaken for one another.
class Catalogue : public QTranslator
{
public:
    bool load(const QString &code)
    {
        if (code.isEmpty()) {
            own.reset();
            return true;
        }
        auto catalogue = std::make_unique<QTranslator>();
        if (!catalogue->load(QStringLiteral("%1/parsella_%2.qm").arg(catalogueFolder, code)))
            return false;
        own = std::move(catalogue);
        return true;
    }
    void use(std::unique_ptr<QTranslator> catalogue) { own = std::move(catalogue); }

    QString translate(const char *context, const char *text, const char *disambiguation, int n) const override
    {
        QString result = own ? own->translate(context, text, disambiguation, n) : QString();
        if (text && *text)
            remember(result.isEmpty() ? QString::fromUtf8(text) : result, context, text, disambiguation, n);
        return result;
    }

    bool isEmpty() const override { return false; }

    // The text `shown` in the language now in place; a null string for one not looked up
    // here. Where two sources gave the same text, the one looked up under a context in
    // `contexts` wins, else the latest.
    QString renew(const QString &shown, const QSet<QByteArray> &contexts) const
    {
        Source source;
        {
            QMutexLocker hold(&lock);
            const auto found = sources.constFind(shown);
            if (found == sources.constEnd())
                return {};
            source = found->constLast();
            for (const Source &candidate : *found) {
                if (contexts.contains(candidate.context))
                    source = candidate;
            }
        }
        return QCoreApplication::translate(source.context.constData(), source.text.constData(),
                                           source.disambiguation.isEmpty() ? nullptr : source.disambiguation.constData(),
                                           source.n);
    }

private:
    void remember(const QString &shown, const char *context, const char *text, const char *disambiguation, int n) const
    {
        QMutexLocker hold(&lock);
        QList<Source> &known = sources[shown];
        for (const Source &s : known) {
            if (s.context == context && s.text == text && s.n == n)
                return;
        }
        known.append({QByteArray(context), QByteArray(text), QByteArray(disambiguation), n});
    }

    std::unique_ptr<QTranslator> own;
    mutable QMutex lock;
    mutable QHash<QString, QList<Source>> sources;
};

Catalogue &catalogue()
{
    static Catalogue one;
    return one;
}

QTranslator &qtCatalogue()
{
    static QTranslator one;
    return one;
}

QString &inPlace()
{
    static QString code;
    return code;
}

// Every text property a window's controls and actions show or speak.
constexpr const char *textProperties[] = {"text", "title", "windowTitle", "toolTip", "statusTip", "whatsThis",
                                          "accessibleName", "accessibleDescription", "placeholderText"};

void renewTexts(QObject *object, const QSet<QByteArray> &contexts)
{
    for (const char *name : textProperties) {
        const QVariant value = object->property(name);
        if (value.metaType().id() != QMetaType::QString)
            continue;
        const QString shown = value.toString();
        if (shown.isEmpty())
            continue;
        const QString renewed = catalogue().renew(shown, contexts);
        if (!renewed.isNull() && renewed != shown)
            object->setProperty(name, renewed);
    }
}

// The contexts a widget's texts were most likely looked up under: its own and its
// ancestors' class names and the names of the designed windows among them.
QSet<QByteArray> contextsOf(const QObject *object)
{
    QSet<QByteArray> contexts;
    for (const QObject *o = object; o; o = o->parent()) {
        for (const QMetaObject *m = o->metaObject(); m; m = m->superClass())
            contexts.insert(m->className());
        if (!o->objectName().isEmpty())
            contexts.insert(o->objectName().toUtf8());
    }
    return contexts;
}

void renewAllWindows()
{
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *w : widgets) {
        const QSet<QByteArray> contexts = contextsOf(w);
        renewTexts(w, contexts);
        for (QAction *action : w->findChildren<QAction *>(Qt::FindDirectChildrenOnly))
            renewTexts(action, contexts);
    }
}

} // namespace

QString nativeName(const QString &code)
{
    // Written out where the locale's own name would leave the variant unsaid.
    static const QHash<QString, QString> names{
        {QString(), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("uk"), QStringLiteral("Українська")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    };
    if (const auto found = names.constFind(code); found != names.constEnd())
        return *found;
    const QString name = QLocale(code).nativeLanguageName();
    if (name.isEmpty())
        return code;
    return name.left(1).toUpper() + name.mid(1);
}

QList<Language> available()
{
    // English is "", a choice; a null code is none, the system's language.
    QList<Language> all{{QStringLiteral(""), nativeName(QString())}};
    const QStringList files = QDir(catalogueFolder).entryList({QStringLiteral("parsella_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString code = file.mid(9, file.size() - 9 - 3);
        all.append({code, nativeName(code)});
    }
    return all;
}

QString match(const QStringList &uiLanguages, const QStringList &offered)
{
    for (const QString &wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        // The same language in the same country first, then in any country; a script the
        // reader did not ask for (simplified for traditional Chinese) serves no one.
        QString sameLanguage;
        for (const QString &code : offered) {
            const QLocale candidate(code);
            if (candidate.language() != locale.language() || candidate.script() != locale.script())
                continue;
            if (candidate.territory() == locale.territory())
                return code;
            if (sameLanguage.isEmpty())
                sameLanguage = code;
        }
        if (!sameLanguage.isEmpty())
            return sameLanguage;
    }
    return {};
}

static QStringList offeredCodes()
{
    QStringList codes;
    for (const Language &l : available()) {
        if (!l.code.isEmpty())
            codes << l.code;
    }
    return codes;
}

QString preference()
{
    const QVariant kept = QSettings().value(settingsKey);
    return kept.isValid() ? kept.toString() : QString();
}

QString startLanguage(const QString &override)
{
    if (!override.isNull())
        return override;
    const QString kept = preference();
    if (!kept.isNull())
        return kept;
    return match(QLocale::system().uiLanguages(), offeredCodes());
}

QString current()
{
    return inPlace();
}

// Whether the captions in `code` need glyphs the classic faces lack: they hold Latin, Cyrillic
// and Greek letters.
static bool needsOtherFaces(const QString &code)
{
    if (code.isEmpty())
        return false;
    const QLocale::Script script = QLocale(code).script();
    return script != QLocale::AnyScript && script != QLocale::LatinScript && script != QLocale::CyrillicScript
        && script != QLocale::GreekScript;
}

// The program's catalogue is asked first, Qt's for its own dialogs after it; each change of
// catalogue tells every window.
static void install(const QString &code, const std::function<void(Catalogue &)> &load)
{
    setCaptionFallback(needsOtherFaces(code));
    QCoreApplication::removeTranslator(&catalogue());
    QCoreApplication::removeTranslator(&qtCatalogue());
    load(catalogue());
    inPlace() = code;
    if (!code.isEmpty() && qtCatalogue().load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtCatalogue());
    QCoreApplication::installTranslator(&catalogue());
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        renewAllWindows();
}

bool apply(const QString &code)
{
    bool loaded = false;
    install(code, [&](Catalogue &c) {
        loaded = c.load(code);
        if (!loaded)
            c.load(QString());
    });
    if (!loaded)
        install(QString(), [](Catalogue &) {});
    return loaded;
}

void applyCatalogue(const QString &code, std::unique_ptr<QTranslator> translator)
{
    install(code, [&](Catalogue &c) { c.use(std::move(translator)); });
}

void setPreference(const QString &code)
{
    QSettings settings;
    if (code.isNull())
        settings.remove(settingsKey);
    else
        settings.setValue(settingsKey, code);
    apply(startLanguage());
}

void fillLanguageMenu(QMenu *menu)
{
    menu->setObjectName(QStringLiteral("languageMenu"));
    // Filled when first opened, not with the window: reading which catalogues there are is
    // work the first frame does not need.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        if (menu->actions().isEmpty()) {
            auto *choices = new QActionGroup(menu);
            // The null code stands for the system's language; English is "".
            auto add = [menu, choices](const QString &text, const QString &code) {
                QAction *action = menu->addAction(text);
                action->setCheckable(true);
                action->setData(code.isNull() ? QVariant() : QVariant(code));
                choices->addAction(action);
                QObject::connect(action, &QAction::triggered, menu, [code] { setPreference(code); });
                return action;
            };
            add(QCoreApplication::translate("Language", "System default"), QString())->setObjectName(QStringLiteral("systemLanguage"));
            menu->addSeparator();
            for (const Language &l : available()) {
                QAction *action = add(l.name, l.code);
                action->setObjectName(QStringLiteral("language_") + (l.code.isEmpty() ? QStringLiteral("en") : l.code));
                // Each name is in its own script, which the menu's face may lack ("简体中文" in
                // an English window): a learner must be able to read their language to choose it.
                if (const QFont shown = fontShowing(menu->font(), l.name); shown != menu->font())
                    action->setFont(shown);
            }
        }
        // The choice kept may have been changed from the other window's menu.
        const QString kept = preference();
        for (QAction *action : menu->actions()) {
            if (action->isCheckable())
                // English is kept as "", which a null string (no choice kept) would equal.
                action->setChecked(action->data().isValid() ? !kept.isNull() && action->data().toString() == kept : kept.isNull());
        }
    });
}

} // namespace parsella::language
