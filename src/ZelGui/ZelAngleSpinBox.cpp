#include <ZelGui/ZelAngleSpinBox.h>

namespace {

const QString degreeSign = QStringLiteral("\u00b0");

} // namespace

ZelAngleSpinBox::ZelAngleSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setSuffix(degreeSign);
    setRange(0.0, 360.0);
    setWrapping(true);
}

ZelAngleSpinBox::~ZelAngleSpinBox() = default;

// Accepts the number with or without the degree sign, in the widget's
// locale or with a decimal point; text that is no number keeps the value.
double ZelAngleSpinBox::valueFromText(const QString &text) const
{
    QString number = text.trimmed();
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    number = number.trimmed();
    if (number.endsWith(degreeSign))
        number.chop(degreeSign.size());
    number = number.trimmed();

    bool ok = false;
    double angle = locale().toDouble(number, &ok);
    if (!ok)
        angle = QLocale::c().toDouble(number, &ok);
    return ok ? angle : value();
}

QString ZelAngleSpinBox::textFromValue(double value) const
{
    QLocale numbers = locale();
    numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    return numbers.toString(value, 'f', decimals());
}
