// The open/save dialogs: set-up, answers, remembered directories, and real
// modal round trips.

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
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
            action(dialog);
        else
            whenModal(action);
    });
}

// Clicks the button once it is enabled (Open waits for the file system
// model); rejects after a few seconds so a broken dialog fails, not hangs.
void clickWhenEnabled(QPointer<QFileDialog> dialog, QDialogButtonBox::StandardButton which, int triesLeft = 500)
{
    if (!dialog)
        return;
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QPushButton *button = box ? box->button(which) : nullptr;
    if (button && button->isEnabled() && button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton);
    else if (triesLeft == 0)
        dialog->reject();
    else
        QTimer::singleShot(10, qApp, [dialog, which, triesLeft] { clickWhenEnabled(dialog, which, triesLeft - 1); });
}

// The offscreen platform says so whenever a dialog is shown.
void expectShowWarning()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
}

} // namespace

class tst_ZelCoreFileDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readDialogIsSetUpForTheFormats();
    void startsInTheContextsDirectoryAndCancelKeepsIt();
    void acceptedSelectionsAreRemembered();
    void writeChoosesFormatAndExtension_data();
    void writeChoosesFormatAndExtension();

    void realModalRoundTrip();
    void realModalCancel();
    void parentDestroyedWhileOpen();

private:
    QString makeFile(const QString &relative);

    QScopedPointer<QTemporaryDir> m_dir;
};

void tst_ZelCoreFileDialog::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    ZelAbstractAppConfig::reset();
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void tst_ZelCoreFileDialog::cleanup()
{
    ZelFileDialog::clearTestAnswer();
}

QString tst_ZelCoreFileDialog::makeFile(const QString &relative)
{
    const QString path = QDir::cleanPath(m_dir->filePath(relative));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1 ? path : QString();
}

void tst_ZelCoreFileDialog::readDialogIsSetUpForTheFormats()
{
    QPointer<QFileDialog> seen;
    QStringList shown; // title, directory, then the name filters
    QFileDialog::Options options;
    bool openExisting = false;
    ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
        seen = dialog;
        shown = QStringList{dialog->windowTitle(), dialog->directory().absolutePath()} + dialog->nameFilters();
        options = dialog->options();
        openExisting = dialog->fileMode() == QFileDialog::ExistingFile && dialog->acceptMode() == QFileDialog::AcceptOpen
            && dialog->selectedNameFilter() == dialog->nameFilters().constFirst();
        return QStringList();
    });
    ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Open image"), m_dir->path(),
                                      {"png", "jpg", "jpeg", FSUtils::formatDCM}, "open", QFileDialog::ReadOnly);
    QVERIFY(seen.isNull()); // asked, then deleted
    QVERIFY(openExisting);
    QVERIFY(options.testFlag(QFileDialog::DontUseNativeDialog));
    QVERIFY(options.testFlag(QFileDialog::ReadOnly)); // the caller's option kept
    // jpg and jpeg share one filter.
    QCOMPARE(shown, QStringList({QStringLiteral("Open image"), m_dir->path(),
                                 QStringLiteral("All supported formats (*.png *.jpg *.jpeg *.dcm)"),
                                 QStringLiteral("PNG image (*.png)"), QStringLiteral("JPEG image (*.jpg *.jpeg)"),
                                 QStringLiteral("DICOM image (*.dcm)"), FSUtils::filterAll}));

    // One format needs no combined filter.
    ZelFileDialog::getFileNameForRead(nullptr, QString(), m_dir->path(), {"bmp"}, "open");
    QCOMPARE(shown.mid(2), QStringList({QStringLiteral("BMP image (*.bmp)"), FSUtils::filterAll}));
    ZelFileDialog::getFileNameForRead(nullptr, QString(), m_dir->path(), {}, "open");
    QCOMPARE(shown.mid(2), QStringList({FSUtils::filterAll}));
}

void tst_ZelCoreFileDialog::startsInTheContextsDirectoryAndCancelKeepsIt()
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
    QCOMPARE(shownDir, remembered);
    QVERIFY(format.isEmpty());
    QVERIFY(ZelFileDialog::getDirectory(nullptr, QString(), QString(), "open").isNull());
    QCOMPARE(shownDir, remembered);
    // An explicit start wins over the context.
    QVERIFY(ZelFileDialog::getFileNamesForRead(nullptr, QString(), m_dir->path(), {"png"}, "open").isEmpty());
    QCOMPARE(shownDir, m_dir->path());
    QCOMPARE(FSUtils::workDir("open"), remembered);
}

void tst_ZelCoreFileDialog::acceptedSelectionsAreRemembered()
{
    const QString first = makeFile(QStringLiteral("set/1.png"));
    const QString second = makeFile(QStringLiteral("set/2.png"));
    const QString other = QFileInfo(makeFile(QStringLiteral("other/x.png"))).absolutePath();
    FSUtils::setWorkDir(other, "import");

    QList<QFileDialog::FileMode> modes;
    QStringList answer{first, second};
    ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
        modes.append(dialog->fileMode());
        return answer;
    });
    QCOMPARE(ZelFileDialog::getFileNamesForRead(nullptr, QString(), m_dir->path(), {"png"}, "batch"), answer);
    QCOMPARE(FSUtils::workDir("batch"), QFileInfo(first).absolutePath());
    answer = QStringList{second};
    QCOMPARE(ZelFileDialog::getFileNameForRead(nullptr, QString(), m_dir->path(), {"png"}, "open"), second);
    QCOMPARE(FSUtils::workDir("open"), QFileInfo(second).absolutePath());
    QCOMPARE(FSUtils::workDir("import"), other);

    // A directory is remembered itself, not its parent.
    const QString target = QFileInfo(makeFile(QStringLiteral("out/deeper/x"))).absolutePath();
    answer = QStringList{target};
    QCOMPARE(ZelFileDialog::getDirectory(nullptr, QString(), m_dir->path(), "output"), target);
    QCOMPARE(FSUtils::workDir("output"), target);
    QCOMPARE(modes, QList<QFileDialog::FileMode>({QFileDialog::ExistingFiles, QFileDialog::ExistingFile,
                                                  QFileDialog::Directory}));
}

void tst_ZelCoreFileDialog::writeChoosesFormatAndExtension_data()
{
    QTest::addColumn<QList<QByteArray>>("formats");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QByteArray>("expectedFormat");

    const QList<QByteArray> pngJpg{"png", "jpg"};
    QTest::newRow("first filter") << pngJpg << 0 << "a" << "a.png" << QByteArray("png");
    QTest::newRow("second filter") << pngJpg << 1 << "a" << "a.jpg" << QByteArray("jpg");
    QTest::newRow("suffix wins") << pngJpg << 0 << "a.jpeg" << "a.jpeg" << QByteArray("jpg");
    QTest::newRow("suffix case") << pngJpg << 1 << "a.PNG" << "a.PNG" << QByteArray("png");
    QTest::newRow("foreign suffix") << pngJpg << 0 << "a.final" << "a.final.png" << QByteArray("png");
    QTest::newRow("suffix not offered") << pngJpg << 1 << "a.bmp" << "a.bmp.jpg" << QByteArray("jpg");
    QTest::newRow("alias listed") << QList<QByteArray>{"jpeg"} << 0 << "a" << "a.jpg" << QByteArray("jpeg");
    QTest::newRow("no formats") << QList<QByteArray>() << 0 << "a.xyz" << "a.xyz" << QByteArray();
}

void tst_ZelCoreFileDialog::writeChoosesFormatAndExtension()
{
    QFETCH(QList<QByteArray>, formats);
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, expectedName);
    QFETCH(QByteArray, expectedFormat);

    const QString dir = QDir::cleanPath(m_dir->path());
    QStringList filters;
    QString suffix;
    ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        if (dialog->acceptMode() != QFileDialog::AcceptSave || dialog->fileMode() != QFileDialog::AnyFile)
            return QStringList();
        dialog->selectNameFilter(filters.value(filter));
        return QStringList{dir + QLatin1Char('/') + typed};
    });
    QByteArray format("stale");
    const QString name = ZelFileDialog::getFileNameForWrite(nullptr, QString(), dir, formats, "export", {}, &format);
    QCOMPARE(name, dir + QLatin1Char('/') + expectedName);
    QCOMPARE(format, expectedFormat);
    QCOMPARE(FSUtils::workDir("export"), dir);

    QStringList expectedFilters;
    for (const QByteArray &f : std::as_const(formats))
        expectedFilters.append(FSUtils::formatCaption(f));
    QCOMPARE(filters, formats.isEmpty() ? QStringList{FSUtils::filterAll} : expectedFilters);
    QCOMPARE(suffix, formats.isEmpty() ? QString() : FSUtils::formatExtensions(formats.constFirst()).constFirst());
}

void tst_ZelCoreFileDialog::realModalRoundTrip()
{
    expectShowWarning();
    const QString file = makeFile(QStringLiteral("real/picked.png"));
    makeFile(QStringLiteral("real/other.png"));
    const QString dir = QFileInfo(file).absolutePath();
    bool sawDialog = false;
    whenModal([&](QFileDialog *dialog) {
        sawDialog = dialog->isModal() && dialog->isVisible() && dialog->windowTitle() == QLatin1String("Real")
            && dialog->directory().absolutePath() == dir;
        dialog->selectFile(file);
        clickWhenEnabled(dialog, QDialogButtonBox::Open);
    });
    QCOMPARE(ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Real"), dir, {"png"}, "real"), file);
    QVERIFY(sawDialog);
    QCOMPARE(FSUtils::workDir("real"), dir);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_ZelCoreFileDialog::realModalCancel()
{
    expectShowWarning();
    QPointer<QFileDialog> seen;
    whenModal([&seen](QFileDialog *dialog) {
        seen = dialog;
        clickWhenEnabled(dialog, QDialogButtonBox::Cancel);
    });
    QByteArray format("stale");
    QVERIFY(ZelFileDialog::getFileNameForWrite(nullptr, QString(), m_dir->path(), {"png"}, "real", {}, &format).isNull());
    QVERIFY(format.isEmpty());
    QCOMPARE(FSUtils::workDir("real"), QDir::homePath());
    QVERIFY(seen.isNull()); // the dialog does not outlive the call
}

void tst_ZelCoreFileDialog::parentDestroyedWhileOpen()
{
    expectShowWarning();
    auto *parent = new QWidget;
    parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent));
    QPointer<QWidget> guard(parent);
    bool childOfParent = false;
    whenModal([parent, &childOfParent](QFileDialog *dialog) {
        childOfParent = dialog->parentWidget() == parent;
        delete parent;
    });
    QVERIFY(ZelFileDialog::getFileNameForRead(parent, QString(), m_dir->path(), {"png"}, "gone").isNull());
    QVERIFY(childOfParent);
    QVERIFY(guard.isNull());
    QCOMPARE(FSUtils::workDir("gone"), QDir::homePath());
}

QTEST_MAIN(tst_ZelCoreFileDialog)
#include "tst_zelcore_filedialog.moc"
