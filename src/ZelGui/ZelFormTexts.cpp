#include "ZelFormTexts_p.h"

#include <QMetaProperty>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace {

// The text properties a form sets through retranslateUi().
const char *const textProperties[] = {
    "windowTitle",           "toolTip", "statusTip", "whatsThis",       "accessibleName",
    "accessibleDescription", "text",    "title",     "placeholderText",
};

QString valueOf(const QObject *object, const char *property, int index)
{
    if (index >= 0) {
        const auto *tabs = static_cast<const QTabWidget *>(object);
        return index < tabs->count() ? tabs->tabText(index) : QString();
    }
    return object->property(property).toString();
}

void setValue(QObject *object, const char *property, int index, const QString &value)
{
    if (index >= 0) {
        auto *tabs = static_cast<QTabWidget *>(object);
        if (index < tabs->count())
            tabs->setTabText(index, value);
        return;
    }
    object->setProperty(property, value);
}

} // namespace

ZelFormTexts::ZelFormTexts(QWidget *root)
    : QObject(root)
{
    QList<QObject *> objects{root};
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *child : children)
        objects.append(child);
    for (QObject *object : std::as_const(objects)) {
        const QMetaObject *meta = object->metaObject();
        for (const char *property : textProperties) {
            const int at = meta->indexOfProperty(property);
            // Only writable string properties: a line edit's text is one, a
            // spin box's is read-only.
            if (at >= 0 && meta->property(at).isWritable() && meta->property(at).metaType().id() == QMetaType::QString)
                m_texts.append({object, -1, property, QString()});
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
            for (int i = 0; i < tabs->count(); ++i)
                m_texts.append({object, i, "tabText", QString()});
        }
    }
    record();
}

void ZelFormTexts::record()
{
    for (Text &text : m_texts) {
        if (text.object)
            text.formText = valueOf(text.object, text.property, text.index);
    }
}

void ZelFormTexts::track(QWidget *root)
{
    if (!root->findChild<ZelFormTexts *>(QString(), Qt::FindDirectChildrenOnly))
        new ZelFormTexts(root);
}

void ZelFormTexts::retranslate(QWidget *root, const std::function<void()> &retranslateUi)
{
    auto *self = root->findChild<ZelFormTexts *>(QString(), Qt::FindDirectChildrenOnly);
    if (!self) {
        retranslateUi();
        return;
    }
    // What was written over the form, to be put back.
    QList<QPair<qsizetype, QString>> kept;
    for (qsizetype i = 0; i < self->m_texts.size(); ++i) {
        const Text &text = self->m_texts.at(i);
        if (!text.object)
            continue;
        const QString now = valueOf(text.object, text.property, text.index);
        if (now != text.formText)
            kept.append({i, now});
    }
    retranslateUi();
    self->record();
    for (const auto &[i, value] : std::as_const(kept)) {
        const Text &text = self->m_texts.at(i);
        if (text.object)
            setValue(text.object, text.property, text.index, value);
    }
}
