#pragma once

#include <ZelCore/zelcore_export.h>

#include <QByteArray>
#include <QFileDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Modal open/save dialogs that start in the directory last used in a
// context and remember the directory the user ends in. They are always Qt's
// own dialogs (DontUseNativeDialog is added to the options): the platform
// dialogs cannot be driven by tests and do not run offscreen.
//
// Name filters come from FSUtils::formatCaption(): for reading, one filter
// for all given formats (when there are several), one per format, then
// "All Files (*)"; for writing, one per format (or "All Files (*)" when no
// format is given). An empty startDir means FSUtils::workDir(contextKey).
// Cancelled dialogs return empty results and remember nothing.
class ZELCORE_EXPORT ZelFileDialog
{
public:
    static QString getDirectory(QWidget *parent, const QString &caption, const QString &startDir,
                                const QByteArray &contextKey, QFileDialog::Options options = {});

    static QString getFileNameForRead(QWidget *parent, const QString &caption, const QString &startDir,
                                      const QList<QByteArray> &formats, const QByteArray &contextKey,
                                      QFileDialog::Options options = {});

    static QStringList getFileNamesForRead(QWidget *parent, const QString &caption, const QString &startDir,
                                           const QList<QByteArray> &formats, const QByteArray &contextKey,
                                           QFileDialog::Options options = {});

    // The chosen format is the one whose extension the file name has, if it
    // is one of formats; otherwise the format of the selected filter, whose
    // preferred extension is then appended to the name. *chosenFormat is set
    // to it (empty when cancelled or when no formats were given).
    static QString getFileNameForWrite(QWidget *parent, const QString &caption, const QString &startDir,
                                       const QList<QByteArray> &formats, const QByteArray &contextKey,
                                       QFileDialog::Options options = {}, QByteArray *chosenFormat = nullptr);

    // The same dialogs without a parent window.
    static QString getDirectory(const QString &caption, const QString &startDir, const QByteArray &contextKey,
                                QFileDialog::Options options = {})
    {
        return getDirectory(nullptr, caption, startDir, contextKey, options);
    }
    static QString getFileNameForRead(const QString &caption, const QString &startDir, const QList<QByteArray> &formats,
                                      const QByteArray &contextKey, QFileDialog::Options options = {})
    {
        return getFileNameForRead(nullptr, caption, startDir, formats, contextKey, options);
    }
    static QStringList getFileNamesForRead(const QString &caption, const QString &startDir,
                                           const QList<QByteArray> &formats, const QByteArray &contextKey,
                                           QFileDialog::Options options = {})
    {
        return getFileNamesForRead(nullptr, caption, startDir, formats, contextKey, options);
    }
    static QString getFileNameForWrite(const QString &caption, const QString &startDir,
                                       const QList<QByteArray> &formats, const QByteArray &contextKey,
                                       QFileDialog::Options options = {}, QByteArray *chosenFormat = nullptr)
    {
        return getFileNameForWrite(nullptr, caption, startDir, formats, contextKey, options, chosenFormat);
    }

    // For tests: instead of running the configured dialog, call answer with
    // it and take the returned paths as the user's selection (an empty list
    // is a cancel). The answer may change the dialog, e.g. select a filter.
    static void setTestAnswer(std::function<QStringList(QFileDialog *dialog)> answer);
    static void clearTestAnswer();
};
