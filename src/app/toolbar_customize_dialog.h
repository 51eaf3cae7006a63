// "Anpassen...": the customization of the toolbars. The user picks a
// toolbar (the standard one or one of their own, which they make, rename
// and delete here), puts any command of the program on it, also those
// without a menu item, takes buttons off, moves them, and gives a command
// a picture of their own. The dialog works on a copy of the layout; OK
// hands it to the window, Cancel leaves everything as it was.
#pragma once

#include <QDialog>
#include <QIcon>
#include <optional>

#include "app/toolbar_layout.h"

class QGridLayout;
class QListWidget;
class QPushButton;

namespace rerore {

class UserMessages;

// A command that a button can carry, as the customization lists it.
struct CommandEntry {
  int id;
  QString name;
  QIcon icon;  // the standard picture; null when the command has none
};

class ToolbarCustomizeDialog : public QDialog {
  Q_OBJECT
 public:
  ToolbarCustomizeDialog(ToolbarLayout layout, QList<CommandEntry> commands, UserMessages& messages,
                         QWidget* parent = nullptr);
  const ToolbarLayout& toolbarLayout() const { return layout_; }
  QListWidget* toolbarList() const { return toolbars_; }
  QListWidget* commandList() const { return commands_; }
  QListWidget* buttonList() const { return buttons_; }

 private:
  QGridLayout* createLists();
  void createButtons(QGridLayout* grid);
  ToolbarSetup* chosenToolbar();
  int chosenCommand() const;  // the button's command, -1 when none is chosen
  QString nameOf(int id) const;
  QIcon iconOf(int id) const;
  void showToolbars(int row);
  void showButtons(int row);
  void updateStates();
  // A name typed for a toolbar; none when it is empty or taken.
  std::optional<QString> askName(const QString& title, const QString& current);
  void newToolbar();
  void renameToolbar();
  void deleteToolbar();
  void addCommand();
  void removeButton();
  void moveButton(int step);
  void chooseImage();
  void resetImage();

  ToolbarLayout layout_;
  QList<CommandEntry> known_;
  UserMessages& messages_;
  QListWidget* toolbars_ = nullptr;
  QListWidget* commands_ = nullptr;
  QListWidget* buttons_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
  QPushButton* image_ = nullptr;
  QPushButton* resetImage_ = nullptr;
};

}  // namespace rerore
