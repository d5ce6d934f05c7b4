// Keyboard-only use of the gallery: on every page, Tab from the first control
// reaches every control that takes the focus by Tab, and each one reached
// tells assistive tools its name.

#include "GalleryApplication.h"
#include "GalleryMainWindow.h"
#include "GalleryPage.h"

#include <ZelCore/ZelAbstractAppConfig.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A control of the library: an instance of a Zel class, or a part of one.
bool isLibraryControl(const QWidget *w, const QWidget *page)
{
    for (; w && w != page; w = w->parentWidget()) {
        for (const QMetaObject *m = w->metaObject(); m; m = m->superClass()) {
            if (QByteArray(m->className()).startsWith("Zel"))
                return true;
        }
    }
    return false;
}

// Everything the page shows as text: its readouts and logs.
QString pageTexts(const QWidget *page)
{
    QStringList texts;
    for (const QLabel *label : page->findChildren<QLabel *>())
        texts << label->text();
    for (const QListWidget *list : page->findChildren<QListWidget *>()) {
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
    }
    for (const QPlainTextEdit *edit : page->findChildren<QPlainTextEdit *>())
        texts << edit->toPlainText();
    return texts.join(u'\n');
}

} // namespace

class tst_GalleryKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(m_settings.isValid());
        ZelAbstractAppConfig::attachIniFile(m_settings.filePath(QStringLiteral("gallery.ini")));
        m_window = std::make_unique<GalleryMainWindow>();
        m_window->resize(1280, 900);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanupTestCase()
    {
        m_window.reset();
        ZelAbstractAppConfig::attachIniFile(QString());
    }

    void tabReachesEveryNamedControl_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_window->pageCount(); ++i)
            QTest::newRow(qPrintable(m_window->page(i)->title())) << i;
    }
    void tabReachesEveryNamedControl()
    {
        QFETCH(int, index);
        m_window->setCurrentPage(index);
        GalleryPage *page = m_window->page(index);
        QVERIFY(page->isVisible());

        // The controls a Tab must reach, in the order of the focus chain.
        QList<QWidget *> expected;
        for (QWidget *w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()
                && w->window() == m_window.get())
                expected << w;
        }
        QVERIFY(!expected.isEmpty());

        // Real Tab presses from the first control until the focus comes back
        // to it; item views step through their cells first.
        expected.first()->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), expected.first());
        QSet<QWidget *> reached;
        for (int presses = 0; presses < 5000; ++presses) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            reached.insert(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
            if (QApplication::focusWidget() == expected.first())
                break;
        }
        QCOMPARE(QApplication::focusWidget(), expected.first());

        QStringList missed, unnamed;
        for (QWidget *w : std::as_const(expected)) {
            const QString here = QString::fromLatin1(w->metaObject()->className()) + u':' + w->objectName();
            if (!reached.contains(w))
                missed << here;
            else if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << here;
        }
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached: ") + missed.join(QStringLiteral(", "))));
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("no name: ") + unnamed.join(QStringLiteral(", "))));

        // One control of the library, used with keys that change a value (Space last, for a
        // checkable group): the control or the page's readouts show the change. Buttons come
        // last, as their Space may open a window.
        // The Settings and Resources pages show the settings store and the resources, no widgets.
        if (page->title() == QLatin1String("Settings") || page->title() == QLatin1String("Resources"))
            return;
        QList<QWidget *> controls;
        std::copy_if(expected.cbegin(), expected.cend(), std::back_inserter(controls),
                     [page](QWidget *w) { return isLibraryControl(w, page); });
        std::stable_partition(controls.begin(), controls.end(), [](QWidget *w) { return !qobject_cast<QAbstractButton *>(w); });
        QVERIFY2(!controls.isEmpty(), "no library control on the page");
        QWidget *control = controls.first();
        // An item view is used once it has items to move between (the Tables page reads its
        // samples on show).
        if (const auto *view = qobject_cast<QAbstractItemView *>(control))
            QTRY_VERIFY(view->model() && view->model()->rowCount() > 1);
        control->setFocus(Qt::TabFocusReason);
        const QString texts = pageTexts(page);
        const QImage looks = control->grab().toImage();
        const auto changed = [&] { return pageTexts(page) != texts || control->grab().toImage() != looks; };
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Space}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            if (changed())
                break;
        }
        QVERIFY2(changed(), control->metaObject()->className());
    }

private:
    QTemporaryDir m_settings;
    std::unique_ptr<GalleryMainWindow> m_window;
};

int main(int argc, char *argv[])
{
    // The gallery's own application object, as the pages expect it.
    GalleryApplication app(argc, argv);
    tst_GalleryKeyboard test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery_keyboard.moc"
