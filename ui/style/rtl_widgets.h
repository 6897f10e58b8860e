/// The right-to-left option widgets of the options dialog: the radio group with its item
/// buttons, and the check box. Each behaves as the standard widget does, except that the
/// button sits to the right of its text, the text is right-aligned and read from right to
/// left, and a group's caption sits at the right end of its frame.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <vector>

#include "game/ports.h"

namespace tazkova::ui {

class RtlRadioGroup;

/// One item button of a right-to-left radio group. Created and owned by its group.
class RtlRadioButton : public QRadioButton {
    Q_OBJECT

  public:
    explicit RtlRadioButton(RtlRadioGroup* group);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A radio group of one column: the item texts, the selected item (-1 for none) and one
/// button per item, placed inside a sunken frame whose caption interrupts the top line
/// eight pixels before the right edge.
class RtlRadioGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit RtlRadioGroup(QWidget* parent = nullptr);

    const QStringList& Items() const { return items_; }
    /// Replaces the item texts: one button per item, the selection kept where it still exists.
    void SetItems(const QStringList& items);

    int ItemIndex() const { return itemIndex_; }
    /// Selects an item. Beyond the last item selects the last one, below -1 gives -1 (none).
    void SetItemIndex(int index);

    /// Brackets the setting of the group's stored properties: in between, the buttons are
    /// neither rebuilt nor rearranged and the item index is taken as given; EndReading then
    /// builds the buttons once and holds the item index to the items.
    void BeginReading();
    void EndReading();

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    RtlRadioButton* Button(int i) const { return buttons_.at(static_cast<std::size_t>(i)); }

  signals:
    /// The selection changed, by the user or by the program.
    void itemIndexChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    /// Places the buttons one under the other, below a font line spared for the caption.
    void ArrangeButtons();
    void UpdateButtons();
    /// Checks the selected item's button, or no button at all.
    void ShowSelection();
    void UpdateTabStop();
    void SetButtonCount(int count);
    void ButtonToggled(int id, bool checked);

    std::vector<RtlRadioButton*> buttons_;
    QButtonGroup buttonGroup_;
    QStringList items_;
    int itemIndex_ = -1;
    bool reading_ = false;
    bool updating_ = false;
};

/// A right-to-left check box.
class RtlCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit RtlCheckBox(const QString& text = QString(), QWidget* parent = nullptr);

    /// The check state in the game's terms; a greyed box is neither on nor off.
    game::CheckState State() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tazkova::ui
