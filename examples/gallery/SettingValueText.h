#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

// How the settings page shows setting values as text and reads typed text
// back. Scalars (numbers, bool, text) round-trip; containers and custom
// types only get a summary.
class SettingValueText
{
public:
    // Types whose values can be typed in.
    static bool isEditableType(QMetaType type);
    // Whether this value can be edited as text without losing anything: its
    // type is editable, and a byte array holds printable UTF-8 rather than
    // binary state such as a saved window geometry.
    static bool isEditable(const QVariant &value);

    // One line for a table cell. Empty text and empty byte arrays give an
    // empty string; containers "QHash (3 entries)"; other types their
    // debug text, shortened.
    static QString display(const QVariant &value);
    // The full text for a tooltip.
    static QString details(const QVariant &value);
    // The text an editor starts from; fromText() turns it back into value.
    static QString editText(const QVariant &value);

    // text read as a value of type. On failure, an invalid QVariant and a
    // reason in *error (when given) such as: "abc" is not an integer.
    static QVariant fromText(const QString &text, QMetaType type, QString *error = nullptr);

    // value converted to type where Qt can convert it (an INI file gives
    // numbers back as text); otherwise value unchanged.
    static QVariant coerce(const QVariant &value, QMetaType type);

    // Longest display() text before it is cut short with an ellipsis.
    static constexpr int MaxDisplayLength = 80;
};
