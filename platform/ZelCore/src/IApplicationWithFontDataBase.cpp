#include <ZelCore/IApplicationWithFontDataBase.h>

#include <QFontDatabase>

ZelFontDataBase::ZelFontDataBase() = default;

ZelFontDataBase::~ZelFontDataBase() = default;

namespace {

// fontconfig's generic names stand for whatever family it picks: showing
// them beside real families would offer the same typeface twice.
bool isGenericAlias(const QString &family)
{
    static const QStringList aliases{QStringLiteral("Monospace"), QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                     QStringLiteral("Sans"), QStringLiteral("Mono")};
    return aliases.contains(family, Qt::CaseInsensitive);
}

} // namespace

QStringList ZelFontDataBase::supportedFontFamilies() const
{
    const QStringList all = QFontDatabase::families();
    QStringList families;
    for (const QString &family : all) {
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family)
            && !isGenericAlias(family))
            families.append(family);
    }
    if (families.isEmpty())
        families = all;
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    return families;
}

// Out of line so that the type information lives in ZelCore and
// dynamic_cast works across library boundaries.
IApplicationWithFontDataBase::~IApplicationWithFontDataBase() = default;
