#pragma once

#include <QList>
#include <QMainWindow>

class GalleryPage;
class QActionGroup;
class QListWidget;
class QStackedWidget;

// The gallery's window: the list of pages on the left, the current page on
// the right under its title and description; its Language menu switches the
// language of the library's texts while the gallery runs.
class GalleryMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit GalleryMainWindow(QWidget *parent = nullptr);

    int pageCount() const;
    GalleryPage *page(int index) const;
    int currentPage() const;
    void setCurrentPage(int index);

private:
    QWidget *frameFor(GalleryPage *page);
    void createLanguageMenu();

    QActionGroup *m_languages = nullptr;

    QListWidget *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
    QList<GalleryPage *> m_pages;
};
