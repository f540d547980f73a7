#include "widgets/Accessibility.h"

#include "colour/ColourForms.h"
#include "colour/mCPUtils.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace Accessibility {

namespace {

// What is known of each widget described here.
struct Described {
    std::optional<QAccessible::Role> role;
    bool hidden = false, pressable = false, store = false, focused = false;
    std::function<QString()> text;
    std::function<double()> value;
    double most = 0;
    QString announcedText;
    double announcedValue = -1;
};

QHash<const QWidget*, Described>& described()
{
    static QHash<const QWidget*, Described> all;
    return all;
}

const Described* find(const QWidget* widget)
{
    const auto it = described().constFind(widget);
    return it == described().constEnd() ? nullptr : &*it;
}

QList<QPointer<QWidget>>& pending()
{
    static QList<QPointer<QWidget>> widgets;
    return widgets;
}

class Interface : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleValueInterface {
public:
    Interface(QWidget* w, const Described& d)
        : QAccessibleWidget(w, d.role.value_or(QAccessible::Client))
    {
    }

    const Described* d() const { return find(widget()); }

    QAccessible::Role role() const override
    {
        const Described* x = d();
        return x && x->role ? *x->role : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const Described* x = d()) {
            if (x->hidden)
                s.invisible = true;
            if (x->focused)
                s.focused = s.focusable = true;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        const Described* x = d();
        if (t == QAccessible::TextInterface && x && x->text)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::ValueInterface && x && x->value)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (const Described* x = d(); x && x->pressable) {
            names.prepend(pressAction());
            if (x->store)
                names.append(QStringLiteral("Store"));
        }
        return names;
    }

    void doAction(const QString& name) override
    {
        const Described* x = d();
        if (x && x->pressable && name == pressAction())
            QMetaObject::invokeMethod(widget(), "press", Q_ARG(int, 1));
        else if (x && x->store && name == QLatin1String("Store"))
            QMetaObject::invokeMethod(widget(), "press", Q_ARG(int, 2));
        else
            QAccessibleWidget::doAction(name);
    }

    QString text(QAccessible::Text t) const override
    {
        // The text is the value too, for tools that read values.
        if (t == QAccessible::Value && d() && d()->text)
            return shown();
        return QAccessibleWidget::text(t);
    }

    // The text: read only, no selection, no caret.
    QString shown() const { return d() && d()->text ? d()->text() : QString(); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return shown().mid(start, end < 0 ? -1 : end - start); }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override { return *start = *end = 0, QString(); }

    // The number: read only.
    QVariant currentValue() const override { return d() && d()->value ? d()->value() : 0.0; }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return d() ? d()->most : 0.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }
};

Described& of(QWidget* widget)
{
    auto& all = described();
    if (!all.contains(widget)) {
        QObject::connect(widget, &QObject::destroyed, [widget] { described().remove(widget); });
        all.insert(widget, Described());
    }
    return all[widget];
}

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const Described* x = find(widget);
    return x ? new Interface(widget, *x) : nullptr;
}

void announce()
{
    const QList<QPointer<QWidget>> widgets = std::exchange(pending(), {});
    for (const QPointer<QWidget>& w : widgets) {
        if (!w || !described().contains(w))
            continue;
        Described& x = described()[w];
        if (x.text) {
            const QString now = x.text();
            if (now != x.announcedText) {
                QAccessibleTextUpdateEvent event(w, 0, x.announcedText, now);
                x.announcedText = now;
                QAccessible::updateAccessibility(&event);
            }
        }
        if (x.value && x.value() != x.announcedValue) {
            x.announcedValue = x.value();
            QAccessibleValueChangeEvent event(w, x.announcedValue);
            QAccessible::updateAccessibility(&event);
        }
    }
}

} // namespace

void Install()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

void SetRole(QWidget* widget, QAccessible::Role role)
{
    of(widget).role = role;
}

void Hide(QWidget* widget)
{
    of(widget).hidden = true;
}

void SetPressable(QWidget* widget, bool store)
{
    Described& x = of(widget);
    x.pressable = true;
    x.store = store;
}

void SetTextSource(QWidget* widget, std::function<QString()> text)
{
    Described& x = of(widget);
    x.text = std::move(text);
    x.announcedText = x.text();
}

void SetValueSource(QWidget* widget, std::function<double()> value, double most)
{
    Described& x = of(widget);
    x.value = std::move(value);
    x.most = most;
    x.announcedValue = x.value();
}

void Changed(QWidget* widget)
{
    // Nothing listens: nothing to work out, a drag stays as cheap as it was.
    if (!QAccessible::isActive() || !described().contains(widget))
        return;
    if (pending().isEmpty())
        QTimer::singleShot(0, &announce);
    if (!pending().contains(widget))
        pending().append(widget);
}

void SetFocusedChild(QWidget* widget)
{
    for (auto it = described().begin(); it != described().end(); ++it)
        if (it->focused && it.key() != widget && it.key()->parentWidget() == widget->parentWidget()) {
            it->focused = false;
            QAccessible::State focused;
            focused.focused = true;
            QAccessibleStateChangeEvent lost(const_cast<QWidget*>(it.key()), focused);
            QAccessible::updateAccessibility(&lost);
        }
    of(widget).focused = true;
    QAccessibleEvent event(widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QString ColourText(OLE_COLOR c)
{
    return mCPUtils::ToHtmlText(c) + QStringLiteral(", ") + ColourForms::Format(QStringLiteral("name"), c);
}

} // namespace Accessibility
