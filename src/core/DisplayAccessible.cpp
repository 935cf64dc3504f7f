#include "core/DisplayAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace parsella {

namespace {

class DisplayLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DisplayLabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? words() : QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Read-only text without a caret or selection.
    QString text(int startOffset, int endOffset) const override
    {
        return words().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(words().size()); }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    QString words() const { return static_cast<const QLabel *>(widget())->text(); }
};

// Display labels are the text labels that were given a name of their own; pictures and
// captions keep Qt's interface.
QAccessibleInterface *displayLabelFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel"))
        return nullptr;
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || label->accessibleName().isEmpty() || !label->pixmap().isNull())
        return nullptr;
    return new DisplayLabelAccessible(label);
}

} // namespace

void installDisplayAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(displayLabelFactory);
        installed = true;
    }
}

} // namespace parsella
