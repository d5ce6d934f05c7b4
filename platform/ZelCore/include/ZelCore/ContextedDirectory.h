#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Context name -> directory last used in that context.
using ContextedDirectory = QHash<QByteArray, QString>;
