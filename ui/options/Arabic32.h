/// The right-to-left radio group with its caption at the right end of the frame, and the
/// right-to-left check box.
#pragma once

#include <QCheckBox>

#include "ArabXtra.h"
#include "ports.h"

/// A right-to-left radio group that paints its own frame: the caption, read from right to
/// left, interrupts the frame's top line eight pixels before the right edge.
class TRadioGroupA : public TRadioGroupAx {
    Q_OBJECT
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)

  public:
    explicit TRadioGroupA(QWidget* parent = nullptr);

    /// The sunken two-colour frame (on, the default) or a single window-frame outline.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool ctl3D_ = true;
};

/// A check box with its box on the right of its text, the text right-aligned and read from
/// right to left.
class TCheckBoxA : public QCheckBox {
    Q_OBJECT

  public:
    explicit TCheckBoxA(QWidget* parent = nullptr);
    explicit TCheckBoxA(const QString& text, QWidget* parent = nullptr);

    /// On only when checked; a greyed box is not.
    bool Checked() const { return checkState() == Qt::Checked; }
    void SetChecked(bool checked) { setCheckState(checked ? Qt::Checked : Qt::Unchecked); }
    /// The check state in the game's terms; a greyed box is neither on nor off.
    tazkova::CheckState State() const;
    void SetState(tazkova::CheckState state);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
