#include "ZelGuiStatics_p.h"

#include <QColor>

const QBrush selectionBrush(QColor::fromString(QLatin1String("darkgray")), Qt::SolidPattern);
const QString sampleText = QStringLiteral("Sample");
