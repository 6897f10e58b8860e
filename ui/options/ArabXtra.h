/// The right-to-left radio group: its item buttons, its item list, item index and columns, and
/// the arrangement of its buttons inside the frame.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <vector>

class TCustomRadioGroupA;

/// One item button of a right-to-left radio group: the round button sits to the right of its
/// text, the text is right-aligned and read from right to left. Created and owned by its group.
class TGroupButtonA : public QRadioButton {
    Q_OBJECT

  public:
    explicit TGroupButtonA(TCustomRadioGroupA* group);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

/// The radio group's logic: the item texts, the selected item (-1 for none), the number of
/// columns and the placing of one button per item. Behaves as a standard radio group except
/// that its buttons are right-to-left and a little narrower, clear of the frame's right side.
class TCustomRadioGroupA : public QGroupBox {
    Q_OBJECT

  public:
    static constexpr int kMinColumns = 1;
    static constexpr int kMaxColumns = 16;

    explicit TCustomRadioGroupA(QWidget* parent = nullptr);

    const QStringList& Items() const { return items_; }
    /// Replaces the item texts: one button per item, the selection kept where it still exists.
    void SetItems(const QStringList& items);

    int ItemIndex() const { return itemIndex_; }
    /// Selects an item. Beyond the last item selects the last one, below -1 gives -1 (none).
    void SetItemIndex(int index);

    int Columns() const { return columns_; }
    /// Sets the number of columns, held to 1..16.
    void SetColumns(int columns);

    /// Brackets the setting of the stored design-time properties: in between, the buttons are
    /// neither rebuilt nor rearranged and the item index is taken as given; EndReading then
    /// builds the buttons once and holds the item index to the items.
    void BeginReading();
    void EndReading();

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TGroupButtonA* Button(int i) const { return buttons_.at(static_cast<std::size_t>(i)); }

  signals:
    /// The selection changed, by the user or by the program.
    void itemIndexChanged(int index);

  protected:
    /// Places the buttons in columns filled from left to right, one row per font line spared
    /// for the caption at the top.
    virtual void ArrangeButtons();

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void UpdateButtons();
    /// Checks the selected item's button, or no button at all.
    void ShowSelection();
    void SetButtonCount(int count);
    void ButtonToggled(int id, bool checked);

    std::vector<TGroupButtonA*> buttons_;
    QButtonGroup buttonGroup_;
    QStringList items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool reading_ = false;
    bool updating_ = false;
};

/// The radio group as the dialogs use it: items, item index and columns as properties.
class TRadioGroupAx : public TCustomRadioGroupA {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)

  public:
    using TCustomRadioGroupA::TCustomRadioGroupA;
};
