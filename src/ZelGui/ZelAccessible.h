#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <memory>
#include <vector>

class ZelSpanSlider;
class ZelSpanSliderWithIntermediateValue;
class ZelThermoBarSpanHandler;

// Accessible interfaces of the widgets this library paints itself. The
// factory below is installed when the library is loaded and removed when it
// is unloaded; Qt owns every interface it hands out.
namespace ZelAccessible {
QAccessibleInterface *factory(const QString &className, QObject *object);

// Raises a value change of iface. Only interfaces that were asked for
// announce, so nothing is raised before an assistive tool looks.
void announceValue(QAccessibleInterface *iface, const QVariant &value);
} // namespace ZelAccessible

// Translation context of the texts below.
class ZelAccessibleTexts
{
    Q_DECLARE_TR_FUNCTIONS(ZelAccessible)
};

// One handle of a span slider, without an object of its own: the slider
// owns it and Qt's registry keeps its id. Setting the value goes through the
// slider's own setters, so the slider's usual signals follow.
class ZelAccessibleSpanHandle : public QAccessibleInterface, public QAccessibleValueInterface
{
public:
    enum Kind : int { Lower, Upper, Intermediate };

    ZelAccessibleSpanHandle(ZelSpanSlider *slider, Kind kind);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    Kind kind() const { return m_kind; }

private:
    QPointer<ZelSpanSlider> m_slider;
    Kind m_kind;
};

// A span slider (and the intermediate-value slider) as a group of handles.
class ZelAccessibleSpanSlider : public QAccessibleWidget
{
public:
    explicit ZelAccessibleSpanSlider(ZelSpanSlider *slider);
    ~ZelAccessibleSpanSlider() override;

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

private:
    ZelSpanSlider *slider() const;

    std::vector<ZelAccessibleSpanHandle *> m_handles;
    // Context of the connections that announce value changes; they end with
    // the interface.
    std::unique_ptr<QObject> m_watch;
};

// A handle of a thermo bar span: a real widget with the bar's range.
class ZelAccessibleThermoHandle : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ZelAccessibleThermoHandle(ZelThermoBarSpanHandler *handler);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    ZelThermoBarSpanHandler *handler() const;
};

// Colour bars, the rotating hue bar and the histogram: a name, a value
// text and a description of the range and the selection.
class ZelAccessibleDisplay : public QAccessibleWidget
{
public:
    ZelAccessibleDisplay(QWidget *widget, QAccessible::Role role);
    ~ZelAccessibleDisplay() override;

    QString text(QAccessible::Text t) const override;

private:
    std::unique_ptr<QObject> m_watch;
};

// The notification pop-up: its title as the name, its text as the
// description.
class ZelAccessibleTrayMessage : public QAccessibleWidget
{
public:
    explicit ZelAccessibleTrayMessage(QWidget *widget);

    QString text(QAccessible::Text t) const override;
};
