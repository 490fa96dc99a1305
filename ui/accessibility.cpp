// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

constexpr char decorationProperty[] = "tamselDecoration";
constexpr char coverProperty[] = "tamselCoveredBy";
constexpr char captionProperty[] = "tamselCaption";
constexpr int focusFrameWidth = 2;

// A label read by the screen reader only while it can be seen: under its
// cover, or as pure decoration, it reports itself invisible and nameless.
class ReadableLabel : public QAccessibleWidget
{
public:
    explicit ReadableLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (hidden()) {
            return {};
        }
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return spokenName();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (hidden()) {
            s.invisible = true;
        }
        return s;
    }

private:
    // "Ergebnis: falsch", "Wert: 4444", or the caption alone while empty.
    QString spokenName() const
    {
        const QString shown = static_cast<QLabel *>(widget())->text();
        const QString caption = widget()->property(captionProperty).toString();
        if (caption.isEmpty() || shown.startsWith(caption)) {
            return shown;
        }
        return shown.isEmpty() ? caption : caption + QStringLiteral(": ") + shown;
    }

    bool hidden() const
    {
        if (widget()->property(decorationProperty).toBool()) {
            return true;
        }
        const auto *cover = widget()->property(coverProperty).value<QWidget *>();
        if (cover != nullptr && cover->isVisible()) {
            return true;
        }
        // An empty label without a name of its own has nothing to say.
        return widget()->accessibleName().isEmpty() && spokenName().isEmpty();
    }
};

// Qt reports a dialog shown with exec() as an ordinary window; screen
// readers need to know that nothing else takes input meanwhile.
class ModalDialog : public QAccessibleWidget
{
public:
    explicit ModalDialog(QWidget *dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.modal = widget()->isModal() || widget()->windowModality() != Qt::NonModal;
        return s;
    }
};

QAccessibleInterface *tamselInterfaces(const QString &className, QObject *object)
{
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Announcer")) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (className == QLatin1String("TForm2")) {
        return new ModalDialog(widget);
    }
    if (className == QLatin1String("QLabel") && (widget->property(decorationProperty).isValid() ||
                                                 widget->property(coverProperty).isValid() ||
                                                 widget->property(captionProperty).isValid())) {
        return new ReadableLabel(static_cast<QLabel *>(widget));
    }
    return nullptr;
}

class EnterKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        // Holding the key down must not press the button again and again.
        if (!key->isAutoRepeat()) {
            static_cast<QAbstractButton *>(watched)->click();
        }
        return true;
    }
};

class VisibleFocusStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect) {
            drawFocusFrame(option, option->rect, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // Some styles mark a focused push button only by a tint of its
        // outline, and only after the first key press.
        if (element == PE_PanelButtonCommand && (option->state & State_HasFocus)) {
            drawFocusFrame(option, option->rect.adjusted(3, 3, -3, -3), painter);
        }
    }

private:
    static void drawFocusFrame(const QStyleOption *option, const QRect &rect, QPainter *painter)
    {
        painter->save();
        QPen pen(option->palette.color(QPalette::WindowText), focusFrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->setRenderHint(QPainter::Antialiasing, false);
        const int inset = focusFrameWidth / 2;
        painter->drawRect(rect.adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }
};

} // namespace

void installAccessibility()
{
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(tamselInterfaces);
}

void pressOnEnter(QAbstractButton *button)
{
    button->installEventFilter(new EnterKeyFilter(button));
}

void hideFromScreenReader(QLabel *label)
{
    label->setProperty(decorationProperty, true);
}

void setSpokenCaption(QLabel *label, const QString &caption)
{
    label->setProperty(captionProperty, caption);
}

void setCoveredBy(QLabel *label, QWidget *cover)
{
    label->setProperty(coverProperty, QVariant::fromValue(cover));
}

QStyle *styleWithVisibleFocus()
{
    return new VisibleFocusStyle();
}
