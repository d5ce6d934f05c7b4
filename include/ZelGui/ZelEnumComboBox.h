#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelEnumeration.h>

#include <QComboBox>
#include <QUuid>

//! Chooses an item of an enumeration of the core library. Each entry shows
//! the item's text and keeps its identifier (QUuid) under Qt::UserRole.
//!
//! Only choices announce: currentValueChanged() follows a change of the
//! current entry by the user or by changeValue(), once; setEnum() and
//! setCurrentValue() select silently, for a host that loads a stored choice.
//! enumChanged() is declared for hosts that relay enumerations; the box
//! itself never emits it.
class ZELGUI_EXPORT ZelEnumComboBox : public QComboBox
{
    Q_OBJECT
public:
    //! Creates an empty box; \a parent owns it.
    explicit ZelEnumComboBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelEnumComboBox() override;

    //! A copy of the enumeration shown.
    ZelEnumeration enumeration() const;
    //! The identifier of the current entry; null when there is none.
    QUuid currentValue() const;
    //! The enumeration's item of the current entry; a null item when there
    //! is none.
    ZelEnumerationItem currentValueItem() const;
    //! The first entry holding the identifier, or -1.
    int findItem(const QUuid &id) const;

Q_SIGNALS:
    //! For hosts that relay enumerations; never emitted by the box.
    void enumChanged(ZelEnumeration enumeration);
    //! The current entry changed by the user or through changeValue(); \a id is its identifier.
    void currentValueChanged(QUuid id);

public Q_SLOTS:
    //! Shows the enumeration's items in its order; the first becomes current.
    void setEnum(ZelEnumeration enumer);
    //! Select the entry of the identifier without announcing it; an unknown
    //! identifier changes nothing.
    void setCurrentValue(QUuid id);
    //! Selects the entry of \a item's identifier without announcing it.
    void setCurrentValue(ZelEnumerationItem item);
    //! Select the entry of the identifier and announce the change.
    void changeValue(QUuid id);

private Q_SLOTS:
    void mavEnumComboBox_currentIndexChanged(int index);

private:
    void selectSilently(const QUuid &id);

    ZelEnumeration m_enumeration;
    bool m_updating = false;
};
