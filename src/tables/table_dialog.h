// What the table dialogs share: the grid, the messages to the user,
// whether the table was changed since it opened, the point a row label
// marks, printing, the list-file buttons and the Return key that goes back
// into the table when a button has the focus.
#pragma once

#include <QDialog>
#include <functional>

#include "model/session.h"
#include "model/user_messages.h"
#include "tables/table_setup.h"

class QAbstractButton;
class QLayout;
class QPrinter;
class QPushButton;
class QToolButton;

namespace rerore {

class TableEditor;

class TableDialog : public QDialog {
  Q_OBJECT
 public:
  // Asks for a list file's path: `save` for writing; empty when cancelled.
  using FileChooser =
      std::function<QString(bool save, const QString& suggested, const QString& filter)>;

  TableDialog(Session& session, UserMessages& messages, QWidget* parent);
  TableEditor* grid() const { return grid_; }
  void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  // Whether a key was handled in the table or a list file loaded into it
  // since the dialog opened its table.
  bool tableChanged() const { return tableChanged_; }

 signals:
  // A row label marked a new point (`markedPoint` of the view settings).
  void pointMarked();

 protected:
  // Sets the grid up and shows the model's rows as `fill` writes them
  // (none without `fill`).
  void showTable(TableKind kind, int rows, const std::vector<GridColumn>& columns,
                 void (*fill)(const ModelTables&, CellTable&));
  // Shows the model's rows anew as `fill` writes them; every other data
  // cell is emptied.
  void showRows(void (*fill)(const ModelTables&, CellTable&));
  // The table on the left; on the right `above` (may be null), then the
  // buttons at the bottom.
  // The dialog is sized to show the whole width of the table and
  // `visibleRows` of its rows.
  void arrangeBesideTable(QLayout* above, const std::vector<QPushButton*>& buttons,
                          int visibleRows);
  // A button that runs `slot` on a click.
  QPushButton* button(const QString& text, const std::function<void()>& action);
  // The print dialog, with the document margins preset, then the table
  // under its heading.
  void printTable();
  void printTableOn(QPrinter& printer);
  void saveTableList(const QString& suggestedName);
  void loadTableList(const QString& suggestedName, const QString& filter);
  QToolButton* makeListButton(bool save);
  // Return on one of these buttons reopens the editor in the table.
  void returnIntoTable(const std::vector<QAbstractButton*>& buttons);
  // A row-label click marks the point in the view.
  void markPointsInView();
  bool eventFilter(QObject* watched, QEvent* event) override;

  Session& session_;
  UserMessages& messages_;
  TableEditor* grid_;

 private:
  QString chooseFile(bool save, const QString& suggested, const QString& filter);

  FileChooser chooser_;
  bool tableChanged_ = false;
};

}  // namespace rerore
