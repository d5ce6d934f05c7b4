#pragma once

//! \file
//! Accessors of the settings keys that the library's widgets read and write.
//! Each reads through ZelAbstractAppConfig with the key's registered default
//! and converts what is stored to the accessor's type: a value Qt can convert
//! (the text "12" for an int) is converted, anything else gives the type's
//! zero value (0, false, 0.0, an empty container).

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>

//! Header state key -> bytes of QHeaderView::saveState().
using HeaderViewState = QHash<QByteArray, QByteArray>;
//! Header identifier -> name of its active column profile.
using ActiveProfile = QMap<QByteArray, QString>;
//! Header identifier -> names of its column profiles.
using TableHeaderProfiles = QMap<QByteArray, QList<QString>>;

//! "general/icon_size", default 30.
//!@{
ZELGUI_EXPORT int settingIconSize();
ZELGUI_EXPORT void settingIconSize(int size);
//!@}

//! "general/language": a QLocale::Language; its default is Russian on a
//! Russian system and English elsewhere, decided afresh on every call.
//!@{
ZELGUI_EXPORT QLocale::Language settingLanguage();
ZELGUI_EXPORT void settingLanguage(QLocale::Language language);
//!@}

//! Notification pop-ups: offsets from the screen corner in pixels, lifetime
//! in seconds (0 keeps a pop-up until it is closed), transparency from 0 to
//! 1, and whether pop-ups stack above each other.
//!@{
ZELGUI_EXPORT int settingMessageOffsetHorizontal();
ZELGUI_EXPORT void settingMessageOffsetHorizontal(int offset);
ZELGUI_EXPORT int settingMessageOffsetVertical();
ZELGUI_EXPORT void settingMessageOffsetVertical(int offset);
ZELGUI_EXPORT int settingMessageLifeTime();
ZELGUI_EXPORT void settingMessageLifeTime(int seconds);
ZELGUI_EXPORT double settingMessageTransparency();
ZELGUI_EXPORT void settingMessageTransparency(double transparency);
ZELGUI_EXPORT bool settingMessageStacked();
ZELGUI_EXPORT void settingMessageStacked(bool stacked);
//!@}

//! Keys of the notification kinds a user can switch off. Pass one with a
//! message (ZelMessenger::processMessage, ZelTrayMessage::popUp): the pop-up
//! then offers "Don't show again", which writes false under the key, and is
//! skipped while the key holds false. Each holds a bool, default true.
//!@{
ZELGUI_EXPORT extern const QString settingMessageNotificationsSuccessLoadKey;
ZELGUI_EXPORT extern const QString settingMessageNotificationsFailedLoadKey;
ZELGUI_EXPORT extern const QString settingMessageNotificationsFastCaptureSuccessKey;
ZELGUI_EXPORT extern const QString settingMessageNotificationsFastCaptureFailedKey;
ZELGUI_EXPORT extern const QString settingMessageNotificationsAutoCaptureSuccessKey;
ZELGUI_EXPORT extern const QString settingMessageNotificationsAutoCaptureFailedKey;
ZELGUI_EXPORT extern const QString settingMessageNotificationsPanoramaKey;
//!@}

//! Column profiles of table headers.
//! "general/table_header_profiles": the profile names of each table header.
//!@{
ZELGUI_EXPORT TableHeaderProfiles settingTableHeaderProfiles();
ZELGUI_EXPORT void settingTableHeaderProfiles(const QMap<QByteArray, QList<QString>> &profiles);
//!@}
//! "elements/tableheaderstate": the stored layouts of the table headers.
//!@{
ZELGUI_EXPORT HeaderViewState settingHeaderViewState();
ZELGUI_EXPORT void settingHeaderViewState(const QHash<QByteArray, QByteArray> &state);
//!@}
//! "elements/activeprofile": the active profile of each table header.
//!@{
ZELGUI_EXPORT ActiveProfile settingHeaderActiveProfile();
ZELGUI_EXPORT void settingHeaderActiveProfile(const QMap<QByteArray, QString> &profiles);
//!@}
