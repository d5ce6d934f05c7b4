#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Runs action on the file dialog once it is the active modal widget.
void whenModal(std::function<void(QFileDialog *)> action)
{
    QTimer::singleShot(0, qApp, [action] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        dialog ? action(dialog) : whenModal(action);
    });
}

} // namespace

class tst_ZelCoreFileDialog : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;

    QString makeFile(const QString &relative)
    {
        const QString path = QDir::cleanPath(m_dir->filePath(relative));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("x") == 1 ? path : QString();
    }

private Q_SLOTS:
    void cleanup() { ZelFileDialog::clearTestAnswer(); }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        ZelAbstractAppConfig::reset();
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void readDialogIsSetUpForTheFormats()
    {
        QPointer<QFileDialog> seen;
        QStringList shown; // title, directory, then the name filters
        bool setUp = false;
        ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
            seen = dialog;
            shown = QStringList{dialog->windowTitle(), dialog->directory().absolutePath()} + dialog->nameFilters();
            setUp = dialog->fileMode() == QFileDialog::ExistingFile && dialog->acceptMode() == QFileDialog::AcceptOpen
                && dialog->selectedNameFilter() == dialog->nameFilters().constFirst()
                && dialog->testOption(QFileDialog::DontUseNativeDialog) && dialog->testOption(QFileDialog::ReadOnly);
            return QStringList();
        });
        ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Open image"), m_dir->path(),
                                          {"png", "jpg", "jpeg", FSUtils::formatDCM}, "open", QFileDialog::ReadOnly);
        QVERIFY(seen.isNull() && setUp); // asked, then deleted; the caller's ReadOnly option kept
        QCOMPARE(shown, QStringList({QStringLiteral("Open image"), m_dir->path(), // jpg and jpeg share one filter
                                     QStringLiteral("All supported formats (*.png *.jpg *.jpeg *.dcm)"),
                                     QStringLiteral("PNG image (*.png)"), QStringLiteral("JPEG image (*.jpg *.jpeg)"),
                                     QStringLiteral("DICOM image (*.dcm)"), FSUtils::filterAll}));
        ZelFileDialog::getFileNameForRead(nullptr, QString(), m_dir->path(), {"bmp"}, "open"); // one: no combined filter
        QCOMPARE(shown.mid(2), QStringList({QStringLiteral("BMP image (*.bmp)"), FSUtils::filterAll}));
    }

    void startsInTheContextsDirectoryAndCancelKeepsIt()
    {
        QString shownDir;
        ZelFileDialog::setTestAnswer([&shownDir](QFileDialog *dialog) {
            shownDir = dialog->directory().absolutePath();
            return QStringList(); // cancelled
        });
        QVERIFY(ZelFileDialog::getFileNameForRead(nullptr, QString(), QString(), {"png"}, "never-used").isNull());
        QCOMPARE(shownDir, QDir(QDir::homePath()).absolutePath());

        const QString remembered = QFileInfo(makeFile(QStringLiteral("remembered/x.png"))).absolutePath();
        FSUtils::setWorkDir(remembered, "open");
        QByteArray format("stale");
        QVERIFY(ZelFileDialog::getFileNameForWrite(nullptr, QString(), QString(), {"png"}, "open", {}, &format).isNull());
        QVERIFY(shownDir == remembered && format.isEmpty()); // cancelled: no format either
        // An explicit start wins over the context.
        QVERIFY(ZelFileDialog::getFileNamesForRead(nullptr, QString(), m_dir->path(), {"png"}, "open").isEmpty());
        QCOMPARE(QStringList({shownDir, FSUtils::workDir("open")}), QStringList({m_dir->path(), remembered}));
    }

    void acceptedSelectionsAreRemembered()
    {
        const QString first = makeFile(QStringLiteral("set/1.png")), second = makeFile(QStringLiteral("set/2.png"));
        const QString other = QFileInfo(makeFile(QStringLiteral("other/x.png"))).absolutePath();
        const QString target = QFileInfo(makeFile(QStringLiteral("out/deeper/x"))).absolutePath();
        FSUtils::setWorkDir(other, "import");
        QList<QFileDialog::FileMode> modes;
        QStringList answer{first, second};
        ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) { modes.append(dialog->fileMode()); return answer; });
        QCOMPARE(ZelFileDialog::getFileNamesForRead(nullptr, QString(), m_dir->path(), {"png"}, "batch"), answer);
        answer = QStringList{target}; // a directory is remembered itself, not its parent
        QCOMPARE(ZelFileDialog::getDirectory(nullptr, QString(), m_dir->path(), "output"), target);
        QCOMPARE(QStringList({FSUtils::workDir("batch"), FSUtils::workDir("output"), FSUtils::workDir("import")}),
                 QStringList({QFileInfo(first).absolutePath(), target, other}));
        QCOMPARE(modes, QList<QFileDialog::FileMode>({QFileDialog::ExistingFiles, QFileDialog::Directory}));
    }

    void writeChoosesFormatAndExtension()
    {
        const QString dir = QDir::cleanPath(m_dir->path());
        const QList<QByteArray> pngJpg{"png", "jpg"};
        for (const auto &[formats, filter, typed, expectedName, expectedFormat] : {
                 std::tuple{pngJpg, 0, "a", "a.png", "png"}, {pngJpg, 1, "a", "a.jpg", "jpg"},
                 {pngJpg, 0, "a.JPEG", "a.JPEG", "jpg"}, {pngJpg, 1, "a.bmp", "a.bmp.jpg", "jpg"}, // suffix wins, any case
                 {QList<QByteArray>{"jpeg"}, 0, "a", "a.jpg", "jpeg"}, {QList<QByteArray>(), 0, "a.xyz", "a.xyz", ""}}) {
            QStringList filters;
            QString suffix;
            ZelFileDialog::setTestAnswer([&, filter = filter, typed = typed](QFileDialog *dialog) {
                filters = dialog->nameFilters();
                suffix = dialog->defaultSuffix();
                if (dialog->acceptMode() != QFileDialog::AcceptSave || dialog->fileMode() != QFileDialog::AnyFile)
                    return QStringList();
                dialog->selectNameFilter(filters.value(filter));
                return QStringList{dir + QLatin1Char('/') + QLatin1String(typed)};
            });
            QByteArray format("stale");
            const QString name = ZelFileDialog::getFileNameForWrite(nullptr, QString(), dir, formats, "export", {}, &format);
            QCOMPARE(QStringList({name, QString::fromLatin1(format), FSUtils::workDir("export")}),
                     QStringList({dir + QLatin1Char('/') + QLatin1String(expectedName), QLatin1String(expectedFormat), dir}));
            const QStringList captions{FSUtils::formatCaption(formats.value(0)), FSUtils::formatCaption(formats.value(1))};
            QCOMPARE(filters, formats.isEmpty() ? QStringList{FSUtils::filterAll} : captions.mid(0, formats.size()));
            QCOMPARE(suffix, formats.isEmpty() ? QString() : FSUtils::formatExtensions(formats.constFirst()).constFirst());
        }
    }

    void realModalRoundTrip()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) // said whenever a dialog is shown
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        const QString file = makeFile(QStringLiteral("real/picked.png")), dir = QFileInfo(file).absolutePath();
        bool sawDialog = false;
        whenModal([&](QFileDialog *dialog) {
            sawDialog = dialog->isModal() && dialog->isVisible() && dialog->windowTitle() == QLatin1String("Real")
                && dialog->directory().absolutePath() == dir;
            dialog->selectFile(file);
            QPushButton *open = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
            if (QTest::qWaitFor([open] { return open->isEnabled(); })) // it waits for the file system model
                QTest::mouseClick(open, Qt::LeftButton);
            else
                dialog->reject(); // fail, not hang
        });
        QCOMPARE(ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Real"), dir, {"png"}, "real"), file);
        QVERIFY(sawDialog && !QApplication::activeModalWidget());
        QCOMPARE(FSUtils::workDir("real"), dir);
    }
};

QTEST_MAIN(tst_ZelCoreFileDialog)
#include "tst_zelcore_filedialog.moc"
