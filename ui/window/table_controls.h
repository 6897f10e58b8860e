/// The controls on the cloth: the new game, options, score sheet and quit buttons, the help,
/// sound and menu buttons and the speed bar, each with its name, its place on the table and a
/// tooltip that tells its key. A button carries out its command; the faster and slower keys
/// move the speed bar; F10 and the Menu key press the menu button.
#pragma once

#include <QObject>
#include <QPoint>
#include <vector>

#include "ui/window/table_menu.h"

class QPushButton;
class QRect;
class QScrollBar;
class QToolButton;
class QWidget;

namespace tazkova::ui {

class TableLayout;

class TableControls : public QObject {
    Q_OBJECT
  public:
    /// Makes the controls on `window`, placed and drawn by `layout`.
    TableControls(QWidget* window, TableLayout& layout, const TableActions& actions);

    QPushButton* ResultsButton() const { return resultsButton_; }
    QToolButton* SoundButton() const { return soundButton_; }
    QScrollBar* SpeedBar() const { return speedBar_; }
    /// The controls in the order Tab goes round them.
    std::vector<QWidget*> TabOrder() const;

  signals:
    /// The menu button was pressed: the menu opens below it, `corner` (on the screen) being
    /// the button's bottom right corner.
    void MenuAsked(const QPoint& corner);

  private:
    QPushButton* MakeButton(const char* name, const char* caption, const QRect& place,
                            QAction* command);
    QToolButton* MakeToolButton(const char* name, const QRect& place, const char* spoken);
    void MakeButtons();
    void MakeToolButtons();
    void MakeSpeedBar();
    /// The tooltips say the keys, and a screen reader reads them as the descriptions.
    void ExplainKeys(const QAction* openMenu);

    QWidget* window_;
    TableLayout& layout_;
    const TableActions& actions_;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* resultsButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QToolButton* soundButton_ = nullptr;
    QToolButton* menuButton_ = nullptr;
    QScrollBar* speedBar_ = nullptr;
};

}  // namespace tazkova::ui
