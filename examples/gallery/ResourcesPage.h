#pragma once

#include "GalleryPage.h"

#include <QList>

class QComboBox;
class QLabel;

// The library's embedded resources: its icons, and its translation loaded
// the way a host loads it, into a QTranslator installed on the application
// (the same switch as the main window's Language menu).
class ResourcesPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit ResourcesPage(QWidget *parent = nullptr);
    ~ResourcesPage() override;

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createIconGrid();
    QWidget *createTranslationBox();
    QWidget *createFontBox();
    void switchLanguage(int index);
    void showTranslationStatus();
    void retranslateSamples();

    QComboBox *m_language = nullptr;
    QLabel *m_translationStatus = nullptr;
    QList<QLabel *> m_sampleLabels;
};
