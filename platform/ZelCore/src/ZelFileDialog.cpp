#include <ZelCore/ZelFileDialog.h>

#include <ZelCore/FSUtils.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

std::function<QStringList(QFileDialog *)> &testAnswer()
{
    static std::function<QStringList(QFileDialog *)> answer;
    return answer;
}

struct Filters
{
    QStringList names;
    QList<QByteArray> formats; // parallel to names; empty for the catch-alls
};

// Formats with the same caption (jpg and jpeg) get one filter.
Filters formatFilters(const QList<QByteArray> &formats)
{
    Filters filters;
    for (const QByteArray &format : formats) {
        const QString caption = FSUtils::formatCaption(format);
        if (format.isEmpty() || filters.names.contains(caption))
            continue;
        filters.names.append(caption);
        filters.formats.append(format.toLower());
    }
    return filters;
}

Filters readFilters(const QList<QByteArray> &formats)
{
    Filters filters = formatFilters(formats);
    if (filters.names.size() > 1) {
        QStringList patterns;
        for (const QByteArray &format : std::as_const(filters.formats)) {
            for (const QString &ext : FSUtils::formatExtensions(format))
                patterns.append(QStringLiteral("*.") + ext);
        }
        filters.names.prepend(QCoreApplication::translate("ZelFileDialog", "All supported formats")
                              + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
        filters.formats.prepend(QByteArray());
    }
    filters.names.append(FSUtils::filterAll);
    filters.formats.append(QByteArray());
    return filters;
}

QFileDialog *createDialog(QWidget *parent, const QString &caption, const QString &startDir,
                          const QByteArray &contextKey, QFileDialog::Options options)
{
    const QString dir = startDir.isEmpty() ? FSUtils::workDir(contextKey) : startDir;
    auto *dialog = new QFileDialog(parent, caption, dir);
    dialog->setOptions(options | QFileDialog::DontUseNativeDialog);
    return dialog;
}

// The user's selection: the test answer if one is set, else what the user
// accepted in the modal dialog. Deletes the dialog.
QStringList run(QFileDialog *dialog, QString *selectedFilter = nullptr)
{
    QPointer<QFileDialog> guard(dialog);
    QStringList result;
    if (const auto &answer = testAnswer()) {
        result = answer(dialog);
    } else if (dialog->exec() == QDialog::Accepted && guard) {
        result = dialog->selectedFiles();
    }
    // The parent may have been destroyed while the dialog ran, and the
    // dialog with it.
    if (guard) {
        if (selectedFilter)
            *selectedFilter = dialog->selectedNameFilter();
        delete dialog;
    }
    result.removeAll(QString());
    return result;
}

void rememberDirectoryOf(const QString &file, const QByteArray &contextKey)
{
    FSUtils::setWorkDir(QFileInfo(file).absolutePath(), contextKey);
}

} // namespace

QString ZelFileDialog::getDirectory(QWidget *parent, const QString &caption, const QString &startDir,
                                    const QByteArray &contextKey, QFileDialog::Options options)
{
    QFileDialog *dialog = createDialog(parent, caption, startDir, contextKey, options | QFileDialog::ShowDirsOnly);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList selected = run(dialog);
    if (selected.isEmpty())
        return QString();
    const QString dir = selected.constFirst();
    FSUtils::setWorkDir(dir, contextKey);
    return dir;
}

QString ZelFileDialog::getFileNameForRead(QWidget *parent, const QString &caption, const QString &startDir,
                                          const QList<QByteArray> &formats, const QByteArray &contextKey,
                                          QFileDialog::Options options)
{
    QFileDialog *dialog = createDialog(parent, caption, startDir, contextKey, options);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(readFilters(formats).names);
    const QStringList selected = run(dialog);
    if (selected.isEmpty())
        return QString();
    rememberDirectoryOf(selected.constFirst(), contextKey);
    return selected.constFirst();
}

QStringList ZelFileDialog::getFileNamesForRead(QWidget *parent, const QString &caption, const QString &startDir,
                                               const QList<QByteArray> &formats, const QByteArray &contextKey,
                                               QFileDialog::Options options)
{
    QFileDialog *dialog = createDialog(parent, caption, startDir, contextKey, options);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(readFilters(formats).names);
    const QStringList selected = run(dialog);
    if (!selected.isEmpty())
        rememberDirectoryOf(selected.constFirst(), contextKey);
    return selected;
}

QString ZelFileDialog::getFileNameForWrite(QWidget *parent, const QString &caption, const QString &startDir,
                                           const QList<QByteArray> &formats, const QByteArray &contextKey,
                                           QFileDialog::Options options, QByteArray *chosenFormat)
{
    if (chosenFormat)
        chosenFormat->clear();

    Filters filters = formatFilters(formats);
    if (filters.names.isEmpty()) {
        filters.names.append(FSUtils::filterAll);
        filters.formats.append(QByteArray());
    }

    QFileDialog *dialog = createDialog(parent, caption, startDir, contextKey, options);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters(filters.names);
    // Lets the dialog itself complete a typed name without extension.
    const auto updateSuffix = [dialog, filters](const QString &filter) {
        const QByteArray format = filters.formats.value(filters.names.indexOf(filter));
        dialog->setDefaultSuffix(FSUtils::formatExtensions(format).value(0));
    };
    updateSuffix(filters.names.constFirst());
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, updateSuffix);

    QString selectedFilter;
    const QStringList selected = run(dialog, &selectedFilter);
    if (selected.isEmpty())
        return QString();

    QString fileName = selected.constFirst();
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    QByteArray format;
    for (const QByteArray &candidate : std::as_const(filters.formats)) {
        if (!candidate.isEmpty() && FSUtils::formatExtensions(candidate).contains(suffix)) {
            format = candidate;
            break;
        }
    }
    if (format.isEmpty()) {
        format = filters.formats.value(filters.names.indexOf(selectedFilter));
        const QString extension = FSUtils::formatExtensions(format).value(0);
        if (!extension.isEmpty())
            fileName += QLatin1Char('.') + extension;
    }

    rememberDirectoryOf(fileName, contextKey);
    if (chosenFormat)
        *chosenFormat = format;
    return fileName;
}

void ZelFileDialog::setTestAnswer(std::function<QStringList(QFileDialog *dialog)> answer)
{
    testAnswer() = std::move(answer);
}

void ZelFileDialog::clearTestAnswer()
{
    testAnswer() = nullptr;
}
