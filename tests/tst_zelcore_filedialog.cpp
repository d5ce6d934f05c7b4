#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelCore/ZelFileDialog.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_ZelCoreFileDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // each test uses its own names in it

    QString makeFile(const QString &relative)
    {
        const QString path = QDir::cleanPath(m_dir.filePath(relative));
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
    }

    // Modes, titles, start directories and cancelling through the messenger (tst_zelgui_messenger), the read
    // filters through the path choosers (tst_zelpathchoosers).
    void contextsOptionsAndAliasFilters()
    {
        QString shownDir;
        QStringList filters;
        QStringList answer; // cancelled
        ZelFileDialog::setTestAnswer([&](QFileDialog *dialog) {
            shownDir = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            return answer;
        });
        ZelFileDialog::getFileNameForRead(nullptr, QString(), QString(), {"jpg", "jpeg"}, "none", QFileDialog::ReadOnly);
        QCOMPARE(shownDir, QDir(QDir::homePath()).absolutePath()); // no start and nothing remembered
        QCOMPARE(filters, QStringList({QStringLiteral("JPEG image (*.jpg *.jpeg)"), FSUtils::filterAll})); // one format

        const QString first = makeFile(QStringLiteral("set/1.png")), remembered = QFileInfo(first).absolutePath();
        FSUtils::setWorkDir(remembered, "open");
        QByteArray format("stale");
        QVERIFY(ZelFileDialog::getFileNameForWrite(nullptr, QString(), QString(), {"png"}, "open", {}, &format).isNull());
        QVERIFY(shownDir == remembered && format.isEmpty()); // cancelled: no format either
        answer = QStringList{first, makeFile(QStringLiteral("set/2.png"))}; // several files remember their folder
        QCOMPARE(ZelFileDialog::getFileNamesForRead(nullptr, QString(), QString(), {"png"}, "batch"), answer);
        QCOMPARE(QStringList({FSUtils::workDir("batch"), FSUtils::workDir("none")}), QStringList({remembered, QDir::homePath()}));
    }

    void writeChoosesFormatAndExtension()
    {
        const QString dir = QDir::cleanPath(m_dir.path());
        const QList<QByteArray> pngJpg{"png", "jpg"};
        // formats, the filter chosen, the name typed; the name and format given back
        for (const auto &[formats, filter, typed, expectedName, expectedFormat] :
             {std::tuple{pngJpg, 1, "a", "a.jpg", "jpg"},
              {pngJpg, 0, "a.JPEG", "a.JPEG", "jpg"},
              {pngJpg, 1, "a.bmp", "a.bmp.jpg", "jpg"}, // suffix wins, any case
              {QList<QByteArray>{"jpeg"}, 0, "a", "a.jpg", "jpeg"},
              {QList<QByteArray>(), 0, "a.xyz", "a.xyz", ""}}) {
            ZelFileDialog::setTestAnswer([&, filter = filter, typed = typed](QFileDialog *dialog) {
                dialog->selectNameFilter(dialog->nameFilters().value(filter));
                return QStringList{dir + QLatin1Char('/') + QLatin1String(typed)};
            });
            QByteArray format("stale");
            const QString name = ZelFileDialog::getFileNameForWrite(nullptr, QString(), dir, formats, "export", {}, &format);
            QCOMPARE(QStringList({name, QString::fromLatin1(format)}),
                     QStringList({dir + QLatin1Char('/') + QLatin1String(expectedName), QLatin1String(expectedFormat)}));
        }
    }

    void realModalRoundTrip()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) // said whenever a dialog is shown
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        const QString file = makeFile(QStringLiteral("real/picked.png")), dir = QFileInfo(file).absolutePath();
        bool sawDialog = false;
        QTimer::singleShot(0, qApp, [&] { // runs in the dialog's own loop, once it is shown
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            sawDialog = dialog->isVisible() && dialog->directory().absolutePath() == dir; // a crash if not there at all
            dialog->selectFile(file);
            QPushButton *open = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
            if (QTest::qWaitFor([open] { return open->isEnabled(); })) // it waits for the file system model
                QTest::mouseClick(open, Qt::LeftButton);
            else
                dialog->reject(); // fail, not hang
        });
        QCOMPARE(ZelFileDialog::getFileNameForRead(nullptr, QStringLiteral("Real"), dir, {"png"}, "real"), file);
        QVERIFY(sawDialog && !QApplication::activeModalWidget());
    }
};

QTEST_MAIN(tst_ZelCoreFileDialog)
#include "tst_zelcore_filedialog.moc"
