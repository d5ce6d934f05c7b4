#pragma once

#include <ZelGui/zelgui_export.h>

#include <QColor>
#include <QComboBox>
#include <QMap>

//! A combo box of colour swatches with names. Each colour item carries its
//! colour as Qt::UserRole data and a 12 x 12 swatch icon. With the colour
//! dialog enabled the list ends in a "More..." entry: choosing it opens
//! QColorDialog and adds the chosen colour before the entry as "User color N"
//! (numbered from 1 per box); cancelling the dialog goes back to the colour
//! chosen last.
//!
//! activated(QColor) reports every colour the user (or setCurrentColor)
//! chooses; highlighted(QColor) follows the pop-up's highlight. The base
//! class's activated(int) and highlighted(int) stay available.
class ZELGUI_EXPORT ZelColorComboBox : public QComboBox
{
    Q_OBJECT
public:
    //! name is accepted for source compatibility and not used.
    explicit ZelColorComboBox(QWidget *parent = nullptr, const char *name = nullptr);
    ~ZelColorComboBox() override;

    //! Appends or removes the "More..." entry (the last item).
    void setColorDialogEnabled(bool enabled);
    //! Whether the list ends in the "More..." entry; false by default.
    bool isColorDialogEnabled() const;

    //! The number of colour items (count() without the "More..." entry).
    int colorCount() const;
    //! Inserts a colour item; with the dialog entry present, an index past
    //! the last colour inserts before the last colour.
    void insertColor(int index, const QColor &color, const QString &name);
    //! Appends the colours in key order (before "More..."); existing items
    //! stay.
    void setColors(const QMap<Qt::GlobalColor, QString> &colors);

    //! The item's colour; invalid for the "More..." entry, items without a
    //! colour and indexes out of range.
    QColor color(int index) const;
    //! The colour of the current item; invalid when the "More..." entry or no item is current.
    QColor currentColor() const;
    //! Selects the first item of that colour and announces it as activated;
    //! a colour not in the list is first added as a user colour.
    void setCurrentColor(const QColor &color);

    //! Wide enough for a numbered user colour's name.
    QSize sizeHint() const override;

Q_SIGNALS:
    //! A colour was chosen, by the user or through setCurrentColor().
    void activated(QColor color);
    //! The pop-up's highlight moved to an item (an invalid colour for "More...").
    void highlighted(QColor color);

private Q_SLOTS:
    void Q_EMITActivatedColor(int index);
    void Q_EMITHighlightedColor(int index);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    bool isMoreEntry(int index) const;
    void insertUserColor(const QColor &color);

    QColor lastActivatedColor;
    int userColorCount = 0;
    bool colorDialogEnabled = false;
};
