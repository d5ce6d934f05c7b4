#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

// Retranslates a Designer form without losing what was written over it.
// retranslateUi() sets every text of the form again, also those the widget's
// code or its host replaced afterwards (a label the host named, a tool tip
// showing a path, a dialog's title). ZelFormTexts remembers the texts the
// form set; on a language change a text still equal to the form's is the
// form's and is retranslated, any other is put back as it was.
//
// Owned by the form's root widget (a child object), made by track() right
// after setupUi().
class ZelFormTexts : public QObject
{
    Q_OBJECT
public:
    // Records the texts of `root` and of its children as the form set them.
    static void track(QWidget *root);
    // Runs `retranslateUi` and restores the texts not the form's own. Without
    // a track() before, only runs `retranslateUi`.
    static void retranslate(QWidget *root, const std::function<void()> &retranslateUi);

private:
    explicit ZelFormTexts(QWidget *root);
    void record();

    struct Text
    {
        QPointer<QObject> object;
        int index; // tab index for "tabText", else -1
        const char *property;
        QString formText;
    };
    QList<Text> m_texts;
};
