// The open/save dialogs: how they are set up, what they return for an
// answer, which directory they remember, and one real modal round trip.

#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

// Runs action on the file dialog once it is the active modal widget.
void whenModal(std::function<void(QFileDialog *)> action)
{
    QTimer::singleShot(0, qApp, [action] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            whenModal(action); // not shown yet; try again on the next turn
            return;
        }
        action(dialog);
    });
}

// Clicks the button of the dialog's button box once it is enabled (the Open
// button waits for the file system model to list the selected file). Gives
// up after a few seconds by rejecting, so a broken dialog fails the test
// instead of hanging it.
void clickWhenEnabled(QFileDialog *dialog, QDialogButtonBox::StandardButton which, int triesLeft = 500)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QPushButton *button = box ? box->button(which) : nullptr;
    if (button && button->isEnabled() && button->isVisible()) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    if (triesLeft == 0) {
        dialog->reject();
        return;
    }
    QPointer<QFileDialog> guard(dialog);
    QTimer::singleShot(10, qApp, [guard, which, triesLeft] {
        if (guard)
            clickWhenEnabled(guard, which, triesLeft - 1);
    });
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
    void startsInTheContextsDirectory();
    void acceptedSelectionsAreRemembered();
    void cancelRemembersNothing();
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
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("x");
    return path;
}

void tst_ZelCoreFileDialog::readDialogIsSetUpForTheFormats()
{
    QPointer<QFileDialog> seen;
    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    QFileDialog::Options options;
    QString dir;
    QStringList filters;
    QString selectedFilter;
    ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
        seen = dialog;
        title = dialog->windowTitle();
        mode = dialog->fileMode();
        acceptMode = dialog->acceptMode();
        options = dialog->options();
        dir = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        selectedFilter = dialog->selectedNameFilter();
        return QStringList();
    });
    ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Open image"), m_dir->path(),
                                      {"png", "jpg", "jpeg", FSUtils::formatDCM}, "open", QFileDialog::ReadOnly);
    QVERIFY(seen.isNull()); // asked, then deleted
    QCOMPARE(title, QStringLiteral("Open image"));
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QCOMPARE(acceptMode, QFileDialog::AcceptOpen);
    QVERIFY(options.testFlag(QFileDialog::DontUseNativeDialog));
    QVERIFY(options.testFlag(QFileDialog::ReadOnly)); // the caller's option kept
    QCOMPARE(dir, m_dir->path());
    // jpg and jpeg share one filter.
    QCOMPARE(filters, QStringList({QStringLiteral("All supported formats (*.png *.jpg *.jpeg *.dcm)"),
                                   QStringLiteral("PNG image (*.png)"), QStringLiteral("JPEG image (*.jpg *.jpeg)"),
                                   QStringLiteral("DICOM image (*.dcm)"), FSUtils::filterAll}));
    QCOMPARE(selectedFilter, filters.constFirst());

    // One format needs no combined filter.
    ZelFileDialog::setTestAnswer([&filters](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        return QStringList();
    });
    ZelFileDialog::getFileNameForRead(nullptr, QString(), m_dir->path(), {"bmp"}, "open");
    QCOMPARE(filters, QStringList({QStringLiteral("BMP image (*.bmp)"), FSUtils::filterAll}));
    ZelFileDialog::getFileNameForRead(nullptr, QString(), m_dir->path(), {}, "open");
    QCOMPARE(filters, QStringList({FSUtils::filterAll}));
}

void tst_ZelCoreFileDialog::startsInTheContextsDirectory()
{
    QString shownDir;
    ZelFileDialog::setTestAnswer([&shownDir](QFileDialog *dialog) {
        shownDir = dialog->directory().absolutePath();
        return QStringList();
    });
    ZelFileDialog::getFileNameForRead(nullptr, QString(), QString(), {"png"}, "never-used");
    QCOMPARE(shownDir, QDir(QDir::homePath()).absolutePath());

    const QString remembered = QFileInfo(makeFile(QStringLiteral("remembered/x.png"))).absolutePath();
    FSUtils::setWorkDir(remembered, "open");
    ZelFileDialog::getFileNameForWrite(nullptr, QString(), QString(), {"png"}, "open");
    QCOMPARE(shownDir, remembered);
    ZelFileDialog::getDirectory(nullptr, QString(), QString(), "open");
    QCOMPARE(shownDir, remembered);
    // An explicit start wins over the context.
    ZelFileDialog::getFileNamesForRead(nullptr, QString(), m_dir->path(), {"png"}, "open");
    QCOMPARE(shownDir, m_dir->path());
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

void tst_ZelCoreFileDialog::cancelRemembersNothing()
{
    FSUtils::setWorkDir(m_dir->path(), "open");
    ZelFileDialog::setTestAnswer([](QFileDialog *) { return QStringList(); });

    QVERIFY(ZelFileDialog::getFileNameForRead(nullptr, QString(), QString(), {"png"}, "open").isNull());
    QVERIFY(ZelFileDialog::getFileNamesForRead(nullptr, QString(), QString(), {"png"}, "open").isEmpty());
    QVERIFY(ZelFileDialog::getDirectory(nullptr, QString(), QString(), "open").isNull());
    QByteArray format("stale");
    QVERIFY(ZelFileDialog::getFileNameForWrite(nullptr, QString(), QString(), {"png"}, "open", {}, &format).isNull());
    QVERIFY(format.isEmpty());
    QCOMPARE(FSUtils::workDir("open"), m_dir->path());
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
    if (expectedFilters.isEmpty())
        expectedFilters.append(FSUtils::filterAll);
    QCOMPARE(filters, expectedFilters);
    QCOMPARE(suffix, formats.isEmpty() ? QString() : FSUtils::formatExtensions(formats.constFirst()).constFirst());
}

void tst_ZelCoreFileDialog::realModalRoundTrip()
{
    expectShowWarning();
    const QString file = makeFile(QStringLiteral("real/picked.png"));
    makeFile(QStringLiteral("real/other.png"));
    bool sawDialog = false;
    whenModal([&](QFileDialog *dialog) {
        sawDialog = dialog->isModal() && dialog->isVisible() && dialog->windowTitle() == QLatin1String("Real")
            && dialog->directory().absolutePath() == QFileInfo(file).absolutePath();
        dialog->selectFile(file);
        clickWhenEnabled(dialog, QDialogButtonBox::Open);
    });
    const QString picked = ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Real"),
                                                             QFileInfo(file).absolutePath(), {"png"}, "real");
    QVERIFY(sawDialog);
    QCOMPARE(picked, file);
    QCOMPARE(FSUtils::workDir("real"), QFileInfo(file).absolutePath());
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
    // The dialog does not outlive the call.
    QVERIFY(seen.isNull());
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
