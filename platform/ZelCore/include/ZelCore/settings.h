#pragma once

// Settings keys shared by every application of the family. Each unit that
// includes this header registers them at load, in this order.

#include <ZelCore/CaptureEngineData.h>
#include <ZelCore/RegisterSettings.h>
#include <ZelCore/ZelApplicationSecurityPolicy.h>
#include <ZelLog/ZelLog.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>

// Context name -> directory last used in that context.
#include <ZelCore/ContextedDirectory.h>

// Russian on a Russian system, English everywhere else.
inline QLocale::Language defaultLanguage()
{
    ZelLog::logStream("ZelGui", "QLocale::Language defaultLanguage()", __FILE__, __LINE__)
        << "default local language:" << int(QLocale().language());
    return QLocale().language() == QLocale::Russian ? QLocale::Russian : QLocale::English;
}

ZEL_DECLARE_SETTING(settingIconSize, "general/icon_size", QVariant::fromValue<int>(30), true)
ZEL_DECLARE_SETTING(settingLanguage, "general/language", QVariant::fromValue<int>(defaultLanguage()), false)
ZEL_DECLARE_SETTING(settingMainWindowState, "mav/mainwindow/window_state", QVariant::fromValue(QByteArray()), true)
ZEL_DECLARE_SETTING(settingMainWindowGeometry, "mav/mainwindow/window_geometry", QVariant::fromValue(QByteArray()),
                    true)
ZEL_DECLARE_SETTING(settingMainWindowMaximized, "mav/mainwindow/maximized", QVariant::fromValue<bool>(true), true)
ZEL_DECLARE_SETTING(settingRasterStoreFormat, "mav/raster_format", QVariant::fromValue(QString()), true)
ZEL_DECLARE_SETTING(settingWorkingDirectory, "document/working_directory", QVariant::fromValue(ContextedDirectory()),
                    false)
ZEL_DECLARE_SETTING(settingLastCfgDirectory, "general/last_cfg_dir", QVariant::fromValue(QString()), false)
ZEL_DECLARE_SETTING(settingDisplayPrecision, "general/display_precision", QVariant::fromValue<int>(3), true)
ZEL_DECLARE_SETTING(settingMaxImageSide, "general/max_image_side", QVariant::fromValue<int>(6000), true)
ZEL_DECLARE_SETTING(settingProcessorFPSPeriod, "element/fps_period", QVariant::fromValue<int>(5000), true)
ZEL_DECLARE_SETTING(settingSecurityPolicy, "general/secpolicy", QVariant::fromValue(ZelApplicationSecurityPolicy()),
                    false)
ZEL_DECLARE_SETTING(settingDecimals, "core/decimals", QVariant::fromValue<int>(3), true)
ZEL_DECLARE_SETTING(settingNumberFormat, "core/numberformat", QVariant::fromValue<int>(2), true)
ZEL_DECLARE_SETTING(settingTableHeaderProfiles, "general/table_header_profiles",
                    QVariant::fromValue(QMap<QByteArray, QList<QString>>()), true)
ZEL_DECLARE_SETTING(settingProgramFirstRun, "general/first_run", QVariant::fromValue<bool>(false), false)
ZEL_DECLARE_SETTING(settingCEConfigLast, "element/ceconfig", QVariant::fromValue(ZelCore::CaptureEngineData()), false)
