#include "Driver.h"

#include <QDialog>
#include <QTest>

namespace drive {

std::shared_ptr<bool> onNextModal(Script script)
{
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, [ran, script = std::move(script)] {
        QPointer<QWidget> window = QApplication::activeModalWidget();
        if (!window)
            return; // no modal window opened: the flag stays false and the test says so
        *ran = true;
        script(window);
        if (window && window->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(window.data()))
                dialog->reject();
            else
                window->close();
        }
    });
    return ran;
}

bool clickInto(QAbstractButton *button, Script script)
{
    auto ran = onNextModal(std::move(script));
    button->click();
    return *ran;
}

QAbstractButton *button(const QWidget *window, const char *name)
{
    return window->findChild<QAbstractButton *>(QLatin1String(name));
}

QAbstractButton *option(const QWidget *window, const char *group, int index)
{
    auto *g = window->findChild<QButtonGroup *>(QLatin1String(group));
    return g ? g->button(index) : nullptr;
}

QLabel *label(const QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name));
}

void clickOption(QWidget *window, const char *group, int index)
{
    QAbstractButton *b = option(window, group, index);
    QVERIFY2(b, group);
    QVERIFY2(b->isEnabled() && b->isVisibleTo(window), qPrintable(b->objectName() + " cannot be clicked"));
    b->click();
}

QString look(const QWidget *control)
{
    if (!control)
        return QStringLiteral("missing");
    if (!control->isVisibleTo(control->window()))
        return QStringLiteral("hidden");
    return control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
}

static QList<int> idsWhere(const QWidget *window, const char *group, bool (*pred)(const QAbstractButton *))
{
    QList<int> ids;
    auto *g = window->findChild<QButtonGroup *>(QLatin1String(group));
    if (!g)
        return {-1};
    const auto buttons = g->buttons();
    for (QAbstractButton *b : buttons)
        if (pred(b))
            ids.append(g->id(b));
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<int> enabledIds(const QWidget *window, const char *group)
{
    return idsWhere(window, group, [](const QAbstractButton *b) { return b->isEnabled(); });
}

QList<int> checkedIds(const QWidget *window, const char *group)
{
    return idsWhere(window, group, [](const QAbstractButton *b) { return b->isChecked(); });
}

bool isRed(const QWidget *label)
{
    return parsella::textColour(label) == parsella::colour::red;
}

bool isBlack(const QWidget *label)
{
    return parsella::textColour(label) == parsella::colour::black;
}

void pressEscape(QWidget *window)
{
    QTest::keyClick(window, Qt::Key_Escape);
}

void closeByTitleBar(QWidget *window)
{
    window->close();
}

} // namespace drive
