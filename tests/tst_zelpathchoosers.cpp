// The save form and the directory and file choosers driven as a user would,
// the file dialog answered through its test hook; unusual and missing paths.

#include "zelforms_testhelpers.h"

#include <ZelGui/ZelChooseDirectoryWidget.h>
#include <ZelGui/ZelChooseFileWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelImageFormatComboBox.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
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
            asked << QStringLiteral("%1|%2|%3")
                         .arg(dialog->windowTitle())
                         .arg(int(dialog->fileMode()))
                         .arg(dialog->directory().absolutePath());
            filters = dialog->nameFilters();
            return paths;
        });
    }
    ~DialogAnswer() { ZelFileDialog::clearTestAnswer(); }
    QStringList asked;
    QStringList filters;
};

template<class T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// Records the given signal's emissions as "name(argument)".
template<class Sender, class Arg>
void record(Sender *sender, void (Sender::*signal)(Arg), const char *name, QStringList *log)
{
    QObject::connect(sender, signal, sender, [log, name](const std::decay_t<Arg> &value) {
        log->append(QStringLiteral("%1(%2)").arg(QLatin1String(name), QVariant::fromValue(value).toString()));
    });
}

} // namespace

class tst_ZelPathChoosers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)")));
        ZelAbstractAppConfig::reset();
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
        const auto without =
            std::find_if(offered.cbegin(), offered.cend(), [](const QByteArray &f) { return !FSUtils::supportQualityWrite(f); });
        QVERIFY(without != offered.cend() && offered.contains("jpg"));

        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto choose = [combo](const QByteArray &format) { // by keys, from the first format
            QTest::keyClick(combo, Qt::Key_Home);
            while (combo->currentFormat() != format)
                QTest::keyClick(combo, Qt::Key_Down);
        };
        combo->setFocus();
        choose(*without);
        QVERIFY(!quality->isEnabled());
        QCOMPARE(form.quality(), 99); // kept while disabled
        choose("jpg");
        quality->setFocus();
        QTest::keyClick(quality, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(quality, QStringLiteral("75"));
        QCOMPARE(QVariantList({form.format(), form.quality()}), QVariantList({QByteArray("jpg"), 75}));
    }

    // The path is shown as given; a choice is announced and remembered for the context.
    void saveFormPathAndBrowse()
    {
        const QString given = m_dir.filePath(QStringLiteral("frames #1 & \"2\"")); // missing
        const QString chosen = m_dir.filePath(QStringLiteral("night frames"));
        QVERIFY(QDir().mkpath(chosen));
        ZelConfigureSaveWidget form(nullptr, given);
        auto *label = child<QLabel>(&form, "path");
        QCOMPARE(QStringList({form.path(), label->text(), label->toolTip()}), QStringList({given, given, given}));
        form.setContext("frames");
        FSUtils::setWorkDir(m_dir.path(), "frames");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList log;
        record(&form, &ZelConfigureSaveWidget::pathChanged, "pathChanged", &log);
        DialogAnswer answer({chosen});
        click(child<QToolButton>(&form, "browse"));
        QCOMPARE(answer.asked, QStringList(QStringLiteral("Select directory|%1|%2").arg(int(QFileDialog::Directory)).arg(m_dir.path())));
        QCOMPARE(log, QStringList{QStringLiteral("pathChanged(%1)").arg(chosen)});
        QCOMPARE(label->text(), chosen);
        QCOMPARE(FSUtils::workDir("frames"), chosen);
    }

    void directoryBrowse_data()
    {
        QTest::addColumn<QString>("name"); // the directory chosen, under the temporary one; empty: cancelled
        QTest::addColumn<QByteArray>("context");
        QTest::newRow("chosen, with context") << QStringLiteral("with space") << QByteArray("capture");
        QTest::newRow("chosen, no context") << QStringLiteral("#50% & \"more\"") << QByteArray();
        QTest::newRow("cancelled") << QString() << QByteArray("capture");
    }

    // The dialog opens in the shown directory (for a context); the choice is shown, then the click announced.
    void directoryBrowse()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, context);
        const QString start = m_dir.filePath(QStringLiteral("start"));
        const QString chosen = name.isEmpty() ? QString() : m_dir.filePath(name);
        QVERIFY(QDir().mkpath(start) && (chosen.isEmpty() || QDir().mkpath(chosen)));
        ZelChooseDirectoryWidget chooser;
        chooser.setContext(context);
        chooser.setCurrentDir(start + QStringLiteral("/x/../")); // shown cleaned
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QStringList log;
        record(&chooser, &ZelChooseDirectoryWidget::currentDirChanged, "currentDirChanged", &log);
        record(&chooser, &ZelChooseDirectoryWidget::browseClicked, "browseClicked", &log);
        DialogAnswer answer(chosen.isEmpty() ? QStringList() : QStringList{chosen});
        click(child<QToolButton>(&chooser, "btnDir"));

        QCOMPARE(answer.asked,
                 QStringList{QStringLiteral("Choose Directory|%1|%2")
                                 .arg(int(QFileDialog::Directory))
                                 .arg(context.isEmpty() ? QDir::homePath() : start)});
        QCOMPARE(log.size(), chosen.isEmpty() ? 1 : 2); // the change first
        QCOMPARE(log.constLast(), QStringLiteral("browseClicked(false)"));
        QCOMPARE(chooser.currentDir(), chosen.isEmpty() ? start : chosen);
    }

    // Set and chosen paths are cleaned and announced before the field shows them.
    void fileBrowseAnnouncesBeforeShowing()
    {
        const QString file = m_dir.filePath(QStringLiteral("#50% & \"more\".png"));
        ZelChooseFileWidget chooser;
        chooser.setFilters({"png", "jpg"});
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        auto *field = child<QLineEdit>(&chooser, "lineEditFile");
        QStringList log;
        connect(&chooser, &ZelChooseFileWidget::filePathChanged, this,
                [&](const QString &path) { log << QStringLiteral("%1 while showing '%2'").arg(path, field->text()); });
        chooser.setFilePath(QStringLiteral("/data//frames/../frame 1.png"));
        chooser.setFilePath(QStringLiteral("/data/frame 1.png")); // the same: nothing
        {
            DialogAnswer cancel;
            click(child<QToolButton>(&chooser, "btnFile"));
            QVERIFY(cancel.asked.size() == 1
                    && cancel.asked.constFirst().startsWith(QStringLiteral("Choose File|%1|").arg(int(QFileDialog::ExistingFile))));
            QCOMPARE(cancel.filters,
                     QStringList({"All supported formats (*.png *.jpg *.jpeg)", FSUtils::formatCaption("png"),
                                  FSUtils::formatCaption("jpg"), FSUtils::filterAll}));
        }
        DialogAnswer answer({file});
        click(child<QToolButton>(&chooser, "btnFile"));
        QCOMPARE(log,
                 (QStringList{QStringLiteral("/data/frame 1.png while showing ''"),
                              QStringLiteral("%1 while showing '/data/frame 1.png'").arg(file)}));
        QCOMPARE(field->text(), file);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_ZelPathChoosers)
#include "tst_zelpathchoosers.moc"
