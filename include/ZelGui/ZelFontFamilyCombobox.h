#pragma once

#include <ZelGui/zelgui_export.h>

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFont>
#include <QSize>
#include <QStringList>
#include <QVector>

class ZelFontFamilyCombobox;

//! Chooses a font family among those the host application offers. The box
//! shows the family names; its pop-up is a table that shows each name in the
//! box's font beside a sample word in that family, the whole row
//! highlighted. The family name of an entry is kept under Qt::UserRole + 1.
//!
//! The host's application object must implement IApplicationWithFontDataBase
//! (ZelCore); without it the box logs an error and stays empty.
//! currentFamilyChanged() follows every change of the current entry.
class ZELGUI_EXPORT ZelFontFamilyCombobox : public QComboBox
{
    Q_OBJECT
public:
    //! Creates the box with the families of the host application; \a parent owns it.
    explicit ZelFontFamilyCombobox(QWidget *parent = nullptr);
    //! Destroys the box and its model.
    ~ZelFontFamilyCombobox() override;

    //! The current entry's family; empty when there is none.
    QString currentFamily() const;

    //! Shows the table pop-up with the whole current row highlighted.
    void showPopup() override;

Q_SIGNALS:
    //! The current entry changed; \a family is its family name.
    void currentFamilyChanged(QString family);

public Q_SLOTS:
    //! Selects the family (compared exactly, case included); false and no
    //! change when it is not offered.
    bool setCurrentFamily(QString family);

private Q_SLOTS:
    void emitUpdateCurrentFamily();
};

//! The model behind ZelFontFamilyCombobox: one row per family, sorted;
//! column 0 the family name (Qt::DisplayRole and Qt::UserRole + 1) in the
//! box's font, column 1 a sample word in the family. Size hints fit each
//! cell's text in its font. Reports its rows for any parent, as list-like
//! models for combo boxes do.
class ZELGUI_EXPORT ZelFFCModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    //! comboBox gives the fonts and owns the model (it is its parent); it
    //! may be null, then the application's font is used.
    ZelFFCModel(const QStringList &families, ZelFontFamilyCombobox *comboBox);
    //! Destroys the model.
    ~ZelFFCModel() override;

    //! The role under which column 0 keeps the family name.
    static constexpr int FamilyRole = Qt::UserRole + 1;

    //! The families, sorted.
    QStringList families() const;

    //! The number of families, for any parent.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    //! Two: the name and the sample.
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    //! The name or the sample, their fonts and size hints, and the family under FamilyRole.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QFont baseFont() const;
    QFont familyFont(int row) const;
    QSize cellSizeHint(int row, int column) const;

    QStringList m_families;
    ZelFontFamilyCombobox *m_comboBox = nullptr;
    //! The sample word, translated once.
    QString m_sample;
    //! Measuring text in a family's font is costly and the pop-up's table asks
    //! for every row's size on each layout: sizes are kept per row for the
    //! base font they were measured with.
    mutable QFont m_measuredWith;
    mutable QVector<QSize> m_sizeCache;
};
