#pragma once

// Arithmetic shared by the rectangle editors. Their edges may be anywhere in
// int, so widths and moved edges are computed in 64 bits and saturated:
// QRect's own width() and isNull() overflow at the ends of int.

#include <QRect>
#include <QtGlobal>

#include <limits>

namespace ZelRectEditors {

inline int saturated(qint64 value)
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), value, qint64(std::numeric_limits<int>::max())));
}

inline qint64 width(const QRect &rect)
{
    return qint64(rect.right()) - rect.left() + 1;
}

inline qint64 height(const QRect &rect)
{
    return qint64(rect.bottom()) - rect.top() + 1;
}

// QRect::isNull() without its overflow at INT_MIN.
inline bool isNull(const QRect &rect)
{
    return width(rect) == 0 && height(rect) == 0;
}

// A rectangle from position and size; the far edges saturate.
inline QRect fromPositionAndSize(int left, int top, int width, int height)
{
    return QRect(QPoint(left, top), QPoint(saturated(qint64(left) + width - 1), saturated(qint64(top) + height - 1)));
}

} // namespace ZelRectEditors

#include <ZelGui/ZelRangeWidget.h>

#include <QAbstractSpinBox>
#include <QSlider>

namespace ZelRectEditors {

// The form names each editor for assistive tools; its spin box and slider
// carry that name, and the spin box takes the editor's focus (the label's
// buddy).
inline void nameControls(ZelRangeWidget *editor)
{
    const QString name = editor->accessibleName();
    auto *spinBox = editor->findChild<QAbstractSpinBox *>();
    auto *slider = editor->findChild<QSlider *>();
    if (spinBox) {
        spinBox->setAccessibleName(name);
        editor->setFocusProxy(spinBox);
    }
    if (slider)
        slider->setAccessibleName(name);
}

} // namespace ZelRectEditors
