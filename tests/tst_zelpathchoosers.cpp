// The save form and the directory and file choosers driven as a user would,
// the file dialog answered through its test hook; unusual and missing paths.

#include "zelforms_testhelpers.h"
#include "zelgui_testhelpers.h"

#include <ZelGui/ZelChooseDirectoryWidget.h>
#include <ZelGui/ZelChooseFileWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelDialogWidget.h>
#include <ZelGui/ZelImageFormatComboBox.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>
#include <ZelLog/ZelLog.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace ZelFormsTest;

namespace {

// Answers every file dialog with paths (empty: cancel), noting "caption|mode|directory" of each.
struct DialogAnswer
{
    explicit DialogAnswer(const QStringList &paths = {})
    {
        ZelFileDialog::setTestAnswer([this, paths](QFileDialog *dialog) {
            asked << QStringLiteral("%1|%2|%3").arg(dialog->windowTitle()).arg(int(dialog->fileMode())).arg(dialog->directory().absolutePath());
            filters = dialog->nameFilters();
            dirsOnly = dialog->testOption(QFileDialog::ShowDirsOnly);
            return paths;
        });
    }
    ~DialogAnswer() { ZelFileDialog::clearTestAnswer(); }
    QStringList asked;
    QStringList filters;
    bool dirsOnly = false;
};

template<class T>
T *child(QWidget *parent, const char *name)
{
    auto *result = parent->findChild<T *>(QLatin1String(name));
    Q_ASSERT(result);
    return result;
}

// Records the given signal's emissions as "name(argument)".
template<class Sender, class Arg>
void record(Sender *sender, void (Sender::*signal)(Arg), const char *name, QStringList *log)
{
    QObject::connect(sender, signal, sender, [log, name](const std::decay_t<Arg> &value) {
        log->append(QStringLiteral("%1(%2)").arg(QLatin1String(name), QVariant::fromValue(value).toString()));
    });
}

const QStringList unusualNames{QStringLiteral("with space"), QStringLiteral("кадры ночью"), QStringLiteral("#50% & \"more\""),
                               QStringLiteral("trailing dot."), QStringLiteral("-starts-with-dash")};

} // namespace

class tst_ZelPathChoosers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)")));
        ZelAbstractAppConfig::reset();
        ZelLog::clearRecords();
        QVERIFY(m_dir.isValid());
    }

    void saveFormStartsFromItsPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing") << QStringLiteral("/no/such/directory");
        QTest::newRow("unusual") << m_dir.filePath(QStringLiteral("кадры #1 & \"2\""));
    }

    void saveFormStartsFromItsPath()
    {
        QFETCH(QString, path);
        ZelConfigureSaveWidget form(nullptr, path);
        auto *label = child<QLabel>(&form, "path");
        QCOMPARE(QStringList({form.path(), label->text(), label->toolTip()}), QStringList({path, path, path}));
        QVERIFY(!label->isEnabled());
        QCOMPARE(form.format(), child<ZelImageFormatComboBox>(&form, "format")->currentFormat());
        QSignalSpy changed(&form, &ZelConfigureSaveWidget::pathChanged);
        form.setPath(path); // the same path: nothing
        form.setProperty("path", QStringLiteral("/elsewhere"));
        form.setPath(QStringLiteral("/elsewhere"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(label->text(), QStringLiteral("/elsewhere"));
    }

    void saveFormFormatsAndQuality()
    {
        ZelConfigureSaveWidget form(nullptr, m_dir.path());
        auto *combo = child<ZelImageFormatComboBox>(&form, "format");
        auto *quality = child<QSpinBox>(&form, "quality");
        QList<QByteArray> offered;
        for (int i = 0; i < combo->count(); ++i)
            offered << combo->itemData(i, Qt::UserRole).toByteArray();
        QList<QByteArray> expected = FSUtils::imageFormatsForExport();
        expected.removeAll(QByteArray("dcm"));
        QCOMPARE(offered, expected);
        const auto without = std::find_if(offered.cbegin(), offered.cend(), [](const QByteArray &f) { return !FSUtils::supportQualityWrite(f); });
        QVERIFY2(without != offered.cend() && offered.contains("jpg"), "needs a format with and one without quality");

        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto choose = [combo](const QByteArray &format) { // by keys, from the first format
            QTest::keyClick(combo, Qt::Key_Home);
            while (combo->currentFormat() != format)
                QTest::keyClick(combo, Qt::Key_Down);
        };
        combo->setFocus();
        choose(*without);
        QCOMPARE(form.format(), *without);
        QVERIFY(!quality->isEnabled());
        QCOMPARE(form.quality(), 99); // kept while disabled
        choose("jpg");
        QVERIFY(quality->isEnabled());
        quality->setFocus();
        QTest::keyClick(quality, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(quality, QStringLiteral("75"));
        QTest::keyClick(quality, Qt::Key_PageDown); // 10 down
        QCOMPARE(QVariantList({form.format(), form.quality(), form.property("quality")}), QVariantList({QByteArray("jpg"), 65, 65}));
    }

    void saveFormPrefixEnterAndEscape_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << Qt::Key_Return << int(QDialog::Accepted);
        QTest::newRow("Escape") << Qt::Key_Escape << int(QDialog::Rejected);
    }

    void saveFormPrefixEnterAndEscape()
    {
        QFETCH(Qt::Key, key);
        ZelDialogWidget dialog(nullptr);
        auto *form = new ZelConfigureSaveWidget(nullptr, m_dir.path());
        dialog.addWidgetToDialog(form, QStringLiteral("Save frames"));
        auto *prefix = child<QLineEdit>(form, "prefix");
        answerModal([&](QWidget *) {
            prefix->setFocus();
            QTest::keyClick(prefix, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(prefix, QStringLiteral("Night sky #3_"));
            QTest::keyClick(prefix, key);
        });
        QTEST(dialog.exec(), "result");
        QCOMPARE(form->prefix(), QStringLiteral("Night sky #3_"));
    }

    // The browse button and runPathSet() ask the same dialog; a cancel keeps the path.
    void saveFormBrowses()
    {
        const QString chosen = m_dir.filePath(unusualNames.at(1));
        QVERIFY(QDir().mkpath(chosen));
        ZelConfigureSaveWidget form(nullptr, QString());
        form.setContext("frames");
        FSUtils::setWorkDir(m_dir.path(), "frames");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList log;
        record(&form, &ZelConfigureSaveWidget::pathChanged, "pathChanged", &log);
        QStringList asked;
        {
            DialogAnswer cancel;
            click(child<QToolButton>(&form, "browse"));
            asked += cancel.asked;
        }
        {
            DialogAnswer answer({chosen});
            form.runPathSet();
            asked += answer.asked;
            QVERIFY(answer.dirsOnly);
        }
        const QString dialog = QStringLiteral("Select directory|%1|").arg(int(QFileDialog::Directory));
        QCOMPARE(asked, QStringList({dialog + m_dir.path(), dialog + m_dir.path()}));
        QCOMPARE(log, QStringList{QStringLiteral("pathChanged(%1)").arg(chosen)});
        QCOMPARE(child<QLabel>(&form, "path")->text(), chosen);
        QCOMPARE(FSUtils::workDir("frames"), chosen); // remembered for the context
    }

    // Tab reaches the controls in order.
    void saveFormKeyboardWalk()
    {
        ZelConfigureSaveWidget form(nullptr, m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        child<QWidget>(&form, "format")->setFocus();
        QStringList walk;
        for (int i = 0; i < 4; ++i) {
            QWidget *focus = QApplication::focusWidget();
            walk << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(walk, QStringList({"format", "quality", "browse", "prefix"}));
        QVERIFY(!child<QWidget>(&form, "browse")->accessibleName().isEmpty());
    }

    void directoryIsCleaned()
    {
        ZelChooseDirectoryWidget chooser;
        QVERIFY(chooser.isVisible()); // shown by its constructor
        QStringList log;
        record(&chooser, &ZelChooseDirectoryWidget::currentDirChanged, "currentDirChanged", &log);
        chooser.setCurrentDir(QStringLiteral("/a/b/../c/"));
        QCOMPARE(QStringList({chooser.currentDir(), chooser.toolTip(), child<QLineEdit>(&chooser, "lineEditDir")->toolTip()}),
                 QStringList({"/a/c", "/a/c", "/a/c"}));
        chooser.setProperty("currentDir", QStringLiteral("relative//dir/./x"));
        QCOMPARE(log, QStringList({"currentDirChanged(/a/c)", "currentDirChanged(relative/dir/x)"}));
        QVERIFY(!child<QLineEdit>(&chooser, "lineEditDir")->isEnabled());
    }

    void directoryBrowse_data()
    {
        QTest::addColumn<QString>("name"); // the directory chosen, under the temporary one; empty: cancelled
        QTest::addColumn<QByteArray>("context");
        QTest::newRow("chosen, with context") << unusualNames.at(0) << QByteArray("capture");
        for (const QString &name : unusualNames.mid(1))
            QTest::newRow(qPrintable(name)) << name << QByteArray();
        QTest::newRow("cancelled") << QString() << QByteArray("capture");
    }

    // Space opens the dialog in the shown directory (for a context); the choice is shown, then the click announced.
    void directoryBrowse()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, context);
        const QString start = m_dir.filePath(QStringLiteral("start"));
        const QString chosen = name.isEmpty() ? QString() : m_dir.filePath(name);
        QVERIFY(QDir().mkpath(start) && (chosen.isEmpty() || QDir().mkpath(chosen)));
        ZelChooseDirectoryWidget chooser;
        chooser.setContext(context);
        chooser.setCurrentDir(start);
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QStringList log;
        record(&chooser, &ZelChooseDirectoryWidget::currentDirChanged, "currentDirChanged", &log);
        record(&chooser, &ZelChooseDirectoryWidget::browseClicked, "browseClicked", &log);
        DialogAnswer answer(chosen.isEmpty() ? QStringList() : QStringList{chosen});
        auto *button = child<QToolButton>(&chooser, "btnDir");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);

        const QString startedIn = context.isEmpty() ? QDir::homePath() : start;
        QCOMPARE(answer.asked, QStringList{QStringLiteral("Choose Directory|%1|%2").arg(int(QFileDialog::Directory)).arg(startedIn)});
        QStringList expected;
        if (!chosen.isEmpty())
            expected << QStringLiteral("currentDirChanged(%1)").arg(chosen);
        QCOMPARE(log, expected << QStringLiteral("browseClicked(false)"));
        QCOMPARE(chooser.currentDir(), chosen.isEmpty() ? start : chosen);

        QStringList lines; // what it logged
        for (const ZelMessage &record : ZelLog::records()) {
            if (record.function() == QLatin1String("void ZelChooseDirectoryWidget::changeDir()"))
                lines << record.text();
        }
        QStringList expectedLines{QStringLiteral("Change dir: %1 %2").arg(start, QString::fromLatin1(context))};
        if (!context.isEmpty())
            expectedLines << QStringLiteral("set current dir: %1").arg(start);
        QCOMPARE(lines, expectedLines);
    }

    void fileIsAnnouncedBeforeItShows()
    {
        ZelChooseFileWidget chooser;
        QVERIFY(!chooser.isVisible());
        auto *field = child<QLineEdit>(&chooser, "lineEditFile");
        QStringList log;
        connect(&chooser, &ZelChooseFileWidget::filePathChanged, this, [&](const QString &path) {
            log << QStringLiteral("%1 while showing '%2'").arg(path, field->text());
        });
        chooser.setFilePath(QStringLiteral("/data//frames/../frame 1.png"));
        chooser.setFilePath(QStringLiteral("/data/frame 1.png"));
        QCOMPARE(log, QStringList{QStringLiteral("/data/frame 1.png while showing ''")});
        QCOMPARE(QStringList({chooser.filePath(), field->text()}), QStringList({"/data/frame 1.png", "/data/frame 1.png"}));
        QVERIFY(field->isReadOnly() && !field->isEnabled());
    }

    void fileBrowse()
    {
        const QString file = m_dir.filePath(unusualNames.at(2) + QStringLiteral(".png"));
        ZelChooseFileWidget chooser;
        chooser.setFilters({"png", "jpg"});
        chooser.setFilters({"png", "jpg"});
        chooser.setContext("open");
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QSignalSpy changed(&chooser, &ZelChooseFileWidget::filePathChanged);
        {
            DialogAnswer cancel;
            click(child<QToolButton>(&chooser, "btnFile"));
            QVERIFY(cancel.asked.size() == 1 && cancel.asked.constFirst().startsWith(QStringLiteral("Choose File|%1|").arg(int(QFileDialog::ExistingFile))));
            QCOMPARE(cancel.filters, QStringList({"All supported formats (*.png *.jpg *.jpeg)", FSUtils::formatCaption("png"),
                                                  FSUtils::formatCaption("jpg"), FSUtils::filterAll}));
        }
        QCOMPARE(changed.count(), 0);
        DialogAnswer answer({file});
        click(child<QToolButton>(&chooser, "btnFile"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(chooser.filePath(), file);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_ZelPathChoosers)
#include "tst_zelpathchoosers.moc"
